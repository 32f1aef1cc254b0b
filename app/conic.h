#pragma once

#include "geometry/matrica"

#include <string>
#include <string_view>

struct CurveShapes;
struct ExactConic;
class TextSource;

// The code of the reduced curve, handed from the reduction to the curve tracing.
using CurveKind = int;

enum : CurveKind {
    Ellipse = 1,
    Hyperbola = 2,
    Parabola = 3,
    IntersectingLines = 4,
    ParallelLines = 5,
    DoubleLine = 6,
    // Never handed to the tracing: the reduction records it for the window, which can name
    // the point although it draws nothing of it at first.
    SinglePoint = 7,
};

// a11*X^2 + 2*a12*X*Y + a22*Y^2 + 2*a13*X + 2*a23*Y + a33 = 0, stored as the entries of the
// symmetric 3x3 matrix of the quadratic form: the X*Y, X and Y coefficients are stored
// halved, and shown doubled again wherever the user sees them.
struct Conic {
    float a11 = 0.0f;
    float a12 = 0.0f;
    float a22 = 0.0f;
    float a13 = 0.0f;
    float a23 = 0.0f;
    float a33 = 0.0f;

    // Prints the reduction step by step and rewrites the fields into canonical form.
    // Returns 0 when there is a picture to show (the curve has been traced into the scene,
    // or the curve is a single point and the scene stays empty), 1 otherwise.
    int reduceConic();
    // The same, with every branch decided from the equation as typed, exactly: the record
    // holds its floats.
    int reduceConic(const ExactConic& typed);

    // Appends the canonical curve of the given kind and the axes of the four coordinate
    // frames to the scene, and prints the frame legends.
    void traceCurve(CurveKind kind, Matrix reflection, Matrix rotation, Matrix translation);
    // The same with the curve already sampled from this record (sampleCurve in scene/), for a
    // caller that has sampled it to check it first.
    void traceCurve(CurveKind kind, Matrix reflection, Matrix rotation, Matrix translation,
                    const CurveShapes& curve);
};

// Prompts on standard output for the six coefficients and reads them from the text, into the
// record of floats and, exactly as typed, into `exact`. A word that is not a number is named
// and its prompt comes again. At the first prompt, a line that holds x or y and an "=", a
// power or a second-order term is read as the whole equation ("x^2/9 + y^2/4 = 1"), as
// readConicEquation reads it, after a line that says so; when it is refused, the first prompt
// comes again. Returns false, with the reason printed and the records untouched, when the
// text ends before six numbers, or when it does not look like typed numbers at all.
bool readConic(Conic& conic, ExactConic& exact, TextSource& text);
// The same from standard input.
bool readConic(Conic& conic, ExactConic& exact);

// The six coefficients from an equation as people write it, without prompts: they are
// echoed, or one line says why the equation is refused (and false is returned). The records
// are filled as if the six had been typed.
bool readConicEquation(std::string_view equation, Conic& conic, ExactConic& exact);

// The equation as one line, with the X*Y, X and Y coefficients doubled back.
std::string equationLine(const Conic& conic);
// Prints that line.
void printConic(const Conic& conic);
