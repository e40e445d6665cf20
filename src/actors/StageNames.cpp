#include "actors/StageNames.h"

#include <cstdlib>
#include <cstring>

namespace {

// Dancer patterns 1..15: five per difficulty.
const char* const dancerPatterns[15] = {
    "Vkw3",   "Vk2w",   "Xvxw",   "Vvxw",   "Vxvw",    // amateur: 4 letters
    "Xvk3w",  "Vxvx3",  "Vx2vw",  "Vvk2w",  "Vxv2w",   // pro: 5 letters
    "Vvx23w", "Vxv2w5", "Vxv323", "Xvwxv3", "Xvwx4w",  // star: 6 letters
};

// The Prima Ballerina's patterns 0..13.
const char* const primaPatterns[14] = {
    "Vxw",     "Vxw",     "Vk2w",    "Xvxw",    "Xvk3w",
    "Vvxw",    "Vxvw",    "Vxvxw",   "Vvxvxw",  "Vxvxww",
    "Vvxvxww", "Xvvxvxw", "Xvxvvxw", "Xvvxvk6w",
};

const char* const sayings[sayingCount] = {
    "why am i",
    "am i fiction",
    "pourquoi il y a plus tot quelque chose que rien",
    "welcome to the center of the universe",
    "bin ich alleine",
    "kitsch as kitsch can",
    "one day this will all make sense",
    "i am emprisoned in my own pixelmeat",
    "close the world open the next",
    "you can choose to believe",
    "kiss me on the screen",
    "death alone from death can save",
    "je pense donc je suis",
    "wie alles andere bin ich ein teil deiner vorstellung",
    "get me out of here",
    "i established a telepathic connection between us",
    "i am glad to know you",
    "this night i will be in your dreams",
    "i am a radical dreamer",
    "you are the puppet master",
    "i love my ds",
    "i am still alive",
    "is this the final fantasy",
    "welcome to my cyberian exile",
    "well that is your point of view",
    "i hope you have fun",
    "into this life i am thrown",
    "this is the matrix for babies",
    "i dream of pixel sheep",
    "schwer liegt die heuschrecke",
    "is there anybody out there",
    "the sublime is now",
    "wieder am busen der bits",
    "are we still in the game",
    "do you care about me",
    "we are all connected",
    "i am your psycho candy",
    "i will wait for you",
    "i am not like them but i can pretend",
    "it is an honour to be in your computer",
};

char poolLetter(char symbol) {
    static const char capitalVowels[] = "AEIOU";
    static const char vowels[] = "aeiou";
    static const char consonants[] = "blmns";
    switch (symbol) {
    case 'V': return capitalVowels[std::rand() % 5];
    case 'v': return vowels[std::rand() % 5];
    case 'w': return vowels[std::rand() % 4];  // no u
    case 'k': return consonants[std::rand() % 5];
    case 'X': return static_cast<char>('A' + std::rand() % 26);
    case 'x': return static_cast<char>('a' + std::rand() % 26);
    default: return 0;
    }
}

}  // namespace

void makeNameFromPattern(char (&name)[stageNameSize], const char* pattern) {
    std::memset(name, 0, sizeof name);
    if (pattern == nullptr) return;
    for (std::size_t i = 0; i + 1 < stageNameSize && pattern[i] != 0; ++i) {
        const char symbol = pattern[i];
        if (symbol >= '1' && symbol <= '9') {
            const std::size_t source = static_cast<std::size_t>(symbol - '1');
            name[i] = source < i ? name[source] : 0;
        } else {
            name[i] = poolLetter(symbol);
        }
        if (name[i] == 0) return;  // an unknown symbol ends the name
    }
}

void makeDancerName(char (&name)[stageNameSize], int difficulty) {
    if (difficulty < 1) difficulty = 1;
    if (difficulty > 3) difficulty = 3;
    const int pattern = 5 * (difficulty - 1) + 1 + std::rand() % 5;
    makeNameFromPattern(name, dancerPatterns[pattern - 1]);
}

void makePrimaName(char (&name)[stageNameSize]) {
    makeNameFromPattern(name, primaPatterns[std::rand() % 14]);
}

void setSaying(char* buffer, std::size_t size, int number) {
    if (buffer == nullptr || size == 0) return;
    std::memset(buffer, 0, size);
    const char* text = sayingText(number);
    if (text == nullptr) return;
    const std::size_t length = std::strlen(text);
    std::memcpy(buffer, text, length < size - 1 ? length : size - 1);
}

const char* sayingText(int number) {
    if (number < 1 || number > sayingCount) return nullptr;
    return sayings[number - 1];
}
