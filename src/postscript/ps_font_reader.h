// Reads PostScript font programs (Type 1 fonts, segmented or plain, and CIDFont resources): a
// byte source that follows PFB segments and undoes eexec, a tokenizer and small typed readers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/progress_callback.h"
#include "postscript/eexec_cipher.h"
#include "postscript/ps_font_status.h"
#include "postscript/ps_keyword_table.h"

namespace sorvella {

// One subroutine of a font program, decrypted, with its lenIV lead-in bytes still in front.
struct SubroutineRecord {
  std::vector<uint8_t> data;
  uint16_t number = 0;  // as written after `dup`

  uint32_t length() const { return static_cast<uint32_t>(data.size()); }
};

// How the numbers of an array were nested. counts[0] is the number of elements of the outer
// array (2 for [[a b][c d]]), counts[1] the longest run or sub-array count one level down, and
// so on; levels from 16 on are not counted.
struct PSArrayShape {
  std::array<uint16_t, 16> counts{};
  std::size_t values = 0;  // numbers read
  std::size_t stored = 0;  // numbers written to the output, at most its capacity
};

// One reader reads one file once. The font-level parsers (Type1FontParser, CidKeyedFontReader)
// sit over it and reach everything they need through the operations below.
//
// Once failed (a read past the end of the data, a boolean that was not one, a file that could
// not be opened), every operation returns 0, false or an empty result.
class PSFontReader {
 public:
  static constexpr std::size_t kMaxTokenLength = 1023;
  static constexpr std::size_t kMaxStringLength = 1023;
  static constexpr std::size_t kMaxDefinitionEndWordLength = 23;
  static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{256} << 20;
  static constexpr uint16_t kNoSubroutine = 65535;
  static constexpr int16_t kDefaultLenIV = 4;
  static constexpr std::size_t kProgressInterval = 1024;

  // Not opened: failed from the start.
  PSFontReader() = default;
  explicit PSFontReader(std::span<const uint8_t> bytes);
  explicit PSFontReader(std::vector<uint8_t>&& bytes);

  // Reads the whole file; every field takes its initial value. False (and failed) when the
  // file cannot be read or is larger than kMaxFileSize.
  bool open(const std::filesystem::path& path);

  bool isOpen() const { return opened_; }
  bool failed() const { return failed_; }
  // For the parsers: a reading that cannot go on.
  void markFailed() { failed_ = true; }
  const std::filesystem::path& path() const { return path_; }

  PSFontStatus status() const { return status_; }
  // Sets the status whatever it was (parsers also clear one they handled).
  void setStatus(PSFontStatus status) { status_ = status; }
  // Sets the status only when none is set: the first problem is the one reported.
  void raiseStatus(PSFontStatus status);

  // --- Byte source ---

  // The first two bytes were not 0x80 0x01: no segment headers to follow.
  bool plainFile() const { return plainFile_; }
  bool binarySegment() const { return binarySegment_; }
  bool decrypting() const { return decrypting_; }
  bool hexInput() const { return hexInput_; }
  void setDecrypting(bool on) { decrypting_ = on; }
  void setHexInput(bool on) { hexInput_ = on; }
  void resetEexecKey() { eexec_ = EexecDecryptor(kEexecKey); }

  // Positions are byte offsets in the file, segment headers included.
  std::size_t size() const { return data_.size(); }
  std::size_t position() const { return position_; }
  // Moves the read position and forgets a pushed-back character. The segment bookkeeping is
  // left alone, so within a segmented file only moves inside the current segment are sound.
  // A position past the end makes the next read fail.
  bool seek(std::size_t position);
  // The next file byte as it is, neither decrypted nor consumed; -1 at the end or when failed.
  int peekRawByte();

  // Reports its position once in every 1024-byte block of the file; 0 when failed or at the
  // end of the data, and 0 with kBadHexDigit when an expected hexadecimal digit is another byte.
  uint8_t readByte();
  // Decrypts with the running eexec key when decrypting (hexadecimal input is not decoded).
  // False when failed, or when the data ends first: the missing bytes are then zero.
  bool readBlock(std::span<uint8_t> bytes);
  // After kBadHexDigit: where clear text may resume, the first digit of the pair that failed (a
  // lone hexadecimal digit before the bad byte is clear text as well).
  std::size_t badHexResumePosition() const { return badHexResume_; }
  // On: a bad hexadecimal digit also switches decryption and hexadecimal input off and moves
  // back to the start of the failed pair, so that reading goes on in clear text there (the
  // byte read is still 0 and kBadHexDigit is still set). Off by default.
  void setClearTextAfterBadHexDigit(bool on) { clearTextAfterBadHexDigit_ = on; }
  // In place, with a fresh charstring key; the running eexec key is not touched.
  static void decryptCharstring(std::span<uint8_t> bytes);
  // Whether the next four bytes of the segment are hexadecimal digits, as hexadecimal eexec
  // text starts; binary fonts choose lead-in bytes that are not.
  bool hexDigitsFollow();
  // As readBlock, but hexadecimal input is decoded (one byte at a time); false also after a
  // bad hexadecimal digit.
  bool readEncryptedBytes(std::span<uint8_t> bytes);

  // Announces the range (0, file length) at once; positions follow from readByte, whose
  // non-zero answer sets kCancelled.
  void setProgressCallback(ProgressCallback callback);
  // 0 without a callback.
  int reportProgress(int kind, int64_t a, int64_t b);
  bool cancelRequested() { return reportProgress(kProgressCancelQuery, 0, 0) != 0; }

  // --- Tokens ---

  // Literal names (/Name), comments (% to the end of the line), single delimiters { } [ ] ( )
  // < > and words; at most 1023 characters. False at the end of the input.
  bool nextToken(std::string& token);

  // Decimal or radix (16#FF); 0 without a token.
  int32_t readInteger();
  double readReal();
  // TRUE or FALSE in any case; anything else sets kBooleanExpected and fails the reader.
  bool readBoolean();
  // Skips tokens up to "(", then reads raw bytes up to the matching ")"; nested parentheses
  // stay in the text, control bytes and bytes from 128 on become spaces, at most 1023 bytes.
  // False when no string starts or the input ends inside it (the text read so far is kept).
  bool readString(std::string& text);
  // The first token must be [ or {; numbers beyond the output's capacity are dropped. True
  // unless the reader failed before the array closed.
  bool readIntegerArray(std::span<int32_t> output, PSArrayShape& shape);
  bool readRealArray(std::span<double> output, PSArrayShape& shape);

  // Up to `word` (any case) outside braces; true when found.
  bool skipTo(std::string_view word);
  // Up to "def" outside braces or the definition-end word anywhere, in any case.
  bool skipDefinition();
  // A [ ... ] array with whatever it nests, and the token after it.
  bool skipArray();

  static int keywordNumber(std::string_view token) { return psKeywordNumber(token); }

  // --- Font state shared by the parsers ---

  int16_t lenIV() const { return lenIV_; }
  void setLenIV(int16_t lenIV) { lenIV_ = lenIV; }
  std::string_view definitionEndWord() const { return definitionEndWord_; }
  // Cut to 23 characters.
  void setDefinitionEndWord(std::string_view word);

  const std::vector<SubroutineRecord>& subroutines() const { return subroutines_; }
  void clearSubroutines();
  // Kept in the order added; false when 65535 records are already held.
  bool addSubroutine(SubroutineRecord record);
  // The index of the first record with the number, or kNoSubroutine.
  uint16_t findSubroutine(uint16_t number) const;

 private:
  void load(std::vector<uint8_t>&& bytes);
  void followSegments();
  bool nextRawByte(uint8_t& byte);
  bool readHexCipherByte(uint8_t first, uint8_t& cipher);
  bool nextRawByteAfterSpaces(uint8_t& byte);
  template <typename Number, typename Convert>
  bool readArray(std::span<Number> output, PSArrayShape& shape, Convert convert);

  std::vector<uint8_t> data_;
  std::filesystem::path path_;
  bool opened_ = false;
  bool failed_ = true;
  PSFontStatus status_ = PSFontStatus::kFine;

  std::size_t position_ = 0;
  std::size_t end_ = 0;  // reads at or past it fail; a damaged or final header moves it
  bool plainFile_ = true;
  bool binarySegment_ = false;
  std::size_t nextHeader_ = 0;
  bool decrypting_ = false;
  bool hexInput_ = false;
  EexecDecryptor eexec_{kEexecKey};
  std::size_t lastRawPosition_ = 0;
  std::size_t badHexResume_ = 0;
  std::size_t failedPairStart_ = 0;
  bool clearTextAfterBadHexDigit_ = false;
  ProgressCallback progress_;
  std::size_t lastProgressBlock_ = SIZE_MAX;

  bool pushedBack_ = false;
  char pushedBackChar_ = 0;
  std::string token_;  // scratch for the typed readers

  int16_t lenIV_ = kDefaultLenIV;
  std::string definitionEndWord_ = "ND";
  std::vector<SubroutineRecord> subroutines_;
  std::unordered_map<uint16_t, uint16_t> subroutineIndex_;
};

}  // namespace sorvella
