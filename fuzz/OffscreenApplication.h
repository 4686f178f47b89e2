#pragma once

// Starts the one QGuiApplication of the process on the offscreen platform: texts are measured
// and drawn through Qt's font database, which needs one, and no display is needed.
void StartOffscreenApplication();
