#include "scene/frames.h"

#include "scene/scene.h"

#include <cstdio>

const FrameStyle kGreenBlueFrame = {1, 2, "Zeleno je x-osa, plavo y.\n"};
const FrameStyle kYellowOrangeFrame = {3, 4, "Zuto je x-osa,a narandzasto y.\n"};
const FrameStyle kMagentaCyanFrame = {5, 6, "Ljubicasta je x-osa,a svetloplavo y.\n"};

Point vectorBetween(Point from, Point to) {
    Point v;
    v.x = static_cast<float>(static_cast<double>(to.x) - from.x);
    v.y = static_cast<float>(static_cast<double>(to.y) - from.y);
    return v;
}

void addFrameAxes(Point xDirection, Point yDirection, Point origin, const FrameStyle& style) {
    Line xAxis;
    xAxis.point = origin;
    xAxis.direction = xDirection;
    addLine(xAxis, style.xAxisColor);
    Line yAxis;
    yAxis.point = origin;
    yAxis.direction = yDirection;
    addLine(yAxis, style.yAxisColor);
    std::printf("%s", style.legend);
}

// The reflection and the rotation move no point by a translation, so in the first three
// frames the images of the unit points are the axis directions and the origin stays put.
// The translation moves the unit points too, so the last frame subtracts its origin.
void addCoordinateFrames(Matrix reflection, Matrix rotation, Matrix translation) {
    Point e1;
    e1.x = 1.0f;
    Point e2;
    e2.y = 1.0f;
    const Point origin;

    addFrameAxes(e1, e2, origin, kGreenBlueFrame);

    Point p = transformPoint(reflection, e1);
    Point q = transformPoint(reflection, e2);
    addFrameAxes(p, q, origin, kGreenBlueFrame);

    p = transformPoint(rotation, p);
    q = transformPoint(rotation, q);
    addFrameAxes(p, q, origin, kYellowOrangeFrame);

    p = transformPoint(translation, p);
    q = transformPoint(translation, q);
    const Point movedOrigin = transformPoint(translation, origin);
    addFrameAxes(vectorBetween(movedOrigin, p), vectorBetween(movedOrigin, q), movedOrigin,
                 kMagentaCyanFrame);
}
