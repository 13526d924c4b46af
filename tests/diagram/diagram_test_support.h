// Shared by the diagram tests: the program's start-up for one test process,
// and the pixels of a rendered picture as a QImage.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "graphics_session.h"

namespace diagram_test {

// What the program does around its window: the globals, then the engine;
// at the end the picture is disposed before the engine stops, as the
// window's destruction does.
class DiagramEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        diagram::createDiagramGlobals();
        graphics::GraphicsSession::InitializeModule();
    }
    void TearDown() override {
        if (diagram::diagramBitmap) diagram::diagramBitmap->DisposeBitmap();
        graphics::GraphicsSession::Stop();
    }
};

// The defaults with a transparent background.
inline void resetModel() {
    diagram::setDefaultParameters();
    diagram::diagramParameters.whiteBackground = 0;
}

// The picture's straight ARGB pixels; a null image when it holds none.
inline QImage pixelsOf(graphics::Bitmap& bitmap) {
    if (!bitmap.IsValid()) return {};
    const int width = int(bitmap.GetImageWidth());
    const int height = int(bitmap.GetImageHeight());
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) row[x] = bitmap.BitmapGetPixel(x, y);
    }
    return image;
}

}  // namespace diagram_test
