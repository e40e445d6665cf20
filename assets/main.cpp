// velvetarium-assets: writes every picture, sound and music file the game
// reads into the directory given as its argument.
//
//   velvetarium-assets DIR            the game's files
//   velvetarium-assets --seeds DIR    small valid and refused picture and sound
//                                     files for the readers' fuzzers
//   velvetarium-assets --preview PFX  PNG sheets of the actors and pictures
//   velvetarium-assets --icons DIR    the desktop's PNG icons, DIR/<n>x<n>/velvetarium.png
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ContactSheet.h"
#include "DesktopIcon.h"
#include "Fonts.h"
#include "Generator.h"
#include "SeedCorpus.h"

namespace {

bool makeDirectory(const std::string& path) {
    std::string partial;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            if (!partial.empty()) mkdir(partial.c_str(), 0755);
        }
        if (i < path.size()) partial += path[i];
    }
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int usage() {
    std::fprintf(stderr,
                 "usage: velvetarium-assets DIR\n"
                 "       velvetarium-assets --seeds DIR\n"
                 "       velvetarium-assets --preview PREFIX\n"
                 "       velvetarium-assets --icons DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string first = argv[1];
    if (first == "--seeds") {
        if (argc != 3 || !makeDirectory(argv[2])) return usage();
        return writeSeedCorpus(argv[2]) ? 0 : 1;
    }
    if (first == "--icons") {
        if (argc != 3 || !makeDirectory(argv[2])) return usage();
        return writeDesktopIcons(argv[2]) ? 0 : 1;
    }
    if (!Fonts::load()) return 1;
    int result = 0;
    if (first == "--preview") {
        if (argc != 3) return usage();
        result = writeContactSheets(argv[2]) ? 0 : 1;
    } else {
        if (argc != 2 || !makeDirectory(first)) {
            std::fprintf(stderr, "velvetarium-assets: cannot make the directory %s\n", first.c_str());
            Fonts::release();
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const GenerationReport report = generateAll(first);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("velvetarium-assets: %d pictures, %d sounds, %d music tracks, 1 icon in %.1f s\n",
                    report.pictures, report.sounds, report.music, seconds);
        if (report.failures > 0) {
            std::fprintf(stderr, "velvetarium-assets: %d files could not be written\n", report.failures);
            result = 1;
        }
    }
    Fonts::release();
    return result;
}
