#include "Painters.h"

Image paintEntry(const AssetEntry& e) {
    Canvas c(e.width, e.height);
    switch (e.family) {
    case Family::Ballerina: paintBallerina(c, e.frame, false); break;
    case Family::Guardian: paintBallerina(c, e.frame, true); break;
    case Family::Racer: paintRacer(c, e.frame); break;
    case Family::Cat:
        if (e.frame <= 18) paintCat(c, e.frame);  // later frames stay empty
        break;
    case Family::Talent: paintTalent(c, e.number, e.frame); break;
    case Family::Muse: paintMuse(c, e.frame); break;
    case Family::MuseGrowing: paintGrowingMuse(c, e.frame); break;
    case Family::Blossom: paintBlossom(c, e.number, e.frame); break;
    case Family::Effect: paintEffect(c, e.number, e.frame); break;
    case Family::Floor: paintFloor(c, e.frame); break;
    case Family::Font: paintFont(c); break;
    case Family::Glyph: paintGlyph(c, e.number); break;
    case Family::StageMark: paintStageMark(c, e.number); break;
    case Family::Interface: paintInterface(c, e.number); break;
    case Family::Menu: paintMenu(c, e.number); break;
    case Family::Rank: paintRank(c, e.number - 200); break;
    case Family::Level:
        if (e.number == 35) paintWorldMap(c);
        else paintLevel(c, e.number);
        break;
    case Family::Preview: paintPreview(c, e.number - 350); break;
    case Family::Title: paintTitle(c, e.number); break;
    case Family::Loading: paintLoading(c, e.number); break;
    case Family::WindowIcon:
    case Family::Sound:
    case Family::Music: break;
    }
    return c.toImage();
}
