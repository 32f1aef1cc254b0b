#include "viewer/window_picture.h"

#include "viewer/png_file.h"

#include <GL/glut.h>

#include <cstdio>

namespace {

RgbPicture readBackBuffer() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    RgbPicture picture;
    picture.width = viewport[2];
    picture.height = viewport[3];
    picture.bytes.resize(std::size_t(picture.width) * picture.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE,
                 picture.bytes.data());
    return picture;
}

} // namespace

void saveWindowPicture() {
    const SaveOutcome outcome = savePicture(readBackBuffer(), ".", localTimeNow());
    std::printf("%s\n", saveReport(outcome).c_str());
    std::fflush(stdout);
}
