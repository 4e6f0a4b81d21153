#include "cli/subset_font_description.h"

#include <algorithm>
#include <ostream>
#include <span>
#include <string>

#include "cli/outline_description.h"
#include "cli/text_encoding.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

// The entries in use; a count beyond the array's size, as a damaged file may hold, stops there.
template <std::size_t N>
ordered_json used(const std::array<int32_t, N>& values, uint16_t count) {
  return std::span(values).first(std::min<std::size_t>(count, N));
}

void describePrivate(const PerMasterBlock& p, const ZoneCounts& zones, ordered_json& json) {
  json["FontMatrix"] = p.fontMatrix;
  json["BlueValues"] = used(p.blueValues, zones.blueValues);
  json["OtherBlues"] = used(p.otherBlues, zones.otherBlues);
  json["FamilyBlues"] = used(p.familyBlues, zones.familyBlues);
  json["FamilyOtherBlues"] = used(p.familyOtherBlues, zones.familyOtherBlues);
  json["BlueScale"] = p.blueScale;
  json["BlueShift"] = p.blueShift;
  json["BlueFuzz"] = p.blueFuzz;
  json["StdHW"] = p.stdHW;
  json["StdVW"] = p.stdVW;
  json["StemSnapH"] = used(p.stemSnapH, zones.stemSnapH);
  json["StemSnapV"] = used(p.stemSnapV, zones.stemSnapV);
  json["ForceBold"] = p.forceBold != 0;
}

ordered_json describeGlyph(int32_t slot, const Glyph& glyph, bool outlines) {
  ordered_json g;
  g["slot"] = slot;
  g["name"] = jsonTextOrNull(glyph.name());
  Point advance = glyph.advance(0);
  g["advance"] = {advance.x, advance.y};
  Box box = glyph.boundingBox();
  g["bbox"] =
      box.empty() ? ordered_json(nullptr) : ordered_json{box.xMin, box.yMin, box.xMax, box.yMax};
  g["contours"] = glyph.contourCount();
  g["nodes"] = glyph.nodeCount();
  g["hstem"] = glyph.hints() ? glyph.hints()->horizontal.size() : 0;
  g["vstem"] = glyph.hints() ? glyph.hints()->vertical.size() : 0;
  ordered_json components = ordered_json::array();
  for (const Component& c : glyph.components()) {
    Point offset = c.offset.empty() ? Point{} : c.offset[0];
    components.push_back({{"glyph", c.glyphIndex}, {"offset", {offset.x, offset.y}}});
  }
  g["components"] = std::move(components);
  if (outlines) describeOutline(glyph, g);
  return g;
}

std::string shown(const ordered_json& value) {
  if (value.is_null()) return "-";
  if (value.is_string()) return value.get<std::string>();
  if (!value.is_array()) return value.dump();
  std::string out = "[";
  for (const auto& v : value) out += (out.size() > 1 ? " " : "") + shown(v);
  return out + "]";
}

}  // namespace

void describeSubsetFont(const SubsetFont& font, ordered_json& json, bool outlines) {
  const SubsetFontInfo& info = font.info();
  json["FontName"] = jsonTextOrNull(info.fontName());
  json["FullName"] = jsonTextOrNull(info.fullName());
  json["FamilyName"] = jsonTextOrNull(info.familyName());
  json["Weight"] = jsonTextOrNull(info.weight());
  json["Notice"] = jsonTextOrNull(info.notice());
  json["version"] = jsonTextOrNull(info.version());
  json["UniqueID"] = info.uniqueId;
  json["ItalicAngle"] = info.italicAngle;
  json["isFixedPitch"] = info.isFixedPitch != 0;
  json["UnderlinePosition"] = info.underlinePosition;
  json["UnderlineThickness"] = info.underlineThickness;
  describePrivate(font.master(0).privateValues, info.zoneCounts, json);
  if (font.masterCount() > 1) {
    ordered_json masters = ordered_json::array();
    for (int m = 0; m < font.masterCount(); ++m) {
      ordered_json master;
      master["name"] = jsonTextOrNull(font.master(m).name());
      master["weight"] = font.master(m).weight;
      describePrivate(font.master(m).privateValues, info.zoneCounts, master);
      masters.push_back(std::move(master));
    }
    json["masters"] = std::move(masters);
  }
  ordered_json glyphs = ordered_json::array();
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    const Glyph* glyph = font.glyph(slot);
    glyphs.push_back(glyph ? describeGlyph(slot, *glyph, outlines) : ordered_json(nullptr));
  }
  json["glyphs"] = std::move(glyphs);
}

void printSubsetFont(const ordered_json& json, std::ostream& out) {
  for (const char* key :
       {"FontName", "FullName", "FamilyName", "Weight", "Notice", "version", "UniqueID",
        "ItalicAngle", "isFixedPitch", "UnderlinePosition", "UnderlineThickness"})
    out << "  " << key << ' ' << shown(json[key]) << '\n';
  out << "Private\n";
  for (const char* key :
       {"FontMatrix", "BlueValues", "OtherBlues", "FamilyBlues", "FamilyOtherBlues", "BlueScale",
        "BlueShift", "BlueFuzz", "StdHW", "StdVW", "StemSnapH", "StemSnapV", "ForceBold"})
    out << "  " << key << ' ' << shown(json[key]) << '\n';
  if (json.contains("masters")) {
    int m = 0;
    for (const auto& master : json["masters"]) {
      out << "Master " << m++ << ' ' << shown(master["name"]) << " weight "
          << shown(master["weight"]) << '\n';
      for (const auto& [key, value] : master.items())
        if (key != "name" && key != "weight") out << "  " << key << ' ' << shown(value) << '\n';
    }
  }
  const ordered_json& glyphs = json["glyphs"];
  std::size_t filled = std::count_if(glyphs.begin(), glyphs.end(),
                                     [](const ordered_json& g) { return !g.is_null(); });
  out << "Glyphs " << glyphs.size() << " slots, " << filled << " glyphs\n";
  out << "  slot name advance bbox contours nodes hstem vstem components\n";
  int32_t slot = 0;
  for (const auto& g : glyphs) {
    if (g.is_null()) {
      out << "  " << slot++ << " empty\n";
      continue;
    }
    ++slot;
    out << "  " << g["slot"] << ' ' << shown(g["name"]) << ' ' << shown(g["advance"]) << ' '
        << shown(g["bbox"]) << ' '
        << (g["contours"].is_array() ? g["contours"].size() : g["contours"].get<std::size_t>())
        << ' ' << g["nodes"] << ' ' << g["hstem"] << ' ' << g["vstem"];
    for (const auto& c : g["components"]) out << " +" << c["glyph"] << '@' << shown(c["offset"]);
    out << '\n';
    if (g["contours"].is_array()) printOutline(g, out, "   ");
  }
}

}  // namespace sorvella::cli
