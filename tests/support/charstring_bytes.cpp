#include "support/charstring_bytes.h"

namespace sorvella::test {

void appendCharstringNumber(std::vector<uint8_t>& out, int v) {
  if (v >= -107 && v <= 107) {
    out.push_back(static_cast<uint8_t>(v + 139));
  } else if (v >= 108 && v <= 1131) {
    out.push_back(static_cast<uint8_t>((v - 108) / 256 + 247));
    out.push_back(static_cast<uint8_t>((v - 108) % 256));
  } else if (v <= -108 && v >= -1131) {
    out.push_back(static_cast<uint8_t>((-v - 108) / 256 + 251));
    out.push_back(static_cast<uint8_t>((-v - 108) % 256));
  } else {
    out.push_back(255);
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
  }
}

std::vector<uint8_t> assembleCharstring(std::initializer_list<CharstringItem> items) {
  std::vector<uint8_t> out;
  for (const CharstringItem& item : items) {
    if (const CharstringOp* op = std::get_if<CharstringOp>(&item)) {
      if (op->code >= 1200) out.push_back(12);
      out.push_back(static_cast<uint8_t>(op->code >= 1200 ? op->code - 1200 : op->code));
      continue;
    }
    appendCharstringNumber(out, std::get<int>(item));
  }
  return out;
}

}  // namespace sorvella::test
