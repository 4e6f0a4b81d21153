#include "cli/dump_cmap.h"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "base/text_format.h"
#include "cli/text_encoding.h"
#include "cmap/cmap_commands.h"
#include "cmap/cmap_resource_probe.h"
#include "cmap/code_map.h"
#include "postscript/keyword_table.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

// Files without an extension (as CMaps are usually installed) are known by their first line.
bool recognisesCMap(std::span<const uint8_t> head, const std::filesystem::path& path) {
  const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
  return beginsWithIgnoringAsciiCase(text, std::string("%") + std::string(kCMapResourceComment)) ||
         equalsIgnoringAsciiCase(path.extension().string(), ".cmp");
}

std::string codeText(std::size_t code) {
  return formatText("%04x", static_cast<unsigned>(code));
}

bool describeCMap(const std::filesystem::path& path, const DumpOptions& options, ordered_json& json,
                  std::string& error) {
  CCodeMap cmap;
  if (!cmap.Read(path)) {
    error = formatText("%s (status %d)", cmapReadFailureMessage(cmap.status), cmap.status);
    return false;
  }
  json["kind"] = "cmap";
  json["CMapName"] = jsonTextOrNull(cmap.cmapName);
  json["Registry"] = jsonTextOrNull(cmap.registry);
  json["Ordering"] = jsonTextOrNull(cmap.ordering);
  json["Supplement"] = cmap.supplement;
  json["CMapVersion"] = cmap.cmapVersion;
  json["UIDOffset"] = cmap.uidOffset;
  json["XUID"] = std::vector<int32_t>(cmap.xuid.begin(), cmap.xuid.begin() + cmap.xuidCount);
  json["WMode"] = cmap.wMode;
  json["BaseName"] = jsonTextOrNull(cmap.baseName);
  json["based"] = cmap.IsBased();
  std::span<const uint16_t> codes = cmap.codeTable();
  json["mapped"] = std::count_if(codes.begin(), codes.end(),
                                 [](uint16_t cid) { return cid != CCodeMap::kNoCid; });
  if (options.map) {
    ordered_json map = ordered_json::object();
    for (std::size_t code = 0; code < codes.size(); ++code)
      if (codes[code] != CCodeMap::kNoCid) map[codeText(code)] = codes[code];
    json["map"] = map;
  }
  return true;
}

void printCMap(const ordered_json& json, std::ostream& out) {
  out << "CMap file\n";
  for (const char* key : {"CMapName", "Registry", "Ordering"})
    if (!json[key].is_null()) out << key << ' ' << json[key].get<std::string>() << '\n';
  out << "Supplement " << json["Supplement"] << "\nCMapVersion " << json["CMapVersion"]
      << "\nUIDOffset " << json["UIDOffset"] << '\n';
  if (!json["XUID"].empty()) {
    out << "XUID";
    for (const auto& v : json["XUID"]) out << ' ' << v;
    out << '\n';
  }
  out << "WMode " << json["WMode"] << '\n';
  if (json["based"].get<bool>())
    out << "Based on " << json["BaseName"].get<std::string>() << '\n';
  else
    out << "Not based\n";
  out << "Mapped codes " << json["mapped"] << '\n';
  if (json.contains("map")) {
    out << "map (code cid):\n";
    for (const auto& [code, cid] : json["map"].items()) out << "  " << code << ' ' << cid << '\n';
  }
}

}  // namespace

const Dumper& cmapDumper() {
  static const Dumper d{"cmap", recognisesCMap, describeCMap, printCMap};
  return d;
}

}  // namespace sorvella::cli
