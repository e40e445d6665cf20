#pragma once

#include <string>

// Writes PNG preview sheets named prefix-actors.png, prefix-frames-*.png,
// prefix-stage.png and prefix-screens.png.
bool writeContactSheets(const std::string& prefix);
