#pragma once

#include "exact/rational.h"

// The number the user typed to get the stored float: the shortest decimal of at most 6
// significant digits that reads back as exactly this float (to nearest, as the input is
// read), the nearest to it among equally short ones. Six digits never map two such decimals
// to one normal float, so the number is the typed one whenever it had 6 digits or fewer.
// Where no such decimal exists, the float's own binary value. Needs a finite float.
Rational typedNumber(float stored);
