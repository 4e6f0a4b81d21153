#include "support/type1_font_builder.h"

#include <cctype>

#include "support/type1_bytes.h"

namespace sorvella::test {
namespace {

std::vector<uint8_t> encryptedCharstring(const std::vector<uint8_t>& plain, int lenIV) {
  if (lenIV < 0) return plain;
  std::vector<uint8_t> withLeadIn(static_cast<std::size_t>(lenIV), 0x5A);
  withLeadIn.insert(withLeadIn.end(), plain.begin(), plain.end());
  return encryptType1(withLeadIn, 4330);
}

std::vector<uint8_t> privatePart(const Type1FontSource& s) {
  std::string head = "dup /Private 12 dict dup begin\n/" + s.readData +
                     " {string currentfile exch readstring pop} executeonly def\n/" +
                     s.definitionEnd + " {noaccess def} executeonly def\n/" + s.put +
                     " {noaccess put} executeonly def\n";
  if (s.lenIV != 4) head += "/lenIV " + std::to_string(s.lenIV) + " def\n";
  head += s.privateKeys;
  std::vector<uint8_t> out = bytesOf(head);
  auto append = [&out](const std::vector<uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
  };
  if (!s.subroutines.empty()) {
    append(bytesOf("/Subrs " + std::to_string(s.subroutines.size()) + " array\n"));
    for (std::size_t i = 0; i < s.subroutines.size(); ++i) {
      const std::vector<uint8_t> data = encryptedCharstring(s.subroutines[i], s.lenIV);
      append(bytesOf("dup " + std::to_string(i) + " " + std::to_string(data.size()) + " " +
                     s.readData + " "));
      append(data);
      append(bytesOf(" " + s.put + "\n"));
    }
    append(bytesOf(s.definitionEnd + "\n"));
  }
  const int count =
      s.announcedCharstrings >= 0 ? s.announcedCharstrings : static_cast<int>(s.charstrings.size());
  append(bytesOf("2 index /CharStrings " + std::to_string(count) + " dict dup begin\n"));
  for (const auto& [name, plain] : s.charstrings) {
    const std::vector<uint8_t> data = encryptedCharstring(plain, s.lenIV);
    append(bytesOf("/" + name + " " + std::to_string(data.size()) + " " + s.readData + " "));
    append(data);
    append(bytesOf(" " + s.definitionEnd + "\n"));
  }
  append(
      bytesOf("end\nend\nreadonly put\nnoaccess put\ndup/FontName get exch definefont pop\n"
              "mark currentfile closefile\n"));
  return out;
}

}  // namespace

std::vector<uint8_t> buildType1Font(const Type1FontSource& source, Type1Form form) {
  const std::string clear = source.clearText + "currentfile eexec" + source.eexecLineEnd;
  std::vector<uint8_t> plain = {0x11, 0x22, 0x33, 0x44};  // lead-in
  const std::vector<uint8_t> part = privatePart(source);
  plain.insert(plain.end(), part.begin(), part.end());
  const std::vector<uint8_t> cipher = encryptType1(plain, 55665);
  std::string trailer;
  for (int line = 0; line < 8; ++line) trailer += std::string(64, '0') + "\n";
  trailer += "cleartomark\n";
  switch (form) {
    case Type1Form::kSegmented:
      return joined(
          {pfbSegment(1, clear), pfbSegment(2, cipher), pfbSegment(1, trailer), pfbEnd()});
    case Type1Form::kPlainBinary:
      return joined({bytesOf(clear), cipher, bytesOf(trailer)});
    case Type1Form::kPlainHex: {
      std::string hex = hexLines(cipher, 64);
      if (source.hexLowerCase)
        for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return bytesOf(clear + hex + "\n" + trailer);
    }
  }
  return {};
}

}  // namespace sorvella::test
