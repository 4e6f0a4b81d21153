#include "postscript/program_encodings.h"

#include "platform/data_location.h"

namespace sorvella {

const EncodingRegistry& programEncodings() {
  static const EncodingRegistry registry = [] {
    EncodingRegistry r;
    r.scanFolder(dataFolder());
    return r;
  }();
  return registry;
}

}  // namespace sorvella
