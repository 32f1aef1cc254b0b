#pragma once

// Saves what the window shows as a new PNG file in the current folder and prints one console
// line, the file's name or why it could not be written. Called by display once the frame is
// drawn into the back buffer, before the swap shows it.
void saveWindowPicture();
