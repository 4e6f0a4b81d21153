// The Paint Options kept in the options record: the brush width, the calligraphic direction
// as an angle, the transform flag, and cap, join, brush kind and polygon mode in tool fields.
#pragma once

#include "cidfont/settings.h"
#include "editor/paint_objects.h"

namespace sorvella {

// The options record's brush as Paint Options; an unknown stored choice reads as the first.
PaintOptions paintOptionsFrom(const Options& options);
// Writes every Paint Option back; the record's other fields stay.
void storePaintOptions(const PaintOptions& paint, Options& options);

}  // namespace sorvella
