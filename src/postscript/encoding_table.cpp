#include "postscript/encoding_table.h"

namespace sorvella {

EncodingTable::EncodingTable() {
  reset();
}

std::string EncodingTable::placeholderName(int code) {
  return sorvella::placeholderName(code);
}

void EncodingTable::reset() {
  codes_.clear();
  for (int code = 0; code < kSize; ++code) {
    names_[static_cast<std::size_t>(code)] = placeholderName(code);
    codes_.emplace(names_[static_cast<std::size_t>(code)], code);
  }
}

bool EncodingTable::assign(int code, std::string_view name) {
  if (code < 0 || code >= kSize || name.empty() || codes_.contains(name)) return false;
  std::string& slot = names_[static_cast<std::size_t>(code)];
  codes_.erase(slot);
  slot.assign(name);
  codes_.emplace(slot, code);
  return true;
}

bool EncodingTable::isPlaceholder(int code) const {
  // A file may name a code with its own placeholder text, which leaves the same table as
  // naming it not at all, so comparing the text is enough.
  return name(code) == placeholderName(code);
}

int EncodingTable::codeOf(std::string_view name) const {
  auto found = codes_.find(name);
  return found == codes_.end() ? -1 : found->second;
}

}  // namespace sorvella
