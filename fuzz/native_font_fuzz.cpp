// Native font files from anywhere must never crash, hang or exhaust the reader, and whatever
// it accepts must write back to bytes that read again and write the same once more.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "glyph/native_font_file.h"

namespace {

constexpr int kAllFlags = sorvella::native_font_flag::kFullInfo |
                          sorvella::native_font_flag::kEncoding |
                          sorvella::native_font_flag::kHintReplacement;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  auto font = sorvella::ReadNativeFont(std::span(data, size));
  if (!font) return 0;
  auto first = sorvella::nativeFontBytes(*font, kAllFlags);
  if (!first) std::abort();
  auto again = sorvella::ReadNativeFont(*first);
  if (!again) std::abort();
  auto second = sorvella::nativeFontBytes(*again, kAllFlags);
  if (!second || *second != *first) std::abort();
  return 0;
}
