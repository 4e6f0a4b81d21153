#include "cidfont/standard_document_hooks.h"

#include <memory>

#include "cidfont/font_folder.h"
#include "glyph/native_font_file.h"
#include "postscript/cid_font_writer.h"
#include "postscript/cid_keyed_font_reader.h"
#include "postscript/encoding_selection.h"
#include "postscript/font_program_status.h"
#include "postscript/metrics_files.h"
#include "postscript/type1_font_file.h"
#include "postscript/type1_font_writer.h"

namespace sorvella {

DocumentHooks standardDocumentHooks(const EncodingRegistry& registry) {
  DocumentHooks hooks;
  hooks.importCidFont = [](const std::filesystem::path& file, const AddSubsetFontCallback& add,
                           const ProgressCallback& progress) {
    CidFontImport result;
    CidKeyedFontReader reader;
    if (!reader.open(file)) {
      result.problem = font_program_text::kCannotOpen;
      return result;
    }
    // Each finished subset font is added at once, so only one is held at a time.
    CCidFont* target = nullptr;
    bool added = true;
    std::unique_ptr<CCidFont> font = reader.parseHeader([&](std::unique_ptr<SubsetFont> subset) {
      if (target && added) added = add(*target, *subset);
    });
    if (font) {
      target = font.get();
      reader.setGlyphLimit(CidKeyedFontReader::kSubsetFontGlyphLimit);
      reader.selectAllFontDicts();
      if (!reader.splitIntoSubsetFonts(progress) || !added) font.reset();
    }
    // A font dictionary out of range ends the split early; what was handed over stays.
    if (!font || reader.status() != PSFontReader::kFinished)
      result.problem = fontProgramStatusText(reader.status(), reader.failed());
    result.font = std::move(font);
    return result;
  };
  hooks.readType1Font = [&registry](const std::filesystem::path& file,
                                    const ProgressCallback& progress) {
    return readType1Font(file, registry, progress);
  };
  hooks.exportType1Font = [](const std::filesystem::path& file, SubsetFont& font,
                             const ProgressCallback& progress) {
    Type1Export result;
    result.fontWritten = writeType1Font(font, file, 0, progress);
    // The AFM and INF files go beside the font.
    result.metricsWritten = result.fontWritten && writeMetrics(font, file, 2) == 0;
    return result;
  };
  hooks.exportCidFont = [](const std::filesystem::path& file, const CCidFont& font,
                           const std::filesystem::path& folder, const ProgressCallback& progress) {
    // One subset font file is held at a time: the writer asks for them in order.
    std::unique_ptr<SubsetFont> current;
    SubsetFontSource source = [&](int32_t number) -> const SubsetFont* {
      current = ReadNativeFont(SubsetFontFilePath(folder, font.subsetFont(number).fileStem()));
      return current.get();
    };
    CidExportResult written = writeCidFont(font, file, source, progress);
    CidFontExport result;
    result.written = written.written;
    result.charactersLeftOut = written.charactersLeftOut;
    for (int32_t number : written.unreadableFonts)
      result.unreadableFiles.push_back(
          SubsetFontFilePath(folder, font.subsetFont(number).fileStem()));
    return result;
  };
  hooks.loadEncodingTable = [&registry](SubsetFont& font) {
    loadMissingEncodingTable(font, registry);
  };
  return hooks;
}

}  // namespace sorvella
