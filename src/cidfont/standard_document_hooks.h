// The readers and writers the document commands use for other font formats, as one set of
// hooks that the batch tool and the GUI share.
#pragma once

#include "cidfont/document_environment.h"
#include "postscript/encoding_registry.h"

namespace sorvella {

// `registry` must outlive the hooks (the Type 1 reader resolves encodings through it).
DocumentHooks standardDocumentHooks(const EncodingRegistry& registry);

}  // namespace sorvella
