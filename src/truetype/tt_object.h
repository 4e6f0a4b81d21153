// The base objects of the TrueType library: a named object, and the streamed object whose
// source state and error code every table, glyph and the font itself carry.
#pragma once

#include <cstdint>
#include <string>

namespace sorvella {

// Where an object's content came from, as the diagnostic dump shows it.
enum class TTSource : uint8_t { kNone, kInitiated, kImported, kCalculated };

const char* sourceText(TTSource source);  // "none", "initiated", "imported", "calculated"

enum class TTError : uint8_t {
  kNone = 0,
  kOutOfMemory = 1,
  kNoFile = 2,
  kInvertedBox = 3,          // a glyph whose xMin is above xMax or yMin above yMax
  kSeekFailed = 4,           // a glyph's data lies outside the glyph data or the file
  kDamaged = 5,              // data that does not fit its table, its glyph or the file
  kCompositeTooComplex = 6,  // nested too deep, referring back to itself, or too large
};

// A short English sentence for the batch tool and the dump.
const char* errorText(TTError error);

class TTObject {
 public:
  TTObject() = default;
  TTObject(const TTObject&) = default;
  TTObject& operator=(const TTObject&) = default;
  virtual ~TTObject() = default;

  virtual const char* typeName() const { return "type_TTObject"; }
  // "<undefined>" when none was given.
  const std::string& name() const;
  void setName(std::string name) { name_ = std::move(name); }

 private:
  std::string name_;
};

class TTStreamed : public TTObject {
 public:
  const char* typeName() const override { return "type_TTStreamed"; }

  TTSource source() const { return source_; }
  void setSource(TTSource source) { source_ = source; }
  TTError error() const { return error_; }
  // The first failure is kept: later ones are usually its consequences.
  void fail(TTError error) {
    if (error_ == TTError::kNone) error_ = error;
  }
  void clearError() { error_ = TTError::kNone; }

 private:
  TTSource source_ = TTSource::kInitiated;
  TTError error_ = TTError::kNone;
};

}  // namespace sorvella
