#pragma once

#include <cstdint>
#include <memory>

#include "actors/Vector.h"
#include "world/LevelRecord.h"
#include "world/Levels.h"

class Avatar;
class Obstacle;
class Muse;
class Projectile;
class PowerUp;
class DanceFloor;
class EffectPool;
class Camera;
class LevelLayout;
class WorldRenderer;
class RewindRecorder;
class SoundBank;
class GroupTracker;
struct PlacementEntry;

// The dance contest: five pools of actors and everything else of the stage.
// Built without an OpenGL context. initGraphics needs one; after it, load
// also opens the audio and loads the pictures, and startLevel prepares the
// sprite sets. A World that never had initGraphics (the headless
// simulation) runs every rule the same, in silence and without pictures.
class World {
public:
    static constexpr int poolCapacity = 40;
    static constexpr int recordCount = 60;
    // Its right button is passed on as released.
    static constexpr std::uint8_t guidedDanceLevel = ::guidedDanceLevel;

    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // --- set-up -----------------------------------------------------------
    void initGraphics(std::int32_t width, std::int32_t height);
    void load(std::uint8_t flag);
    void clearLevel();
    void startLevel(std::uint8_t level);
    void census();
    void applyDifficulty();
    std::int32_t countObstacles(std::int32_t start) const;
    std::int32_t countMuses(std::int32_t start) const;
    std::int32_t countProjectiles(std::int32_t start) const;
    std::int32_t countPowerUps(std::int32_t start) const;

    // --- one frame: steer, think (not while paused), update, draw ----------
    void steer(std::int32_t mouseX, std::int32_t mouseY, bool leftButton, bool rightButton, bool keyUp,
               bool keyRight, bool keyDown, bool keyLeft, bool keyZoomOut, bool keyZoomIn, bool t,
               bool keyFloor, bool keyEffects, bool r, bool q, bool space, float seconds);
    void think(float seconds);
    void update(const char (&handedName)[10], bool paused, float seconds);
    void draw(float seconds);

    // --- rules used by update ---------------------------------------------
    void interact();
    void switchPrima(std::uint8_t obstacleSlot);
    void shuffleLetters();
    bool letterMatches(char c, int position) const;  // the name entry's letter test

    // --- time control -----------------------------------------------------
    float chaosScale(float seconds);
    void handleRightButton(bool rightButton, float seconds);
    void advanceActors(float seconds);
    void endFreeze();  // frozen and rewinding off, both clocks 0

    // --- hints, guides, screens -------------------------------------------
    void updateHints(float seconds);
    Vector guideToBallerina();
    Vector guideToUnhappy();
    Vector guideToMuse();
    float guideAngleBallerina() const { return guideAngles[0]; }
    float guideAngleUnhappy() const { return guideAngles[1]; }
    float guideAngleMuse() const { return guideAngles[2]; }
    Vector levelPreview(Vector menuPrimaPosition, std::uint8_t level, float seconds, float pausedSeconds);
    void drawOverlay();
    void drawPrimaName();

    // --- scoring and progress ---------------------------------------------
    // The win test: at most goalB of the level's ballerinas still dancing,
    // enough muses sung and enough ballerinas made happy.
    bool goalsMet(std::int32_t ballerinasAtStart) const;
    bool lost() const { return primaHearts < 1; }
    std::int32_t levelBaseScore(std::uint8_t level);
    bool highscoreCheck();

    // --- the two main actors for the Game ---------------------------------
    Avatar& prima() const { return *avatars[1]; }
    Avatar& cat() const { return *avatars[2]; }
    Vector savePrima();
    void restorePrima(Vector v);
    Vector saveCat();
    void placeCat(Vector v);
    Vector primaPositionNow() const;
    Vector catPositionNow() const;

    // --- sound forwarding for the screens ---------------------------------
    void playSong(float volume);
    void playIntro(float volume);
    void freeIntro();
    void stopAllSounds();
    void playLevelEnd(int ending, float volume);
    void playClick(int button);
    void playMouseOver(int button);

    bool graphicsReady() const { return hasGraphics; }
    // False when an owned object could not be made; every operation then does nothing.
    bool complete() const { return allocated; }

    // --- owned objects, created in this order -----------------------------
    std::int32_t poolSize = poolCapacity;
    std::unique_ptr<Avatar> avatars[poolCapacity];
    std::unique_ptr<Obstacle> obstacles[poolCapacity];
    std::unique_ptr<Muse> muses[poolCapacity];
    std::unique_ptr<Projectile> projectiles[poolCapacity];
    std::unique_ptr<PowerUp> powerUps[poolCapacity];
    std::unique_ptr<DanceFloor> danceFloor;
    std::unique_ptr<EffectPool> effects;
    std::unique_ptr<Camera> camera;
    std::unique_ptr<WorldRenderer> textures;
    std::unique_ptr<RewindRecorder> recorder;
    std::unique_ptr<SoundBank> sounds;
    std::unique_ptr<GroupTracker> groups;
    std::unique_ptr<LevelLayout> layout;

    // --- positions and view -----------------------------------------------
    Vector primaPosition;
    Vector cameraPosition;
    Vector viewOffset;
    std::int32_t halfWidth = 0;
    std::int32_t halfHeight = 0;
    float zoom = 10.0f;
    float viewRadius = 2.9f;

    // --- level and progress -----------------------------------------------
    std::uint8_t level = 0;
    std::uint8_t difficulty = 1;
    float pointsFactor = 1.0f;
    LevelRecord records[recordCount];
    std::int32_t totalPoints = 0;
    std::int32_t highscorePoints = 0;
    char highscoreName[11] = {};
    std::int32_t score = 0;
    std::int32_t scoreAtLastSwitch = 0;
    std::int32_t pointsSinceSwitch = 0;
    std::int32_t goalB = 0;
    std::int32_t goalMuses = 0;
    std::int32_t goalHappy = 0;
    std::int32_t happyTotal = 0;
    std::int32_t happyNow = 0;
    std::int32_t happyBefore = 0;
    std::int32_t sungTotal = 0;
    std::int32_t sungNow = 0;
    std::int32_t sungBefore = 0;
    std::int32_t sungOverall = 0;
    std::int32_t musesSinging = 0;
    std::int32_t leftCount = 0;
    std::uint8_t unhappyLeft = 0;
    enum CountIndex { countProjectilesIndex = 0, countObstaclesIndex, countPowerUpsIndex, countMusesIndex };
    std::uint8_t counts[4] = {};
    std::int32_t primaHearts = 0;
    std::uint8_t talentsNow[3] = {};     // blue, green, red
    std::uint8_t talentsBefore[3] = {};
    std::uint8_t lastLeavingPoints = 0;
    std::int32_t maxMuses = 0;
    float volume = 0.0f;

    // --- clocks (seconds) -------------------------------------------------
    float danceTime = 0.0f;
    float levelTime = 0.0f;
    float healClock = 0.0f;
    float sinceSelection = 0.0f;
    float sinceClick = 0.0f;
    float rightClickClock = 0.0f;

    // --- time control -----------------------------------------------------
    bool frozen = false;
    bool rewinding = false;
    float freezeElapsed = 0.0f;
    float freezeLimit = 5.0f;
    float slowDivisor = 10.0f;
    float rewindElapsed = 0.0f;
    float chaosClock = 0.0f;
    float timeScale = 0.0f;
    float recordClock = 0.0f;
    std::uint8_t rewindIndex = 0;
    bool freezeStarted = false;

    // --- change of Prima Ballerina and the name entry ---------------------
    bool nameEntry = false;
    float nameEntryLimit = 9.0f;
    float nameEntryElapsed = 0.0f;
    std::uint8_t chosenObstacle = 0;
    bool hasChosen = false;
    bool letterHits[10] = {};
    bool switchDone = false;
    bool switchSucceeded = false;
    char shuffledLetters[21] = {};  // 20 letters and a terminator
    std::int32_t letterCount = 0;
    std::int32_t letterCursor = 0;
    std::int32_t wrongClicks = 0;
    bool letterFlag = false;        // "LetterNoise.wav", one frame
    bool rightLetterFlag = false;   // "RightInputNoise.wav"
    bool wrongLetterFlag = false;   // "WrongInputNoise.wav"
    float letterClocks[10] = {};    // fly-in clock per letter slot
    Vector letterPositions[10];     // animated position per letter slot

    // --- hints and display ------------------------------------------------
    std::int32_t hintCandidate = 0;
    std::int32_t hintShown = 0;
    std::int32_t lastHint = 0;
    char hintText[48] = {};
    float hintClock = 0.0f;
    float hintDuration = 2.0f;
    bool medalAnnounced[3] = {};  // gold, silver, bronze
    bool showFloor = true;
    bool showEffects = true;
    float displaySwitchClock = 0.0f;
    std::uint8_t ballerinasOnScreen = 0;
    std::uint8_t unhappyOnScreen = 0;
    std::uint8_t musesOnScreen = 0;
    bool catOnBallerina = false;
    bool catOnMuse = false;
    bool catOnTalent = false;
    bool ballerinaNear = false;
    float guideAngles[3] = {};  // ballerina, unhappy ballerina, muse

    // --- effect pool sets, floor palette, view constants ------------------
    std::uint8_t effectFirstSet = 181;
    std::uint8_t effectLastSet = 196;
    std::uint8_t floorShade = 171;
    std::uint8_t floorColourA = 0;
    std::uint8_t floorColourB = 0;
    float cameraLead = 0.75f;
    float mapScale = 0.29f;
    float nearRadiusFactor = 1.5f;

    std::uint8_t loadFlag = 0;

    // --- what the Prima Ballerina throws at -------------------------------
    // Set by update from the actor the cat stands on (a ballerina before a
    // muse), read by the next think when her volley is due.
    std::uint16_t primaTargetKind = 0;
    std::uint16_t primaTargetSlot = 0;

    // --- save area of the two main actors (the menu) ----------------------
    // false while the menu shows them: the stage leaves them out.
    bool avatarsInDance = true;
    Vector savedPrimaPosition;
    float savedPrimaFacing = 0.0f;
    float savedPrimaAngle = 0.0f;
    float savedPrimaSpeed = 0.0f;
    std::int32_t savedPrimaEnergy = 0;
    Vector savedCatPosition;
    float savedCatDistance = 0.0f;

private:
    // think
    void requestEffects();
    void requestSounds();
    void throwBlossoms();
    void leaveAndDropTalents();
    void topUpMuses();
    void spawnBallerina();
    void launchBlossom(int slot, int kind, Vector from, float angle, std::uint16_t targetKind,
                       std::uint16_t targetSlot, float throwerSpeed);
    std::uint16_t museSlotNear(Vector point) const;
    void scoreLeaving(Obstacle& ballerina);
    void forgetFreedRequests();
    // The ballerina chosen for a change of Prima Ballerina (slot 0 when the
    // choice lies beyond the pool).
    const Obstacle& chosenBallerina() const;
    // update
    void recordGroups();
    void chooseTargets();
    void checkNameEntry(const char (&handedName)[10], float frameTime);
    // time control
    void rewindActors(float seconds);
    void recordHistory();
    // pool searches: -1 when no slot is free
    int lowestFreeProjectile() const;
    int highestFreePowerUp() const;
    int highestFreeMuse() const;
    int highestFreeObstacle() const;
    // level start
    void placeEntry(const PlacementEntry& e, int pass);
    void prepareSpriteSets();
    // hints
    void chooseHintCandidate();
    // Medal 0 gold, 1 silver, 2 bronze of this level's record: reached by the score.
    bool medalReached(int medal) const;
    void composeHint();
    Vector guideTo(int which, float distance, bool shown);
    float ballerinaFactor() const;

    bool hasGraphics = false;
    bool allocated = false;
    bool nameEntrySounded = false;  // the try sound plays once per entry
    bool rewindSounded = false;     // the rewind sound plays once per rewind
};
