#pragma once

#include "document/document.h"
#include "exact/exact_conic.h"

// The worked exercise in exact numbers, step by step along the way of the reduction that the
// printed float steps take (the same translation, angle, order and exchange of the axes),
// to the canonical form, the map back to the typed coordinates and the elements of the curve.
// Where its numbers would be too long to be written exactly, the document says so in one line.
Document exactSolution(const ExactConic& typed);
