#pragma once

#include <string>

// The desktop's icons (menus, launchers, software centres): the whirligig
// emblem on a velvet disc, as PNG files in the freedesktop.org icon theme
// layout, <directory>/<n>x<n>/velvetarium.png for each size of desktopIconSizes.
constexpr int desktopIconSizes[] = {16, 32, 48, 64, 128, 256};

bool writeDesktopIcon(const std::string& path, int size);
bool writeDesktopIcons(const std::string& directory);
