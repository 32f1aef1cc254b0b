#include "app/conic.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
    Conic conic;
    readConic(conic);
    if (conic.reduceConic() == 0) {
        runViewer(argc, argv);
    }
    return 0;
}
