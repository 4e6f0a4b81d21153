#include "cli/dump_type1_font.h"

#include <ostream>
#include <string_view>

#include "base/text_format.h"
#include "cli/subset_font_description.h"
#include "postscript/font_program_status.h"
#include "postscript/program_encodings.h"
#include "postscript/type1_font_file.h"

namespace sorvella::cli {

namespace {

inline constexpr const char* kUnreadableType1 = "not a readable Type 1 font. %s";

bool startsWith(std::span<const uint8_t> head, std::string_view prefix) {
  return head.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), head.begin());
}

bool recognises(std::span<const uint8_t> head, const std::filesystem::path&) {
  bool segmented = head.size() >= 2 && head[0] == 0x80 && head[1] == 0x01;
  return segmented || startsWith(head, "%!PS-AdobeFont") || startsWith(head, "%!FontType1");
}

bool describe(const std::filesystem::path& path, const DumpOptions& options,
              nlohmann::ordered_json& json, std::string& error) {
  // Named encodings and seac composites need the encoding files shipped with the program.
  PSFontStatus status = PSFontStatus::kFine;
  std::unique_ptr<SubsetFont> font = readType1Font(path, programEncodings(), {}, &status);
  if (!font) {
    // Without a status of its own the read failed on the bytes themselves.
    error = formatText(kUnreadableType1, fontProgramStatusText(status, true).c_str());
    return false;
  }
  json["kind"] = "Type 1 font";
  describeSubsetFont(*font, json, options.outlines);
  return true;
}

void print(const nlohmann::ordered_json& json, std::ostream& out) {
  out << "Type 1 font\n";
  printSubsetFont(json, out);
}

}  // namespace

const Dumper& type1FontDumper() {
  static const Dumper d{"Type 1 font", recognises, describe, print};
  return d;
}

}  // namespace sorvella::cli
