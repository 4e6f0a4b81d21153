// The import of a CIDFont resource as a new CID font: the reader's header becomes the CID
// font's information, its data section is split into subset fonts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "cidfont/cid_font.h"
#include "platform/progress_callback.h"
#include "postscript/cid_keyed_font_reader.h"

namespace sorvella {

// Parses the header and splits the whole file with the subset-font limit of 512 and every
// font dictionary selected. The CID font, or nothing when the header or the split failed;
// `status` receives the reader's status (kFinished when all went well).
std::unique_ptr<CCidFont> importCidKeyedFont(const std::filesystem::path& path,
                                             SubsetFontCallback callback,
                                             const ProgressCallback& progress = {},
                                             PSFontStatus* status = nullptr);

}  // namespace sorvella
