#pragma once

#include "gfx/sprite.h"

#include <vector>

// One snowflake: a quarter of the snowflake picture that falls at a speed set
// by its size and sways sideways on a sine curve.
struct Snowflake : Sprite {
    float age = 0;           // seconds since it was made
    float swayCentreX = 0;   // its x when made
    float swayAmplitude = 0; // signed, 31 to 50 units either way
    float fallSpeed = 0;     // units per second downward, 46.2 to 50
    float swayFrequency = 0; // sway cycles per second, 0.01 to 0.2
};

// The snowfall over the whole scene. Flakes are made just above the top edge
// at a steady rate and dropped once they are out of sight below the bottom.
struct SnowField {
    std::vector<Snowflake*> flakes; // owned, oldest first, which is also drawing order
    float spawnTimer = 0;           // seconds gathered toward the next flake

    // Starts already full: runs twenty seconds of snowfall first.
    SnowField();
    ~SnowField();
    SnowField(const SnowField&) = delete;
    SnowField& operator=(const SnowField&) = delete;

    void update(float dt);

    // Makes one flake just above the top edge.
    void spawn();

    void draw() const;
};
