#include "truetype/tt_table_kind.h"

#include <array>
#include <cstring>

namespace sorvella {

namespace {

constexpr std::array<TTTableKindInfo, kKnownTableKinds> kKinds = {{
    {"EBDT", "Embedded bitmap data", "type_ebdtTABLE"},
    {"EBLC", "Embedded bitmap location data", "type_eblcTABLE"},
    {"EBSC", "Embedded bitmap scaling data", "type_ebscTABLE"},
    {"LTSH", "Linear threshold table", "type_ltshTABLE"},
    {"OS/2", "OS/2 and Windows specific metrics", "type_OS2TABLE"},
    {"PCLT", "PCL5", "type_pcltTABLE"},
    {"VDMX", "Vertical Device Metrics table", "type_vdmxTABLE"},
    {"cmap", "character to glyph mapping", "type_cmapTABLE"},
    {"cvt ", "Control Value Table", "type_cvtTABLE"},
    {"fpgm", "font program", "type_fpgmTABLE"},
    {"gasp", "grid-fit and scan conv. proc.(grayscale)", "type_gaspTABLE"},
    {"glyf", "glyph data", "type_glyfTABLE"},
    {"hdmx", "horizontal device metrics", "type_hdmxTABLE"},
    {"head", "font header", "type_headTABLE"},
    {"hhea", "horizontal header", "type_hheaTABLE"},
    {"hmtx", "horizontal metrics", "type_hmtxTABLE"},
    {"kern", "kerning", "type_kernTABLE"},
    {"loca", "index to location", "type_locaTABLE"},
    {"maxp", "maximum profile", "type_maxpTABLE"},
    {"name", "naming table", "type_nameTABLE"},
    {"post", "PostStript information", "type_postTABLE"},
    {"prep", "CVT program", "type_prepTABLE"},
    {"vhea", "vertical header", "type_vheaTABLE"},
    {"vmtx", "vertical metrics", "type_vmtxTABLE"},
}};

uint32_t tagOfText(const char* text) {
  char four[5] = {};
  std::memcpy(four, text, 4);
  return makeTag(four);
}

}  // namespace

const TTTableKindInfo& tableKindInfo(TTTableKind kind) {
  return kKinds.at(static_cast<std::size_t>(kind));
}

std::optional<TTTableKind> tableKindOf(uint32_t tag) {
  for (std::size_t k = 0; k < kKinds.size(); ++k)
    if (tagOfText(kKinds[k].tag) == tag) return static_cast<TTTableKind>(k);
  return std::nullopt;
}

std::string tagText(uint32_t tag) {
  std::string text(4, ' ');
  for (int i = 0; i < 4; ++i)
    text[static_cast<std::size_t>(i)] = static_cast<char>(tag >> (24 - 8 * i));
  return text;
}

}  // namespace sorvella
