#include "postscript/type1_font_file.h"

#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_parser.h"

namespace sorvella {

std::unique_ptr<SubsetFont> readType1Font(const std::filesystem::path& path,
                                          const EncodingRegistry& encodings,
                                          ProgressCallback progress, PSFontStatus* status) {
  PSFontReader reader;
  Type1FontParser parser(reader);
  std::unique_ptr<SubsetFont> font;
  if (reader.open(path) && parser.readType1Font(nullptr, encodings, std::move(progress)))
    font = parser.takeType1Font();
  if (status) *status = reader.status();
  return font;
}

}  // namespace sorvella
