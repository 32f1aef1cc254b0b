#include "viewer/overlays.h"

#include "scene/elements.h"
#include "scene/reduction_record.h"
#include "viewer/overlay_drawing.h"

#include <cstdio>
#include <optional>

Overlays overlays;

namespace {

// Worked out once for the scene, from the record of its reduction, when first asked for.
std::optional<CurveElements> elementsOfScene;

const CurveElements& shownElements() {
    if (!elementsOfScene) {
        elementsOfScene =
            curveElements(reductionRecord.canonical, reductionRecord.kind,
                          reductionRecord.reflection, reductionRecord.rotation,
                          reductionRecord.translation);
    }
    return *elementsOfScene;
}

} // namespace

void resetOverlays() {
    overlays = Overlays{};
    elementsOfScene.reset();
}

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
