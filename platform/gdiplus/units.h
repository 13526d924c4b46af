// Lengths in GDI+ units.
#pragma once

#include <QtGlobal>

#include "gdiplus_types.h"

namespace engine {

// Pixels per unit of `unit` at `dpi`. World, display and pixel units count
// as pixels: the graphics state scales world units on its own.
qreal pixelsPerUnit(GpUnit unit, qreal dpi);

}  // namespace engine
