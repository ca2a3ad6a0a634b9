// The aiming arithmetic for the end-to-end scripts, so that they aim the way
// the unit tests do:
//   brumalo_aim pointer X Y SECONDS   the window pixel "x y" that focuses the
//                                     light on canvas point (X, Y);
//   brumalo_aim focus X Y SECONDS     the canvas point "x y" the light focuses
//                                     on with the pointer at window pixel (X, Y);
// both SECONDS into the game, in an 800 by 600 window.
#include "aiming.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(const int argc, char** argv) {
    const std::string what = argc == 5 ? argv[1] : "";
    if (what != "pointer" && what != "focus") {
        std::fprintf(stderr, "usage: %s pointer|focus X Y SECONDS\n", argv[0]);
        return 2;
    }
    const double x = std::atof(argv[2]);
    const double y = std::atof(argv[3]);
    const Vec3 sun = sunAt(std::atof(argv[4]));
    if (what == "pointer") {
        const Pixel pointer = pointerOver(glassFocusingOn(sun, x, y));
        std::printf("%d %d\n", pointer.x, pointer.y);
    } else {
        const Vec3 focus = focusOf(sun, glassUnder({static_cast<int>(x), static_cast<int>(y)}));
        std::printf("%.2f %.2f\n", focus.x, focus.y);
    }
    return 0;
}
