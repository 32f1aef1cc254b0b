#pragma once

#include "viewer/picture_file.h"

#include <ctime>
#include <string>

// Writes the picture as a new PNG file in folder, named after time by pictureFileName. An
// existing file is never replaced: a taken name moves on to the next suffix. The file appears
// under its name only once it is complete (written under a temporary name in the same folder,
// then linked into place); on failure nothing is left behind.
SaveOutcome savePicture(const RgbPicture& picture, const std::string& folder, const std::tm& time);
