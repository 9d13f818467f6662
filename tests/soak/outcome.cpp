#include "outcome.h"

#include <cstdio>

namespace tirel::soak {

void Tally::add(const Outcome& o) {
  Count& c = counts_[o.fault.toStdString()][o.via.toStdString() + " " + op_name(o.op)];
  ++c.seen;
  if (o.sound()) ++c.right;
  else ++wrong_;
}

void Tally::print() const {
  const char* columns[] = {"cli read", "cli write", "window read", "window write"};
  std::printf("\n%-16s", "fault");
  for (const char* c : columns) std::printf("%14s", c);
  std::printf("%8s   (right/seen)\n", "all");
  for (const Fault& f : faults()) {
    const auto row = counts_.find(f.name);
    std::printf("%-16s", f.name);
    int all_seen = 0, all_right = 0;
    for (const char* c : columns) {
      int seen = 0, right = 0;
      if (row != counts_.end()) {
        if (const auto it = row->second.find(c); it != row->second.end()) {
          seen = it->second.seen;
          right = it->second.right;
        }
      }
      char cell[32];
      std::snprintf(cell, sizeof cell, "%d/%d%s", right, seen, right == seen ? "" : " !");
      std::printf("%14s", cell);
      all_seen += seen;
      all_right += right;
    }
    std::printf("%5d/%-3d\n", all_right, all_seen);
  }
}

}  // namespace tirel::soak
