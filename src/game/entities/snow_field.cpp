#include "game/entities/snow_field.h"

#include "game/random.h"
#include "gfx/picture_paths.h"

#include <cmath>

SnowField::SnowField() {
    // The counter adds up in single precision and is just short of 20 after
    // 400 steps, so the warm-up runs 401 of them.
    const float step = 0.05f;
    float elapsed = 0;
    do {
        update(step);
        elapsed = elapsed + step;
    } while (elapsed < 20);
}

SnowField::~SnowField() {
    for (Snowflake* flake : flakes) {
        delete flake;
    }
}

void SnowField::spawn() {
    auto* flake = new Snowflake;
    retexture(*flake, pictures::snowflake);

    // Four draws per flake, always in this order: quarter, size, x, sway side.
    // The picture's bottom-right quarter is never used.
    flake->texWindow = 1;
    flake->texScale[0] = 0.5f;
    flake->texScale[1] = 0.5f;
    const int quarter = nextRandom() % 3;
    flake->texOffset[0] = quarter == 1 ? 0.5f : 0.0f;
    flake->texOffset[1] = quarter == 2 ? 0.5f : 0.0f;

    flake->colour[3] = 0.8f;

    const float size = nextRandom() % 20 + 10;
    flake->scale = {size, size, size};

    flake->position.x = nextRandom() % 800 - 400;
    flake->position.y = 330;
    flake->position.z = 0;

    // Small flakes fall faster and sway wider and quicker.
    flake->fallSpeed = 50 - (size - 10) / 5;
    flake->swayAmplitude = 60 - size;
    if (nextRandom() % 2 == 1) {
        flake->swayAmplitude = -flake->swayAmplitude;
    }
    flake->swayCentreX = flake->position.x;
    flake->swayFrequency = (30 - size) / 100;

    flakes.push_back(flake);
}

void SnowField::update(const float dt) {
    // One flake per 0.15 s; the remainder carries over to the next frame.
    // The period is the double 0.15: a single-precision 0.45 step is then a
    // hair short of three periods and makes two flakes, the third coming
    // with the next frame.
    const float gathered = spawnTimer + dt;
    const int due = static_cast<int>(gathered / 0.15);
    spawnTimer = gathered - due * 0.15;
    for (int i = 0; i < due; ++i) {
        spawn();
    }

    // By index, because a flake that leaves the picture is removed on the
    // way and the rest must keep their order.
    for (std::size_t i = 0; i < flakes.size();) {
        Snowflake& flake = *flakes[i];
        flake.age = flake.age + dt;
        flake.position.y = flake.position.y - dt * flake.fallSpeed;
        // The sway is worked out wholly in double and rounded once.
        flake.position.x =
            std::sin(double(flake.swayFrequency) * flake.age * 6.28318) * flake.swayAmplitude +
            flake.swayCentreX;

        if (flake.position.y < -330) {
            delete flakes[i];
            flakes.erase(flakes.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void SnowField::draw() const {
    for (const Snowflake* flake : flakes) {
        flake->draw();
    }
}
