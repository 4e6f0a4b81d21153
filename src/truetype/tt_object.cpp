#include "truetype/tt_object.h"

#include <array>

namespace sorvella {

namespace {

constexpr std::array<const char*, 4> kSourceTexts = {"none", "initiated", "imported", "calculated"};

constexpr std::array<const char*, 7> kErrorTexts = {
    "no error",
    "out of memory while reading",
    "the file cannot be opened",
    "a glyph's bounding box is inverted",
    "a glyph's data lies outside the glyph table or the file",
    "the data does not fit its table or the file",
    "a composite glyph is nested too deeply, refers to itself or is too large",
};

}  // namespace

const char* sourceText(TTSource source) {
  return kSourceTexts.at(static_cast<std::size_t>(source));
}

const char* errorText(TTError error) {
  return kErrorTexts.at(static_cast<std::size_t>(error));
}

const std::string& TTObject::name() const {
  static const std::string kUndefined = "<undefined>";
  return name_.empty() ? kUndefined : name_;
}

}  // namespace sorvella
