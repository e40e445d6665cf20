#include "app/MainLoop.h"

// Arguments are not read; the game needs no command line.
int main(int /*argc*/, char* /*argv*/[]) {
    static MainLoop loop;
    loop.run();
}
