#pragma once

// A sheet of exercises as a document: the equations numbered, then the key of each on a page
// of its own, taken from the exact solution of the equation. The text, LaTeX and MathML
// writers of document/ write it.

#include "document/document.h"
#include "exercises/exercise_generator.h"

#include <optional>
#include <string>
#include <vector>

// The kinds by the names the command line takes: "elipsa", "kruznica", ..., "bilo-koja".
const char* kindName(ExerciseKind kind);
std::optional<ExerciseKind> kindNamed(const std::string& name);
// "elipsa, kruznica, ..., bilo-koja"
std::string kindNames();

// The equation as people type it: "5x^2 + 4xy + 8y^2 - 32x - 56y + 80 = 0".
Expr typedEquation(const Exercise& exercise);

// "Elipsa:", then the canonical form, the centre or the vertex, tg, cos and sin phi and the
// numbers of the curve (a, b, c, e; r; p, e; d).
std::vector<Block> exerciseKey(const Exercise& exercise);

// The title with the seed and the options, the exercises, then their key on a new page.
Document sheetDocument(const SheetRequest& request, const std::vector<Exercise>& exercises);

// For the page: one new exercise's key, and the sheet of a request, as HTML with MathML; the
// sheet as a LaTeX file to print.
std::string exerciseKeyHtml(const Exercise& exercise);
std::string sheetHtml(const SheetRequest& request);
std::string sheetLatex(const SheetRequest& request);
