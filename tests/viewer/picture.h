#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A screenshot of the window: 0xRRGGBB pixels, row by row from the top left.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const {
        if (x < 0 || x >= width || y < 0 || y >= height) {
            throw std::out_of_range("pixel outside the picture");
        }
        return pixels[std::size_t(y) * width + x];
    }
    bool operator==(const Picture& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
    bool operator!=(const Picture& other) const { return !(*this == other); }
};

constexpr std::uint32_t kRed = 0xff0000;
constexpr std::uint32_t kMagenta = 0xff00ff;
constexpr std::uint32_t kCyan = 0x00ffff;

// The cream of the cleared window, (0.9, 0.9, 0.8) of full scale, within one step.
bool isBackground(std::uint32_t pixel);

int countOf(const Picture& picture, std::uint32_t color);
int countBackground(const Picture& picture);

// The bounding box of the pixels of one color; count 0 when there are none.
struct PixelBox {
    int minX = 0;
    int minY = 0;
    int maxX = -1;
    int maxY = -1;
    int count = 0;

    int width() const { return maxX - minX; }
    int height() const { return maxY - minY; }
    double centreX() const { return (minX + maxX) / 2.0; }
    double centreY() const { return (minY + maxY) / 2.0; }
};

PixelBox boxOf(const Picture& picture, std::uint32_t color);

// Pixels of the color in one row or column.
int countInRow(const Picture& picture, int y, std::uint32_t color);
int countInColumn(const Picture& picture, int x, std::uint32_t color);

// The middle columns of the picture, width of them.
Picture middleColumns(const Picture& picture, int width);

// The mean row of the pixels of the color in column x; negative when there are none.
double meanRowInColumn(const Picture& picture, int x, std::uint32_t color);

// The picture in a PNG file; an empty one when the file cannot be read as PNG, with why in
// error.
Picture readPng(const std::string& path, std::string& error);
