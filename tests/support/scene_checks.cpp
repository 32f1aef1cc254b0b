#include "scene_checks.h"

#include "scene/curve.h"
#include "scene/scene.h"

bool sceneIsFinite() {
    return isFinite(CurveShapes{sceneSegments, sceneLines}) && isFinite(boxMin) && isFinite(boxMax);
}
