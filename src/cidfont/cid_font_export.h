// "Export" of the CID font as a CIDFont resource: the CID font's information and the glyph
// of every placed character, handed to the CIDFont writer.
#pragma once

#include <filesystem>

#include "cidfont/cid_font.h"
#include "platform/progress_callback.h"
#include "postscript/cid_font_writer.h"

namespace sorvella {

// CIDs 0 to the range top; a CID 0 without a character gets an empty .notdef glyph.
CidExport exportCidFont(const CCidFont& font, const SubsetFontSource& source,
                        const ProgressCallback& progress = {});

// exportCidFont written through a temporary file.
CidExportResult writeCidFont(const CCidFont& font, const std::filesystem::path& path,
                             const SubsetFontSource& source, const ProgressCallback& progress = {});

}  // namespace sorvella
