// The program-wide model of the diagram: what it shows, in which colour, and
// the fixed layout rectangles the renderer draws at.
#pragma once

#include <array>
#include <cstdint>

#include "argb_color.h"
#include "float_rect.h"

namespace graphics {
class Bitmap;
}

namespace diagram {

using graphics::FloatRect;

// Shells 1 (innermost) to 7; shell k lives at index k - 1 of the arrays below.
inline constexpr int kShellCount = 7;

struct DiagramParameters {
    std::int32_t nuclearCharge = 0;
    // Electrons per shell; a shell is drawn only when its count is above 0.
    std::array<std::int32_t, kShellCount> shellCounts{};
    // Colour of every line and text, in the toolkit's RGB form.
    ToolkitColor drawColor = 0;
    // 1: the next rendering fills its picture white first and resets this to
    // 0; any other value leaves the background transparent.
    std::int32_t whiteBackground = 0;

    // Size of the picture: the width is chosen by every rendering.
    FloatRect bitmapSize{};
    FloatRect nucleusEllipse{};
    FloatRect nucleusLabelBox{};
    std::array<FloatRect, kShellCount> shellLabelBoxes{};
};

// The one model of the program.
extern DiagramParameters diagramParameters;

// The picture of the latest rendering; null before createDiagramGlobals and
// after releaseDiagramGlobals. Only drawn from and encoded, never drawn on.
extern graphics::Bitmap* diagramBitmap;

// Program start: an empty diagramBitmap, every value and rectangle 0, and
// releaseDiagramGlobals registered to run at exit. Later calls do nothing.
void createDiagramGlobals();

// The defaults the main window starts from: charge 118, shells 2, 8, 18, 32,
// 32, 18, 8, the layout rectangles, height 120, black. whiteBackground is
// left as it is.
void setDefaultParameters();

// Program exit: destroys diagramBitmap (disposing any picture it holds) and
// clears the rectangles.
void releaseDiagramGlobals();

}  // namespace diagram
