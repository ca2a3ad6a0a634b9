#pragma once

// A point or direction on the lake, in canvas units. Single precision, like
// every stored value in the game.
struct Vec3 {
    float x = 0;
    float y = 0;
    float z = 0;
};
