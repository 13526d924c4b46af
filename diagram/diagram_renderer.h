// Turns the model into a picture and leaves a copy of it in diagramBitmap.
#pragma once

#include <array>
#include <cstdint>

#include "diagram_parameters.h"

namespace diagram {

// Width of the picture: 180, plus 50 for each shell beyond the first up to
// the outermost one among shells 2..7 whose count is above 0. Shell 1 never
// widens it.
int widthForShells(const std::array<std::int32_t, kShellCount>& shellCounts);

// Draws the nucleus with "+charge" and one bracket with its count per
// occupied shell, on a fresh picture with fresh tools, then hands a copy to
// diagramBitmap (which drops its previous picture) and releases everything
// else. Sets bitmapSize's width and resets whiteBackground after using it.
// Needs createDiagramGlobals and a started graphics session; failures of
// single steps leave parts undrawn and are not reported.
void renderDiagram();

}  // namespace diagram
