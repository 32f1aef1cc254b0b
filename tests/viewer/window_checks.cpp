#include "window_checks.h"

#include <gtest/gtest.h>

#include <cmath>

bool hasRedOutline(const Picture& picture, const Outline& outline) {
    const PixelBox red = boxOf(picture, kRed);
    return red.count > 0 && std::fabs(red.centreX() - outline.centreX) <= 2 &&
           std::fabs(red.centreY() - outline.centreY) <= 2 &&
           std::fabs(red.width() - outline.width) <= 3 &&
           std::fabs(red.height() - outline.height) <= 3;
}

void expectRedOutline(const Picture& picture, const Outline& outline) {
    const PixelBox red = boxOf(picture, kRed);
    EXPECT_NEAR(red.centreX(), outline.centreX, 2);
    EXPECT_NEAR(red.centreY(), outline.centreY, 2);
    EXPECT_NEAR(red.width(), outline.width, 3);
    EXPECT_NEAR(red.height(), outline.height, 3);
}

Picture waitForRedOutline(KonikaWindow& window, const Outline& outline) {
    const Picture picture = window.waitForPicture(
        [&](const Picture& p) { return hasRedOutline(p, outline); }, "the red outline");
    expectRedOutline(picture, outline);
    return picture;
}

void restoreByResizing(KonikaWindow& window, const Picture& initial) {
    const Picture narrower = middleColumns(initial, 1000);
    window.resize(1000, 700);
    EXPECT_TRUE(window.waitForPicture([&](const Picture& p) { return p == narrower; },
                                      "the initial view 1000 wide") == narrower);
    window.resize(1024, 700);
    EXPECT_TRUE(window.waitForPicture([&](const Picture& p) { return p == initial; },
                                      "the initial picture") == initial);
}
