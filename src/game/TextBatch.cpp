#include "game/TextBatch.h"

#include <cstring>

const TextLine* TextBatch::find(const char* text) const {
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(lines[i].text, text) == 0) return &lines[i];
    }
    return nullptr;
}
