// The World's drawing pass: what is drawn, in which order and when, and the
// on-screen counts and cat-on flags the hints read. Without a graphics
// context (the headless simulation) the counts and flags are kept all the
// same and nothing is drawn.
#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/DanceFloor.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "actors/RewindRecorder.h"
#include "render/StageFrame.h"
#include "render/WorldRenderer.h"
#include "world/StageRadar.h"
#include "world/StageSight.h"
#include "world/World.h"

namespace {

constexpr std::int32_t frozenFloorFrame = 41;
constexpr float markerDepth = -1.0f;
constexpr char museLine[] = "if you throw flowers at me i spend you talents";
// At amateur and pro level a ballerina's saying stays hidden behind a blank line.
constexpr char blankSaying[] = "                                     ";

// The leash between the cat and the Prima Ballerina, and a dragged actor's pull.
constexpr Colour linkColour{255, 190, 225, 70};
constexpr Colour dragColour{255, 255, 255, 60};

using namespace StageSight;

// One pass over the stage. paint is null without a graphics context.
class StagePass {
public:
    StagePass(World& world, WorldRenderer* paint, float seconds) : w(world), paint(paint), seconds(seconds) {}

    void ghosts();
    void links();
    float badges();
    void actors(float catLift);

private:
    void drawObstacle(int slot, const Obstacle& o, float frameTime, std::uint8_t alpha, Vector at);
    void drawAvatar(int slot, const Avatar& a, float frameTime, std::uint8_t alpha, Vector at);
    void drawMuse(int slot, const Muse& m, float frameTime);
    void drawTalent(int slot, const PowerUp& t, float frameTime, std::uint8_t alpha, Vector at);
    void drawBlossom(int slot, const Projectile& b, float frameTime, std::uint8_t alpha, Vector at);
    void trails(int slot);

    World& w;
    WorldRenderer* paint;
    float seconds;
};

// The badge beside an actor under the cat: its kind, place and size, and
// its hearts out of the maximum.
BadgeContent badgeBeside(const Actor& a, std::int32_t maximum, std::int32_t energy) {
    BadgeContent badge;
    badge.kind = a.kind;
    badge.maximum = maximum;
    badge.energy = energy;
    badge.x = a.position.x + badgeOffsetX;
    badge.y = a.position.y + badgeOffsetY;
    badge.z = a.position.z;
    badge.size = a.width;
    return badge;
}

Colour withAlpha(Colour c, std::uint8_t alpha) {
    c.alpha = static_cast<std::uint8_t>(static_cast<unsigned>(c.alpha) * alpha / 100u);
    return c;
}

void StagePass::drawObstacle(int slot, const Obstacle& o, float frameTime, std::uint8_t alpha, Vector at) {
    paint->actors().drawActor(slot, o.kind, at, o.width, o.height, o.angle, headingAngle(o), frameTime,
                              withAlpha(o.look.colour, alpha), o.moodFrame, o.look.costume);
}

void StagePass::drawAvatar(int slot, const Avatar& a, float frameTime, std::uint8_t alpha, Vector at) {
    // She dances along her facing; the cat looks where it is going.
    const float angle = a.isPrima() ? a.facing : a.angle;
    paint->actors().drawActor(slot, a.kind, at, a.width, a.height, angle, angle, frameTime,
                              withAlpha(a.look.colour, alpha), a.state(), a.look.costume);
}

void StagePass::drawMuse(int slot, const Muse& m, float frameTime) {
    paint->actors().drawActor(slot, m.kind, m.position, m.width, m.height, m.angle, headingAngle(m), frameTime,
                              m.displayColour(), m.state(), m.costume);
}

void StagePass::drawTalent(int slot, const PowerUp& t, float frameTime, std::uint8_t alpha, Vector at) {
    paint->actors().drawActor(slot, t.kind, at, t.width, t.height, t.angle, headingAngle(t), frameTime,
                              withAlpha(t.colour, alpha), t.state(), t.costume);
}

void StagePass::drawBlossom(int slot, const Projectile& b, float frameTime, std::uint8_t alpha, Vector at) {
    const Costume petals = blossomCostume(b);
    paint->actors().drawActor(slot, b.kind, at, b.width, b.height, b.spin, b.angle, frameTime,
                              withAlpha(b.colour1, alpha), 1, petals);
}

// While time stands, every recorded moment shows as a fading ghost. Ghosts
// do not advance the blink and animation clocks of the living.
void StagePass::ghosts() {
    if (paint == nullptr) return;
    const RewindRecorder& history = *w.recorder;
    const int count = history.count();
    const Vector camera = w.cameraPosition;
    auto near = [&](Vector at, float width) {
        const float dx = at.x - camera.x;
        const float dy = at.y - camera.y;
        return dx * dx + dy * dy < (w.viewRadius + width) * (w.viewRadius + width);
    };
    // Only ghosts are drawn here: they go out together, in their order.
    paint->beginSprites();
    for (int slot = 0; slot < w.poolSize; ++slot) {
        for (int entry = 1; entry < count; ++entry) {
            const std::uint8_t alpha = ghostAlpha(entry, count);
            const Snapshot& a = history.entry(RewindRecorder::avatarPool, slot, entry);
            if (a.kind != 0 && w.avatarsInDance) {
                const Avatar& avatar = *w.avatars[slot];
                paint->actors().drawActor(slot, a.kind, a.position, avatar.width, avatar.height, a.angle, a.angle,
                                          0.0f, withAlpha(avatar.look.colour, alpha), avatar.state(),
                                          avatar.look.costume);
            }
            const Snapshot& o = history.entry(RewindRecorder::obstaclePool, slot, entry);
            const Obstacle& dancer = *w.obstacles[slot];
            if (o.kind != 0 && near(o.position, dancer.width)) {
                paint->actors().drawActor(slot, o.kind, o.position, dancer.width, dancer.height, o.angle, o.angle,
                                          0.0f, withAlpha(dancer.look.colour, alpha), dancer.moodFrame,
                                          dancer.look.costume);
            }
            const Snapshot& t = history.entry(RewindRecorder::powerUpPool, slot, entry);
            const PowerUp& talent = *w.powerUps[slot];
            if (t.kind != 0 && near(t.position, talent.width)) {
                paint->actors().drawActor(slot, t.kind, t.position, talent.width, talent.height, t.angle, t.angle,
                                          0.0f, withAlpha(talent.colour, alpha), 1, talent.costume);
            }
            const Snapshot& b = history.entry(RewindRecorder::projectilePool, slot, entry);
            const Projectile& blossom = *w.projectiles[slot];
            if (b.kind != 0 && near(b.position, blossom.width)) {
                const Costume petals = blossomCostume(blossom);
                paint->actors().drawActor(slot, b.kind, b.position, blossom.width, blossom.height, b.angle,
                                          b.angle, 0.0f, withAlpha(blossom.colour1, alpha), 1, petals);
            }
        }
    }
    paint->endSprites();
}

// The leash from the cat to the Prima Ballerina, and the pull of every
// actor the cat drags.
void StagePass::links() {
    if (paint == nullptr) return;
    Ribbons& ribbons = paint->ribbons();
    const Avatar& c = w.cat();
    const Avatar& p = w.prima();
    if (w.avatarsInDance && c.kind != 0 && p.kind != 0) {
        ribbons.drawLinkRibbon(c.position.x, c.position.y, c.position.z, p.position.x, p.position.y,
                               p.position.z, linkColour.r, linkColour.g, linkColour.b, linkColour.alpha);
    }
    auto drag = [&](const Actor& a) {
        if (a.kind == 0 || !a.carried || !(a.carrySpeed > 0.0f)) return;
        ribbons.drawLinkRibbon(a.position.x, a.position.y, a.position.z, a.previousPosition.x,
                               a.previousPosition.y, a.previousPosition.z, dragColour.r, dragColour.g,
                               dragColour.b, dragColour.alpha);
    };
    for (int i = 0; i < w.poolSize; ++i) {
        drag(*w.obstacles[i]);
        drag(*w.muses[i]);
        drag(*w.powerUps[i]);
        drag(*w.projectiles[i]);
    }
}

// The badges of whatever the cat stands on; returns the height of the last
// badge shown (0 for none), by which the cat is lifted.
float StagePass::badges() {
    w.catOnBallerina = w.catOnMuse = w.catOnTalent = w.ballerinaNear = false;
    float lift = 0.0f;
    for (int i = 0; i < w.poolSize; ++i) {
        Obstacle& o = *w.obstacles[i];
        if (o.kind != 0 && o.selected) {
            w.catOnBallerina = true;
            if (paint != nullptr) {
                BadgeContent badge = badgeBeside(o, o.maxEnergy, o.sadness);
                badge.talents[0] = o.talents[Obstacle::blueTalent];
                badge.talents[1] = o.talents[Obstacle::greenTalent];
                badge.talents[2] = o.talents[Obstacle::redTalent];
                badge.title = w.nameEntry ? "?" : o.name;
                badge.description = w.difficulty == 1 || w.difficulty == 2 ? blankSaying : o.saying;
                paint->badge().draw(badge, seconds);
            }
            lift = dancerBadgeHeight(o);
            o.selected = 0;
        }
        Muse& m = *w.muses[i];
        if (m.kind != 0 && m.selected) {
            w.catOnMuse = true;
            if (paint != nullptr) {
                BadgeContent badge = badgeBeside(m, m.capacity(), m.charge());
                badge.title = "Muse";
                badge.description = m.kind == Kind::muse ? museLine : "";
                paint->badge().draw(badge, seconds);
            }
            lift = m.height * museBadgeFactor;
            m.selected = 0;
        }
        PowerUp& t = *w.powerUps[i];
        if (t.kind != 0 && t.selected) {
            w.catOnTalent = true;
            if (paint != nullptr) {
                BadgeContent badge = badgeBeside(t, t.maxEnergy, t.energy);
                badge.title = "Talent";
                badge.description = PowerUp::tooltip(t.kind);
                paint->badge().draw(badge, seconds);
            }
            lift = t.height * talentBadgeFactor;
            t.selected = 0;
        }
    }
    return lift;
}

void StagePass::trails(int i) {
    if (paint == nullptr) return;
    TrailPainter& trail = paint->trailPainter();
    const Vector camera = w.cameraPosition;
    const float reach = w.nearRadiusFactor * w.viewRadius;
    auto near = [&](const Actor& a) { return a.kind != 0 && !a.carried && cameraDistance(a, camera) - a.width < reach; };
    auto draw = [&](const Actor& a, float gate, std::int32_t value, Colour c) {
        trail.drawTrail(i, a.kind, gate, a.position.x, a.position.y, a.position.z, a.width * 0.5f, a.height * 0.5f,
                        value, c.r, c.g, c.b, seconds);
    };
    const PowerUp& t = *w.powerUps[i];
    if (near(t)) draw(t, t.speed, t.energy, trailColour(t));
    const Obstacle& o = *w.obstacles[i];
    if (near(o)) draw(o, o.speed, o.sadness, trailColour(o));
    const Projectile& b = *w.projectiles[i];
    if (near(b)) draw(b, b.speed * 10.0f, static_cast<std::int32_t>(b.speed * 10.0f), trailColour(b));
    const Avatar& a = *w.avatars[i];
    if (a.kind != 0 && w.avatarsInDance) draw(a, a.speed, a.energy, trailColour(a));
}

// Status rings, trails, then every actor in view, counting what is shown.
void StagePass::actors(float catLift) {
    w.ballerinasOnScreen = w.musesOnScreen = w.unhappyOnScreen = 0;
    const Vector camera = w.cameraPosition;
    const float radius = w.viewRadius;
    for (int i = 0; i < w.poolSize; ++i) {
        const Muse& m = *w.muses[i];
        if (!w.frozen) {
            if (paint != nullptr && inView(m, camera, radius) && !m.carried) {
                paint->marks().drawStatusRing(m.kind, m.position.x, m.position.y, m.position.z, -camera.x,
                                              -camera.y, m.capacity(), m.charge(), m.width, m.height, m.angle);
            }
            trails(i);
        }

        const Projectile& b = *w.projectiles[i];
        if (inView(b, camera, radius) && paint != nullptr) drawBlossom(i, b, seconds, 100, b.position);

        const Obstacle& o = *w.obstacles[i];
        if (dancerShown(o, camera, radius, w.timeScale)) {
            if (paint != nullptr) drawObstacle(i, o, seconds, 100, o.position);
            if (o.kind == Kind::ballerina) {
                ++w.ballerinasOnScreen;
                if (!o.happy) ++w.unhappyOnScreen;
                if (cameraDistance(o, camera) - o.width < nearDistance) w.ballerinaNear = true;
            }
        }

        if (inView(m, camera, radius)) {
            if (paint != nullptr) drawMuse(i, m, seconds);
            ++w.musesOnScreen;
        }

        const PowerUp& t = *w.powerUps[i];
        if (inView(t, camera, radius) && paint != nullptr) drawTalent(i, t, seconds, 100, t.position);

        const Avatar& a = *w.avatars[i];
        if (w.avatarsInDance && !a.isCat() && inView(a, camera, radius) && paint != nullptr) {
            drawAvatar(i, a, seconds, 100, a.position);
        }
    }
    // The cat is the player's pointer: it is drawn over whatever it stands
    // on, lifted toward the viewer by the badge it shows.
    for (int i = 0; i < w.poolSize; ++i) {
        const Avatar& a = *w.avatars[i];
        if (w.avatarsInDance && a.isCat() && inView(a, camera, radius) && paint != nullptr) {
            Vector at = a.position;
            at.z += catLift;
            drawAvatar(i, a, seconds, 100, at);
        }
    }
}

}  // namespace

void World::draw(float seconds) {
    if (!allocated) return;
    WorldRenderer* paint = hasGraphics ? textures.get() : nullptr;
    const bool particles = showEffects && level != guidedDanceLevel;

    if (paint != nullptr) {
        // 1. The stage's background: her colour, or the freeze running out.
        float red = prima().look.background.r / 255.0f;
        float green = prima().look.background.g / 255.0f;
        float blue = prima().look.background.b / 255.0f;
        if (frozen) StageSight::freezeColour(freezeLimit, freezeElapsed, red, green, blue);
        beginStageFrame(red, green, blue);

        // 2. The floor; frozen, it shows its ice. floorColourA picks the
        // pattern (set floorShade); floorColourB always equals it, so one
        // pattern at full strength is drawn.
        if (showFloor) {
            pushCameraView(cameraPosition);
            paint->floorRenderer().load(danceFloor->pictureSet, static_cast<unsigned>(danceFloor->frameCount));
            paint->floorRenderer().draw(danceFloor->meshData(), floorShade, frozen ? frozenFloorFrame : floorColourA);
            popView();
        }
        // 3. Particles that settled under the dancers.
        if (particles) {
            pushCameraView(cameraPosition);
            paint->effectRenderer().draw(*effects, true);
            popView();
        }
        pushCameraView(cameraPosition);
    }

    // 4. The actors.
    StagePass pass(*this, paint, seconds);
    if (paint != nullptr) {
        if (frozen && !nameEntry) paint->clearAllTrails();
        paint->actors().setSpriteScale(timeScale);
        if (frozen) pass.ghosts();
        pass.links();
    }
    const float catLift = pass.badges();
    pass.actors(catLift);

    if (paint == nullptr) return;
    popView();

    // 5. Particles flying over the dancers.
    if (particles) {
        pushCameraView(cameraPosition);
        paint->effectRenderer().draw(*effects, false);
        popView();
    }

    // 6. The anchor of the ring labels.
    endStageFrame();
    pushOffset(viewOffset.x, viewOffset.y, markerDepth);
    paint->marks().drawMarker(viewOffset.x, viewOffset.y, viewOffset.z);
    popView();

    // 7. The overview of the whole stage.
    drawStageRadar(*this, false);
}
