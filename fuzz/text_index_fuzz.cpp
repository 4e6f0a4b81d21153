// Text index files are imported into an open font; hostile lines, counts and CIDs must neither
// crash, hang nor exhaust memory in the import.
#include <cstdint>
#include <span>

#include "cidfont/text_index_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  sorvella::CCidFont font;
  for (int f = 0; f < 3; ++f) {
    sorvella::SubsetFontEntry e;
    e.setName("F" + std::to_string(f));
    e.setFileStem("S" + std::to_string(f));
    e.characterCount = 50;
    std::vector<sorvella::CharacterRecord> records;
    for (int g = 0; g < 50; ++g) records.push_back(sorvella::CharacterRecord::make(f, g));
    font.addSubsetFont(e, records);
  }
  // A count no subset font can have (as a damaged binary index file may declare) must not
  // size the import's tables.
  font.mutableSubsetFont(2)->characterCount = 2000000000;
  font.RebuildTables();
  sorvella::ImportTextIndex(font, std::span(data, size));
  (void)sorvella::TextIndexEntries(std::span(data, size));
  (void)sorvella::textIndexBytes(font);
  return 0;
}
