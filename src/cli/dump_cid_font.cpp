#include "cli/dump_cid_font.h"

#include <cstdio>
#include <map>
#include <ostream>
#include <string_view>
#include <utility>

#include "base/text_format.h"
#include "cidfont/cid_font_import.h"
#include "cli/outline_description.h"
#include "cli/text_encoding.h"
#include "postscript/cid_keyed_font_reader.h"
#include "postscript/font_program_status.h"
#include "postscript/keyword_table.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

constexpr std::string_view kResourceComment = "%!PS-Adobe-3.0 Resource-CIDFont";
constexpr const char* kImportFailedMessage = "cannot be imported. %s";

bool recognisesCidFont(std::span<const uint8_t> head, const std::filesystem::path& path) {
  const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
  return text.starts_with(kResourceComment) ||
         equalsIgnoringAsciiCase(path.extension().string(), ".cid");
}

bool describeCidFont(const std::filesystem::path& path, const DumpOptions& options,
                     ordered_json& json, std::string& error) {
  CidKeyedFontReader reader;
  if (!reader.open(path)) {
    error = formatText(kImportFailedMessage, font_program_text::kCannotOpen);
    return false;
  }
  std::map<int, ordered_json> cids;
  // Per font dictionary: its glyphs and the names of its subset fonts.
  std::map<int, std::pair<int, ordered_json>> split;
  auto collect = [&](CCidFont&, SubsetFont& font) {
    const int fd = reader.currentFontDict();
    auto& [glyphs, names] = split[fd];
    glyphs += font.slotCount();
    names.push_back(font.info().fontName());
    for (int32_t i = 0; i < font.slotCount(); ++i) {
      const Glyph* g = font.glyph(i);
      unsigned cid = 0;
      if (!g || std::sscanf(g->name().c_str(), "CID-%u", &cid) != 1) continue;
      const Box box = g->boundingBox();
      ordered_json entry = {
          {"cid", cid},
          {"fd", fd},
          {"advance", g->advance(0).x},
          {"bbox", box.empty() ? ordered_json(nullptr)
                               : ordered_json{box.xMin, box.yMin, box.xMax, box.yMax}}};
      if (options.outlines) describeOutline(*g, entry);
      cids[static_cast<int>(cid)] = std::move(entry);
    }
    return true;
  };
  // As Import reads it, so that the dump shows what the editor would get.
  const CidFontImport imported = importCidFont(reader, collect);
  if (!imported.font) {
    error = formatText(kImportFailedMessage, imported.problem.c_str());
    return false;
  }
  std::vector<ordered_json> dicts;
  for (int fd = 0; fd < reader.fdCount(); ++fd) {
    const CidKeyedFontReader::FontDictValues& values = reader.fontDictValues(fd);
    auto& [glyphs, names] = split[fd];
    dicts.push_back({{"FontName", jsonTextOrNull(reader.fontDictName(fd))},
                     {"lenIV", values.lenIV},
                     {"SubrCount", values.subrCount},
                     {"glyphs", glyphs},
                     {"subsetFonts", names.is_null() ? ordered_json::array() : names}});
  }

  const CidFontInfo& info = imported.font->info();
  json["kind"] = "cid font";
  json["CIDFontName"] = jsonTextOrNull(info.fontName());
  json["FullName"] = jsonTextOrNull(info.fullName());
  json["Notice"] = jsonTextOrNull(info.notice());
  json["CIDFontVersion"] = info.version;
  json["Registry"] = jsonTextOrNull(info.registry());
  json["Ordering"] = jsonTextOrNull(info.ordering());
  json["Supplement"] = info.supplement;
  json["UIDBase"] = info.uidBase;
  json["XUID"] = info.xuid();
  json["CIDCount"] = reader.cidCount();
  json["FDBytes"] = reader.fdBytes();
  json["GDBytes"] = reader.gdBytes();
  json["FDArray"] = dicts;
  ordered_json list = ordered_json::array();
  for (auto& [cid, entry] : cids) list.push_back(std::move(entry));
  json["cids"] = std::move(list);
  return true;
}

void printCidFont(const ordered_json& json, std::ostream& out) {
  out << "CIDFont resource\n";
  for (const char* key : {"CIDFontName", "FullName", "Notice", "Registry", "Ordering"})
    if (!json[key].is_null()) out << key << ' ' << json[key].get<std::string>() << '\n';
  for (const char* key : {"CIDFontVersion", "Supplement", "UIDBase", "CIDCount"})
    out << key << ' ' << json[key] << '\n';
  if (!json["XUID"].empty()) {
    out << "XUID";
    for (const auto& v : json["XUID"]) out << ' ' << v;
    out << '\n';
  }
  out << "FDArray " << json["FDArray"].size() << '\n';
  int fd = 0;
  for (const auto& d : json["FDArray"]) {
    out << "  " << fd++ << ' ' << (d["FontName"].is_null() ? "-" : d["FontName"].get<std::string>())
        << ", " << d["glyphs"] << " glyphs in";
    for (const auto& name : d["subsetFonts"]) out << ' ' << name.get<std::string>();
    out << '\n';
  }
  out << "CIDs with glyphs " << json["cids"].size() << '\n';
  for (const auto& c : json["cids"]) {
    out << "  CID " << c["cid"] << " fd " << c["fd"] << " advance " << c["advance"] << " bbox";
    if (c["bbox"].is_null()) {
      out << " none";
    } else {
      for (const auto& v : c["bbox"]) out << ' ' << v;
    }
    if (!c.contains("contours")) {
      out << '\n';
      continue;
    }
    out << " contours " << c["contours"].size() << '\n';
    printOutline(c, out, "   ");
  }
}

}  // namespace

const Dumper& cidFontDumper() {
  static const Dumper d{"cid font", recognisesCidFont, describeCidFont, printCidFont};
  return d;
}

}  // namespace sorvella::cli
