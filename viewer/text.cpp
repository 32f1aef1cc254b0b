#include "viewer/text.h"

#include <GL/glut.h>

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_12;
constexpr float kOffset = 4.0f;

} // namespace

void drawText(float x, float y, float z, const char* text) {
    glRasterPos3f(x, y, z);
    // An empty bitmap moves the raster position by pixels, whatever the scale of the view.
    glBitmap(0, 0, 0.0f, 0.0f, kOffset, kOffset, nullptr);
    for (const char* c = text; *c != '\0'; ++c) {
        glutBitmapCharacter(kFont, *c);
    }
}

int textWidth(const char* text) {
    return glutBitmapLength(kFont, reinterpret_cast<const unsigned char*>(text));
}

int textLineHeight() {
    return 16;
}
