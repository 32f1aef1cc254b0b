#pragma once

#include "app/conic.h"

// What the reduction ended with, kept for the window, which explains the curve on demand: the
// canonical record, the kind and the three transforms. The tracing fills it (and the reduction
// for a single point, which is not traced); kind 0 means nothing was recorded.
struct ReductionRecord {
    Conic canonical;
    CurveKind kind = 0;
    Matrix reflection;
    Matrix rotation;
    Matrix translation;
};

// Program-wide, like the scene, and emptied with it.
extern ReductionRecord reductionRecord;

void recordReduction(const Conic& canonical, CurveKind kind, Matrix reflection, Matrix rotation,
                     Matrix translation);
