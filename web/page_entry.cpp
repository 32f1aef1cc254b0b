// The page's entry. The program is the native one; what differs is how the numbers arrive
// (the page hands over the six fields as the text a user would type), where the text goes
// (standard output, which the page collects and shows), that one canvas shows one equation
// after another (the scene is emptied and shown anew, in its first view, for each), and what
// the page adds around the picture: the equation and its six coefficients in fields of their
// own, the exact solution as MathML and LaTeX, the canvas sized to its column, the fingers of
// a touch screen and buttons for the keys.
#include "app/conic.h"
#include "app/word_reader.h"
#include "document/latex_writer.h"
#include "document/mathml_writer.h"
#include "document/text_writer.h"
#include "equation/equation_reader.h"
#include "exact/exact_conic.h"
#include "scene/scene.h"
#include "solution/form.h"
#include "solution/solution.h"
#include "viewer/navigation.h"
#include "viewer/view_actions.h"
#include "viewer/view_steps.h"
#include "viewer/viewer.h"

#include <GL/glut.h>
#include <emscripten.h>

#include <cstdio>
#include <string>

namespace {

// The last equation read: its exact numbers, whose solution is written when the page first asks
// for it (after the picture), its six coefficients as words for the fields, and the equation
// written out for the equation's field.
bool readLast = false;
ExactConic lastRead;
bool solutionWritten = false;
std::string solutionHtml;
std::string solutionLatex;
std::string coefficients;
std::string writtenEquation;

// A coefficient as a word that konika's reading takes back exactly: an integer or a decimal
// where the value has one ("-32", "0.25"), which reads more easily in a field, else the
// equation reader's fraction ("1/9"). A decimal's denominator divides a power of ten with no
// more digits than the denominator has bits.
std::string fieldWord(const Rational& value) {
    namespace mp = boost::multiprecision;
    const Integer denominator = mp::denominator(value);
    Integer scale = 1;
    std::size_t digits = 0;
    for (; scale % denominator != 0; ++digits) {
        if (digits > mp::msb(denominator)) {
            return coefficientWord(value);
        }
        scale *= 10;
    }
    std::string word = mp::abs(mp::numerator(value) * (scale / denominator)).str();
    if (digits > 0) {
        if (word.size() <= digits) {
            word.insert(0, digits + 1 - word.size(), '0');
        }
        word.insert(word.size() - digits, ".");
    }
    return value < 0 ? "-" + word : word;
}

// The six coefficients as typed: the matrix's off-diagonal entries doubled back.
std::string coefficientWords(const ExactConic& typed) {
    const Rational typedValues[] = {typed.a11,     typed.a12 * 2, typed.a22,
                                    typed.a13 * 2, typed.a23 * 2, typed.a33};
    std::string words;
    for (const Rational& value : typedValues) {
        words += (words.empty() ? "" : "\n") + fieldWord(value);
    }
    return words;
}

} // namespace

// Reads the equation from the typed text, length bytes that may hold any byte, as the console
// reads what is typed at its prompts, and reduces it, printing every step as the console program
// does. Returns 1 when there is a picture, which the canvas then shows in its first view, and 0
// when the reduction ends without one.
extern "C" EMSCRIPTEN_KEEPALIVE int reduceEquation(const char* typed, int length) {
    clearScene();
    StringSource text(std::string(typed, length));
    Conic conic;
    ExactConic exact;
    const bool read = readConic(conic, exact, text);
    const bool picture = read && conic.reduceConic(exact) == 0;
    std::fflush(stdout);
    readLast = read;
    lastRead = exact;
    solutionWritten = false;
    coefficients.clear();
    writtenEquation.clear();
    if (read) {
        coefficients = coefficientWords(exact);
        writtenEquation = textOf(equationOf(formOf(exact), {"x", "y"}));
    }
    if (picture) {
        showScene();
    }
    return picture ? 1 : 0;
}

// The exact solution of the last equation: an HTML fragment with MathML, and a LaTeX file;
// empty when it was not read.
static void writeSolution() {
    if (solutionWritten) {
        return;
    }
    solutionHtml.clear();
    solutionLatex.clear();
    if (readLast) {
        const Document solution = exactSolution(lastRead);
        solutionHtml = htmlOf(solution);
        solutionLatex = latexOf(solution);
    }
    solutionWritten = true;
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* exactSolutionHtml() {
    writeSolution();
    return solutionHtml.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* exactSolutionLatex() {
    writeSolution();
    return solutionLatex.c_str();
}

// The six coefficients of the last equation, one a line, and the equation written out
// ("5*x^2 + 4*x*y + 8*y^2 - 32*x - 56*y + 80 = 0"); empty when it was not read.
extern "C" EMSCRIPTEN_KEEPALIVE const char* typedCoefficients() {
    return coefficients.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* typedEquation() {
    return writtenEquation.c_str();
}

// The canvas's drawing buffer at its size on the page: the first view framed anew for it.
extern "C" EMSCRIPTEN_KEEPALIVE void resizePicture(int width, int height) {
    glutReshapeWindow(width, height);
}

// A key of the window, from a button of the page.
extern "C" EMSCRIPTEN_KEEPALIVE void pressKey(int key) {
    onKey(static_cast<unsigned char>(key), 0, 0);
}

// One finger moved the picture by so many pixels of the drawing buffer (y downwards).
extern "C" EMSCRIPTEN_KEEPALIVE void dragPicture(double dx, double dy) {
    panPicture({dx, dy});
    glutPostRedisplay();
}

// Two fingers moved from (x1, y1), (x2, y2) to (u1, v1), (u2, v2), in pixels of the drawing
// buffer: the picture follows them, grown, shrunk and turned with them.
extern "C" EMSCRIPTEN_KEEPALIVE void pinchPictureWith(double x1, double y1, double x2, double y2,
                                                      double u1, double v1, double u2, double v2) {
    pinchPicture(pinchStep({x1, y1, x2, y2}, {u1, v1, u2, v2}));
    glutPostRedisplay();
}

// Opens the window on the page's canvas, still empty, and returns to the browser, which
// then delivers the window's events; the equations come through reduceEquation.
int main(int argc, char** argv) {
    openViewer(&argc, argv);
    glutMainLoop();
    return 0;
}
