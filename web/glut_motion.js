// The browser's GLUT of this Emscripten hands the motion callback the pointer's position before
// the move, so that a drag lags one event behind the pointer. The same handler, with the
// position after the move; konika has no passive motion callback.
GLUT.onMousemove = function(event) {
  var lastX = Browser.mouseX;
  var lastY = Browser.mouseY;
  Browser.calculateMouseEvent(event);
  if (Browser.mouseX == lastX && Browser.mouseY == lastY) {
    return;
  }
  if (GLUT.buttons != 0 && GLUT.motionFunc) {
    event.preventDefault();
    GLUT.saveModifiers(event);
    getWasmTableEntry(GLUT.motionFunc)(Browser.mouseX, Browser.mouseY);
  }
};

// The page moves, zooms and turns the picture with the fingers itself (index.html); the
// browser's GLUT would also turn the first finger into a mouse.
GLUT.touchHandler = function() {};
