#include "matrica"

#include <cmath>

Matrix translationMatrix(Point v) {
    Matrix m;
    m(0, 0) = 1.0f;
    m(0, 2) = v.x;
    m(1, 1) = 1.0f;
    m(1, 2) = v.y;
    m(2, 2) = 1.0f;
    return m;
}

Matrix rotationMatrix(float angle) {
    const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    Matrix m;
    m(0, 0) = c;
    m(0, 1) = -s;
    m(1, 0) = s;
    m(1, 1) = c;
    m(2, 2) = 1.0f;
    return m;
}

Matrix reflectionMatrix() {
    Matrix m;
    m(0, 1) = 1.0f;
    m(0, 0) = 0.0f;
    m(1, 0) = 1.0f;
    m(1, 1) = 0.0f;
    return m;
}

Point transformPoint(Matrix m, Point p) {
    const double px = p.x;
    const double py = p.y;
    Point result;
    result.x = static_cast<float>((m(0, 0) * px + m(0, 1) * py) + m(0, 2));
    result.y = static_cast<float>((m(1, 1) * py + m(1, 0) * px) + m(1, 2));
    return result;
}
