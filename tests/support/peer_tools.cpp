#include "support/peer_tools.h"

#include <cstdlib>
#include <sstream>

#include "support/temp_folder.h"

namespace sorvella::test {
namespace {

// One block per font: "font PATH", then one "Key value" line per key.
constexpr char kDumpScript[] = R"(import sys
from fontTools import t1Lib
for path in sys.argv[1:]:
    font = t1Lib.T1Font(path)
    font.parse()
    d = font.font
    info = d.get("FontInfo", {})
    print("font", path)
    print("FontName", d["FontName"])
    for key in ("FullName", "FamilyName", "Weight"):
        print(key, info.get(key, ""))
    print("ItalicAngle", repr(float(info.get("ItalicAngle", 0))))
    print("isFixedPitch", int(bool(info.get("isFixedPitch", 0))))
    print("UnderlinePosition", int(info.get("UnderlinePosition", 0)))
    print("UnderlineThickness", int(info.get("UnderlineThickness", 0)))
    print("BlueValues", *d["Private"].get("BlueValues", []))
    print("glyphs", *d["CharStrings"].keys())
)";

}  // namespace

std::map<std::string, PeerType1Font> fontToolsType1Fonts(
    const std::vector<std::filesystem::path>& fonts) {
  TempFolder folder;
  writeFile(folder / "dump.py", kDumpScript);
  std::vector<std::string> arguments{(folder / "dump.py").string()};
  for (const auto& font : fonts) arguments.push_back(font.string());
  std::istringstream lines(runPeer(kSystemPython, arguments).out);

  const std::map<std::string, std::string PeerType1Font::*> kTextKeys = {
      {"FontName", &PeerType1Font::fontName},
      {"FullName", &PeerType1Font::fullName},
      {"FamilyName", &PeerType1Font::familyName},
      {"Weight", &PeerType1Font::weight}};
  std::map<std::string, PeerType1Font> all;
  PeerType1Font* current = nullptr;
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    std::istringstream words(value);
    if (key == "font") {
      current = &all[value];
    } else if (!current) {
      continue;
    } else if (auto text = kTextKeys.find(key); text != kTextKeys.end()) {
      current->*text->second = value;
    } else if (key == "ItalicAngle") {
      current->italicAngle = std::strtod(value.c_str(), nullptr);
    } else if (key == "isFixedPitch") {
      current->isFixedPitch = std::atoi(value.c_str());
    } else if (key == "UnderlinePosition") {
      current->underlinePosition = std::atoi(value.c_str());
    } else if (key == "UnderlineThickness") {
      current->underlineThickness = std::atoi(value.c_str());
    } else if (key == "BlueValues") {
      for (int v; words >> v;) current->blueValues.push_back(v);
    } else if (key == "glyphs") {
      for (std::string name; words >> name;) current->glyphNames.push_back(name);
    }
  }
  return all;
}

}  // namespace sorvella::test
