#include "cli/dump_native_font.h"

#include <ostream>

#include "cli/subset_font_description.h"
#include "glyph/native_font_file.h"
#include "glyph/native_font_records.h"

namespace sorvella::cli {

namespace {

bool recognises(std::span<const uint8_t> head, const std::filesystem::path&) {
  return hasNativeFontSignature(head);
}

bool describe(const std::filesystem::path& path, const DumpOptions& options,
              nlohmann::ordered_json& json, std::string& error) {
  NativeFontStatus status = NativeFontStatus::kOk;
  std::vector<int32_t> damaged;
  std::unique_ptr<SubsetFont> font = ReadNativeFont(path, &status, &damaged);
  if (!font) {
    error = nativeFontStatusText(status);
    return false;
  }
  json["kind"] = "native font";
  if (!damaged.empty()) json["damagedGlyphs"] = damaged;
  describeSubsetFont(*font, json, options.outlines);
  return true;
}

void print(const nlohmann::ordered_json& json, std::ostream& out) {
  out << "Native font file\n";
  if (json.contains("damagedGlyphs")) {
    out << "Damaged glyphs, left empty:";
    for (const auto& slot : json["damagedGlyphs"]) out << ' ' << slot.get<int32_t>();
    out << '\n';
  }
  printSubsetFont(json, out);
}

}  // namespace

const Dumper& nativeFontDumper() {
  static const Dumper d{"native font", recognises, describe, print};
  return d;
}

}  // namespace sorvella::cli
