#include "audio/WaveCheck.h"

#include <cstring>

namespace WaveCheck {
namespace {
std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

void put32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void put16(unsigned char* p, std::uint16_t value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

bool isTag(const unsigned char* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr std::size_t riffHeaderBytes = 12;
constexpr std::size_t chunkHeaderBytes = 8;
constexpr std::uint32_t pcmFormatBytes = 16;
constexpr std::uint32_t extendedFormatBytes = pcmFormatBytes + 2;

// The "fmt " body: 16 bytes of plain PCM, or 18 whose extension is empty.
const char* readFormat(const unsigned char* body, std::uint32_t size, PcmFormat& format) {
    if (size != pcmFormatBytes && !(size == extendedFormatBytes && le16(body + pcmFormatBytes) == 0))
        return "its fmt chunk has an unexpected size";
    if (le16(body) != 1) return "it is not plain PCM";
    format.channels = le16(body + 2);
    format.rate = le32(body + 4);
    const std::uint32_t byteRate = le32(body + 8);
    const std::uint16_t blockAlign = le16(body + 12);
    format.bits = le16(body + 14);
    if (format.channels < 1 || format.channels > 2) return "it has neither one nor two channels";
    if (format.bits != 8 && format.bits != 16) return "its samples are neither 8 nor 16 bits";
    if (format.rate < 4000 || format.rate > 96000) return "its sample rate is outside 4000-96000 Hz";
    if (blockAlign != format.blockAlign() || byteRate != format.rate * blockAlign)
        return "its block size or byte rate does not match its format";
    return nullptr;
}

Verdict refused(const char* reason) {
    Verdict verdict;
    verdict.refusal = reason;
    return verdict;
}

constexpr const char* unreadable = "it could not be read";

class MemorySource final : public Source {
public:
    MemorySource(const unsigned char* bytes, std::size_t size) : bytes(bytes), size(size) {}
    bool read(std::size_t offset, unsigned char* out, std::size_t n) override {
        if (offset > size || n > size - offset) return false;
        std::memcpy(out, bytes + offset, n);
        return true;
    }

private:
    const unsigned char* bytes;
    std::size_t size;
};
}  // namespace

Verdict check(Source& file, std::size_t size) {
    unsigned char head[riffHeaderBytes];
    if (size < riffHeaderBytes) return refused("it is not a RIFF/WAVE file");
    if (!file.read(0, head, riffHeaderBytes)) return refused(unreadable);
    if (!isTag(head, "RIFF") || !isTag(head + 8, "WAVE")) return refused("it is not a RIFF/WAVE file");
    if (static_cast<std::uint64_t>(le32(head + 4)) + 8 != size) return refused("its RIFF size does not match the file");

    Verdict verdict;
    bool formatSeen = false;
    bool dataSeen = false;
    std::size_t pos = riffHeaderBytes;
    while (pos < size) {
        if (size - pos < chunkHeaderBytes) return refused("it ends inside a chunk header");
        unsigned char header[chunkHeaderBytes];
        if (!file.read(pos, header, chunkHeaderBytes)) return refused(unreadable);
        const std::uint32_t chunkSize = le32(header + 4);
        const std::size_t body = pos + chunkHeaderBytes;
        if (chunkSize > size - body) return refused("a chunk runs past the end of the file");
        const std::size_t padded = chunkSize + (chunkSize & 1u);
        if (padded > size - body) return refused("an odd-sized chunk lacks its pad byte");
        if (isTag(header, "fmt ")) {
            if (formatSeen) return refused("it has more than one fmt chunk");
            // Only a body of one of the two sizes readFormat takes is read.
            unsigned char fields[extendedFormatBytes] = {};
            const bool plausible = chunkSize == pcmFormatBytes || chunkSize == extendedFormatBytes;
            if (plausible && !file.read(body, fields, chunkSize)) return refused(unreadable);
            if (const char* fault = readFormat(fields, chunkSize, verdict.format)) return refused(fault);
            formatSeen = true;
        } else if (isTag(header, "data")) {
            if (dataSeen) return refused("it has more than one data chunk");
            if (!formatSeen) return refused("its data chunk comes before the fmt chunk");
            const std::uint16_t frame = verdict.format.blockAlign();
            verdict.dataOffset = body;
            verdict.dataBytes = chunkSize / frame * frame;
            if (verdict.dataBytes == 0) return refused("its data chunk holds no whole sample frame");
            dataSeen = true;
        } else {
            // Nothing else: whatever a chunk holds, some parser would walk it.
            return refused("it holds a chunk other than fmt and data");
        }
        pos = body + padded;
    }
    if (!formatSeen) return refused("it has no fmt chunk");
    if (!dataSeen) return refused("it has no data chunk");
    return verdict;
}

Verdict check(const unsigned char* file, std::size_t size) {
    MemorySource source(file, file != nullptr ? size : 0);
    return check(source, file != nullptr ? size : 0);
}

std::size_t canonicalSize(const Verdict& verdict) {
    // An odd data chunk keeps its pad byte; the file had room for it, since
    // it padded the chunk (or dropped a partial frame of at least one byte).
    return canonicalHeaderBytes + verdict.dataBytes + (verdict.dataBytes & 1u);
}

void writeCanonicalHeader(unsigned char (&out)[canonicalHeaderBytes], const Verdict& verdict) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(verdict.dataBytes);
    const PcmFormat& format = verdict.format;
    std::memcpy(out, "RIFF", 4);
    put32(out + 4, static_cast<std::uint32_t>(canonicalSize(verdict) - 8));
    std::memcpy(out + 8, "WAVEfmt ", 8);
    put32(out + 16, pcmFormatBytes);
    put16(out + 20, 1);
    put16(out + 22, format.channels);
    put32(out + 24, format.rate);
    put32(out + 28, format.rate * format.blockAlign());
    put16(out + 32, format.blockAlign());
    put16(out + 34, format.bits);
    std::memcpy(out + 36, "data", 4);
    put32(out + 40, dataBytes);
}

std::size_t makeCanonical(unsigned char* file, const Verdict& verdict) {
    // The samples only ever move towards the start: before them lay at
    // least the RIFF header, the fmt chunk and their own chunk header.
    std::memmove(file + canonicalHeaderBytes, file + verdict.dataOffset, verdict.dataBytes);
    const std::size_t size = canonicalSize(verdict);
    if (size > canonicalHeaderBytes + verdict.dataBytes) file[size - 1] = 0;
    unsigned char header[canonicalHeaderBytes];
    writeCanonicalHeader(header, verdict);
    std::memcpy(file, header, canonicalHeaderBytes);
    return size;
}
}  // namespace WaveCheck
