// The Paint Options kept in the options record: the brush width, the calligraphic direction
// as an angle and "Automatically activate Transform operation".
#pragma once

#include "cidfont/settings.h"
#include "editor/paint_objects.h"

namespace sorvella {

// The options record's brush as Paint Options; cap, join and polygon mode take their defaults.
PaintOptions paintOptionsFrom(const Options& options);
// Writes width, direction and the transform flag back; the other fields stay.
void storePaintOptions(const PaintOptions& paint, Options& options);

}  // namespace sorvella
