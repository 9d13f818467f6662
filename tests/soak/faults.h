#pragma once
// The simulator's ways of failing, how each must end a read and a write, and the message for it.
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
  ExchangeResult read_ends;
  ExchangeResult write_ends;
};

const std::vector<Fault>& faults();

// The simulator's arguments for one run of `f`; byte counts fall inside the data phase.
QStringList sim_arguments(const Fault& f, std::mt19937& rng);

inline ExchangeResult expected_result(const Fault& f, Op op) { return op == Op::read ? f.read_ends : f.write_ends; }

inline const LinkMessage& expected_message(const Fault& f, Op op) {
  return link_text::end_message(op == Op::read ? Operation::read : Operation::write, expected_result(f, op));
}

inline const char* op_name(Op op) { return op == Op::read ? "read" : "write"; }

}  // namespace tirel::soak
