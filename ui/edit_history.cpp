#include "ui/edit_history.h"

namespace tirel {

bool EditHistory::record(const Blok& before, const Blok& after, std::string label) {
  if (before == after) return false;
  done_.push_back({before, after, std::move(label)});
  if (done_.size() > kMaxSteps) done_.pop_front();
  undone_.clear();
  return true;
}

std::optional<Blok> EditHistory::undo() {
  if (done_.empty()) return std::nullopt;
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
  return undone_.back().before;
}

std::optional<Blok> EditHistory::redo() {
  if (undone_.empty()) return std::nullopt;
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  return done_.back().after;
}

void EditHistory::clear() {
  done_.clear();
  undone_.clear();
}

}  // namespace tirel
