// The single pictures: glyphs, the font, the stage marks, the interface, the
// menu, the levels, the title and loading screens, and the window icon.
#include <string>

#include "Manifest.h"

namespace {

void picture(std::vector<AssetEntry>& out, int number, Family family, int w, int h, bool tinted,
             const std::string& role) {
    AssetEntry e;
    e.file = pictureFileName(number);
    e.kind = AssetKind::Picture;
    e.family = family;
    e.number = number;
    e.width = w;
    e.height = h;
    e.tinted = tinted;
    e.role = role;
    out.push_back(e);
}

const char* const cities[9] = {"Paris", "Rio", "Tokyo", "Oslo", "Sydney", "Mexico", "Denver", "Delhi", "Kairo"};

void addGlyphsAndFont(std::vector<AssetEntry>& out) {
    picture(out, 476, Family::Font, 1024, 1024, true,
            "font: 16 x 16 cells; rows 0-7 the character sets 0 and 2, rows 8-15 set 1 (narrow and tall); "
            "character k at cell k - 32 of its half");
    for (int c = 'A'; c <= 'Z'; ++c)
        picture(out, c + 536, Family::Glyph, 64, 64, true, std::string("glyph capital ") + char(c));
    for (int c = 'a'; c <= 'z'; ++c)
        picture(out, c + 530, Family::Glyph, 64, 64, true, std::string("glyph small ") + char(c));
    picture(out, 653, Family::Glyph, 64, 64, true, "glyph question mark");
    for (int c = '0'; c <= '9'; ++c)
        picture(out, c + 606, Family::Glyph, 64, 64, true, std::string("glyph digit ") + char(c));
}

void addStageMarks(std::vector<AssetEntry>& out) {
    const Family f = Family::StageMark;
    picture(out, 851, f, 128, 128, true, "status ring of dancers: a bold round ring (ring colour)");
    picture(out, 852, f, 128, 128, true, "status ring of dancers: the dot inside the ring (ratio colour)");
    picture(out, 853, f, 128, 128, true, "status ring of dancers: gloss on dot and ring (white)");
    picture(out, 854, f, 128, 128, true,
            "status ring of muses: a blossom-shaped ring; letter backing of the name-entry ring");
    picture(out, 855, f, 128, 128, true, "status ring of muses: soft light inside the ring");
    picture(out, 856, f, 128, 128, true, "status ring of muses: the dot in the middle (ratio colour)");
    picture(out, 857, f, 128, 128, true, "status ring of talents: a hexagon ring (ring colour)");
    picture(out, 858, f, 128, 128, true, "status ring of talents: a glint");
    picture(out, 859, f, 128, 128, true, "status ring of talents: the hexagon in the middle (ratio colour)");
    picture(out, 861, f, 64, 64, true, "white backing disc under ring-label letters; body of the link ribbon");
    picture(out, 862, f, 64, 64, true, "coin under each ring-label letter (tinted by the label)");
    picture(out, 863, f, 64, 64, true, "soft glow: marker, dancer trails, interface glow");
    picture(out, 864, f, 256, 64, true, "trail of blossoms 141: scattered petals (repeats along)");
    picture(out, 865, f, 64, 64, true, "beam overlay: chevrons along the beam (repeats along)");
    picture(out, 866, f, 256, 64, true, "trail of blossoms 142: swirls (repeats along)");
    picture(out, 867, f, 256, 64, true, "trail of blossoms 143: little hearts (repeats along)");
    picture(out, 868, f, 256, 64, true, "trail of blossoms 144: little stars (repeats along)");
    picture(out, 869, f, 64, 64, true, "beam: bright core (repeats along)");
    picture(out, 872, f, 128, 128, true, "information-badge disc; end square of the link ribbon");
    picture(out, 881, f, 64, 64, false, "heart");
    picture(out, 882, f, 64, 64, false, "heart socket");
    picture(out, 883, f, 64, 64, false, "talent socket, blue category");
    picture(out, 884, f, 64, 64, false, "talent socket, green category");
    picture(out, 885, f, 64, 64, false, "talent socket, red category");
    picture(out, 886, f, 64, 64, false, "owned talent marker, blue");
    picture(out, 887, f, 64, 64, false, "owned talent marker, green");
    picture(out, 888, f, 64, 64, false, "owned talent marker, red");
}

void addInterface(std::vector<AssetEntry>& out) {
    const Family f = Family::Interface;
    picture(out, 830, f, 64, 64, true, "name-entry second marker (tinted orange)");
    picture(out, 840, f, 128, 128, false, "name-entry hourglass");
    picture(out, 850, f, 64, 64, true, "name-entry second marker, run (tinted yellow)");
    picture(out, 860, f, 256, 128, false, "name-entry panel");
    picture(out, 870, f, 256, 256, true, "sunburst disc over the stage during a name entry (tinted red)");
    picture(out, 871, f, 64, 64, false, "spare mark: a muse");
    picture(out, 873, f, 64, 64, false, "mark of a ballerina who left happily");
    picture(out, 874, f, 64, 64, false, "mark of a ballerina still to be made happy");
    picture(out, 875, f, 64, 64, false, "spare mark: a muse who sang");
    picture(out, 876, f, 64, 64, false, "spare mark: a talent");
    picture(out, 877, f, 128, 128, false, "gold medal of the menu, dim");
    picture(out, 878, f, 128, 128, false, "silver medal of the menu, dim");
    picture(out, 879, f, 128, 128, false, "bronze medal of the menu, dim");
    picture(out, 880, f, 128, 64, false, "bar behind the ballerina marks (repeats sideways)");
    picture(out, 8801, f, 64, 64, false, "left end of the marks bar");
    picture(out, 8802, f, 64, 64, false, "right end of the marks bar");
    picture(out, 890, f, 256, 256, false, "backplate under the dial");
    picture(out, 891, f, 256, 256, false, "dial: a turning blossom wheel");
    picture(out, 892, f, 256, 256, false, "frame around the dial (open centre)");
    picture(out, 893, f, 256, 64, false, "score plate");
    picture(out, 894, f, 128, 128, false, "freeze badge: snowflake");
    picture(out, 898, f, 128, 128, false, "menu-spot button");
    picture(out, 899, f, 128, 128, false, "menu-spot button, lit while the cat is on it");
    picture(out, 900, f, 256, 64, false, "text panel (stretched behind texts)");
    picture(out, 902, f, 128, 64, false, "small label beside the text panels");
    picture(out, 909, f, 128, 128, false, "spare arrow pointing left");
    picture(out, 910, f, 128, 128, false, "spare arrow pointing right");
    const char* const talentNames[3] = {"blue", "green", "red"};
    for (int c = 0; c < 3; ++c)
        for (int k = 1; k <= 4; ++k)
            picture(out, 8861 + 10 * c + (k - 1), f, 64, 64, false,
                    std::string(talentNames[c]) + " talent of the Prima Ballerina" +
                        (k == 1 ? " at rest" : ", sparkle " + std::to_string(k - 1) + " of 3"));
    const char* const medals[3] = {"gold", "silver", "bronze"};
    for (int m = 0; m < 3; ++m) {
        picture(out, 8951 + m, f, 128, 128, false,
                std::string(medals[m]) + " medal of the menu, lit: a dark plate for the score printed on it");
        picture(out, 8954 + m, f, 128, 128, false, std::string(medals[m]) + " medal of the result rosette");
        picture(out, 8957 + m, f, 32, 32, false, std::string(medals[m]) + " medal on the world map");
    }
    picture(out, 8961, f, 128, 128, false, "guide pointer to a ballerina: butterfly");
    picture(out, 8962, f, 128, 128, false, "guide pointer to a ballerina: arrow ring");
    picture(out, 8963, f, 128, 128, false, "guide pointer to an unhappy ballerina: heart");
    picture(out, 8964, f, 128, 128, false, "guide pointer to an unhappy ballerina: arrow ring");
    picture(out, 8965, f, 128, 128, false, "guide pointer to a muse: note");
    picture(out, 8966, f, 128, 128, false, "guide pointer to a muse: arrow ring");
}

void addMenuAndLevels(std::vector<AssetEntry>& out) {
    for (int n = 1; n <= 36; ++n) {
        if (n == 35) {
            picture(out, 35, Family::Level, 512, 256, false,
                    "world map, equirectangular; drawn with half size 0.56 x 0.28 at (1.05, 0.875) the "
                    "nine cities lie at the menu's medal places");
        } else if (n <= 9) {
            picture(out, n, Family::Level, 512, 256, false,
                    std::string("level picture, the backdrop of the menu's introduction text (half size 1.0 x 0.6): "
                                "night over ") +
                        cities[n - 1]);
        } else if (n == 34) {
            picture(out, n, Family::Level, 512, 256, false,
                    "level picture, the backdrop of the menu's introduction text: the dance studio of the guided "
                    "first dance in the evening");
        } else {
            picture(out, n, Family::Level, 512, 256, false, "level picture: an open-air stage (no dance uses it)");
        }
    }
    for (int n = 351; n <= 384; ++n) {
        const int level = n - 350;
        std::string role = level <= 9 ? std::string("level preview badge: ") + cities[level - 1]
                           : n == 371 ? std::string("level preview badge: pointe shoes of the guided first dance")
                                      : "level preview badge numbered " + std::to_string(level) + " (no dance uses it)";
        picture(out, n, Family::Preview, 128, 128, false, role);
    }
    const char* const ranks[9] = {"amateur", "pro", "star", "rank 4", "rank 5", "rank 6", "rank 7", "rank 8", "rank 9"};
    for (int r = 1; r <= 9; ++r)
        picture(out, 200 + r, Family::Rank, 128, 128, false,
                std::string("rank emblem with a ribbon for \"o.k.\": ") + ranks[r - 1]);
    picture(out, 98, Family::Menu, 1024, 1024, false,
            "menu frame: curtains, the board for the texts, map and medals, the map table and its legend under "
            "the level's radar, level arrows, volume track, Quit");
    picture(out, 99, Family::Menu, 512, 512, false, "turning rosette of soft petals around a light (title and result)");
    picture(out, 901, Family::Menu, 512, 512, false, "headline: Velvetarium, lettered across the middle");
    picture(out, 951, Family::Menu, 256, 256, false, "menu side picture: flower pot");
    picture(out, 952, Family::Menu, 128, 128, false, "menu side picture: butterfly");
    picture(out, 961, Family::Menu, 256, 128, false, "Play button");
    picture(out, 962, Family::Menu, 256, 128, false, "Quit button, lit");
    picture(out, 970, Family::Menu, 512, 512, false, "menu overlay: the spotlight of the Prima Ballerina and a vine");
    picture(out, 981, Family::Menu, 128, 128, false, "button: previous information page");
    picture(out, 982, Family::Menu, 128, 128, false, "button: next information page");
}

void addTitleAndLoading(std::vector<AssetEntry>& out) {
    picture(out, 941, Family::Title, 1024, 1024, false, "title background with the guide's speech bubble");
    picture(out, 942, Family::Title, 512, 512, false, "title: ballerina and cat on the stage");
    picture(out, 943, Family::Title, 256, 256, false, "title: blossom emblem");
    picture(out, 944, Family::Title, 256, 256, false, "title: Mr. Pogo, the guide, over his name plate");
    picture(out, 945, Family::Title, 128, 64, false, "title: blossoms trimming the name plate");
    picture(out, 895, Family::Loading, 64, 64, false, "loading: full progress cell");
    picture(out, 896, Family::Loading, 256, 64, false, "loading: label");
    picture(out, 897, Family::Loading, 64, 64, false, "loading: empty progress cell");

    AssetEntry icon;
    icon.file = "whirligig.bmp";
    icon.kind = AssetKind::Icon;
    icon.family = Family::WindowIcon;
    icon.width = icon.height = 64;
    icon.role = "window icon: a whirligig blossom; 8-bit palettised, top-left pixel is the colour key";
    out.push_back(icon);
}

}  // namespace

void addPictureEntries(std::vector<AssetEntry>& out) {
    addGlyphsAndFont(out);
    addStageMarks(out);
    // 863 and 881-885 are read by the interface too; they are written once.
    addInterface(out);
    addMenuAndLevels(out);
    addTitleAndLoading(out);
}
