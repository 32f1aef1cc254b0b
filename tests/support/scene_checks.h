#pragma once

// True when every coordinate in the scene, its segments, its lines and its box, is a finite
// number.
bool sceneIsFinite();
