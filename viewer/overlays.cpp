#include "viewer/overlays.h"

#include "scene/elements.h"
#include "scene/reduction_record.h"
#include "viewer/overlay_drawing.h"

#include <cstdio>

Overlays overlays;

namespace {

// Worked out once, from the record of the reduction, when they are first asked for.
const CurveElements& shownElements() {
    static const CurveElements elements =
        curveElements(reductionRecord.canonical, reductionRecord.kind, reductionRecord.reflection,
                      reductionRecord.rotation, reductionRecord.translation);
    return elements;
}

} // namespace

void toggleElements() {
    overlays.elements = !overlays.elements;
    if (overlays.elements) {
        std::fputs(elementsText(shownElements()).c_str(), stdout);
        std::fflush(stdout);
    }
}

void drawUnderlays() {
    if (overlays.grid) {
        drawGrid();
    }
}

void drawOverlays() {
    if (overlays.elements) {
        drawElements(shownElements());
    }
    if (overlays.help) {
        drawHelp();
    }
}
