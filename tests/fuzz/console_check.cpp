#include "console_check.h"

#include "scene/scene.h"
#include "scene_checks.h"

namespace {

// Only segments widen the box from (1024, 700) - (0, 0).
bool boxIsInitial() {
    return boxMin.x == 1024.0f && boxMin.y == 700.0f && boxMax.x == 0.0f && boxMax.y == 0.0f;
}

// The eight frame axes in the colors of their frames, then the curve's own lines in red.
bool linesHaveTheirColors() {
    const ColorCode kAxisColors[] = {1, 2, 1, 2, 3, 4, 5, 6};
    for (std::size_t i = 0; i < sceneLines.size(); ++i) {
        const ColorCode expected = i < 8 ? kAxisColors[i] : 0;
        if (sceneLines[i].color != expected) {
            return false;
        }
    }
    return true;
}

bool segmentsAreRed() {
    for (const Segment& s : sceneSegments) {
        if (s.color != 0) {
            return false;
        }
    }
    return true;
}

// An ellipse, parabola or hyperbola, or one or two lines.
bool isOneCurve(std::size_t segments, std::size_t curveLines) {
    if (curveLines == 0) {
        return segments == 100 || segments == 200 || segments == 400;
    }
    return segments == 0 && curveLines <= 2;
}

} // namespace

std::string checkScene(int result) {
    if (result != 0 && result != 1) {
        return "the result is " + std::to_string(result);
    }
    if (!sceneIsFinite()) {
        return "a coordinate of the scene is not finite";
    }
    if (!scenePoints.empty() || !sceneCircles.empty()) {
        return "points or circles in the scene";
    }
    if (sceneSegments.empty() && !boxIsInitial()) {
        return "the bounding box moved without a segment";
    }
    if (sceneLines.empty()) {
        return sceneSegments.empty() ? "" : "segments without the frame axes";
    }
    if (result != 0) {
        return "shapes traced with the result 1";
    }
    if (sceneSegments.size() > 400 || sceneLines.size() > 10) {
        return "more than 400 segments or 10 lines";
    }
    if (sceneLines.size() < 8 || !isOneCurve(sceneSegments.size(), sceneLines.size() - 8)) {
        return "not one curve and the eight frame axes: " + std::to_string(sceneSegments.size()) +
               " segments, " + std::to_string(sceneLines.size()) + " lines";
    }
    if (!linesHaveTheirColors() || !segmentsAreRed()) {
        return "a shape has the wrong color";
    }
    return "";
}

std::string checkExactSolution(const ConsoleRun& run) {
    if (run.exactText.empty()) {
        return run.exactLatex.empty() ? "" : "LaTeX without a text";
    }
    if (run.exactText.rfind("Tacno resenje\n", 0) != 0) {
        return "the exact solution does not start with its title";
    }
    for (const char c : run.exactText) {
        if ((c < ' ' || c > '~') && c != '\n') {
            return "the exact solution is not plain ASCII";
        }
    }
    const std::string end = "\\end{document}\n";
    if (run.exactLatex.rfind("\\documentclass", 0) != 0 || run.exactLatex.size() < end.size() ||
        run.exactLatex.compare(run.exactLatex.size() - end.size(), end.size(), end) != 0) {
        return "the LaTeX of the exact solution is not a whole file";
    }
    return run.exactMilliseconds > 1000 ? "the exact solution took over a second" : "";
}

std::string checkConsoleRun(const ConsoleRun& run) {
    const std::string scene = checkScene(run.result);
    if (!scene.empty()) {
        return scene;
    }
    const std::string transcript = checkTranscript(run.transcript, run.result, !sceneLines.empty(),
                                                   sceneSegments.size() == 100);
    return transcript.empty() ? checkExactSolution(run) : transcript;
}
