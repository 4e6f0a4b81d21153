#include "cli/dump_index.h"

#include <ostream>
#include <string_view>

#include "base/file_bytes.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/font_info_block.h"
#include "cidfont/index_text_reader.h"
#include "cidfont/text_index_file.h"
#include "cli/text_encoding.h"
#include "postscript/keyword_table.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

bool startsWith(std::span<const uint8_t> head, std::string_view prefix) {
  return head.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), head.begin());
}

bool hasExtension(const std::filesystem::path& path, std::string_view extension) {
  return equalsIgnoringAsciiCase(path.extension().string(), extension);
}

void describeFontInfo(const CCidFont& font, ordered_json& json) {
  const CidFontInfo& info = font.info();
  json["FontName"] = jsonTextOrNull(info.fontName());
  json["FullName"] = jsonTextOrNull(info.fullName());
  json["Notice"] = jsonTextOrNull(info.notice());
  json["Version"] = info.version;
  json["Registry"] = jsonTextOrNull(info.registry());
  json["Ordering"] = jsonTextOrNull(info.ordering());
  json["Supplement"] = info.supplement;
  json["UIDBase"] = info.uidBase;
  json["XUID"] = info.xuid();
  ordered_json fonts = ordered_json::array();
  for (const SubsetFontEntry& e : font.subsetFonts())
    fonts.push_back({{"name", jsonTextOrNull(e.name())},
                     {"stem", jsonTextOrNull(e.fileStem())},
                     {"count", e.characterCount},
                     {"locked", e.locked != 0}});
  json["BaseFonts"] = fonts;
}

void printFontInfo(const ordered_json& json, std::ostream& out) {
  for (const char* key : {"FontName", "FullName", "Notice", "Registry", "Ordering"})
    if (!json[key].is_null()) out << key << ' ' << json[key].get<std::string>() << '\n';
  out << "Version " << json["Version"] << "\nSupplement " << json["Supplement"]
      << "\nUIDBase " << json["UIDBase"] << '\n';
  if (!json["XUID"].empty()) {
    out << "XUID";
    for (const auto& v : json["XUID"]) out << ' ' << v;
    out << '\n';
  }
  out << "BaseFonts " << json["BaseFonts"].size() << '\n';
  int n = 1;
  for (const auto& f : json["BaseFonts"]) {
    out << "  " << n++ << ' ' << (f["name"].is_null() ? "-" : f["name"].get<std::string>()) << ' '
        << (f["stem"].is_null() ? "-" : f["stem"].get<std::string>()) << ' ' << f["count"]
        << (f["locked"].get<bool>() ? " locked" : "") << '\n';
  }
}

bool recognisesBinary(std::span<const uint8_t> head, const std::filesystem::path& path) {
  return startsWith(head, "%!Vantrel Sorvell Binary Index File") || hasExtension(path, ".sqf");
}

bool describeBinary(const std::filesystem::path& path, const DumpOptions& options,
                    ordered_json& json, std::string& error) {
  BinaryIndexReadResult result = ReadBinaryIndex(path);
  if (!result.opened) {
    error = "cannot be read";
    return false;
  }
  CCidFont& font = *result.font;
  json["kind"] = "binary index";
  describeFontInfo(font, json);
  json["TotalCharacters"] = font.characterCount();
  json["BeginCharacterData"] = result.hadCharacterData;
  font.RebuildTables();
  json["placed"] = font.characterCount() - static_cast<int32_t>(font.unplaced().size());
  json["unplaced"] = font.unplaced().size();
  json["rangeTop"] = font.rangeTop();
  if (options.records) {
    ordered_json records = ordered_json::array();
    for (const CharacterRecord& r : font.records()) records.push_back({r.font, r.glyph, r.cid});
    json["records"] = records;
  }
  return true;
}

void printBinary(const ordered_json& json, std::ostream& out) {
  out << "Binary index file\n";
  printFontInfo(json, out);
  out << "TotalCharacters " << json["TotalCharacters"] << " (" << json["placed"] << " placed, "
      << json["unplaced"] << " unplaced, highest CID " << json["rangeTop"] << ")\n";
  if (!json["BeginCharacterData"].get<bool>()) out << "No character data\n";
  if (json.contains("records")) {
    out << "records (font glyph cid):\n";
    int i = 0;
    for (const auto& r : json["records"])
      out << "  " << i++ << ": " << r[0] << ' ' << r[1] << ' ' << r[2] << '\n';
  }
}

bool recognisesText(std::span<const uint8_t> head, const std::filesystem::path& path) {
  return startsWith(head, "%!Vantrel Sorvell Text Index File") || hasExtension(path, ".sci");
}

bool describeText(const std::filesystem::path& path, const DumpOptions&, ordered_json& json,
                  std::string& error) {
  auto bytes = readWholeFile(path);
  if (!bytes) {
    error = "cannot be read";
    return false;
  }
  CCidFont font;
  IndexTextReader in(*bytes);
  bool hadInfo = false;
  while (auto word = in.word()) {
    if (indexKeywordNumber(*word) != kKwBeginFontInfo) continue;
    if (!ReadFontInfo(font, in, true)) {
      error = "the font info block cannot be read";
      return false;
    }
    hadInfo = true;
    break;
  }
  json["kind"] = "text index";
  json["BeginFontInfo"] = hadInfo;
  describeFontInfo(font, json);
  ordered_json lines = ordered_json::array();
  int64_t cids = 0;
  for (const TextIndexEntry& e : TextIndexEntries(*bytes)) {
    lines.push_back({e.firstCid, e.cidRange ? e.lastCid : e.firstCid, e.font, e.firstGlyph,
                     e.glyphRange ? e.lastGlyph : e.firstGlyph});
    cids += e.cidRange ? e.lastCid - e.firstCid + 1 : 1;
  }
  json["IndexData"] = lines;
  json["cids"] = cids;
  return true;
}

void printText(const ordered_json& json, std::ostream& out) {
  out << "Text index file\n";
  if (!json["BeginFontInfo"].get<bool>()) out << "No font info\n";
  printFontInfo(json, out);
  out << "IndexData " << json["IndexData"].size() << " lines, " << json["cids"] << " CIDs\n";
  for (const auto& l : json["IndexData"]) {
    out << "  CID " << l[0];
    if (l[1] != l[0]) out << ':' << l[1];
    out << " font " << l[2] << " glyph " << l[3];
    if (l[4] != l[3]) out << ':' << l[4];
    out << '\n';
  }
}

}  // namespace

const Dumper& binaryIndexDumper() {
  static const Dumper d{"binary index", recognisesBinary, describeBinary, printBinary};
  return d;
}

const Dumper& textIndexDumper() {
  static const Dumper d{"text index", recognisesText, describeText, printText};
  return d;
}

}  // namespace sorvella::cli
