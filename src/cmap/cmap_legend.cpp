#include "cmap/cmap_legend.h"

#include "base/text_format.h"
#include "cmap/code_map.h"
#include "postscript/keyword_table.h"

namespace sorvella {

using namespace cmap_legend_text;

bool isCompatibleOrdering(std::string_view cmapOrdering, std::string_view fontOrdering) {
  return cmapOrdering.empty() || fontOrdering.empty() ||
         equalsIgnoringAsciiCase(cmapOrdering, fontOrdering);
}

std::string cmapLegend(const CCodeMap* cmap, std::optional<std::string_view> fontOrdering) {
  if (!cmap) return kNoCMap;
  const std::string name = cmap->cmapName.empty() ? kUntitled : cmap->cmapName;
  // The file name after the last "\" or "/".
  const std::string path = cmap->filePath.string();
  const std::size_t cut = path.find_last_of("\\/");
  std::string file = cut == std::string::npos ? path : path.substr(cut + 1);
  if (file.empty()) file = kUnknownFile;
  const char* mode = cmap->wMode == 0 ? kHorizontal : kVertical;
  std::string legend;
  if (fontOrdering) {
    const bool compatible = isCompatibleOrdering(cmap->ordering, *fontOrdering);
    legend = formatText(kWithCidFont, name.c_str(), file.c_str(), mode,
                        compatible ? kCompatible : kNotCompatible);
  } else {
    legend = formatText(kWithoutCidFont, name.c_str(), file.c_str(), mode);
  }
  if (cmap->IsBased()) legend += formatText(kBasedOn, cmap->baseName.c_str());
  return legend;
}

}  // namespace sorvella
