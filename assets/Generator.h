#pragma once

#include <string>

struct GenerationReport {
    int pictures = 0;
    int sounds = 0;
    int music = 0;
    int failures = 0;
};

// Writes every manifest entry into the directory. Pictures are made on one
// thread, sounds and music on another.
GenerationReport generateAll(const std::string& directory);
