#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/DanceFloor.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "world/World.h"

namespace {

// A touches B: B's kind, position, size, damage and momentum. A pair with a
// free slot on either side does nothing, so it is not asked.
inline void touches(Actor& a, const Actor& b) {
    if (a.kind == 0 || b.kind == 0) return;
    a.touch(b.kind, b.position, b.width, b.height, b.damage, b.momentum);
}

// The same for a muse or a talent, which first say whether B is near enough
// to matter to them: most pairs of a busy stage are far apart, and a touch
// that can change nothing is not worth its call and its square root.
template <typename Receiver>
inline void touchesNear(Receiver& a, const Actor& b) {
    if (a.kind == 0 || b.kind == 0) return;
    if (!a.mayNotice(b.kind, b.position, b.width, b.height)) return;
    a.touch(b.kind, b.position, b.width, b.height, b.damage, b.momentum);
}

// A blossom tests B: as a touch, with B's slot and the point a blossom
// thrown at B steers to (asked for only when the blossom may notice B).
template <typename AimPoint>
inline void tests(Projectile& a, const Actor& b, int slot, AimPoint aimPoint) {
    if (a.kind == 0 || b.kind == 0) return;
    const auto otherSlot = static_cast<std::uint16_t>(slot);
    if (!a.mayNotice(b.kind, b.position, otherSlot, b.width, b.height)) return;
    a.touch(b.kind, b.position, otherSlot, aimPoint(), b.width, b.height, b.damage, b.momentum);
}

inline void clearContact(Actor& a) {
    a.carried = 0;
    a.blocked = 0;
}

}  // namespace

void World::interact() {
    if (!allocated) return;
    Avatar& p = prima();
    const Camera& view = *camera;

    for (int i = 0; i < poolSize; ++i) {
        Projectile& blossom = *projectiles[i];
        Obstacle& ballerina = *obstacles[i];
        Avatar& avatar = *avatars[i];
        PowerUp& talent = *powerUps[i];
        Muse& muse = *muses[i];
        const auto slot = static_cast<std::uint8_t>(i);

        // 1. Particles that ride with their owners.
        if (blossom.kind) effects->attach(blossom.kind, slot, blossom.position, blossom.velocity, blossom.angle);
        if (ballerina.kind) effects->attach(ballerina.kind, slot, ballerina.position, ballerina.velocity, ballerina.angle);
        if (avatar.kind) effects->attach(avatar.kind, slot, avatar.position, avatar.velocity, avatar.angle);
        if (talent.kind) effects->attach(talent.kind, slot, talent.position, talent.velocity, talent.angle);
        if (muse.kind) effects->attach(muse.kind, slot, muse.position, muse.velocity, muse.angle);

        // 2. The view point: every actor learns its distance to it.
        touchesNear(muse, view);
        touches(ballerina, view);
        tests(blossom, view, Projectile::noSlot, [] { return Vector{}; });
        touchesNear(talent, view);

        // 3. The contact flags start afresh; so does the cat's selection,
        // which this pass sets again for whatever the cat stands on.
        clearContact(p);
        clearContact(ballerina);
        clearContact(muse);
        clearContact(blossom);
        clearContact(talent);
        ballerina.selected = 0;
        muse.selected = 0;
        talent.selected = 0;

        // 4. Every pair, in this fixed order.
        for (int j = 0; j < poolSize; ++j) {
            const Projectile& otherBlossom = *projectiles[j];
            const Obstacle& otherBallerina = *obstacles[j];
            const Avatar& otherAvatar = *avatars[j];
            const PowerUp& otherTalent = *powerUps[j];
            const Muse& otherMuse = *muses[j];

            if (muse.kind) {
                touchesNear(muse, otherBlossom);
                touchesNear(muse, otherBallerina);
                touchesNear(muse, otherAvatar);
                touchesNear(muse, otherTalent);
                if (j != i) touchesNear(muse, otherMuse);
            }
            if (ballerina.kind) {
                touches(ballerina, otherBlossom);
                touches(ballerina, otherMuse);
                touches(ballerina, otherAvatar);
                touches(ballerina, otherTalent);
                if (j != i) touches(ballerina, otherBallerina);
            }
            if (avatar.kind) {
                touches(avatar, otherBlossom);
                touches(avatar, otherBallerina);
                touches(avatar, otherMuse);
                touches(avatar, otherTalent);
                if (j != i) touches(avatar, otherAvatar);
            }
            if (blossom.kind) {
                tests(blossom, otherBallerina, j, [&] { return otherBallerina.throwPoint(); });
                tests(blossom, otherMuse, j, [&] { return otherMuse.position; });
                tests(blossom, otherAvatar, j, [&] { return otherAvatar.throwPoint(); });
                tests(blossom, otherTalent, j, [&] { return otherTalent.position; });
                if (j != i) tests(blossom, otherBlossom, j, [&] { return otherBlossom.position; });
            }
            if (talent.kind) {
                touchesNear(talent, otherBlossom);
                touchesNear(talent, otherBallerina);
                touchesNear(talent, otherAvatar);
                touchesNear(talent, otherMuse);
                if (j != i) touchesNear(talent, otherTalent);
            }
        }
    }

    // The floor learns where dancers and blossoms are, then the Prima
    // Ballerina and the view point.
    DanceFloor& floor = *danceFloor;
    const auto floorSees = [&floor](const Actor& b) {
        if (b.kind != 0) floor.touch(b.kind, b.position, b.width, b.height, b.damage, b.momentum);
    };
    for (int i = 0; i < poolSize; ++i) {
        floorSees(*obstacles[i]);
        floorSees(*projectiles[i]);
    }
    floorSees(p);
    floorSees(view);
}
