#pragma once

// Prepares the environment for a QGuiApplication that paints but never shows
// a window (the print command, the print benchmark): the "offscreen"
// platform whatever the environment names, and a runtime folder of our own
// when the session has none (Qt would otherwise complain on stderr). Call it
// before the application object is made.
void PrepareHeadlessGui();
