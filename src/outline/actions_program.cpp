#include "outline/actions_program.h"

#include <algorithm>
#include <utility>

namespace sorvella {

bool ActionsProgram::add(ActionKind kind) {
  if (count() >= kMaxActions) return false;
  actions_.push_back(GlyphAction::make(kind));
  selected_ = count() - 1;
  return true;
}

void ActionsProgram::remove() {
  if (!current()) return;
  const int old = selected_;
  actions_.erase(actions_.begin() + old);
  selected_ = std::min(count() - 1, old);
}

void ActionsProgram::moveUp() {
  if (!current() || selected_ == 0) return;
  std::swap(actions_[static_cast<std::size_t>(selected_)],
            actions_[static_cast<std::size_t>(selected_ - 1)]);
  --selected_;
}

void ActionsProgram::moveDown() {
  if (!current() || selected_ + 1 >= count()) return;
  std::swap(actions_[static_cast<std::size_t>(selected_)],
            actions_[static_cast<std::size_t>(selected_ + 1)]);
  ++selected_;
}

void ActionsProgram::reset() {
  actions_.clear();
  selected_ = -1;
}

void ActionsProgram::select(int i) {
  selected_ = i >= 0 && i < count() ? i : -1;
}

void ActionsProgram::setField(int field, double value) {
  GlyphAction* a = current();
  if (!a || !(actionKindInfo(a->kind).mask & (1u << field))) return;
  a->setField(field, value);
  const bool coupled = (a->kind == ActionKind::kScale || a->kind == ActionKind::kSetSidebearings) &&
                       a->checks[1] && (field == 0 || field == 1);
  if (coupled)
    a->fields[static_cast<std::size_t>(1 - field)] = a->fields[static_cast<std::size_t>(field)];
}

void ActionsProgram::setCheck(int box, bool on) {
  GlyphAction* a = current();
  if (!a || box < 0 || box > 1 ||
      !(actionKindInfo(a->kind).mask & (action_control::kCheck1 << box)))
    return;
  a->checks[static_cast<std::size_t>(box)] = on;
}

std::vector<std::string> ActionsProgram::summaries() const {
  std::vector<std::string> lines;
  for (const GlyphAction& a : actions_) lines.push_back(a.summary());
  return lines;
}

GlyphAction* ActionsProgram::current() {
  return selected_ >= 0 && selected_ < count() ? &actions_[static_cast<std::size_t>(selected_)]
                                               : nullptr;
}

}  // namespace sorvella
