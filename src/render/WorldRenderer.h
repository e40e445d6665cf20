#pragma once

#include "render/ActorPainter.h"
#include "render/Badge.h"
#include "render/EffectRenderer.h"
#include "render/FloorRenderer.h"
#include "render/Radar.h"
#include "render/Ribbons.h"
#include "render/RingLabels.h"
#include "render/StageCanvas.h"
#include "render/StageMarks.h"
#include "render/TrailPainter.h"

// Every picture of the dance screen and the painters that draw with them:
// the shared drawing state (StageCanvas) and the drawing operations of the
// dance, each a small class over it: actors, marks (status rings, marker,
// letters), ribbons and beams, trails, ring labels, the badge, the radar,
// and the particles and floor with their own sprite sets.
class WorldRenderer : public StageCanvas {
public:
    ActorPainter& actors() { return actorPainter; }
    StageMarks& marks() { return stageMarks; }
    Ribbons& ribbons() { return ribbonPainter; }
    TrailPainter& trailPainter() { return trailDrawing; }
    RingLabels& labels() { return ringLabels; }
    Badge& badge() { return informationBadge; }
    Radar& radar() { return stageRadar; }
    EffectRenderer& effectRenderer() { return effectDrawing; }
    FloorRenderer& floorRenderer() { return floorDrawing; }

private:
    ActorPainter actorPainter{*this};
    StageMarks stageMarks{*this};
    Ribbons ribbonPainter{*this};
    TrailPainter trailDrawing{*this};
    RingLabels ringLabels{*this};
    Badge informationBadge{*this, ringLabels};
    Radar stageRadar{stageMarks};
    EffectRenderer effectDrawing{*this};
    FloorRenderer floorDrawing;
};
