#include "random_conics.h"

#include "traced_conic.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const char* const kDigits = "0123456789";

// The two-place decimal of a count of hundredths: 150 -> "1.50", -7 -> "-0.07".
std::string hundredthsText(long value) {
    const long magnitude = std::labs(value);
    return (value < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." +
           std::to_string(100 + magnitude % 100).substr(1);
}

} // namespace

Conic RandomConics::next() {
    std::uniform_int_distribution<int> style(0, 5);
    switch (style(engine_)) {
    case 0:
        return storedConic(smallInteger(), smallInteger(), smallInteger(), smallInteger(),
                           smallInteger(), smallInteger());
    case 1:
        return storedConic(decimal(-3, 3), decimal(-3, 3), decimal(-3, 3), decimal(-3, 3),
                           decimal(-3, 3), decimal(-3, 3));
    case 2:
        return storedConic(decimal(-18, 18), decimal(-18, 18), decimal(-18, 18), decimal(-18, 18),
                           decimal(-18, 18), decimal(-18, 18));
    case 3:
        return storedConic(decimal(-38, 38), decimal(-38, 38), decimal(-38, 38), decimal(-38, 38),
                           decimal(-38, 38), decimal(-38, 38));
    default:
        return parabolicPart();
    }
}

// Zero four times in ten, otherwise -9 to 9.
float RandomConics::smallInteger() {
    if (std::bernoulli_distribution(0.4)(engine_)) {
        return 0.0f;
    }
    return static_cast<float>(std::uniform_int_distribution<int>(-9, 9)(engine_));
}

// Zero one time in four, otherwise a typed decimal of 1 to 7 significant digits with a power
// of ten drawn from the range, read as the console reads it.
float RandomConics::decimal(int lowestPower, int highestPower) {
    if (std::bernoulli_distribution(0.25)(engine_)) {
        return 0.0f;
    }
    std::uniform_int_distribution<int> digitCount(1, 7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> power(lowestPower, highestPower);
    std::string text = std::bernoulli_distribution(0.5)(engine_) ? "-0." : "0.";
    const int digits = digitCount(engine_);
    for (int i = 0; i < digits; ++i) {
        text += kDigits[i == 0 ? 1 + digit(engine_) % 9 : digit(engine_)];
    }
    text += "e" + std::to_string(power(engine_));
    return std::strtof(text.c_str(), nullptr);
}

// w (p X + q Y)^2 with small integers p, q and a weight w that is a power of two (the
// coefficients are then exact floats) or a decimal with two places (typed as such); the
// linear and free terms are decimals or 0.
Conic RandomConics::parabolicPart() {
    std::uniform_int_distribution<int> factor(-6, 6);
    int p = 0;
    int q = 0;
    while (p == 0 && q == 0) {
        p = factor(engine_);
        q = factor(engine_);
    }
    const int x2 = p * p;
    const int xy = 2 * p * q;
    const int y2 = q * q;
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
    if (std::bernoulli_distribution(0.5)(engine_)) {
        const float w = std::ldexp(1.0f, std::uniform_int_distribution<int>(-10, 10)(engine_));
        a = w * static_cast<float>(x2);
        b = w * static_cast<float>(xy);
        c = w * static_cast<float>(y2);
    } else {
        const long hundredths = std::uniform_int_distribution<long>(1, 999)(engine_);
        const auto typed = [hundredths](int multiple) {
            return std::strtof(hundredthsText(hundredths * multiple).c_str(), nullptr);
        };
        a = typed(x2);
        b = typed(xy);
        c = typed(y2);
    }
    return storedConic(a, b, c, decimal(-2, 2), decimal(-2, 2), decimal(-2, 2));
}
