#include "postscript/cid_font_writer.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "base/byte_stream.h"
#include "base/text_format.h"
#include "platform/atomic_file_write.h"
#include "postscript/eexec_encryption.h"
#include "postscript/export_glyphs.h"
#include "postscript/postscript_text.h"
#include "postscript/private_dict_text.h"
#include "postscript/type1_charstring.h"

namespace sorvella {

namespace {

constexpr const char* kEol = "\r\n";
constexpr int kLenIV = 4;

struct FontDict {
  std::string name;
  PerMasterBlock values;
  ZoneCounts counts;
  SubroutineTable subrs;
};

struct Placed {
  int32_t cid = 0;
  int32_t glyph = 0;
};

std::vector<uint8_t> emptyCharstring() {
  CharstringBytes cs;
  cs.number(0);
  cs.number(0);
  cs.op(charstring_op::kHsbw);
  cs.op(charstring_op::kEndchar);
  return cs.take();
}

void putBigEndian(ByteWriter& out, uint64_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.put8(static_cast<uint8_t>(value >> (8 * i)));
}

int bytesFor(uint64_t maximum) {
  int n = 1;
  while (n < 4 && maximum >= (uint64_t{1} << (8 * n))) ++n;
  return n;
}

std::string fontDictText(const FontDict& fd, int index, std::size_t subrMapOffset, int sdBytes) {
  std::string out = "dup " + std::to_string(index) + kEol;
  out += std::string("%ADOBeginFontDict") + kEol;
  out += std::string("14 dict") + kEol + "begin" + kEol;
  out += "/FontName /" + fd.name + " def" + kEol;
  out += std::string("/FontType 1 def") + kEol;
  out += "/FontMatrix " + fontMatrixText(fd.values) + " def" + kEol;
  out += std::string("/PaintType 0 def") + kEol;
  out += std::string("%ADOBeginPrivateDict") + kEol;
  out += std::string("/Private 20 dict dup") + kEol + "begin" + kEol;
  out += std::string("/MinFeature{16 16}def") + kEol;
  out += privateDictEntries(fd.values, fd.counts, kEol);
  out += "/lenIV " + std::to_string(kLenIV) + " def" + kEol;
  out += "/SubrMapOffset " + std::to_string(subrMapOffset) + " def" + kEol;
  out += "/SDBytes " + std::to_string(sdBytes) + " def" + kEol;
  out += "/SubrCount " + std::to_string(fd.subrs.subroutines().size()) + " def" + kEol;
  out += std::string("end def") + kEol;
  out += std::string("%ADOEndPrivateDict") + kEol;
  out += std::string("currentdict end") + kEol;
  out += std::string("%ADOEndFontDict") + kEol;
  out += std::string("put") + kEol;
  return out;
}

}  // namespace

std::string cidExportWarning(int32_t charactersLeftOut) {
  if (charactersLeftOut <= 0) return "";
  return formatText(kCharactersLeftOutWarning, charactersLeftOut);
}

CidExport exportCidFont(const CidFontInfo& info, int32_t rangeTop, const CidGlyphLookup& glyphAt,
                        const SubsetFontSource& source, const ProgressCallback& progress) {
  CidExport result;
  if (rangeTop > kMaxCid) {
    result.rangeBeyondLimit = true;
    return result;
  }
  const std::string cidFontName = psName(info.fontName(), "Untitled");
  const int32_t cidCount = std::max(rangeTop + 1, 1);
  if (progress) progress(kProgressRange, 0, cidCount);

  std::map<int32_t, std::vector<Placed>> byFont;
  for (int32_t cid = 0; cid < cidCount; ++cid) {
    const CidGlyph at = glyphAt ? glyphAt(cid) : CidGlyph{};
    if (at.font < 0 || at.glyph < 0) continue;
    byFont[at.font].push_back({cid, at.glyph});
  }

  std::vector<FontDict> fds;
  std::vector<std::vector<uint8_t>> charstrings(static_cast<std::size_t>(cidCount));
  std::vector<int32_t> fdOfCid(static_cast<std::size_t>(cidCount), 0);
  Box fontBox;
  int64_t done = 0;
  for (const auto& [fontNumber, placed] : byFont) {
    if (progress && progress(kProgressCancelQuery, 0, 0) != 0) return {};
    const SubsetFont* subset = source ? source(fontNumber) : nullptr;
    if (subset == nullptr) {
      result.charactersLeftOut += static_cast<int32_t>(placed.size());
      result.unreadableFonts.push_back(fontNumber);
      continue;
    }
    FontDict fd;
    const std::string fallback = cidFontName + "-" + std::to_string(fontNumber);
    fd.name = psName(subset->info().fontName(), fallback);
    fd.values = subset->master(0).privateValues;
    fd.counts = subset->info().zoneCounts;
    const auto fdIndex = static_cast<int32_t>(fds.size());
    bool any = false;
    for (const Placed& p : placed) {
      if (subset->glyph(p.glyph) == nullptr) {
        ++result.charactersLeftOut;
        continue;
      }
      const Glyph glyph = flattenedGlyph(*subset, p.glyph, 0);
      const Box box = outlineBox(glyph);
      if (!box.empty()) {
        fontBox.include({box.xMin, box.yMin});
        fontBox.include({box.xMax, box.yMax});
      }
      charstrings[static_cast<std::size_t>(p.cid)] =
          encryptBytes(glyphCharstring(glyph, fd.subrs), kCharstringKey, kLenIV);
      fdOfCid[static_cast<std::size_t>(p.cid)] = fdIndex;
      any = true;
    }
    done += static_cast<int64_t>(placed.size());
    if (progress) progress(kProgressPosition, done, 0);
    if (any) fds.push_back(std::move(fd));
  }
  if (fds.empty()) {
    FontDict fd;
    fd.name = cidFontName;
    fds.push_back(std::move(fd));
  }
  if (charstrings[0].empty()) {
    charstrings[0] = encryptBytes(emptyCharstring(), kCharstringKey, kLenIV);
    fdOfCid[0] = 0;
  }

  // Binary section: CIDMap, the SubrMaps, the subroutines, the charstrings in CID order.
  const int fdBytes = fds.size() <= 256 ? 1 : 2;
  uint64_t subrMapEntries = 0, subrBytes = 0, charBytes = 0;
  for (const FontDict& fd : fds) {
    subrMapEntries += fd.subrs.subroutines().size() + 1;
    for (const auto& s : fd.subrs.subroutines()) subrBytes += s.size() + kLenIV;
  }
  for (const auto& cs : charstrings) charBytes += cs.size();
  int offsetBytes = 1;
  uint64_t total = 0;
  for (; offsetBytes <= 4; ++offsetBytes) {
    total = (uint64_t(cidCount) + 1) * (fdBytes + offsetBytes) + subrMapEntries * offsetBytes +
            subrBytes + charBytes;
    if (offsetBytes == 4 || bytesFor(total) <= offsetBytes) break;
  }
  const uint64_t mapBytes = (uint64_t(cidCount) + 1) * (fdBytes + offsetBytes);

  ByteWriter data;
  std::vector<std::size_t> subrMapOffset;
  {
    uint64_t offset = mapBytes + subrMapEntries * offsetBytes + subrBytes;
    for (int32_t cid = 0; cid <= cidCount; ++cid) {
      const bool real = cid < cidCount;
      putBigEndian(data, real ? fdOfCid[static_cast<std::size_t>(cid)] : 0, fdBytes);
      putBigEndian(data, offset, offsetBytes);
      if (real) offset += charstrings[static_cast<std::size_t>(cid)].size();
    }
    uint64_t subrOffset = mapBytes + subrMapEntries * offsetBytes;
    for (const FontDict& fd : fds) {
      subrMapOffset.push_back(data.position());
      for (const auto& s : fd.subrs.subroutines()) {
        putBigEndian(data, subrOffset, offsetBytes);
        subrOffset += s.size() + kLenIV;
      }
      putBigEndian(data, subrOffset, offsetBytes);
    }
    for (const FontDict& fd : fds)
      for (const auto& s : fd.subrs.subroutines())
        data.putBytes(encryptBytes(s, kCharstringKey, kLenIV));
    for (const auto& cs : charstrings) data.putBytes(cs);
  }

  // Readers take an empty character collection for a broken font; an absent one is Identity.
  const std::string registry = info.registry().empty() ? "Adobe" : info.registry();
  const std::string ordering = info.ordering().empty() ? "Identity" : info.ordering();
  std::string head = std::string("%!PS-Adobe-3.0 Resource-CIDFont") + kEol;
  head += std::string("%%DocumentNeededResources: ProcSet (CIDInit)") + kEol;
  head += std::string("%%IncludeResource: ProcSet (CIDInit)") + kEol;
  head += "%%BeginResource: CIDFont (" + cidFontName + ")" + kEol;
  head += "%%Title: (" + cidFontName + " " + psName(registry, "") + " " + psName(ordering, "") +
          " " + std::to_string(info.supplement) + ")" + kEol;
  head += "%%Version: " + std::to_string(info.version) + kEol;
  head += std::string("/CIDInit /ProcSet findresource begin") + kEol;
  head += std::string("20 dict begin") + kEol;
  head += "/CIDFontName /" + cidFontName + " def" + kEol;
  head += "/CIDFontVersion " + std::to_string(info.version) + " def" + kEol;
  head += std::string("/CIDFontType 0 def") + kEol;
  head += std::string("/CIDSystemInfo 3 dict dup begin") + kEol;
  head += "/Registry " + psString(registry) + " def" + kEol;
  head += "/Ordering " + psString(ordering) + " def" + kEol;
  head += "/Supplement " + std::to_string(info.supplement) + " def" + kEol;
  head += std::string("end def") + kEol;
  head += std::string("/FontMatrix [1 0 0 1 0 0] def") + kEol;
  if (fontBox.empty()) fontBox = Box{0, 0, 0, 0};
  head += "/FontBBox [" + std::to_string(fontBox.xMin) + " " + std::to_string(fontBox.yMin) + " " +
          std::to_string(fontBox.xMax) + " " + std::to_string(fontBox.yMax) + "] def" + kEol;
  if (info.uidBase != 0) head += "/UIDBase " + std::to_string(info.uidBase) + " def" + kEol;
  if (!info.xuid().empty()) {
    head += "/XUID [";
    for (std::size_t i = 0; i < info.xuid().size(); ++i)
      head += (i > 0 ? " " : "") + std::to_string(info.xuid()[i]);
    head += std::string("] def") + kEol;
  }
  if (!info.fullName().empty() || !info.notice().empty()) {
    head += std::string("/FontInfo 2 dict dup begin") + kEol;
    if (!info.notice().empty()) head += "/Notice " + psString(info.notice()) + " def" + kEol;
    if (!info.fullName().empty()) head += "/FullName " + psString(info.fullName()) + " def" + kEol;
    head += std::string("end def") + kEol;
  }
  head += std::string("/CIDMapOffset 0 def") + kEol;
  head += "/FDBytes " + std::to_string(fdBytes) + " def" + kEol;
  head += "/GDBytes " + std::to_string(offsetBytes) + " def" + kEol;
  head += "/CIDCount " + std::to_string(cidCount) + " def" + kEol;
  head += "/FDArray " + std::to_string(fds.size()) + " array" + kEol;
  for (std::size_t i = 0; i < fds.size(); ++i)
    head += fontDictText(fds[i], static_cast<int>(i), subrMapOffset[i], offsetBytes);
  head += std::string("def") + kEol;
  const std::string start = "(Binary) " + std::to_string(data.position()) + " StartData ";
  head += "%%BeginData: " + std::to_string(start.size() + data.position()) + " Binary Bytes" + kEol;
  head += start;

  std::string tail =
      std::string(kEol) + "%%EndData" + kEol + "%%EndResource" + kEol + "%%EOF" + kEol;
  result.bytes.assign(head.begin(), head.end());
  result.bytes.insert(result.bytes.end(), data.bytes().begin(), data.bytes().end());
  result.bytes.insert(result.bytes.end(), tail.begin(), tail.end());
  if (progress) progress(kProgressPosition, cidCount, 0);
  return result;
}

CidExportResult writeCidFont(const CidFontInfo& info, int32_t rangeTop,
                             const CidGlyphLookup& glyphAt, const std::filesystem::path& path,
                             const SubsetFontSource& source, const ProgressCallback& progress) {
  CidExport exported = exportCidFont(info, rangeTop, glyphAt, source, progress);
  CidExportResult result;
  result.rangeBeyondLimit = exported.rangeBeyondLimit;
  result.charactersLeftOut = exported.charactersLeftOut;
  result.unreadableFonts = std::move(exported.unreadableFonts);
  if (exported.bytes.empty()) return result;
  result.written = writeFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(exported.bytes.data()),
                             exported.bytes.size()));
  return result;
}

}  // namespace sorvella
