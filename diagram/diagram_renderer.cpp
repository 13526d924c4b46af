#include "diagram_renderer.h"

#include <string>

#include "bitmap.h"
#include "font.h"
#include "pen.h"
#include "solid_brush.h"
#include "string_format.h"
#include "toolkit/text_conversion.h"

namespace diagram {

namespace {

constexpr float kPenWidth = 2.0f;
constexpr float kLabelEmSize = 36.0f;
constexpr const char* kLabelFamily = "Times New Roman";
constexpr int kSmoothingModeHighQuality = 2;
constexpr int kTextRenderingHintAntiAliasGridFit = 3;

// Each text gets a format of its own that is never created, so the engine
// lays it out with its default: from the box's top-left, wrapped within it.
void drawLabel(graphics::Bitmap& picture, const std::string& text, const graphics::Font& font,
               const graphics::SolidBrush& brush, const FloatRect& box) {
    graphics::StringFormat format;
    picture.DrawString(text, font, brush, box, format);
    format.Destroy();
}

}  // namespace

int widthForShells(const std::array<std::int32_t, kShellCount>& shellCounts) {
    int outermost = 1;
    for (int k = 2; k <= kShellCount; ++k) {
        if (shellCounts[k - 1] > 0) outermost = k;
    }
    return 180 + 50 * (outermost - 1);
}

void renderDiagram() {
    DiagramParameters& p = diagramParameters;

    // 1. Tools, with both colours taken from drawColor as it is now.
    graphics::Pen pen;
    graphics::Font font;
    graphics::SolidBrush textBrush;
    graphics::SolidBrush backgroundBrush;
    const ArgbColor drawArgb = toArgbColor(p.drawColor);
    pen.CreatePen1(drawArgb, kPenWidth);
    font.CreateFromFamilyName(kLabelFamily, kLabelEmSize);
    textBrush.CreateSolidFill(drawArgb);
    backgroundBrush.CreateSolidFill(toArgbColor(toolkitRgb(255, 255, 255)));
    graphics::Bitmap picture;

    // 2. Size and creation; the float-to-int conversions truncate.
    p.bitmapSize.width = float(widthForShells(p.shellCounts));
    picture.CreateFromScan0(int(p.bitmapSize.width), int(p.bitmapSize.height));

    // 3. Background: white once when asked for, transparent otherwise.
    if (p.whiteBackground == 1) {
        picture.FillRectangle(backgroundBrush, p.bitmapSize.x, p.bitmapSize.y, p.bitmapSize.width,
                              p.bitmapSize.height);
        p.whiteBackground = 0;
    }

    // 4. Quality.
    picture.SetSmoothingMode(kSmoothingModeHighQuality);
    picture.SetTextRenderingHint(kTextRenderingHintAntiAliasGridFit);

    // 5. Nucleus and 6. its charge, written for every value (+0, +-3).
    const FloatRect& e = p.nucleusEllipse;
    picture.DrawEllipse(pen, e.x, e.y, e.width, e.height);
    drawLabel(picture, "+" + toolkit::integerToUtf8(p.nuclearCharge), font, textBrush, p.nucleusLabelBox);

    // 7. Shells: a bracket of two arcs with the count in its gap.
    for (int k = 1; k <= kShellCount; ++k) {
        const std::int32_t count = p.shellCounts[k - 1];
        if (count <= 0) continue;
        const float x = 50.0f * float(k);
        picture.DrawArc(pen, x, 0, 100, 100, -50, 40);
        picture.DrawArc(pen, x, 20, 100, 100, 10, 40);
        drawLabel(picture, toolkit::integerToUtf8(count), font, textBrush, p.shellLabelBoxes[k - 1]);
    }

    // 8. Hand-over: diagramBitmap drops its picture and takes a copy of
    // this one's pixels.
    diagramBitmap->DisposeBitmap();
    picture.CloneImage(*diagramBitmap);

    // 9. Release; Destroy deletes what is still held (the background brush,
    // the local picture and its drawing context).
    pen.DeletePen();
    font.DeleteFont();
    textBrush.DeleteBrush();
    pen.Destroy();
    font.Destroy();
    textBrush.Destroy();
    backgroundBrush.Destroy();
    picture.Destroy();
}

}  // namespace diagram
