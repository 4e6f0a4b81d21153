// What AFDKO's tx prints with -mtx: per glyph its name (or CID), advance and box, read from
// lines of the form "glyph[tag] {name,enc,width,{left,bottom,right,top}}".
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace sorvella::test {

struct TxGlyph {
  std::string name;      // the name, or the CID of a CID-keyed font
  std::string encoding;  // "" when tx prints none
  int width = 0;
  int left = 0, bottom = 0, right = 0, top = 0;
};

// Keyed by the name (or CID) tx prints first in the braces.
std::map<std::string, TxGlyph> parseTxMetrics(const std::string& output);

// `tx -mtx FILE`, parsed; fails the calling test when tx fails or complains about the file.
std::map<std::string, TxGlyph> checkedTxMetrics(const std::filesystem::path& file);

// The lines in which tx reports a problem ("tx: ..."), warnings included.
std::string txComplaints(const std::string& output);

// tx's dump with every run of spaces made one space, so that "Key   value" reads "Key value".
std::string collapsedDump(const std::string& output);

}  // namespace sorvella::test
