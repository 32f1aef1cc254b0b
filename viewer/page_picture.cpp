// Saving the picture in the browser: the page offers what the canvas shows as a PNG download,
// named as the window names its files. The browser reports the download itself.
#include "viewer/window_picture.h"

#include "viewer/picture_file.h"

#include <emscripten.h>

// Called while the frame is in the drawing buffer, before the swap.
EM_JS(void, offerCanvasDownload, (const char* fileName), {
    var link = document.createElement('a');
    link.download = UTF8ToString(fileName);
    link.href = Module['canvas'].toDataURL('image/png');
    link.click();
});

void saveWindowPicture() {
    offerCanvasDownload(pictureFileName(localTimeNow(), 1).c_str());
}
