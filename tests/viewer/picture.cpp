#include "picture.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>

namespace {

bool near(int channel, int expected) {
    return std::abs(channel - expected) <= 1;
}

} // namespace

bool isBackground(std::uint32_t pixel) {
    const int red = int(pixel >> 16 & 0xff);
    const int green = int(pixel >> 8 & 0xff);
    const int blue = int(pixel & 0xff);
    return near(red, 229) && near(green, 229) && near(blue, 204);
}

int countOf(const Picture& picture, std::uint32_t color) {
    return int(std::count(picture.pixels.begin(), picture.pixels.end(), color));
}

int countBackground(const Picture& picture) {
    return int(std::count_if(picture.pixels.begin(), picture.pixels.end(), isBackground));
}

PixelBox boxOf(const Picture& picture, std::uint32_t color) {
    PixelBox box;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) != color) {
                continue;
            }
            if (box.count == 0) {
                box = PixelBox{x, y, x, y, 0};
            }
            box.minX = std::min(box.minX, x);
            box.maxX = std::max(box.maxX, x);
            box.maxY = y;
            ++box.count;
        }
    }
    return box;
}

int countInRow(const Picture& picture, int y, std::uint32_t color) {
    int count = 0;
    for (int x = 0; x < picture.width; ++x) {
        count += picture.at(x, y) == color;
    }
    return count;
}

int countInColumn(const Picture& picture, int x, std::uint32_t color) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        count += picture.at(x, y) == color;
    }
    return count;
}

double meanRowInColumn(const Picture& picture, int x, std::uint32_t color) {
    long sum = 0;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        if (picture.at(x, y) == color) {
            sum += y;
            ++count;
        }
    }
    return count == 0 ? -1.0 : double(sum) / count;
}

Picture middleColumns(const Picture& picture, int width) {
    const int left = (picture.width - width) / 2;
    Picture middle{width, picture.height, {}};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < width; ++x) {
            middle.pixels.push_back(picture.at(left + x, y));
        }
    }
    return middle;
}

Picture readPng(const std::string& path, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = image.message;
        return {};
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        error = image.message;
        return {};
    }
    Picture picture{int(image.width), int(image.height), {}};
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        picture.pixels.push_back(std::uint32_t(rgb[i]) << 16 | std::uint32_t(rgb[i + 1]) << 8 |
                                 rgb[i + 2]);
    }
    return picture;
}
