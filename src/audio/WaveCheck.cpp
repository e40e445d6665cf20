#include "audio/WaveCheck.h"

#include <cstring>

namespace WaveCheck {
namespace {
std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool isTag(const unsigned char* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

struct Format {
    bool seen = false;
    std::uint32_t blockAlign = 0;
};

bool readFormat(const unsigned char* body, std::uint32_t size, Format& format) {
    if (size < 16) return false;
    const std::uint16_t tag = le16(body);
    const std::uint16_t channels = le16(body + 2);
    const std::uint32_t rate = le32(body + 4);
    const std::uint32_t byteRate = le32(body + 8);
    const std::uint16_t blockAlign = le16(body + 12);
    const std::uint16_t bits = le16(body + 14);
    if (tag != 1) return false;  // PCM only
    if (channels < 1 || channels > 2) return false;
    if (bits != 8 && bits != 16) return false;
    if (rate < 4000 || rate > 96000) return false;
    if (blockAlign != channels * (bits / 8)) return false;
    if (byteRate != rate * blockAlign) return false;
    format.seen = true;
    format.blockAlign = blockAlign;
    return true;
}
}  // namespace

bool isPlainPcmWave(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize) {
    if (head == nullptr || headSize < 12 || headSize > fileSize) return false;
    if (!isTag(head, "RIFF") || !isTag(head + 8, "WAVE")) return false;

    Format format;
    std::uint64_t pos = 12;
    while (pos + 8 <= headSize) {
        const unsigned char* chunk = head + pos;
        const std::uint32_t size = le32(chunk + 4);
        const std::uint64_t body = pos + 8;
        const std::uint64_t end = body + size;  // 64-bit: no wrap for any 32-bit size
        if (end > fileSize) return false;
        if (isTag(chunk, "fmt ")) {
            if (format.seen || end > headSize) return false;
            if (!readFormat(head + body, size, format)) return false;
        } else if (isTag(chunk, "data")) {
            return format.seen && size >= format.blockAlign;
        }
        pos = end + (size & 1u);  // chunks are padded to an even length
    }
    return false;
}
}  // namespace WaveCheck
