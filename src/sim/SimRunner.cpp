#include "sim/SimRunner.h"

#include <chrono>
#include <cmath>
#include <cstdarg>
#include <ctime>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "actors/Random.h"
#include "world/LevelLayout.h"

namespace {

// The seed clock is a plain function; it reads the seed of the run.
std::time_t simSeed = 1;
std::time_t simClock() { return simSeed; }

bool finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool fail(char* message, std::size_t size, const char* format, ...) {
    if (message != nullptr && size > 0) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(message, size, format, args);
        va_end(args);
    }
    return false;
}

// A float for JSON: non-finite values have no JSON number.
void writeNumber(std::FILE* out, float value) {
    if (std::isfinite(value))
        std::fprintf(out, "%.4f", static_cast<double>(value));
    else
        std::fprintf(out, "null");
}

}  // namespace

SimRunner::~SimRunner() {
    dance.reset();
    setSeedClock(nullptr);
}

void SimRunner::setBot(SimBotStep step, void* context) {
    bot = step;
    botContext = context;
}

bool SimRunner::start(const SimOptions& options) {
    settings = options;
    simSeed = static_cast<std::time_t>(options.seed);
    setSeedClock(simClock);
    reseedFromClock();
    dance.reset();
    dance = std::make_unique<World>();
    if (!dance->complete()) return false;
    World& w = *dance;
    w.level = options.level;
    w.difficulty = options.difficulty;
    w.load(0);
    w.startLevel(options.level);
    w.layout->buildLayout(options.level);
    w.goalB = w.layout->goalB();
    w.goalMuses = w.layout->goalMuses();
    w.goalHappy = w.layout->goalHappy();
    startBallerinas = w.countObstacles(0);
    frameCount = switchCount = thrownCount = 0;
    wonDance = lostDance = totalsFell = false;
    totalMilliseconds = 0.0;
    entry.reset(SimInput{}.mouseX);
    return true;
}

bool SimRunner::step() {
    World& w = *dance;
    const SimInput input = bot != nullptr ? bot(w, frameCount, botContext) : SimInput{};
    const float dt = settings.seconds;
    if (frameCount == 0) {
        // The mouse was already where the first frame finds it: no jump of
        // the cat from the window's corner.
        w.cat().lastMouseX = input.mouseX;
        w.cat().lastMouseY = input.mouseY;
        entry.reset(input.mouseX);
    }
    // Time cannot be frozen in the guided first dance.
    const bool rightButton = input.rightButton && settings.level != World::guidedDanceLevel;
    const std::int32_t happyWas = w.happyTotal, sungWas = w.sungTotal, leftWas = w.leftCount;
    const auto begin = std::chrono::steady_clock::now();

    entry.moveCursor(w, input.mouseX, dt);
    w.steer(input.mouseX, input.mouseY, input.leftButton, rightButton, false, false, false, false, false,
            false, false, false, false, false, false, false, dt);
    w.think(dt);
    for (int i = 0; i < w.poolSize; ++i) thrownCount += w.projectiles[i]->launching ? 1 : 0;
    w.update(input.handedName[0] != 0 ? input.handedName : entry.handedName(), false, dt);
    entry.afterUpdate(w, input.leftButton, dt);
    if (w.switchSucceeded) ++switchCount;
    if (w.happyTotal < happyWas || w.sungTotal < sungWas || w.leftCount < leftWas) totalsFell = true;

    const auto end = std::chrono::steady_clock::now();
    totalMilliseconds += std::chrono::duration<double, std::milli>(end - begin).count();
    ++frameCount;
    wonDance = w.goalsMet(startBallerinas);
    lostDance = w.lost();
    return !wonDance && !lostDance;
}

void SimRunner::run(std::int32_t frames) {
    for (std::int32_t i = 0; i < frames; ++i)
        if (!step()) break;
}

bool SimRunner::checkInvariants(char* message, std::size_t size) const {
    const World& w = *dance;
    const Avatar& p = w.prima();
    const Avatar& c = w.cat();
    if (!finite(p.position) || !finite(c.position)) return fail(message, size, "avatar position not finite");
    if (p.kind != 0 && p.kind != Kind::prima) return fail(message, size, "avatar slot 1 holds kind %d", p.kind);
    if (c.kind != 0 && c.kind != Kind::cat) return fail(message, size, "avatar slot 2 holds kind %d", c.kind);
    if (!finite(w.camera->position) || !finite(w.cameraPosition)) return fail(message, size, "camera not finite");
    if (!std::isfinite(w.timeScale) || w.timeScale < 0.0f || w.timeScale > 3.0f)
        return fail(message, size, "time scale %f", static_cast<double>(w.timeScale));
    if (p.kind != 0 && (p.energy > 205 || !std::isfinite(p.facing)))
        return fail(message, size, "Prima energy %d", p.energy);

    for (int i = 0; i < w.poolSize; ++i) {
        const Avatar& a = *w.avatars[i];
        if (a.kind != 0 && !((i == 1 && a.kind == Kind::prima) || (i == 2 && a.kind == Kind::cat)))
            return fail(message, size, "avatar slot %d holds kind %d", i, a.kind);
        const Obstacle& o = *w.obstacles[i];
        if (o.kind != 0 && !(o.kind >= 111 && o.kind <= 113))
            return fail(message, size, "ballerina slot %d holds kind %d", i, o.kind);
        if (o.kind != 0 && (!finite(o.position) || !std::isfinite(o.angle)))
            return fail(message, size, "ballerina slot %d not finite", i);
        if (o.kind != 0 && o.sadness > 100) return fail(message, size, "ballerina slot %d sadness %d", i, o.sadness);
        const Muse& m = *w.muses[i];
        if (m.kind != 0 && !(m.kind == 161 || m.kind == 162))
            return fail(message, size, "muse slot %d holds kind %d", i, m.kind);
        if (m.kind != 0 && !finite(m.position)) return fail(message, size, "muse slot %d not finite", i);
        const Projectile& b = *w.projectiles[i];
        if (b.kind != 0 && !(b.kind >= 141 && b.kind <= 144))
            return fail(message, size, "blossom slot %d holds kind %d", i, b.kind);
        if (b.kind != 0 && !finite(b.position)) return fail(message, size, "blossom slot %d not finite", i);
        const PowerUp& t = *w.powerUps[i];
        if (t.kind != 0 && !(t.kind >= 131 && t.kind <= 138))
            return fail(message, size, "talent slot %d holds kind %d", i, t.kind);
        if (t.kind != 0 && !finite(t.position)) return fail(message, size, "talent slot %d not finite", i);
    }
    // The placing and spawning searches never use slot 0 of these pools.
    if (w.obstacles[0]->kind != 0 || w.muses[0]->kind != 0 || w.powerUps[0]->kind != 0)
        return fail(message, size, "slot 0 in use");
    for (int k = 0; k < 4; ++k)
        if (w.counts[k] > w.poolSize) return fail(message, size, "count %d is %d", k, w.counts[k]);
    if (w.countObstacles(0) > w.poolSize || w.countMuses(0) > w.poolSize || w.countPowerUps(0) > w.poolSize ||
        w.countProjectiles(0) > w.poolSize)
        return fail(message, size, "a pool holds more than its slots");
    if (w.leftCount < 0 || w.score < 0 || w.happyTotal < 0 || w.sungTotal < 0)
        return fail(message, size, "a dance counter fell below 0");
    if (totalsFell) return fail(message, size, "a goal total fell during the dance");
    return true;
}

void SimRunner::writeJson(std::FILE* out) const {
    const World& w = *dance;
    int o = 0, pq = 0, q = 0;
    for (int i = 0; i < w.poolSize; ++i) {
        const std::uint8_t k = w.obstacles[i]->kind;
        o += k == Kind::ballerina;
        pq += k == Kind::dancerP;
        q += k == Kind::dancerQ;
    }
    const Avatar& p = w.prima();
    const Avatar& c = w.cat();
    std::fprintf(out,
                 "{\"level\":%d,\"difficulty\":%d,\"goalB\":%d,\"goalMuses\":%d,\"goalHappy\":%d,"
                 "\"ballerinasO\":%d,\"ballerinasP\":%d,\"ballerinasQ\":%d,\"muses\":%d,\"powerUps\":%d,",
                 w.level, w.difficulty, w.goalB, w.goalMuses, w.goalHappy, o, pq, q, w.countMuses(0),
                 w.countPowerUps(0));
    std::fprintf(out, "\"prima\":{\"x\":");
    writeNumber(out, p.position.x);
    std::fprintf(out, ",\"y\":");
    writeNumber(out, p.position.y);
    std::fprintf(out, ",\"energy\":%d,\"blue\":%d,\"green\":%d,\"red\":%d},\"cat\":{\"x\":", p.energy, p.blue(),
                 p.green(), p.red());
    writeNumber(out, c.position.x);
    std::fprintf(out, ",\"y\":");
    writeNumber(out, c.position.y);
    std::fprintf(out, ",\"energy\":%d}", c.energy);
    if (frameCount > 0) {
        std::fprintf(out, ",\"frames\":%d,\"danceTime\":", frameCount);
        writeNumber(out, w.danceTime);
        std::fprintf(out,
                     ",\"score\":%d,\"leftCount\":%d,\"happyTotal\":%d,\"sungTotal\":%d,\"won\":%s,\"lost\":%s,"
                     "\"switches\":%d,\"blossomsThrown\":%d,\"msPerFrame\":%.4f",
                     w.score, w.leftCount, w.happyTotal, w.sungTotal, wonDance ? "true" : "false",
                     lostDance ? "true" : "false", switchCount, thrownCount, msPerFrame());
    }
    std::fprintf(out, "}\n");
}
