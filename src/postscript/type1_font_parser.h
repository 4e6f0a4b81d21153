// Type1FontParser: reads a Type 1 font program through a font-program reader into a subset
// font: font information, Private values, encoding, subroutines and one glyph per charstring.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "glyph/subset_font.h"
#include "platform/progress_callback.h"
#include "postscript/charstring_interpreter.h"
#include "postscript/private_dict_keys.h"
#include "postscript/ps_font_reader.h"
#include "postscript/ps_keyword_table.h"
#include "postscript/type1_font_facts.h"

namespace sorvella {

class EncodingRegistry;

// One parser reads one font, through a reader opened on its file:
//
//   PSFontReader reader;
//   reader.open(path);
//   Type1FontParser parser(reader);
//   if (parser.readType1Font(nullptr, encodings)) font = parser.takeType1Font();
class Type1FontParser {
 public:
  explicit Type1FontParser(PSFontReader& in) : in_(in) {}
  Type1FontParser(const Type1FontParser&) = delete;
  Type1FontParser& operator=(const Type1FontParser&) = delete;

  // Reads the font program from the start. Into `font` when one is given (its glyphs are
  // replaced; after a failure the caller discards it), otherwise into a font of the parser's
  // own, handed over by takeType1Font after success and destroyed after a failure. True when
  // reading ended normally (status kFine or kFinished).
  bool readType1Font(SubsetFont* font, const EncodingRegistry& encodings,
                     ProgressCallback progress = {});
  std::unique_ptr<SubsetFont> takeType1Font() { return std::move(ownFont_); }
  // What the last readType1Font learnt that a subset font does not keep.
  const Type1FontFacts& type1Facts() const { return type1Facts_; }
  PSFontStatus status() const { return in_.status(); }

 private:
  void readType1Key(int keyword);
  void enterType1Eexec();
  void readType1Subroutines();
  void readType1CharStrings();
  bool nextType1GlyphName(std::string& name);
  void readType1Encoding();
  void selectNamedType1Encoding(std::string_view name);
  void readType1EncodingArray();
  void readType1PrivateValue(const PrivateDictKey& key);
  bool readBlendedPrivateValue(const PrivateDictKey& key);
  bool writesMaster(int keyword) const;
  void readDesignPositions();
  void readDesignMap();
  void readAxisTypes();
  void readWeightVector();
  void finishType1Font();
  void nameType1Masters();
  void buildSeacComposites();

  PSFontReader& in_;
  SubsetFont* font_ = nullptr;
  std::unique_ptr<SubsetFont> ownFont_;
  const EncodingRegistry* encodings_ = nullptr;
  Type1FontFacts type1Facts_;
  int braceDepth_ = 0;
  bool insidePrivate_ = false;
  bool insideBlend_ = false;
  // Keys whose per-master values came from the Private Blend dictionary: the plain value
  // that may follow them is the blended default and must not overwrite them.
  std::bitset<kPSKeywordCount + 1> blendedKeys_;
  std::vector<CharstringGlyphRecord> glyphRecords_;  // one per glyph appended
};

}  // namespace sorvella
