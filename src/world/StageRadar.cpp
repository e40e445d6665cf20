#include "world/StageRadar.h"

#include "actors/Avatar.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "render/WorldRenderer.h"
#include "world/World.h"

namespace {

constexpr float radarGameZoom = 30.0f;  // the zoom at which the radar shows the whole stage

}  // namespace

void fillStageRadar(World& w, bool preview) {
    if (!w.complete()) return;
    Radar& radar = w.textures->radar();
    radar.clear();
    // The menu's preview shows the avatars with the level; in the game they
    // stay off while the menu holds them.
    const bool withAvatars = preview || w.avatarsInDance;
    auto blip = [&](const Actor& a, std::int32_t maximum, std::int32_t current, bool target, float weight,
                    Vector point) {
        if (a.kind == 0) return;
        RadarBlip b;
        b.kind = a.kind;
        b.position = a.position;
        b.maximum = maximum;
        b.current = current;
        b.width = a.width;
        b.height = a.height;
        b.angle = a.angle;
        b.hasTarget = target && weight > 0.0f;
        b.target = point;
        radar.add(b);
    };
    for (int i = w.poolSize - 1; i >= 0; --i) {
        const PowerUp& t = *w.powerUps[i];
        blip(t, t.maxEnergy, t.energy, t.targetFlag, t.targetWeight, t.targetPoint);
        const Obstacle& o = *w.obstacles[i];
        blip(o, o.maxEnergy, o.energy, o.targetFlag, o.targetWeight, o.targetPoint);
        const Muse& m = *w.muses[i];
        blip(m, m.capacity(), m.charge(), m.targetFlag, m.targetWeight, m.targetPoint);
        if (withAvatars) {
            const Avatar& a = *w.avatars[i];
            blip(a, a.maxEnergy, a.energy, a.targetFlag, a.targetWeight, a.targetPoint);
        }
    }
}

void drawStageRadar(World& w, bool preview) {
    if (!w.graphicsReady() || !w.complete()) return;
    WorldRenderer& paint = *w.textures;
    fillStageRadar(w, preview);
    // The leash line is the game's only.
    const float zoomFactor = preview ? 1.0f : w.zoom / radarGameZoom;
    paint.radar().draw(w.viewOffset, preview, w.mapScale, zoomFactor, !preview && w.avatarsInDance,
                       w.prima().position, w.cat().position);
}
