#include "diagram_parameters.h"

#include <cstdlib>

#include "bitmap.h"

namespace diagram {

DiagramParameters diagramParameters;
graphics::Bitmap* diagramBitmap = nullptr;

void createDiagramGlobals() {
    static bool created = false;
    if (created) return;
    created = true;

    diagramBitmap = new graphics::Bitmap;
    diagramParameters = DiagramParameters{};
    std::atexit(releaseDiagramGlobals);
}

void setDefaultParameters() {
    DiagramParameters& p = diagramParameters;
    p.nuclearCharge = 118;
    p.shellCounts = {2, 8, 18, 32, 32, 18, 8};
    p.nucleusEllipse = {10, 10, 100, 100};
    p.nucleusLabelBox = {25, 40, 90, 90};
    p.shellLabelBoxes[0] = {135, 40, 70, 70};
    for (int k = 2; k <= kShellCount; ++k) {
        p.shellLabelBoxes[k - 1] = p.shellLabelBoxes[0];
        p.shellLabelBoxes[k - 1].x = 135.0f + 50.0f * float(k - 1);
    }
    p.bitmapSize.x = 0;
    p.bitmapSize.y = 0;
    p.bitmapSize.height = 120;
    p.drawColor = toolkitRgb(0, 0, 0);
}

void releaseDiagramGlobals() {
    if (diagramBitmap) {
        diagramBitmap->Destroy();
        delete diagramBitmap;
        diagramBitmap = nullptr;
    }
    DiagramParameters& p = diagramParameters;
    p.bitmapSize = {};
    p.nucleusEllipse = {};
    p.nucleusLabelBox = {};
    p.shellLabelBoxes = {};
}

}  // namespace diagram
