// Text in the browser, whose emulation of OpenGL has no bitmaps: the page's 2D canvas writes
// the text, and each of its pixels is drawn as a point of the current color, at the place in
// the window where the bitmap font would stand.
#include "viewer/text.h"

#include "viewer/view_steps.h"

#include <GL/gl.h>
#include <emscripten.h>

#include <cstddef>
#include <vector>

// The page's canvas draws as many pixels to the point of the page as the screen has: the text
// is written that much larger, so that it reads as large as in the window.
EM_JS(int, textScale, (), { return Math.max(1, Math.round(window.devicePixelRatio || 1)); });

// The pixels of the text as the page's canvas writes it, 12 pixels high at a scale of 1: x and
// y, y upwards from the baseline, two numbers a pixel, into pixels when it has room for them;
// returns how many pixels the text has. The pixels of each text are kept for the frames to
// come.
EM_JS(int, textPixels, (const char* text, short* pixels, int room, int scale), {
    var cache = Module.konikaTextPixels || (Module.konikaTextPixels = new Map());
    var string = UTF8ToString(text);
    var key = scale + ' ' + string;
    var found = cache.get(key);
    if (!found) {
        var canvas = document.createElement('canvas');
        var context = canvas.getContext('2d');
        var font = 12 * scale + 'px Helvetica, Arial, sans-serif';
        context.font = font;
        canvas.width = Math.max(1, Math.ceil(context.measureText(string).width));
        canvas.height = 16 * scale;
        context.font = font;
        context.fillText(string, 0, 12 * scale);
        var data = context.getImageData(0, 0, canvas.width, canvas.height).data;
        var list = [];
        for (var y = 0; y < canvas.height; ++y) {
            for (var x = 0; x < canvas.width; ++x) {
                if (data[4 * (y * canvas.width + x) + 3] >= 128) {
                    list.push(x, 12 * scale - y - 1);
                }
            }
        }
        found = new Int16Array(list);
        if (cache.size > 1000) {
            cache.clear();
        }
        cache.set(key, found);
    }
    if (found.length <= 2 * room) {
        HEAP16.set(found, pixels >> 1);
    }
    return found.length / 2;
});

EM_JS(int, textWidthOnPage, (const char* text, int scale), {
    var context = document.createElement('canvas').getContext('2d');
    context.font = 12 * scale + 'px Helvetica, Arial, sans-serif';
    return Math.ceil(context.measureText(UTF8ToString(text)).width);
});

namespace {

// The bitmap font's text stands this many pixels up and right of its point.
constexpr float kOffset = 4.0f;

// A raster position outside the view is not valid, and its text not drawn.
bool inView(const WindowPoint& shown, const GLint (&viewport)[4]) {
    return shown.x >= viewport[0] && shown.x <= viewport[0] + viewport[2] &&
           shown.y >= viewport[1] && shown.y <= viewport[1] + viewport[3] &&
           shown.depth >= 0.0 && shown.depth <= 1.0;
}

// The pixels of the text, two numbers each, in a buffer kept for the next text.
const std::vector<short>& pixelsOf(const char* text) {
    static std::vector<short> pixels(2048);
    const int count = textPixels(text, pixels.data(), int(pixels.size() / 2), textScale());
    if (2 * std::size_t(count) > pixels.size()) {
        pixels.resize(2 * std::size_t(count));
        textPixels(text, pixels.data(), count, textScale());
    }
    pixels.resize(2 * std::size_t(count));
    return pixels;
}

} // namespace

// Text is drawn from the display callback, where the projection stack is current, as the
// navigation keeps it; the pixels are placed in window coordinates, and both matrices are put
// back after.
void drawText(float x, float y, float z, const char* text) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    WindowPoint shown;
    if (!windowPointOf(x, y, z, shown) || !inView(shown, viewport)) {
        return;
    }
    const std::vector<short>& pixels = pixelsOf(text);
    const float offset = kOffset * static_cast<float>(textScale());
    const float left = static_cast<float>(shown.x - viewport[0]) + offset + 0.5f;
    const float baseline = static_cast<float>(shown.y - viewport[1]) + offset + 0.5f;

    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewport[2], 0.0, viewport[3], -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glPointSize(1.0f);
    glBegin(GL_POINTS);
    for (std::size_t i = 0; i < pixels.size(); i += 2) {
        glVertex2f(left + pixels[i], baseline + pixels[i + 1]);
    }
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
}

int textWidth(const char* text) {
    return textWidthOnPage(text, textScale());
}

int textLineHeight() {
    return 16 * textScale();
}
