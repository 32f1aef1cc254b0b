// The equation as students write it, read into its six coefficients. Every expected value is
// worked out by hand from the equation (expanded, moved to the left side and collected).
#include "equation/equation_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Rational q(long numerator, long denominator = 1) {
    return Rational(numerator, denominator);
}

struct Read {
    const char* text;
    Rational x2, xy, y2, x, y, constant;
};

TEST(EquationReader, ReadsTheFormsStudentsWrite) {
    const Read cases[] = {
        {"5x^2 + 4xy + 8y^2 - 32x - 56y + 80 = 0", 5, 4, 8, -32, -56, 80},
        {"x^2/9 + y^2/4 = 1", q(1, 9), 0, q(1, 4), 0, 0, -1},
        // x^2/9 - 4x/9 + 4/9 + y^2/4 - 3y/2 + 9/4 - 1: 16/36 + 81/36 - 36/36.
        {"(x - 2)^2/9 + (y - 3)^2/4 = 1", q(1, 9), 0, q(1, 4), q(-4, 9), q(-3, 2), q(61, 36)},
        {"y = x^2 - 4x + 3", -1, 0, 0, 4, 1, -3},
        {"x^2 = 4y", 1, 0, 0, 0, -4, 0},
        {"xy = 1", 0, 1, 0, 0, 0, -1},
        // x^2 - 2xy + xy - 2y^2 - x + 2y.
        {"(x + y - 1)(x - 2y) = 0", 1, -1, -2, -1, 2, 0},
        {"(x+1)(y-2) = 0", 0, 1, 0, -2, 1, -2},
        // (x^2 - 2x + 1) * 2/3 + y^2 - 1.
        {"(x-1)^2/(3/2) + y^2 = 1", q(2, 3), 0, 1, q(-4, 3), 0, q(-1, 3)},
        {"3x^2y^0 + X*Y - Y^2", 3, 1, -1, 0, 0, 0},
        {"x^3 - x^3 + x^2 + y^2 = 1", 1, 0, 1, 0, 0, -1},
        // (x + y)^3 is x^3 + 3x^2y + 3xy^2 + y^3, all of it taken away again.
        {"(x + y)^3 - x^3 - 3x^2y - 3xy^2 - y^3 + x^2 - y = 0", 1, 0, 0, 0, -1, 0},
        {"1,5x^2 + 2(x - 1) = 0,5y\xC2\xB2", q(3, 2), 0, q(-1, 2), 2, 0, -2},
        {".5x^2 - x/4 = 0", q(1, 2), 0, 0, q(-1, 4), 0, 0},
        // A negative divisor; sixths and tenths over the common denominator 60.
        {"x^2/(-4) + y^2/(1 - 3) = 1", q(-1, 4), 0, q(-1, 2), 0, 0, -1},
        {"x^2/6 + y^2/10 = 1/15", q(1, 6), 0, q(1, 10), 0, 0, q(-1, 15)},
        {"x^2 = 12345678901234567890123y", 1, 0, 0, 0,
         -Rational(Integer("12345678901234567890123")), 0},
        {"0.1x^2 + 0.2y^2 = 0.3", q(1, 10), 0, q(1, 5), 0, 0, q(-3, 10)},
        {"2(x - 1) + x*x = - -y*y", 1, 0, -1, 2, 0, -2},
        {"  x ^ 2\t+ y\xC2\xA0^2 = 0.25 ", 1, 0, 1, 0, 0, q(-1, 4)},
        // The minus sign, the middle dot and the cross, the en dash and the division sign.
        {"x\xC2\xB2 \xE2\x88\x92 4\xC2\xB7y\xC2\xB2 = 4", 1, 0, -4, 0, 0, -4},
        {"3\xC3\x97x\xC2\xB2 + 2\xC2\xB7x\xC2\xB7y \xE2\x80\x93 y\xC2\xB2 = 0", 3, 2, -1, 0, 0, 0},
        {"x^2 \xC3\xB7 4 \xE2\x80\x93 y^2 = 1", q(1, 4), 0, -1, 0, 0, -1},
    };
    for (const Read& c : cases) {
        const EquationReading reading = readEquation(c.text);
        ASSERT_TRUE(reading.accepted) << c.text << ": " << reading.refusal;
        const EquationCoefficients& r = reading.coefficients;
        EXPECT_EQ(r.x2, c.x2) << c.text;
        EXPECT_EQ(r.xy, c.xy) << c.text;
        EXPECT_EQ(r.y2, c.y2) << c.text;
        EXPECT_EQ(r.x, c.x) << c.text;
        EXPECT_EQ(r.y, c.y) << c.text;
        EXPECT_EQ(r.constant, c.constant) << c.text;
    }
}

TEST(EquationReader, RefusesWithWhatAndWhere) {
    const std::pair<std::string, std::string> cases[] = {
        {"(x+1)^3 = 0", "Posle sredjivanja ostaje clan x^3, treceg stepena, a jednacina mora biti "
                        "drugog stepena."},
        {"x^2*y = 1", "Posle sredjivanja ostaje clan x^2y, treceg stepena, a jednacina mora biti "
                      "drugog stepena."},
        {"x*y*y - y^2 = 1", "Posle sredjivanja ostaje clan xy^2, treceg stepena, a jednacina mora "
                            "biti drugog stepena."},
        {"(x+1)^3*(x+1) = 0",
         "Na mestu 8: stepen bi presao 3, a jednacina mora biti drugog stepena."},
        {"x^4 + y^2 = 1", "Na mestu 2: izlozilac mora biti ceo broj od 0 do 3."},
        {"3x + 2 = 0", "Ono sto ste uneli nije kriva drugog reda!"},
        {"x^2 - x^2 + y = 0", "Ono sto ste uneli nije kriva drugog reda!"},
        {"2 + 3 = 5", "U jednacini nema ni x ni y."},
        {"1/x + y^2 = 1", "Na mestu 2: deljenje sa x ili y nije dozvoljeno."},
        {"x^2/0 = 1", "Na mestu 4: deljenje nulom."},
        {"x^2/(y - y) = 1", "Na mestu 4: deljenje nulom."},
        {"sqrt(x) + y^2 = 1",
         "Na mestu 1: \"sqrt\" je funkcija, a jednacina sme da ima samo polinom po x i y."},
        {"x^2 + \xE2\x88\x9Ay = 1",
         "Na mestu 7: koren nije dozvoljen, jednacina sme da ima samo polinom po x i y."},
        {"(x + 1^2 = 0", "Na mestu 1: zagrada \"(\" nije zatvorena."},
        {"x + 1)^2 = 0", "Na mestu 6: zagrada \")\" nije otvorena."},
        {"x^2 = y = 1", "Na mestu 9: drugi znak \"=\", a jednacina ima samo jedan."},
        {"x^2 + z^2 = 1", "Na mestu 7: nepoznato slovo \"z\" (promenljive su x i y)."},
        {"x^2 + abc = 1", "Na mestu 7: nepoznata rec \"abc\" (promenljive su x i y)."},
        {"x^2 # y", "Na mestu 5: nepoznat znak \"#\"."},
        {"x\xC2\xB2 + y\xE2\x82\xAC = 1", "Na mestu 7: nepoznat znak."},
        {"= x^2", "Leva strana jednacine je prazna."},
        {"x^2 + y^2 =", "Desna strana jednacine je prazna."},
        {" \t", "Jednacina je prazna."},
        {"(x+1)^999999999 = 0", "Na mestu 6: izlozilac mora biti ceo broj od 0 do 3."},
        {"x^-1", "Na mestu 2: izlozilac mora biti ceo broj od 0 do 3."},
        {"x^2.5", "Na mestu 2: izlozilac mora biti ceo broj od 0 do 3."},
        {"x2 + y2 = 1", "Na mestu 2: broj bez znaka racunanja ispred sebe (stepen se pise x^2, "
                        "proizvod 2x ili 2*x)."},
        {"x^2 + * y = 1", "Na mestu 7: ovde se ocekuje broj, x, y ili zagrada."},
        {"x^2 + y^2 +", "Na mestu 12: jednacina je nedovrsena."},
        {"x^2 + ) = 1", "Na mestu 7: zagrada \")\" nije otvorena."},
        {"(x + ) = 1", "Na mestu 6: ovde se ocekuje broj, x, y ili zagrada."},
        {"x^2^2 = y", "Na mestu 4: stepen ne moze da stoji odmah posle stepena."},
        {"(x^2\xC2\xB2) = y", "Na mestu 5: stepen ne moze da stoji odmah posle stepena."},
        {"SQRT(x^2) = y",
         "Na mestu 1: \"SQRT\" je funkcija, a jednacina sme da ima samo polinom po x i y."},
        // 10^243 (808 bits) is kept; its cube is not computed.
        {"(((((10^3)^3)^3)^3)^3)^3 x^2 = 1", "Na mestu 23: brojevi postaju predugi."},
        {"x^2 = " + std::string(310, '7'), "Na mestu 7: broj je predug."},
        {"x^2 = 0." + std::string(309, '7'), "Na mestu 7: broj je predug."},
        // Over 10^243 twice, and over 10^243 and 10^243 + 1 added up: the denominators alone
        // would pass 1024 bits.
        {"x/(((((10^3)^3)^3)^3)^3)/(((((10^3)^3)^3)^3)^3) = y^2",
         "Na mestu 25: brojevi postaju predugi."},
        {"x^2/(((((10^3)^3)^3)^3)^3) + x^2/((((((10^3)^3)^3)^3)^3) + 1) = y",
         "Na mestu 28: brojevi postaju predugi."},
        {"(x^2)^2 = y", "Na mestu 6: stepen bi presao 3, a jednacina mora biti drugog stepena."},
        {std::string(101, '(') + "x" + std::string(101, ')'),
         "Na mestu 101: vise od 100 zagrada jedna u drugoj."},
        {"x^2 = " + std::string(4091, '1'), "Jednacina je duza od 4096 znakova."},
    };
    for (const auto& [text, refusal] : cases) {
        const EquationReading reading = readEquation(text);
        EXPECT_FALSE(reading.accepted) << text;
        EXPECT_EQ(reading.refusal, refusal) << text.substr(0, 60);
    }
}

} // namespace
