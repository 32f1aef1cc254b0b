#include "app/conic.h"
#include "scene/curve.h"
#include "scene/frames.h"
#include "scene/reduction_record.h"
#include "scene/scene.h"

#include <cstdio>

// Segments of the curve come before the frame axes; straight curve lines come after them,
// so that a curve line lying on an axis is drawn over it and stays visible.
void Conic::traceCurve(CurveKind kind, Matrix reflection, Matrix rotation, Matrix translation,
                       const CurveShapes& curve) {
    if (kind == Ellipse) {
        const SemiAxes axes = semiAxes(*this);
        std::printf("Brojevi %f i %f", static_cast<double>(axes.a), static_cast<double>(axes.b));
    }
    for (const Segment& s : curve.segments) {
        addSegment(s, kCurveColor);
    }
    addCoordinateFrames(reflection, rotation, translation);
    for (const Line& l : curve.lines) {
        addLine(l, kCurveColor);
    }
    recordReduction(*this, kind, reflection, rotation, translation);
}

void Conic::traceCurve(CurveKind kind, Matrix reflection, Matrix rotation, Matrix translation) {
    traceCurve(kind, reflection, rotation, translation, sampleCurve(*this, kind));
}
