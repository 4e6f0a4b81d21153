#include "glyph/native_font_file.h"

#include <string_view>

#include "base/file_bytes.h"
#include "platform/atomic_file_write.h"

namespace sorvella {

bool WriteNativeFont(const std::filesystem::path& path, SubsetFont& font, int flags) {
  std::optional<std::vector<uint8_t>> bytes = nativeFontBytes(font, flags);
  if (!bytes) return false;
  std::string_view view(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (!writeFileAtomically(path, view)) return false;
  font.setFileName(path);
  return true;
}

std::unique_ptr<SubsetFont> ReadNativeFont(std::span<const uint8_t> bytes, NativeFontStatus* status,
                                           std::vector<int32_t>* damagedGlyphs) {
  NativeFontReader reader;
  std::unique_ptr<SubsetFont> font = reader.read(bytes);
  if (status) *status = reader.status();
  if (damagedGlyphs) *damagedGlyphs = reader.damagedGlyphs();
  return font;
}

std::unique_ptr<SubsetFont> ReadNativeFont(const std::filesystem::path& path,
                                           NativeFontStatus* status,
                                           std::vector<int32_t>* damagedGlyphs) {
  std::optional<std::vector<uint8_t>> bytes = readWholeFile(path);
  if (!bytes) {
    if (status) *status = NativeFontStatus::kCannotOpen;
    if (damagedGlyphs) damagedGlyphs->clear();
    return nullptr;
  }
  std::unique_ptr<SubsetFont> font = ReadNativeFont(*bytes, status, damagedGlyphs);
  if (font) font->setFileName(path);
  return font;
}

}  // namespace sorvella
