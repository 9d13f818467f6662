#pragma once
// How one exchange of the soak ended, and the tally of them all.
#include <QString>
#include <map>
#include <string>

#include "faults.h"

namespace tirel::soak {

struct Outcome {
  QString via;         // "cli" or "window"
  Op op = Op::read;
  QString fault;       // the fault's name
  QString sim_args;    // as given to the simulator, for repeating a run by hand
  QString message;     // what the user was told
  double seconds = 0;
  bool right_message = false;
  bool window_enabled = true;  // the window takes input again afterwards
  bool port_closed = true;     // nothing of ours is left open on the radio's line
  QString problem;     // anything else wrong, said in words
  bool sound() const { return right_message && window_enabled && port_closed && problem.isEmpty(); }
};

class Tally {
 public:
  void add(const Outcome& o);
  void print() const;
  int wrong() const { return wrong_; }

 private:
  struct Count {
    int seen = 0;
    int right = 0;
  };
  // fault -> "cli read", "window write", ... -> counts
  std::map<std::string, std::map<std::string, Count>> counts_;
  int wrong_ = 0;
};

}  // namespace tirel::soak
