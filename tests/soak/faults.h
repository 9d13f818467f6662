#pragma once
// The simulator's ways of failing, and the message each must end a read or a write with.
#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "link/texts.h"

namespace tirel::soak {

enum class Op { read, write };

struct Fault {
  const char* name;
  // The simulator's --fault argument, "" for a radio that behaves; "%n" takes a byte count.
  const char* sim_fault;
  const LinkMessage* read_ends_with;
  const LinkMessage* write_ends_with;
};

const std::vector<Fault>& faults();

// The simulator's arguments for one run of `f`; byte counts fall inside the data phase.
QStringList sim_arguments(const Fault& f, std::mt19937& rng);

inline const LinkMessage& expected_message(const Fault& f, Op op) {
  return op == Op::read ? *f.read_ends_with : *f.write_ends_with;
}

inline const char* op_name(Op op) { return op == Op::read ? "read" : "write"; }

}  // namespace tirel::soak
