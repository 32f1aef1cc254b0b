#include "traced_conic.h"

#include "scene/reduction_record.h"
#include "scene/scene.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace {

Vec vec(const Point& p) {
    return {p.x, p.y};
}

// The reduction prints its steps; here they go to /dev/null.
class SilencedStdout {
  public:
    SilencedStdout() {
        std::fflush(stdout);
        sink_ = std::fopen("/dev/null", "w");
        if (sink_ == nullptr) {
            throw std::runtime_error("cannot open /dev/null");
        }
        saved_ = stdout;
        stdout = sink_;
    }
    ~SilencedStdout() {
        stdout = saved_;
        std::fclose(sink_);
    }
    SilencedStdout(const SilencedStdout&) = delete;
    SilencedStdout& operator=(const SilencedStdout&) = delete;

  private:
    FILE* sink_;
    FILE* saved_;
};

Frames framesOfScene() {
    const std::vector<Line>& axes = sceneLines;
    Frames f{};
    f.plainFrameIsPlain = axes[0].point.x == 0 && axes[0].point.y == 0 &&
                          axes[0].direction.x == 1 && axes[0].direction.y == 0 &&
                          axes[1].point.x == 0 && axes[1].point.y == 0 &&
                          axes[1].direction.x == 0 && axes[1].direction.y == 1;
    const ColorCode colors[] = {1, 2, 1, 2, 3, 4, 5, 6};
    f.axesColored = true;
    for (int i = 0; i < 8; ++i) {
        f.axesColored = f.axesColored && axes[i].color == colors[i];
    }
    f.reflectedX = vec(axes[2].direction);
    f.reflectedY = vec(axes[3].direction);
    f.turnedX = vec(axes[4].direction);
    f.turnedY = vec(axes[5].direction);
    f.movedX = vec(axes[6].direction);
    f.movedY = vec(axes[7].direction);
    f.translation = vec(axes[6].point);
    return f;
}

// The curve's shapes: segments come before the frame axes, lines after them. Crossing lines
// have the directions (1, s) and (1, -s); parallel ones (1, 0). When s is 0 (a slope below
// the float range), a zero X^2 coefficient (which crossing lines lack) tells them apart.
CurveKind kindOfScene(const Conic& canonical) {
    switch (sceneSegments.size()) {
    case 100:
        return Ellipse;
    case 200:
        return Parabola;
    case 400:
        return Hyperbola;
    default:
        break;
    }
    if (sceneLines.size() == 9) {
        return DoubleLine;
    }
    const bool horizontal = sceneLines[8].direction.y == 0 && sceneLines[9].direction.y == 0;
    return horizontal && canonical.a11 == 0 ? ParallelLines : IntersectingLines;
}

// Both ends of every segment; for a line, its point and the points one direction away either
// way (a conic that holds three points of a line holds the whole line).
std::vector<Vec> curvePointsOfScene() {
    std::vector<Vec> points;
    for (const Segment& s : sceneSegments) {
        points.push_back(vec(s.a));
        points.push_back(vec(s.b));
    }
    for (std::size_t i = 8; i < sceneLines.size(); ++i) {
        const Line& l = sceneLines[i];
        for (double along : {-1.0, 0.0, 1.0}) {
            points.push_back(
                {l.point.x + along * l.direction.x, l.point.y + along * l.direction.y});
        }
    }
    return points;
}

} // namespace

TracedConic traceConic(const Conic& entered) {
    TracedConic run{};
    run.entered = entered;
    run.canonical = entered;
    clearScene();
    {
        SilencedStdout silenced;
        run.result = run.canonical.reduceConic();
    }
    if (sceneLines.size() >= 8) {
        run.kind = kindOfScene(run.canonical);
        run.frames = framesOfScene();
        run.curvePoints = curvePointsOfScene();
    }
    const ReductionRecord& r = reductionRecord;
    run.elements = curveElements(r.canonical, r.kind, r.reflection, r.rotation, r.translation);
    run.toTyped = planeMap(r.reflection, r.rotation, r.translation);
    clearScene();
    return run;
}

Conic storedConic(float x2, float xy, float y2, float x, float y, float free) {
    Conic c;
    c.a11 = x2;
    c.a12 = static_cast<float>(xy * 0.5);
    c.a22 = y2;
    c.a13 = static_cast<float>(x * 0.5);
    c.a23 = static_cast<float>(y * 0.5);
    c.a33 = free;
    return c;
}

Conic typedConic(const Milli& typed, const std::string& exponent) {
    float v[6];
    for (int i = 0; i < 6; ++i) {
        v[i] = std::strtof((typedDecimal(typed[i]) + exponent).c_str(), nullptr);
    }
    return storedConic(v[0], v[1], v[2], v[3], v[4], v[5]);
}

Conic typedConic(const std::string& words) {
    std::istringstream in(words);
    float v[6] = {};
    for (float& value : v) {
        std::string word;
        in >> word;
        value = std::strtof(word.c_str(), nullptr);
    }
    return storedConic(v[0], v[1], v[2], v[3], v[4], v[5]);
}
