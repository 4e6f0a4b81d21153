#include "postscript/encoding_selection.h"

namespace sorvella {

namespace {

void loadTable(SubsetFontEncoding& encoding, int32_t number, const EncodingRegistry& registry) {
  EncodingTable table;
  if (!registry.loadEncoding(number, table, false))
    registry.loadEncoding(kStandardEncodingNumber, table, true);
  encoding.glyphNames = table.names();
}

}  // namespace

void setSubsetFontEncoding(SubsetFont& font, int32_t number, const EncodingRegistry& registry) {
  SubsetFontEncoding& encoding = font.encoding();
  if (number == encoding.number) return;
  if (encoding.number == 0 && !encoding.savedOwnTable) encoding.savedOwnTable = encoding.glyphNames;
  if (number != 0) {
    loadTable(encoding, number, registry);
  } else if (encoding.savedOwnTable) {
    encoding.glyphNames = *encoding.savedOwnTable;
  }
  encoding.number = number;
}

void loadMissingEncodingTable(SubsetFont& font, const EncodingRegistry& registry) {
  SubsetFontEncoding& encoding = font.encoding();
  if (encoding.number == 0) return;
  for (const std::string& name : encoding.glyphNames)
    if (!name.empty()) return;
  loadTable(encoding, encoding.number, registry);
}

void loadNewFontEncoding(SubsetFont& font, const EncodingRegistry& registry) {
  loadTable(font.encoding(), kStandardEncodingNumber, registry);
  font.encoding().number = kStandardEncodingNumber;
}

}  // namespace sorvella
