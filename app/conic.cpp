#include "app/conic.h"

#include <cstdio>

namespace {

// A coefficient that cannot be read is 0. The rest of the unreadable word is skipped, so
// the next prompt reads the next word instead of failing on the same one again.
float readCoefficient(const char* prompt) {
    std::printf("%s", prompt);
    float value = 0.0f;
    if (std::scanf("%f", &value) == 1) {
        return value;
    }
    const int skipped = std::scanf("%*[^ \t\r\n]");
    static_cast<void>(skipped);
    return 0.0f;
}

// Positive values carry an explicit "+", negative ones the minus sign of the number format;
// a zero (or NaN) prints nothing.
void printSignedTerm(double value, const char* positiveFormat, const char* negativeFormat) {
    if (value > 0) {
        std::printf(positiveFormat, value);
    } else if (value < 0) {
        std::printf(negativeFormat, value);
    }
}

} // namespace

void readConic(Conic& conic) {
    conic.a11 = readCoefficient("Unesite koeficijent uz X^2\n");
    conic.a12 = static_cast<float>(readCoefficient("Unesite koeficijent ux XY\n") * 0.5);
    conic.a22 = readCoefficient("Unesite koeficijent ux Y^2\n");
    conic.a13 = static_cast<float>(readCoefficient("Unesite koeficijent ux X\n") * 0.5);
    conic.a23 = static_cast<float>(readCoefficient("Unesite koeficijent ux Y\n") * 0.5);
    conic.a33 = readCoefficient("Unesite slobodan clan\n");
}

void printConic(const Conic& conic) {
    // The X^2 term never has a "+"; it is printed whenever a11 is not zero, NaN included.
    if (conic.a11 != 0.0f) {
        std::printf("%5.2f*X^2 ", static_cast<double>(conic.a11));
    }
    printSignedTerm(2.0 * conic.a12, "+%5.2f*X*Y ", "%5.2f*X*Y ");
    printSignedTerm(conic.a22, "+%5.2f*Y^2 ", "%5.2f*Y^2 ");
    printSignedTerm(2.0 * conic.a13, "+%5.2f*X ", "%5.2f*X ");
    printSignedTerm(2.0 * conic.a23, "+%5.2f*Y ", "%5.2f*Y ");
    // A positive free term gets five decimals, a negative one two.
    printSignedTerm(conic.a33, "+%7.5f ", "%5.2f ");
    std::printf("\n");
}
