#include "cli/dump_truetype_font.h"

#include <ostream>

#include "base/text_format.h"
#include "cli/text_encoding.h"
#include "truetype/cmap_table.h"
#include "truetype/glyf_table.h"
#include "truetype/hdmx_table.h"
#include "truetype/kern_table.h"
#include "truetype/name_table.h"
#include "truetype/post_table.h"
#include "truetype/program_tables.h"
#include "truetype/tt_header_tables.h"
#include "truetype/tt_metrics_tables.h"
#include "truetype/ttf.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

constexpr char kSeparator[] = "------------------------------------------------------------\n";
constexpr char kTableLine[] = "'%4.4s' at offset %8.8lx, length = %8.8lx, CS = 0x%8.8lx\n";
constexpr char kTableHeading[] = "\n****%4.4s, source: %s\n";
constexpr char kHheaLine[] = "ascender %d, descender %d, widthMax %d; ";
constexpr char kGlyphLine[] = "\nGlyph # %4i: %8lx";
constexpr char kCompositeGlyph[] = "composite, %d components.";
constexpr char kSimpleGlyph[] = "simple, %d contours.";
constexpr char kEmptyGlyph[] = "empty.";

bool recognises(std::span<const uint8_t> head, const std::filesystem::path&) {
  static constexpr uint8_t kTrueType[] = {0, 1, 0, 0};
  static constexpr uint8_t kApple[] = {'t', 'r', 'u', 'e'};
  return head.size() >= 12 && (std::equal(kTrueType, kTrueType + 4, head.begin()) ||
                               std::equal(kApple, kApple + 4, head.begin()));
}

ordered_json headFields(const TTHeadFields& f) {
  return {{"version", f.version},
          {"fontRevision", f.fontRevision},
          {"checkSumAdjustment", f.checkSumAdjustment},
          {"magicNumber", f.magicNumber},
          {"flags", f.flags},
          {"unitsPerEm", f.unitsPerEm},
          {"created", f.created},
          {"modified", f.modified},
          {"xMin", f.xMin},
          {"yMin", f.yMin},
          {"xMax", f.xMax},
          {"yMax", f.yMax},
          {"macStyle", f.macStyle},
          {"lowestRecPPEM", f.lowestRecPPEM},
          {"fontDirectionHint", f.fontDirectionHint},
          {"indexToLocFormat", f.indexToLocFormat},
          {"glyphDataFormat", f.glyphDataFormat}};
}

ordered_json metricsHeaderFields(const TTMetricsHeaderFields& f, bool vertical) {
  const char* names[] = {"ascender",        "descender",          "lineGap",
                         "advanceWidthMax", "minLeftSideBearing", "minRightSideBearing",
                         "xMaxExtent",      "numberOfHMetrics"};
  const char* verticalNames[] = {"vertTypoAscender", "vertTypoDescender",  "vertTypoLineGap",
                                 "advanceHeightMax", "minTopSideBearing",  "minBottomSideBearing",
                                 "yMaxExtent",       "numOfLongVerMetrics"};
  const char** n = vertical ? verticalNames : names;
  return {{"version", f.version},
          {n[0], f.ascender},
          {n[1], f.descender},
          {n[2], f.lineGap},
          {n[3], f.advanceWidthMax},
          {n[4], f.minLeftSideBearing},
          {n[5], f.minRightSideBearing},
          {n[6], f.xMaxExtent},
          {"caretSlopeRise", f.caretSlopeRise},
          {"caretSlopeRun", f.caretSlopeRun},
          {"caretOffset", f.caretOffset},
          {"metricDataFormat", f.metricDataFormat},
          {n[7], f.numberOfMetrics}};
}

ordered_json maxpFields(const TTMaxpFields& f) {
  ordered_json json = {{"version", f.version}, {"numGlyphs", f.numGlyphs}};
  if (f.version < 0x00010000) return json;
  json.update(ordered_json{{"maxPoints", f.maxPoints},
                           {"maxContours", f.maxContours},
                           {"maxCompositePoints", f.maxCompositePoints},
                           {"maxCompositeContours", f.maxCompositeContours},
                           {"maxZones", f.maxZones},
                           {"maxTwilightPoints", f.maxTwilightPoints},
                           {"maxStorage", f.maxStorage},
                           {"maxFunctionDefs", f.maxFunctionDefs},
                           {"maxInstructionDefs", f.maxInstructionDefs},
                           {"maxStackElements", f.maxStackElements},
                           {"maxSizeOfInstructions", f.maxSizeOfInstructions},
                           {"maxComponentElements", f.maxComponentElements},
                           {"maxComponentDepth", f.maxComponentDepth}});
  return json;
}

ordered_json os2Fields(const OS2TABLE& t) {
  const TTOS2Fields& f = t.fields();
  return {{"version", f.version},
          {"xAvgCharWidth", f.xAvgCharWidth},
          {"usWeightClass", f.usWeightClass},
          {"usWidthClass", f.usWidthClass},
          {"fsType", f.fsType},
          {"achVendID", windows1252ToUtf8(t.vendor())},
          {"fsSelection", f.fsSelection},
          {"usFirstCharIndex", f.usFirstCharIndex},
          {"usLastCharIndex", f.usLastCharIndex},
          {"sTypoAscender", f.sTypoAscender},
          {"sTypoDescender", f.sTypoDescender},
          {"sTypoLineGap", f.sTypoLineGap},
          {"usWinAscent", f.usWinAscent},
          {"usWinDescent", f.usWinDescent}};
}

ordered_json cmapFields(const cmapTABLE& t) {
  ordered_json records = ordered_json::array();
  for (const TTcmapSubtable& r : t.records()) {
    ordered_json record = {
        {"platformID", r.platform()}, {"encodingID", r.encoding()}, {"offset", r.offset()}};
    if (const TTcmapTable* body = r.body()) {
      const auto& glyphs = body->glyphs();
      record.update(ordered_json{{"format", body->format()},
                                 {"length", body->length()},
                                 {"language", body->language()},
                                 {"mappedCodes", std::count_if(glyphs.begin(), glyphs.end(),
                                                               [](uint16_t g) { return g != 0; })},
                                 {"error", static_cast<int>(body->error())}});
    }
    records.push_back(std::move(record));
  }
  return {{"version", t.version()}, {"encodingRecords", std::move(records)}};
}

ordered_json nameFields(const nameTABLE& t) {
  ordered_json records = ordered_json::array();
  for (const TTNameRecord& r : t.records())
    records.push_back({{"platformID", r.platform},
                       {"encodingID", r.encoding},
                       {"languageID", r.language},
                       {"nameID", r.nameId},
                       {"string", windows1252ToUtf8(r.text())}});
  return {
      {"format", t.format()}, {"count", t.records().size()}, {"nameRecord", std::move(records)}};
}

ordered_json postFields(const postTABLE& t, const DumpOptions& options) {
  const TTPostFields& f = t.fields();
  ordered_json json = {{"version", f.format / 65536.0},
                       {"italicAngle", f.italicAngle / 65536.0},
                       {"underlinePosition", f.underlinePosition},
                       {"underlineThickness", f.underlineThickness},
                       {"isFixedPitch", f.isFixedPitch},
                       {"numGlyphs", t.namedGlyphs()}};
  if (options.records) {
    ordered_json names = ordered_json::array();
    for (uint32_t g = 0; g < t.namedGlyphs(); ++g)
      names.push_back(windows1252ToUtf8(t.glyphName(g)));
    json["glyphNames"] = std::move(names);
  }
  return json;
}

ordered_json kernFields(const kernTABLE& t, const DumpOptions& options) {
  ordered_json subtables = ordered_json::array();
  for (const TTkernSubtable& s : t.subtables()) {
    ordered_json json = {{"version", s.version},
                         {"length", s.length},
                         {"coverage", s.coverage},
                         {"format", s.format},
                         {"nPairs", s.pairs.size()}};
    if (options.records) {
      ordered_json pairs = ordered_json::array();
      for (const TTKernPair& p : s.pairs) pairs.push_back({p.left, p.right, p.value});
      json["pairs"] = std::move(pairs);
    }
    subtables.push_back(std::move(json));
  }
  return {{"version", t.version()},
          {"nTables", t.subtables().size()},
          {"subtables", std::move(subtables)}};
}

ordered_json hdmxFields(const hdmxTABLE& t) {
  ordered_json records = ordered_json::array();
  for (const TTDeviceRecord& r : t.records())
    records.push_back({{"pixelSize", r.pixelSize}, {"maxWidth", r.maxWidth}});
  return {{"version", t.version()},
          {"numRecords", t.records().size()},
          {"sizeDeviceRecord", t.sizeDeviceRecord()},
          {"records", std::move(records)}};
}

const char* kindText(TTGlyphKind kind) {
  return kind == TTGlyphKind::kSimple      ? "simple"
         : kind == TTGlyphKind::kComposite ? "composite"
                                           : "empty";
}

ordered_json glyfFields(TTF& font, glyfTABLE& t, const DumpOptions& options) {
  uint32_t counts[3] = {0, 0, 0};
  uint32_t damaged = 0;
  ordered_json glyphs = ordered_json::array();
  for (uint32_t i = 0; i < t.count(); ++i) {
    TTGLYPH& g = *t.glyph(i);
    if (!font.LoadOutline(g)) ++damaged;
    ++counts[static_cast<int>(g.kind())];
    if (options.records) {
      const TTGlyphHeader& h = g.header();
      ordered_json json = {{"offset", g.dataOffset()},
                           {"length", g.dataLength()},
                           {"kind", kindText(g.kind())},
                           {"numberOfContours", h.numberOfContours},
                           {"xMin", h.xMin},
                           {"yMin", h.yMin},
                           {"xMax", h.xMax},
                           {"yMax", h.yMax},
                           {"advanceWidth", g.advanceWidth()},
                           {"lsb", g.leftSideBearing()}};
      if (g.kind() == TTGlyphKind::kComposite) json["components"] = g.outline().components.size();
      if (g.error() != TTError::kNone) json["error"] = static_cast<int>(g.error());
      glyphs.push_back(std::move(json));
    }
    font.ReleaseOutline(g);
  }
  ordered_json json = {{"numGlyphs", t.count()},
                       {"simple", counts[1]},
                       {"composite", counts[2]},
                       {"empty", counts[0]},
                       {"damaged", damaged}};
  if (options.records) json["glyphs"] = std::move(glyphs);
  return json;
}

ordered_json tableFields(TTF& font, TTF_TABLE& table, const DumpOptions& options) {
  if (!table.kind()) return ordered_json::object();
  switch (*table.kind()) {
    case TTTableKind::kHead:
      return headFields(static_cast<headTABLE&>(table).fields());
    case TTTableKind::kHhea:
      return metricsHeaderFields(static_cast<hheaTABLE&>(table).fields(), false);
    case TTTableKind::kVhea:
      return metricsHeaderFields(static_cast<vheaTABLE&>(table).fields(), true);
    case TTTableKind::kMaxp:
      return maxpFields(static_cast<maxpTABLE&>(table).fields());
    case TTTableKind::kOS2:
      return os2Fields(static_cast<OS2TABLE&>(table));
    case TTTableKind::kCmap:
      return cmapFields(static_cast<cmapTABLE&>(table));
    case TTTableKind::kName:
      return nameFields(static_cast<nameTABLE&>(table));
    case TTTableKind::kPost:
      return postFields(static_cast<postTABLE&>(table), options);
    case TTTableKind::kKern:
      return kernFields(static_cast<kernTABLE&>(table), options);
    case TTTableKind::kHdmx:
      return hdmxFields(static_cast<hdmxTABLE&>(table));
    case TTTableKind::kGlyf:
      return glyfFields(font, static_cast<glyfTABLE&>(table), options);
    case TTTableKind::kLoca:
      return {{"entries", static_cast<locaTABLE&>(table).offsets().size()}};
    case TTTableKind::kHmtx:
    case TTTableKind::kVmtx:
      return {{"metrics", static_cast<TTMetricsTable&>(table).count()}};
    case TTTableKind::kCvt: {
      ordered_json json = {{"values", static_cast<cvtTABLE&>(table).values().size()}};
      if (options.records) json["cvt"] = static_cast<cvtTABLE&>(table).values();
      return json;
    }
    default:
      return ordered_json::object();
  }
}

bool describe(const std::filesystem::path& path, const DumpOptions& options, ordered_json& json,
              std::string& error) {
  TTF font;
  if (!font.Open(path)) {
    error = errorText(font.error());
    return false;
  }
  json["kind"] = "TrueType font";
  json["sfntVersion"] = font.sfntVersion();
  json["numTables"] = font.numTables();
  json["searchRange"] = font.searchRange();
  json["entrySelector"] = font.entrySelector();
  json["rangeShift"] = font.rangeShift();
  ordered_json tables = ordered_json::array();
  for (const auto& t : font.tables()) {
    // The kind's own accessor reads the body, so tables that need others find them read.
    if (t->kind()) font.Table(*t->kind());
    ordered_json entry = {{"tag", windows1252ToUtf8(t->tagText())},
                          {"checkSum", t->checksum()},
                          {"offset", t->offset()},
                          {"length", t->length()},
                          {"type", t->typeName()},
                          {"description", t->kind() ? tableKindInfo(*t->kind()).description : ""},
                          {"source", sourceText(t->source())}};
    entry["fields"] = tableFields(font, *t, options);
    entry["error"] = static_cast<int>(t->error());
    tables.push_back(std::move(entry));
  }
  json["tables"] = std::move(tables);
  return true;
}

unsigned long number(const ordered_json& v) {
  return v.get<unsigned long>();
}

// Scalars as "name value; ", lists one element to a line.
void printFields(const ordered_json& fields, std::ostream& out) {
  bool any = false;
  for (const auto& [key, value] : fields.items()) {
    if (value.is_array() || key == "glyphs") continue;
    out << key << ' ' << (value.is_string() ? value.get<std::string>() : value.dump()) << "; ";
    any = true;
  }
  if (any) out << '\n';
  for (const auto& [key, value] : fields.items()) {
    if (!value.is_array() || key == "glyphs") continue;
    out << key << ":\n";
    for (const auto& element : value) out << "  " << element.dump() << '\n';
  }
}

void printGlyphs(const ordered_json& glyphs, std::ostream& out) {
  int index = 0;
  for (const auto& g : glyphs) {
    out << formatText(kGlyphLine, index++, number(g["offset"])) << ' ';
    const std::string kind = g["kind"].get<std::string>();
    if (kind == "composite")
      out << formatText(kCompositeGlyph, g["components"].get<int>());
    else if (kind == "simple")
      out << formatText(kSimpleGlyph, g["numberOfContours"].get<int>());
    else
      out << kEmptyGlyph;
    if (g.contains("error")) out << ' ' << errorText(static_cast<TTError>(g["error"].get<int>()));
  }
  if (!glyphs.empty()) out << '\n';
}

void print(const ordered_json& json, std::ostream& out) {
  out << "TrueType font\n"
      << formatText("sfnt version 0x%8.8lx, %lu tables\n", number(json["sfntVersion"]),
                    number(json["numTables"]));
  out << kSeparator;
  for (const auto& t : json["tables"])
    out << formatText(kTableLine, t["tag"].get<std::string>().c_str(), number(t["offset"]),
                      number(t["length"]), number(t["checkSum"]));
  for (const auto& t : json["tables"]) {
    out << formatText(kTableHeading, t["tag"].get<std::string>().c_str(),
                      t["source"].get<std::string>().c_str());
    const ordered_json& fields = t["fields"];
    if (t["tag"] == "hhea")
      out << formatText(kHheaLine, fields["ascender"].get<int>(), fields["descender"].get<int>(),
                        fields["advanceWidthMax"].get<int>());
    printFields(fields, out);
    if (fields.contains("glyphs")) printGlyphs(fields["glyphs"], out);
    if (t["error"].get<int>() != 0)
      out << "error: " << errorText(static_cast<TTError>(t["error"].get<int>())) << '\n';
  }
}

}  // namespace

const Dumper& trueTypeFontDumper() {
  static const Dumper d{"TrueType font", recognises, describe, print};
  return d;
}

}  // namespace sorvella::cli
