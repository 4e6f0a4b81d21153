// The one progress callback of long operations: a range, positions within it, and a query for
// the cancel flag. The GUI shows a dialog, the command line a bar, tests record the calls.
#pragma once

#include <cstdint>
#include <functional>

namespace sorvella {

enum ProgressKind : int {
  kProgressCancelQuery = 0,  // a and b unused
  kProgressPosition = 1,     // a = position
  kProgressRange = 2,        // a = first, b = last
};

// A non-zero result asks the operation to cancel.
using ProgressCallback = std::function<int(int kind, int64_t a, int64_t b)>;

}  // namespace sorvella
