#include "cli/dump_cid_font.h"

#include <cstdio>
#include <map>
#include <ostream>
#include <string_view>

#include "base/text_format.h"
#include "glyph/outline_pen.h"
#include "postscript/cid_keyed_font_reader.h"
#include "postscript/font_program_status.h"
#include "postscript/keyword_table.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

constexpr std::string_view kResourceComment = "%!PS-Adobe-3.0 Resource-CIDFont";
constexpr const char* kImportFailedMessage = "cannot be imported. %s";

ordered_json textOrNull(const std::string& text) {
  return text.empty() ? ordered_json(nullptr) : ordered_json(text);
}

// Contours as lists of segments: ["M", x, y], ["L", x, y], ["C", x1, y1, x2, y2, x, y].
class ContourWriter : public OutlinePen {
 public:
  explicit ContourWriter(ordered_json& contours) : contours_(contours) {}

  void moveTo(Point p) override {
    contours_.push_back(ordered_json::array());
    segment({"M", p.x, p.y});
  }
  void lineTo(Point p) override { segment({"L", p.x, p.y}); }
  void curveTo(Point, Point c1, Point c2, Point end) override {
    segment({"C", c1.x, c1.y, c2.x, c2.y, end.x, end.y});
  }
  void quadTo(WidePoint, WidePoint control, WidePoint end, bool) override {
    segment({"Q", control.x / 2.0, control.y / 2.0, end.x / 2.0, end.y / 2.0});
  }

 private:
  void segment(ordered_json s) {
    if (!contours_.empty()) contours_.back().push_back(std::move(s));
  }
  ordered_json& contours_;
};

bool recognisesCidFont(std::span<const uint8_t> head, const std::filesystem::path& path) {
  const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
  return text.starts_with(kResourceComment) ||
         equalsIgnoringAsciiCase(path.extension().string(), ".cid");
}

bool describeCidFont(const std::filesystem::path& path, const DumpOptions&, ordered_json& json,
                     std::string& error) {
  CidKeyedFontReader reader;
  if (!reader.open(path)) {
    error = formatText(kImportFailedMessage, font_program_text::kCannotOpen);
    return false;
  }
  std::map<int, ordered_json> cids;
  std::vector<ordered_json> dicts;
  auto collect = [&](std::unique_ptr<SubsetFont> font) {
    const int fd = reader.currentFontDict();
    if (fd >= 0 && static_cast<std::size_t>(fd) < dicts.size()) {
      dicts[static_cast<std::size_t>(fd)]["glyphs"] =
          dicts[static_cast<std::size_t>(fd)]["glyphs"].get<int>() + font->slotCount();
      dicts[static_cast<std::size_t>(fd)]["subsetFonts"].push_back(font->info().fontName());
    }
    for (int32_t i = 0; i < font->slotCount(); ++i) {
      const Glyph* g = font->glyph(i);
      unsigned cid = 0;
      if (!g || std::sscanf(g->name().c_str(), "CID-%u", &cid) != 1) continue;
      const Box box = g->boundingBox();
      ordered_json contours = ordered_json::array();
      ContourWriter writer(contours);
      g->enumerate(writer);
      cids[static_cast<int>(cid)] = {
          {"cid", cid},
          {"fd", fd},
          {"advance", g->advance(0).x},
          {"bbox", box.empty() ? ordered_json(nullptr)
                               : ordered_json{box.xMin, box.yMin, box.xMax, box.yMax}},
          {"contours", std::move(contours)}};
    }
  };
  std::unique_ptr<CCidFont> font = reader.parseHeader(collect);
  if (font) {
    for (int fd = 0; fd < reader.fdCount(); ++fd) {
      const SubsetFont* info = reader.fontDictInfo(fd);
      const CidKeyedFontReader::FontDictValues& values = reader.fontDictValues(fd);
      dicts.push_back({{"FontName", info ? textOrNull(info->info().fontName()) : nullptr},
                       {"lenIV", values.lenIV},
                       {"SubrCount", values.subrCount},
                       {"glyphs", 0},
                       {"subsetFonts", ordered_json::array()}});
    }
    reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
    reader.selectAllFontDicts();
    if (!reader.splitIntoSubsetFonts()) font.reset();
  }
  if (!font || reader.status() != PSFontReader::kFinished) {
    error = formatText(kImportFailedMessage,
                       fontProgramStatusText(reader.status(), reader.failed()).c_str());
    return false;
  }

  const CidFontInfo& info = font->info();
  json["kind"] = "cid font";
  json["CIDFontName"] = textOrNull(info.fontName());
  json["FullName"] = textOrNull(info.fullName());
  json["Notice"] = textOrNull(info.notice());
  json["CIDFontVersion"] = info.version;
  json["Registry"] = textOrNull(info.registry());
  json["Ordering"] = textOrNull(info.ordering());
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
    out << " contours " << c["contours"].size() << '\n';
    for (const auto& contour : c["contours"]) {
      out << "   ";
      for (const auto& segment : contour) {
        out << ' ' << segment[0].get<std::string>();
        for (std::size_t i = 1; i < segment.size(); ++i) out << (i == 1 ? "" : ",") << segment[i];
      }
      out << '\n';
    }
  }
}

}  // namespace

const Dumper& cidFontDumper() {
  static const Dumper d{"cid font", recognisesCidFont, describeCidFont, printCidFont};
  return d;
}

}  // namespace sorvella::cli
