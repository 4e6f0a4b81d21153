// Small Type 1 fonts written by hand for tests: a clear-text part, a private part with
// subroutines and charstrings, encrypted and laid out as a segmented, plain or hex file.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sorvella::test {

enum class Type1Form { kSegmented, kPlainBinary, kPlainHex };

struct Type1FontSource {
  // Everything before "currentfile eexec".
  std::string clearText =
      "%!PS-AdobeFont-1.0: Handmade 001.000\n"
      "11 dict begin\n"
      "/FontInfo 8 dict dup begin\n"
      "/version (001.000) readonly def\n"
      "/FullName (Handmade Regular) readonly def\n"
      "/FamilyName (Handmade) readonly def\n"
      "/Weight (Regular) readonly def\n"
      "end readonly def\n"
      "/FontName /Handmade-Regular def\n"
      "/PaintType 0 def\n"
      "/FontType 1 def\n"
      "/FontMatrix [0.001 0 0 0.001 0 0] readonly def\n"
      "/FontBBox {0 0 1000 1000} readonly def\n"
      "/Encoding StandardEncoding def\n"
      "currentdict end\n";
  std::string eexecLineEnd = "\r\n";
  // The Private dictionary's keys after its procedures, before /Subrs.
  std::string privateKeys = "/BlueValues [-10 0 700 710] def\n/password 5839 def\n";
  std::string readData = "RD";       // or "-|"
  std::string definitionEnd = "ND";  // or "|-"
  std::string put = "NP";            // or "|"
  int lenIV = 4;                     // lead-in bytes; -1 writes the charstrings unencrypted
  std::vector<std::vector<uint8_t>> subroutines;                          // plain, without lead-in
  std::vector<std::pair<std::string, std::vector<uint8_t>>> charstrings;  // name, plain bytes
  int announcedCharstrings = -1;  // the dictionary's count; -1: the number written
  bool hexLowerCase = false;
};

std::vector<uint8_t> buildType1Font(const Type1FontSource& source, Type1Form form);

}  // namespace sorvella::test
