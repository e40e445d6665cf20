#include "game/TextScreens.h"

#include "world/Levels.h"

// The information texts of a running dance: the label of the ballerina
// marks, the six pages of the guided first dance and the hints of the nine
// dances shown while the dance waits for a click.
namespace TextScreens {

namespace {

constexpr int regular = 0;
constexpr int small = 2;

struct TutorialPage {
    const char* headline;
    const char* lines[4];
};

constexpr TutorialPage tutorialPages[6] = {
    {"Flowers Make Ballerinas Happy:",
     {"In Velvetarium Ballerinas are pogo dancing. You are in",
      "control of the Ballerina who takes the leading part.",
      "She is the Prima Ballerina and throws blossoms at other",
      "Ballerinas to make them happy. They throw blooms at her"}},
    {"Winning Flower Power Dancing Contests:",
     {"too. You win a dancing contest if all other Ballerinas",
      "are happy. If your Prima Ballerina is happy, you lose ",
      "the contest. During a dance you can always change the ",
      "Ballerina who takes the part of your Prima Ballerina."}},
    {"The Information on the Right Side:",
     {"The amount of hearts represents the Prima Ballerina's",
      "happyness. While more blue talents (garden) let her ",
      "throw more blossoms, more red talents (flowers) make ",
      "them nicer. Her speed grows with more green talents."}},
    {"Moving the Prima Ballerina:",
     {"Now follow the butterfly to the nearest Ballerina. If",
      "she is on the screen, the butterfly leaves. Your Prima",
      "Ballerina always follows her cat. Move the cat with",
      "the mouse. Velvetarium is played only with the mouse."}},
    {"Choosing a New Prima Ballerina:",
     {"Put the cat on the other Ballerina. First read her",
      "name, after that left click her and enter her name.",
      "Afterwards the Prima Ballerina and the Ballerina ex-",
      "change their roles. A right mouse click freezes time."}},
    {"Making a Ballerina Happy:",
     {"Place the cat on the other Ballerina. While the cat",
      "moves automatically with the Ballerina, your new Prima",
      "Ballerina throws blossoms at the Ballerina until she",
      "owns all ten hearts and leaves happily this dance."}},
};
constexpr const char* danceHints[9][3][2] = {
    {{"Place the cat on a Ballerina to throw", "blossoms at her! They make her happy!"},
     {"Because dancing with Pro Ballerinas is", "more challenging, you earn more points."},
     {"Now you have reached the highest level", "of flowerpower dancing: You are a star!"}},
    {{"Your Prima Ballerina follows her cat.", "Move her pet with the mouse."},
     {"Now your Prima Ballerina gets faster", "happy and the names get more exotic!"},
     {"The points you get for a happy dancer:", "Three times the number of her talents!"}},
    {{"You lose a dance if your Prima Bal-", "lerina owns all ten hearts and is happy."},
     {"Don't hesitate to freeze time if you", "need more time to memorize a name!"},
     {"To get all gold medals, the Ballerinas", "you make happy have to be very talented."}},
    {{"To avoid a happy Prima Ballerina, left", "click another girl. She takes her part."},
     {"Fleeing is no good option in this game.", "Take control of the stronger Ballerina."},
     {"Eastereggs? Look for strange pixels! ", "For example in the letter 'M'..."}},
    {{"Place the cat on a Ballerina and hold", "the left mouse key to move her around."},
     {"You can remember these exotic stage-", "names better if you say them aloud."},
     {"Dancing as a Pro Ballerina is also a", "good memory training! Have fun!"}},
    {{"Right click to freeze time. Afterwards", "move the Ballerinas through blossoms."},
     {"Catch a muse and use her as a shield.", "In return she will spend you talents."},
     {"Use the names as an oracle for making", "decisions or seeing in the future..."}},
    {{"Don't run away from a stronger danseuse,", "left click her to take control of her!"},
     {"The more talents a Ballerina you make", "happy owns, the more points you receive."},
     {"In Velvetarium there are no enemies.", "You can take control of every Ballerina."}},
    {{"Shoot blossoms at Muses and they will", "spend you a talent in return."},
     {"A quite happy Ballerina starts to throw", "blossoms at muses to get more talents."},
     {"Velvetarium is the game where the cat", "is the mouse and the mouse is the cat!"}},
    {{"Freeze time and collect talents with", "your cat! They distract some hearts."},
     {"You can stop single blossoms with the", "cat! It works best if time is frozen."},
     {"Play love games and not war games...", "Blossom time instead of bullet time!"}},
};

}  // namespace

void dance(TextBatch& batch, const DanceTextInput& input) {
    const std::int32_t toMakeHappy = input.dancerCount - input.goalB;
    if (!(input.leftCount < 1 && toMakeHappy < 1)) batch.add(85, 40, small, "Ballerinas Happy");

    if (input.level == guidedDanceLevel && input.tutorialPage >= 1 && input.tutorialPage <= 6) {
        const TutorialPage& page = tutorialPages[input.tutorialPage - 1];
        batch.add(60, 439, regular, "%s", page.headline);
        const float lineY[4] = {417, 400, 383, 366};
        for (int i = 0; i < 4; ++i) batch.add(10, lineY[i], small, "%s", page.lines[i]);
        batch.add(375, 343, small, "(Part %d/6)", input.tutorialPage);
    }

    if (input.waitForClick) {
        if (input.level >= 1 && input.level <= 9 && input.difficulty >= 1 && input.difficulty <= 3) {
            const char* const* hint = danceHints[input.level - 1][input.difficulty - 1];
            batch.add(70, 445, regular, "%s", hint[0]);
            batch.add(70, 420, regular, "%s", hint[1]);
        }
        batch.add(230, 90, regular, "Press a mouse key");
        batch.add(230, 65, regular, "to continue!");
    }
}

}  // namespace TextScreens
