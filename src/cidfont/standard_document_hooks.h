// The readers and writers the document commands use for other font formats, as one set of
// hooks that the batch tool and the GUI share.
#pragma once

#include "cidfont/document_environment.h"
#include "cidfont/settings.h"
#include "platform/system_fonts.h"
#include "postscript/encoding_registry.h"

namespace sorvella {

// The three must outlive the hooks: the Type 1 reader resolves encodings through `registry`,
// TrueType glyphs are autohinted as `options` say, and index fonts take their digits from a
// font of `systemFonts`.
DocumentHooks standardDocumentHooks(const EncodingRegistry& registry, const Options& options,
                                    const SystemFonts& systemFonts);

}  // namespace sorvella
