// Reads CIDFont resources (CIDFontType 0, binary data section): the header gives the CID
// font's information, the glyphs of each font dictionary become subset fonts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "glyph/cid_font_info.h"
#include "glyph/subset_font.h"
#include "platform/progress_callback.h"
#include "postscript/ps_font_reader.h"

namespace sorvella {

// Takes each finished subset font; the reader keeps nothing of it afterwards.
using SubsetFontCallback = std::function<void(std::unique_ptr<SubsetFont>)>;

inline constexpr const char* kCidGlyphNameFormat = "CID-%i";
// Appended to the dictionary's FontName when its glyphs need several subset fonts.
inline constexpr const char* kSubsetFontNumberFormat = "-%.2i";

// One reader per file. Parse the header, set the glyph limit and the selection, then split:
//
//   CidKeyedFontReader reader;
//   reader.open(path);
//   std::optional<CidFontInfo> info = reader.parseHeader(store);
//   reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
//   reader.selectAllFontDicts();
//   reader.splitIntoSubsetFonts(progress);
//
// The status is the font-program reader's, which the CIDFont codes of PSFontStatus extend.
class CidKeyedFontReader {
 public:
  static constexpr int kMaxFontDicts = 50;
  static constexpr int kSubsetFontGlyphLimit = 512;
  static constexpr int kNoGlyphLimit = -1;
  // What a font dictionary without /lenIV uses: the default of the published CIDFont format.
  static constexpr int16_t kDefaultLenIV = 4;
  static constexpr uint16_t kNoGlyph = 65535;  // in the code mapping

  // Values of one font dictionary's Private part that the data section needs.
  struct FontDictValues {
    int32_t subrMapOffset = 0;
    int32_t sdBytes = 0;
    int32_t subrCount = 0;
    int16_t lenIV = kDefaultLenIV;  // negative: charstrings are not encrypted
  };

  // Not opened: every step fails.
  CidKeyedFontReader() = default;
  explicit CidKeyedFontReader(std::span<const uint8_t> bytes) : source_(bytes) {}
  explicit CidKeyedFontReader(std::vector<uint8_t>&& bytes) : source_(std::move(bytes)) {}
  CidKeyedFontReader(const CidKeyedFontReader&) = delete;
  CidKeyedFontReader& operator=(const CidKeyedFontReader&) = delete;

  bool open(const std::filesystem::path& path) { return source_.open(path); }

  PSFontReader& source() { return source_; }
  const PSFontReader& source() const { return source_; }
  PSFontStatus status() const { return source_.status(); }
  bool failed() const { return source_.failed(); }

  // Reads up to StartData. The CID font's information, or nothing (then the status or the
  // failed stream says why). The callback is kept for the split.
  std::optional<CidFontInfo> parseHeader(SubsetFontCallback callback);

  // Reads the data section and hands every finished subset font to the callback. False when
  // the stream failed, with kCidMapOutOfRange or kSubrMapOutOfRange (a cancel while the
  // SubrMaps are read gives kSubrMapOutOfRange too): then nothing has been handed over. A later
  // cancel finishes with kFinished, and kFontDictOutOfRange ends the split early; the fonts
  // handed over before stay and the result is true.
  // Progress: range (0, CID count) first; a cancel query for each SubrMap, at each font
  // dictionary and every 10 CIDs; the CIDs processed after each finished subset font; a last
  // cancel query when all went well.
  bool splitIntoSubsetFonts(const ProgressCallback& progress = {});

  // Glyphs per subset font; 0 or negative: no limit. StartData sets no limit.
  int glyphLimit() const { return glyphLimit_; }
  void setGlyphLimit(int limit) { glyphLimit_ = limit > 0 ? limit : kNoGlyphLimit; }
  // StartData clears the selection; only selected dictionaries become subset fonts.
  bool fontDictSelected(int fd) const;
  void selectFontDict(int fd, bool selected = true);
  void selectAllFontDicts();

  // What the header said.
  int32_t fdCount() const { return fdCount_; }
  int32_t cidCount() const { return cidCount_; }
  int32_t cidMapOffset() const { return cidMapOffset_; }
  int32_t fdBytes() const { return fdBytes_; }
  int32_t gdBytes() const { return gdBytes_; }
  int32_t dataLength() const { return dataLength_; }
  // Defaults for a dictionary outside 0..49.
  const FontDictValues& fontDictValues(int fd) const;
  // The information of font dictionary fd (names, FontMatrix, Private values) as the header
  // gave it, until the split takes it; null when there is none.
  const SubsetFont* fontDictInfo(int fd) const;
  // The /FontName of font dictionary fd, also after the split; empty when it has none.
  const std::string& fontDictName(int fd) const;
  // While the header is read: the dictionary being read (-1 before /FDArray). During the split
  // (in the callback too): the dictionary being split.
  int currentFontDict() const { return currentFd_; }

 private:
  // The subroutines of one dictionary: decrypted in one block, subroutine j from offsets[j]
  // to offsets[j + 1].
  struct SubroutineTable {
    std::vector<uint32_t> offsets;
    std::vector<uint8_t> block;
  };

  // Header.
  void handleKey(int key, CidFontInfo& font);
  void beginEncryptedSection();
  void resumeClearTextAfterBadHexDigit();
  bool insideFdArray() const { return currentFd_ >= 0 && currentFd_ < fdCount_; }
  std::size_t readIntegers(std::span<int32_t> output);
  FontDictValues* currentFontDictValues();
  void endFontDict();

  // Data section.
  bool readCidMap(std::size_t start);
  bool loadSubroutineMaps(std::size_t start);
  bool readSubroutineMap(std::size_t start, int fd);
  void splitFontDict(int fd, std::size_t start);
  void handOver(std::unique_ptr<SubsetFont> font);
  int64_t offsetLimit() const { return 2 * static_cast<int64_t>(dataLength_); }
  int report(int kind, int64_t a = 0, int64_t b = 0);

  PSFontReader source_;
  SubsetFontCallback callback_;
  ProgressCallback progress_;

  int32_t fdCount_ = 0;
  int currentFd_ = -1;
  int32_t cidCount_ = 0;
  int32_t cidMapOffset_ = 0;
  int32_t fdBytes_ = 0;
  int32_t gdBytes_ = 0;
  int32_t dataLength_ = 0;
  std::array<FontDictValues, kMaxFontDicts> fontDicts_{};
  int glyphLimit_ = kNoGlyphLimit;
  std::array<bool, kMaxFontDicts> selected_{};

  // The information object of the dictionary being read, and those of the finished ones.
  std::unique_ptr<SubsetFont> pendingInfo_;
  std::vector<std::unique_ptr<SubsetFont>> fontDictInfo_;
  std::vector<std::string> fontDictNames_;

  // The CIDMap: per CID its FD index (255 for any index of 255 or more) and its offset.
  std::vector<uint8_t> cidFd_;
  std::vector<uint32_t> cidOffset_;
  std::vector<SubroutineTable> subroutines_;  // per dictionary, once read
  int loadedFd_ = -1;                         // whose subroutines the interpreter calls
  std::vector<uint8_t> charstring_;
  int64_t processedCids_ = 0;
};

}  // namespace sorvella
