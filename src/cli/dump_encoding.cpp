#include "cli/dump_encoding.h"

#include <optional>
#include <ostream>
#include <string_view>

#include "base/text_format.h"
#include "cli/text_encoding.h"
#include "postscript/encoding_file.h"
#include "postscript/encoding_table.h"

namespace sorvella::cli {
namespace {

namespace fs = std::filesystem;

// Code in decimal and hexadecimal, then its glyph name.
constexpr char kCodeLineFormat[] = "  %3d  0x%02X  %s";

bool recognises(std::span<const uint8_t> head, const fs::path&) {
  const std::string_view prefix(kEncodingFilePrefix);
  return head.size() >= prefix.size() &&
         std::string_view(reinterpret_cast<const char*>(head.data()), prefix.size()) == prefix;
}

bool describe(const fs::path& path, const DumpOptions&, nlohmann::ordered_json& json,
              std::string& error) {
  std::optional<EncodingFileHeader> header = readEncodingFileHeader(path);
  if (!header) {
    error = kInvalidEncodingHeaderMessage;
    return false;
  }
  EncodingTable table;
  if (!readEncodingFile(path, table)) {
    error = kUnreadableEncodingMessage;
    return false;
  }
  json["number"] = header->number;
  json["name"] = windows1252ToUtf8(header->displayName);
  nlohmann::ordered_json codes = nlohmann::ordered_json::array();
  for (int code = 0; code < EncodingTable::kSize; ++code) {
    if (table.isPlaceholder(code)) {
      codes.push_back(nullptr);
    } else {
      codes.push_back(windows1252ToUtf8(table.name(code)));
    }
  }
  json["codes"] = std::move(codes);
  return true;
}

void print(const nlohmann::ordered_json& json, std::ostream& out) {
  const nlohmann::ordered_json& codes = json["codes"];
  int named = 0;
  for (const auto& name : codes) named += name.is_null() ? 0 : 1;
  out << "Encoding file\n";
  out << "  number       " << json["number"].get<int32_t>() << '\n';
  out << "  name         " << json["name"].get<std::string>() << '\n';
  out << "  named codes  " << named << " of " << codes.size() << '\n';
  for (int code = 0; code < static_cast<int>(codes.size()); ++code) {
    const nlohmann::ordered_json& name = codes[static_cast<std::size_t>(code)];
    if (name.is_null()) continue;
    out << formatText(kCodeLineFormat, code, code, name.get<std::string>().c_str()) << '\n';
  }
}

}  // namespace

Dumper encodingDumper() {
  return Dumper{"encoding file", recognises, describe, print};
}

}  // namespace sorvella::cli
