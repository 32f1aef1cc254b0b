// The key of an exercise: what its solution found, in a few lines.
#include "solution/solution_key.h"

#include "solution/values.h"

SolutionKey Solver::key() const {
    const CurveNumbers curve = curveNumbers(form, path);
    SolutionKey key{path, form, frame, curve.name, {}};
    // The canonical form as the solution writes it, the first line of its last section.
    key.lines.push_back(document.sections.back().blocks.front().display.front());
    const Expr at = tuple({valueOf(frame.tx), valueOf(frame.ty)});
    if (path.central) {
        key.lines.push_back(equation(variable("C"), at));
    } else if (path.ending == Ending::Parabola) {
        key.lines.push_back(equation(variable("T"), at));
    }
    if (path.rotated) {
        key.lines.push_back(valueLine({function("tg", variable("phi"))}, frame.tangent));
        key.lines.push_back(valueLine({function("cos", variable("phi"))}, frame.cosine.value()));
        key.lines.push_back(valueLine({function("sin", variable("phi"))}, frame.sine.value()));
    }
    key.lines.insert(key.lines.end(), curve.numbers.begin(), curve.numbers.end());
    return key;
}
