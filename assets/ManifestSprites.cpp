// The sprite sets: what each frame is, so that the layer stacks of the actor
// drawing compose into a ballerina, a cat, a muse, a talent and a blossom.
//
// Costume parts as the dancers hand them over: P1 hair, P2 hair ornament,
// P3 bodice, P4 tutu, P5 tutu lining, P6 sash, P7 skin, P8 tights, P9 shoes,
// P10 gloves; "own" is the actor's own colour (the eyes of a ballerina).
// Every sprite faces up (+y is the dancer's front) and is seen from above.
//
// The face looks up out of a frame of hair (so it reads at every turn of the
// dancer); the tutu is a flower; the long gloves carry the arms over the
// tutu, which the stack draws after the skin.
//
// Layer stack of sets 101 and 111, bottom to top, with v the part's visible
// value: attached part 30 + state (full colour), skin v, tights 4 + v,
// tutu 22 + v, bodice 24 + v, lining 26 + v, sash 28 + v, gloves 34 + v,
// eyes 13 (9-13 while blinking), hair 13 + v, ornament 15 + v, shoes 18 + v.
// So that the parts meet, give the skin, gloves, tights and shoes matching
// values: skin pose v (1-3) wears gloves v, skin pose 4 gloves 0; tights v
// (1-3) stand in shoes v, tights 4 (legs tucked) in shoes 0.
#include "Manifest.h"

namespace {

const char* const dancerRoles[37] = {
    "skin (P7 v1): head, neck and arms in second position",
    "skin (P7 v2): head, neck and arms raised in a crown",
    "skin (P7 v3): head, neck and arms rounded in front",
    "skin (P7 v4): head, neck, one arm forward and one to the side",
    "tights (P8 v1): one leg stretched forward, one back",
    "tights (P8 v2): both feet forward in fifth position",
    "tights (P8 v3): legs in a side split",
    "tights (P8 v4): legs tucked under the tutu",
    "eyes half closed: dark irises in the own colour (blink 1)",
    "eyes closed (own colour, blink 2)",
    "eyes closed (own colour, blink 3)",
    "eyes half open (own colour, blink 4)",
    "eyes open (own colour; the resting frame)",
    "hair (P1 v1): hair framing the upturned face, with the bun at the back",
    "ornament (P2 v0): satin band over the forehead",
    "ornament (P2 v1): wreath of small blossoms round the bun (guardians: a beret)",
    "ornament (P2 v2): crown of small flowers over the forehead",
    "shoes (P9 v0): toes peeking out, for tights 4 (guardians: calming zone)",
    "shoes (P9 v1): pointe shoes for tights 1 (guardians: calming zone)",
    "shoes (P9 v2): pointe shoes for tights 2 (guardians: calming zone)",
    "shoes (P9 v3): pointe shoes for tights 3 (guardians: calming zone)",
    "tutu (P4 v0): long romantic skirt with a wavy hem (guardians: pleated bell)",
    "tutu (P4 v1): flower tutu of two rings of petals (guardians: pleated bell)",
    "bodice (P3 v0): bodice with shoulder straps",
    "bodice (P3 v1): laced bodice",
    "lining (P5 v0): dotted lining ring",
    "lining (P5 v1): ruffled lining ring",
    "sash (P6 v0): corsage blossom at the front",
    "sash (P6 v1): bow at the back with ribbon tails",
    "attached, state 0: soft shadow (full colour)",
    "attached, state 1 (calm): shadow with a lilac glow (full colour)",
    "attached, state 2 (more than half the hearts): shadow with a rosy glow and hearts (full colour)",
    "attached, state 3 (carried): lifted, wider shadow (full colour)",
    "gloves (P10 v0): long gloves, shoulder to fingertips, over the tutu, for skin pose 4",
    "gloves (P10 v1): long gloves over the tutu for skin pose 1",
    "gloves (P10 v2): long gloves over the tutu for skin pose 2",
    "gloves (P10 v3): long gloves over the tutu for skin pose 3",
};

// Set 112 draws 18 + v first, at the sprite scale (the stage's time scale)
// along the heading: in this set those frames are her calming zone, a faint
// starred circle. Then attached part, skin, and tights up to ornament as sets
// 101 and 111. Same other frame meanings; its tutu is a long bell skirt and
// its ornament a cap.
const char* const racerRoles[8] = {
    "swirl skirt (P5 lining)",
    "spiral stripes on the skirt (P6 sash)",
    "attached: speed streaks behind her (full colour)",
    "flying ponytail (P1 hair)",
    "bodice and arms (P3)",
    "ruffled collar (P4 tutu)",
    "star clips on the collar (P2 ornament)",
    "racing cap with eye slits (own colour)",
};
// Layer stack of set 113: 3, 1, 2, 4, 5, 6, 7, 8.

const char* const catRoles[18] = {
    "body at rest (own colour)",
    "tabby stripes and relaxed front paws (P2, value other than 1)",
    "inner ears (P2)",
    "attached: shadow (full colour)",
    "outer ears (drawn in 118, 86, 67)",
    "head (own colour)",
    "forehead marking (P2)",
    "tail (P2)",
    "eyes and nose (P2)",
    "body, kneading 1 (own colour)",
    "body, kneading 2 (own colour)",
    "body, kneading 3 (own colour)",
    "body, kneading 4 (own colour)",
    "body, kneading 5 (own colour)",
    "body, kneading 6 (own colour)",
    "body, kneading 7 (own colour)",
    "muzzle and whiskers (own colour)",
    "tabby stripes and paws curled to grab (P2 value 1)",
};
// Layer stack of set 106: 8, 4, 1 (10-16 while idling), 18 or 2, 5, 6, 7, 3, 9, 17.

// The talent's shape and symbol (TalentShapes.h): 131 and 135 freeze, a
// hexagon with a snowflake; 132 and 136 more flowers, a drop with a watering
// can; 133 and 137 speed, an arrowhead with a wing; 134 and 138 nicer
// flowers, a blossom with a heart (the super talents are rainbow stars).
const char* const talentRoles[8] = {
    "gem body in the talent's shape (own colour)",
    "dark outline of the talent's symbol (P2, the darker colour)",
    "light fill of the symbol and the shine at rest (P1, the lighter colour)",
    "attached: sparkle star (full colour)",
    "soft halo (spare glow, not in the layer stack)",
    "light fill of the symbol, shine sweep 1 (P1)",
    "light fill of the symbol, shine sweep 2, also the excited look of state 2 (P1)",
    "light fill of the symbol, shine sweep 3 (P1)",
};
// Layer stack of sets 131-138: 1, 2, 4, 3 (6-8 while blinking, 7 in state 2).

const char* const museRoles[12] = {
    "muse in a violet dress: gives freeze talents (full colour)",
    "muse in a blue dress: gives blue talents (full colour)",
    "muse in a green dress: gives green talents (full colour)",
    "muse in a red dress: gives red talents (full colour)",
    "folded wings (spare, full colour)",
    "soft glow (spare)",
    "attached: golden lyre (full colour)",
    "music note (spare)",
    "face: eyes open and a smile (P1)",
    "eyes half closed (spare, P1)",
    "eyes closed (blink 1, P1)",
    "eyes half open (blink 2, P1)",
};
// Layer stack of set 161: 7, talent kind - 130 (1-4), 9 (11-12 while blinking).

const char* const growingMuseRoles[12] = {
    "flowing dress (P7)",
    "dress trim with stars (P8)",
    "butterfly wings (P4)",
    "hair (P2)",
    "ring of notes, turned by the spin angle (P10)",
    "arms, shoulders and face (own colour)",
    "attached: golden orb, drawn at half size (full colour)",
    "sparkle (spare)",
    "eyes open (P1)",
    "eyes half closed (spare, P1)",
    "eyes closed (blink 1, P1)",
    "eyes half open (blink 2, P1)",
};
// Layer stack of set 162: 5, 7, 1, 2, 3, 6, 4, 9 (11-12 while blinking).

// Sets 181-196 are drawn by behaviour number; frame 1 is the start of the
// particle's life and frame 8 its end.
const char* effectRole(int set) {
    switch (set) {
    case 181: return "soft glow";
    case 182: return "expanding ring (view catching up, rewind)";
    case 183: return "speed-trail puff";
    case 184: return "heart-shaped petal (bursts, happy hearts)";
    case 185: return "garden-trail flower, fading";
    case 186: return "swirling petal curl";
    case 187: return "wide glow of a muses' song";
    case 188: return "talent sparkle star";
    case 189: return "launch cloud";
    case 190: return "launch cloud, second layer";
    case 191: return "launch spark streak";
    case 192: return "music note";
    case 193: return "double music note";
    case 194: return "white spark";
    case 195: return "letter flash (right or wrong)";
    default: return "change flash: ring of petals";
    }
}

void addSet(std::vector<AssetEntry>& out, Family family, int set, int frames, int size,
            const char* const* roles, int rolesCount, bool (*tinted)(int frame)) {
    for (int f = 1; f <= frames; ++f) {
        AssetEntry e;
        e.file = spriteFileName(set, f);
        e.kind = AssetKind::Picture;
        e.family = family;
        e.number = set;
        e.frame = f;
        e.width = e.height = size;
        e.tinted = tinted(f);
        e.role = f <= rolesCount ? roles[f - 1] : "reserved: loaded with the set, never drawn (empty)";
        if (f > rolesCount) e.width = e.height = 16;
        out.push_back(e);
    }
}

bool dancerTinted(int f) { return f < 30 || f > 33; }
bool racerTinted(int f) { return f != 3; }
bool catTinted(int f) { return f != 4 && f <= 18; }
bool talentTinted(int f) { return f != 4; }
bool museTinted(int f) { return f == 6 || f == 8 || f >= 9; }
bool growingMuseTinted(int f) { return f != 7; }

}  // namespace

void addSpriteEntries(std::vector<AssetEntry>& out) {
    addSet(out, Family::Ballerina, 101, 37, 128, dancerRoles, 37, dancerTinted);
    addSet(out, Family::Cat, 106, 37, 128, catRoles, 18, catTinted);
    addSet(out, Family::Ballerina, 111, 37, 128, dancerRoles, 37, dancerTinted);
    addSet(out, Family::Guardian, 112, 37, 128, dancerRoles, 37, dancerTinted);
    addSet(out, Family::Racer, 113, 8, 128, racerRoles, 8, racerTinted);
    for (int set = 131; set <= 138; ++set) {
        addSet(out, Family::Talent, set, 8, 128, talentRoles, 8, talentTinted);
        // The super talents' own colour is white: their gem is a rainbow.
        if (set >= 135) {
            out[out.size() - 8].tinted = false;
            out[out.size() - 8].role = "gem body: rainbow star (own colour, which is white)";
        }
    }

    for (int set = 141; set <= 144; ++set) {
        for (int f = 1; f <= 12; ++f) {
            AssetEntry e;
            e.file = spriteFileName(set, f);
            e.family = Family::Blossom;
            e.number = set;
            e.frame = f;
            e.width = e.height = 64;
            e.tinted = true;
            e.role = f <= 6 ? "outer petals (5 round, 6 pointed, 8 slim or 12 needle-thin by strength), opening phase " +
                                  std::to_string(f) + " of 6 (colour 1)"
                            : "inner petals and heart, phase " + std::to_string(f - 6) +
                                  " of 6 (colour 2; draw over frame " + std::to_string(f - 6) + ")";
            out.push_back(e);
        }
    }

    addSet(out, Family::Muse, 161, 12, 128, museRoles, 12, museTinted);
    addSet(out, Family::MuseGrowing, 162, 12, 128, growingMuseRoles, 12, growingMuseTinted);

    for (int f = 1; f <= 41; ++f) {
        AssetEntry e;
        e.file = spriteFileName(171, f);
        e.family = Family::Floor;
        e.number = 171;
        e.frame = f;
        e.width = e.height = 128;
        e.tinted = true;
        e.role = f <= 40 ? "seamless floor pattern " + std::to_string(f) + " (tinted per tile)"
                         : std::string("frozen floor: ice crystals (tinted per tile)");
        out.push_back(e);
    }

    for (int set = 181; set <= 196; ++set) {
        for (int f = 1; f <= 8; ++f) {
            AssetEntry e;
            e.file = spriteFileName(set, f);
            e.family = Family::Effect;
            e.number = set;
            e.frame = f;
            e.width = e.height = set == 187 ? 128 : 64;
            e.tinted = true;
            e.role = std::string(effectRole(set)) + ", life stage " + std::to_string(f) + " of 8";
            out.push_back(e);
        }
    }
}
