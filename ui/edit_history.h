#pragma once
// The undo and redo history of the window's blok: each step keeps the whole blok as it was
// before and after, with the name the "Правка" menu shows for it.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "blok/blok.h"

namespace tirel {

class EditHistory {
 public:
  // The oldest steps are dropped beyond this many.
  static constexpr std::size_t kMaxSteps = 200;

  // Keeps the change from `before` to `after` as one step and forgets what could be redone.
  // A change that left every byte as it was is no step: false, and the history stays.
  bool record(const Blok& before, const Blok& after, std::string label);

  // The blok as it was before the last step (undo) or after the next undone one (redo);
  // none when there is nothing to undo or redo.
  std::optional<Blok> undo();
  std::optional<Blok> redo();

  // A new set (opened or built) starts a new history.
  void clear();

  bool can_undo() const { return !done_.empty(); }
  bool can_redo() const { return !undone_.empty(); }
  // The name of the step that undo or redo would act on; empty when there is none.
  std::string undo_label() const { return done_.empty() ? std::string() : done_.back().label; }
  std::string redo_label() const { return undone_.empty() ? std::string() : undone_.back().label; }
  std::size_t undo_count() const { return done_.size(); }

 private:
  struct Step {
    Blok before;
    Blok after;
    std::string label;
  };
  std::deque<Step> done_;
  std::deque<Step> undone_;
};

}  // namespace tirel
