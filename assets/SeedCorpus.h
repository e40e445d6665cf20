#pragma once

#include <string>

// Small valid and deliberately refused files for the readers' fuzzers, in
// dir/tga, dir/bmp, dir/pcx and dir/wav.
bool writeSeedCorpus(const std::string& dir);
