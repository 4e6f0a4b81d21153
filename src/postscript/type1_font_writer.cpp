#include "postscript/type1_font_writer.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "base/byte_stream.h"
#include "platform/atomic_file_write.h"
#include "postscript/eexec_encryption.h"
#include "postscript/encoding_registry.h"
#include "postscript/export_glyphs.h"
#include "postscript/postscript_text.h"
#include "postscript/private_dict_text.h"
#include "postscript/type1_charstring.h"

namespace sorvella {

namespace {

// Readers take exactly one byte after "eexec" as its end of line, so the program uses LF.
constexpr const char* kEol = "\n";
constexpr int kLenIV = 4;
constexpr std::string_view kNotdef = ".notdef";

// Hint replacement only (othersubr 3); the writer makes no flex, so 0 to 2 do nothing.
constexpr const char* kOtherSubrs =
    "/OtherSubrs\n"
    "[ {} {} {}\n"
    "{\n"
    "systemdict /internaldict known not\n"
    "{pop 3}\n"
    "{1183615869 systemdict /internaldict get exec\n"
    " dup /startlock known\n"
    " {/startlock get exec}\n"
    " {dup /strtlck known\n"
    " {/strtlck get exec}\n"
    " {pop 3}\n"
    " ifelse}\n"
    " ifelse}\n"
    " ifelse\n"
    "} executeonly\n"
    "] ND\n";

struct ExportEntry {
  std::string name;
  std::vector<uint8_t> charstring;  // plain
};

void appendText(std::vector<uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

// "key length RD <bytes> close", the bytes charstring-encrypted with lenIV lead-in bytes.
void appendEncryptedString(std::vector<uint8_t>& out, const std::string& key,
                           const std::vector<uint8_t>& plain, const char* close) {
  const std::vector<uint8_t> cipher = encryptBytes(plain, kCharstringKey, kLenIV);
  appendText(out, key + " " + std::to_string(cipher.size()) + " RD ");
  out.insert(out.end(), cipher.begin(), cipher.end());
  appendText(out, std::string(" ") + close + kEol);
}

std::string boxText(const Box& box) {
  if (box.empty()) return "{0 0 0 0}";
  return "{" + std::to_string(box.xMin) + " " + std::to_string(box.yMin) + " " +
         std::to_string(box.xMax) + " " + std::to_string(box.yMax) + "}";
}

std::string encodingText(const SubsetFont& font,
                         const std::map<std::string, std::string>& exportNameOf) {
  if (font.encoding().number == kStandardEncodingNumber)
    return std::string("/Encoding StandardEncoding def") + kEol;
  std::string out =
      std::string("/Encoding 256 array") + kEol + "0 1 255 {1 index exch /.notdef put} for" + kEol;
  for (int code = 0; code < SubsetFontEncoding::kSize; ++code) {
    if (!font.encoding().hasGlyphName(code)) continue;
    auto found = exportNameOf.find(font.encoding().glyphNames[static_cast<std::size_t>(code)]);
    if (found == exportNameOf.end()) continue;
    out += "dup " + std::to_string(code) + " /" + found->second + " put" + kEol;
  }
  return out + "readonly def" + kEol;
}

std::vector<uint8_t> pfbSegment(uint8_t type, const std::vector<uint8_t>& bytes) {
  ByteWriter out;
  out.put8(0x80);
  out.put8(type);
  out.put32le(static_cast<uint32_t>(bytes.size()));
  out.putBytes(bytes);
  return out.take();
}

}  // namespace

std::vector<uint8_t> type1FontBytes(const SubsetFont& font, int master,
                                    const ProgressCallback& progress) {
  master = std::clamp(master, 0, font.masterCount() - 1);
  const SubsetFontInfo& info = font.info();
  const FontMaster& values = font.master(master);
  const std::string fontName = psName(info.fontName(), "Untitled");
  if (progress) progress(kProgressRange, 0, font.slotCount());

  // Glyphs in slot order, .notdef first; a name's first glyph is the one the encoding means.
  const std::vector<std::string> names = exportGlyphNames(font);
  std::map<std::string, std::string> exportNameOf;
  std::vector<ExportEntry> entries;
  SubroutineTable subrs;
  Box fontBox;
  bool haveNotdef = false;
  for (int32_t slot = 0; slot < font.slotCount(); ++slot) {
    if (progress && (progress(kProgressCancelQuery, 0, 0) != 0)) return {};
    const Glyph* source = font.glyph(slot);
    if (source == nullptr) continue;
    const Glyph glyph = flattenedGlyph(font, slot, master);
    const Box box = outlineBox(glyph);
    if (!box.empty()) {
      fontBox.include({box.xMin, box.yMin});
      fontBox.include({box.xMax, box.yMax});
    }
    const std::string& name = names[static_cast<std::size_t>(slot)];
    if (!source->name().empty()) exportNameOf.emplace(source->name(), name);
    ExportEntry entry{name, glyphCharstring(glyph, subrs)};
    if (name == kNotdef) {
      haveNotdef = true;
      entries.insert(entries.begin(), std::move(entry));
    } else {
      entries.push_back(std::move(entry));
    }
    if (progress) progress(kProgressPosition, slot + 1, 0);
  }
  if (!haveNotdef) {
    CharstringBytes empty;
    empty.number(0);
    empty.number(0);
    empty.op(charstring_op::kHsbw);
    empty.op(charstring_op::kEndchar);
    entries.insert(entries.begin(), ExportEntry{std::string(kNotdef), empty.take()});
  }

  std::string clear = "%!PS-AdobeFont-1.0: " + fontName;
  if (!info.version().empty()) clear += " " + singleLine(info.version());
  clear += kEol;
  clear += "%%Title: " + fontName + kEol;
  clear += "%%Creator: Sorvella" + std::string(kEol);
  clear += std::string("11 dict begin") + kEol;
  clear += std::string("/FontInfo 9 dict dup begin") + kEol;
  auto infoString = [&](const char* key, const std::string& text) {
    if (!text.empty())
      clear += std::string("/") + key + " " + psString(text) + " readonly def" + kEol;
  };
  infoString("version", info.version());
  infoString("Notice", info.notice());
  infoString("FullName", info.fullName());
  infoString("FamilyName", info.familyName());
  infoString("Weight", info.weight());
  clear += "/ItalicAngle " + psReal(info.italicAngle) + " def" + kEol;
  clear +=
      std::string("/isFixedPitch ") + (info.isFixedPitch != 0 ? "true" : "false") + " def" + kEol;
  clear += "/UnderlinePosition " + std::to_string(info.underlinePosition) + " def" + kEol;
  if (info.underlineThickness > 0)  // readers refuse other thicknesses
    clear += "/UnderlineThickness " + std::to_string(info.underlineThickness) + " def" + kEol;
  clear += std::string("end readonly def") + kEol;
  clear += "/FontName /" + fontName + " def" + kEol;
  clear += encodingText(font, exportNameOf);
  clear += std::string("/PaintType 0 def") + kEol;
  clear += std::string("/FontType 1 def") + kEol;
  clear += "/FontMatrix " + fontMatrixText(values.privateValues) + " readonly def" + kEol;
  clear += "/FontBBox " + boxText(fontBox) + " readonly def" + kEol;
  if (info.uniqueId != 0) clear += "/UniqueID " + std::to_string(info.uniqueId) + " def" + kEol;
  clear += std::string("currentdict end") + kEol + "currentfile eexec" + kEol;

  std::vector<uint8_t> priv;
  appendText(priv, std::string("dup /Private 16 dict dup begin") + kEol);
  appendText(priv,
             std::string("/RD{string currentfile exch readstring pop}executeonly def") + kEol);
  appendText(priv, std::string("/ND{noaccess def}executeonly def") + kEol);
  appendText(priv, std::string("/NP{noaccess put}executeonly def") + kEol);
  appendText(priv, std::string("/MinFeature{16 16}def") + kEol);
  appendText(priv, std::string("/password 5839 def") + kEol);
  appendText(priv, privateDictEntries(values.privateValues, info.zoneCounts, kEol));
  if (info.uniqueId != 0)
    appendText(priv, "/UniqueID " + std::to_string(info.uniqueId) + " def" + kEol);
  appendText(priv, kOtherSubrs);
  const auto& subroutines = subrs.subroutines();
  appendText(priv, "/Subrs " + std::to_string(subroutines.size()) + " array" + kEol);
  for (std::size_t i = 0; i < subroutines.size(); ++i)
    appendEncryptedString(priv, "dup " + std::to_string(i), subroutines[i], "NP");
  appendText(priv, std::string("ND") + kEol);
  appendText(priv,
             "2 index /CharStrings " + std::to_string(entries.size()) + " dict dup begin" + kEol);
  for (const ExportEntry& entry : entries)
    appendEncryptedString(priv, "/" + entry.name, entry.charstring, "ND");
  appendText(priv, std::string("end") + kEol + "end" + kEol + "readonly put" + kEol +
                       "noaccess put" + kEol + "dup /FontName get exch definefont pop" + kEol +
                       "mark currentfile closefile" + kEol);

  std::string trailer;
  for (int line = 0; line < 8; ++line) trailer += std::string(64, '0') + kEol;
  trailer += std::string("cleartomark") + kEol;

  std::vector<uint8_t> out;
  for (const auto& segment : {pfbSegment(1, std::vector<uint8_t>(clear.begin(), clear.end())),
                              pfbSegment(2, encryptBytes(priv, kEexecKey, 4)),
                              pfbSegment(1, std::vector<uint8_t>(trailer.begin(), trailer.end()))})
    out.insert(out.end(), segment.begin(), segment.end());
  out.push_back(0x80);
  out.push_back(0x03);
  return out;
}

bool writeType1Font(const SubsetFont& font, const std::filesystem::path& path, int master,
                    const ProgressCallback& progress) {
  const std::vector<uint8_t> bytes = type1FontBytes(font, master, progress);
  if (bytes.empty()) return false;
  return writeFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace sorvella
