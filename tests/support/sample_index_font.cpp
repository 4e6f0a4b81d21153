#include "support/sample_index_font.h"

#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cidfont/subset_font_adding.h"
#include "support/sample_subset_font.h"

namespace sorvella::test {

std::filesystem::path writeSampleIndexFont(const std::filesystem::path& parent,
                                           const std::string& name) {
  std::filesystem::path folder = parent / name;
  std::filesystem::create_directory(folder);
  CCidFont font;
  font.info().setFontName(name);
  SubsetFontAdding byName;
  byName.placeByName = true;
  std::unique_ptr<SubsetFont> a = sampleSubsetFont(name + "A", {"CID-1", "g2"});
  std::unique_ptr<SubsetFont> b = sampleSubsetFont(name + "B", {"CID-5"});
  addSubsetFont(font, folder, *a, byName);
  addSubsetFont(font, folder, *b, byName);
  font.RebuildTables();
  std::filesystem::path index = binaryIndexPath(folder);
  WriteBinaryIndex(font, index);
  return index;
}

}  // namespace sorvella::test
