#pragma once
// tirel12-cli read and write run against simulated radios, a few at a time, each with a
// simulator and a folder of its own. Runs advance from the event loop.
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <random>

#include "outcome.h"

namespace tirel::soak {

class CliSoak {
 public:
  CliSoak(const QString& sim_program, const QString& cli_program, int jobs, std::function<void(const Outcome&)> done);
  ~CliSoak();

  void add(Op op, const Fault& f, std::mt19937& rng);
  bool idle() const { return waiting_.empty() && running_ == 0; }

 private:
  struct Run;
  void start_more();
  void finish(Run* run, Outcome o);

  QString sim_program_;
  QString cli_program_;
  int jobs_;
  std::function<void(const Outcome&)> done_;
  std::deque<std::unique_ptr<Run>> waiting_;
  std::vector<std::unique_ptr<Run>> active_;
  int running_ = 0;
};

}  // namespace tirel::soak
