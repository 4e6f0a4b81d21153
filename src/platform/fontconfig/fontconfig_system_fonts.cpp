#include "platform/fontconfig/fontconfig_system_fonts.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cstring>
#include <memory>

namespace sorvella {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using Config = std::unique_ptr<FcConfig, ConfigDeleter>;
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;
using FontSet = std::unique_ptr<FcFontSet, FontSetDeleter>;

constexpr const char* kTrueTypeFormat = "TrueType";
constexpr const char* kTrueTypeExtension = ".ttf";

}  // namespace

std::optional<std::filesystem::path> FontconfigSystemFonts::trueTypeFont(
    const std::string& family) const {
  // A configuration of its own, released afterwards, rather than the library's global one.
  Config config(FcInitLoadConfigAndFonts());
  Pattern pattern(FcPatternCreate());
  if (!config || !pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
  FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  // The best match may be a CFF font or a collection; the first single TrueType face in
  // fontconfig's order serves.
  FcResult result = FcResultNoMatch;
  FontSet fonts(FcFontSort(config.get(), pattern.get(), FcFalse, nullptr, &result));
  if (!fonts) return std::nullopt;
  for (int i = 0; i < fonts->nfont; ++i) {
    FcChar8* format = nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(fonts->fonts[i], FC_FONTFORMAT, 0, &format) != FcResultMatch ||
        std::strcmp(reinterpret_cast<const char*>(format), kTrueTypeFormat) != 0)
      continue;
    if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
    std::filesystem::path path(reinterpret_cast<const char*>(file));
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == kTrueTypeExtension) return path;
  }
  return std::nullopt;
}

}  // namespace sorvella
