#include "cidfont/standard_document_hooks.h"

#include <memory>

#include "cidfont/cid_font_export.h"
#include "cidfont/cid_font_import.h"
#include "cidfont/font_folder.h"
#include "cidfont/index_font.h"
#include "cidfont/truetype_font_import.h"
#include "glyph/native_font_file.h"
#include "postscript/encoding_selection.h"
#include "postscript/metrics_files.h"
#include "postscript/type1_font_file.h"
#include "postscript/type1_font_writer.h"

namespace sorvella {

DocumentHooks standardDocumentHooks(const EncodingRegistry& registry, const Options& options,
                                    const SystemFonts& systemFonts) {
  DocumentHooks hooks;
  hooks.importCidFont = [](const std::filesystem::path& file, const AddSubsetFontCallback& add,
                           const ProgressCallback& progress) {
    return importCidFont(file, add, progress);
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
  hooks.readTrueTypeFont = [&options](const std::filesystem::path& file, SubsetFont& font,
                                      bool refuseLarge, const ProgressCallback& progress) {
    return static_cast<int>(readTrueTypeBaseFont(file, font, refuseLarge, options, progress));
  };
  // The digits are made once, when the first index font asks for them.
  hooks.makeIndexGlyphs = [maker = std::make_shared<IndexFontMaker>(systemFonts)](
                              SubsetFont& font, uint32_t first, uint32_t last) {
    return maker->fill(font, first, last);
  };
  return hooks;
}

}  // namespace sorvella
