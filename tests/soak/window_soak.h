#pragma once
// The main window's read and write, run again and again against simulated radios: one window
// for the whole soak, in a working folder whose config.ini puts COM1 on the simulator.
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "outcome.h"
#include "scripted_prompter.h"

class TForm1;

namespace tirel::soak {

class WindowSoak {
 public:
  explicit WindowSoak(const QString& sim_program);
  ~WindowSoak();

  Outcome run(Op op, const Fault& f, std::mt19937& rng);

 private:
  QString sim_program_;
  QTemporaryDir folder_;
  test::ScriptedPrompter prompts_;
  std::unique_ptr<TForm1> window_;
};

}  // namespace tirel::soak
