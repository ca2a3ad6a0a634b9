// One frame of every lake entity's update at the load a game typically has,
// and the snow field's warm-up. The goal is all updates of one frame within
// 5 microseconds and the warm-up within 1 millisecond.
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr float frameDelta = 0.016f;

// The typical scene: a full snow field, ten shadows, and ten drops, ten
// rings and five icicles spread over their lives.
struct Lake {
    SnowField snow;
    std::vector<std::unique_ptr<Shadow>> shadows;
    std::vector<std::unique_ptr<Drop>> drops;
    std::vector<std::unique_ptr<Ring>> rings;
    std::vector<std::unique_ptr<Icicle>> icicles;

    Lake() {
        for (int i = 0; i < 10; ++i) {
            shadows.push_back(std::make_unique<Shadow>());
            drops.push_back(std::make_unique<Drop>(Vec3{-100.0f + 20 * i, 180, 0}));
            rings.push_back(std::make_unique<Ring>(Vec3{-150.0f + 30 * i, -60, 0}));
            rings.back()->update(0.3f * i);
        }
        for (int i = 0; i < 5; ++i) {
            icicles.push_back(std::make_unique<Icicle>(Vec3{-120.0f + 60 * i, 190, 0}));
            icicles.back()->targetLength = 40;
            icicles.back()->strength = 100 - 25 * i; // the last one is falling
        }
    }

    // Each frame the game checks every drop, ring and icicle for the end of
    // its life and makes new ones; doing the same keeps the load typical
    // however long a benchmark runs, and costs what the game's checks cost.
    void renewDrops() {
        for (auto& drop : drops) {
            if (drop->position.y <= drop->landY) {
                drop = std::make_unique<Drop>(Vec3{drop->position.x, 180, 0});
            }
        }
    }
    void renewRings() {
        for (auto& ring : rings) {
            if (ring->age >= 3) {
                ring = std::make_unique<Ring>(ring->ripples[0].position);
            }
        }
    }
    void renewIcicles() {
        for (auto& icicle : icicles) {
            if (icicle->position.y <= icicle->landY && icicle->scale.y <= 5) {
                icicle = std::make_unique<Icicle>(Vec3{icicle->position.x, 190, 0});
                icicle->strength = 0;
            }
        }
    }
};

Lake& lake() {
    static Lake typical;
    return typical;
}

void snowFieldFrame(benchmark::State& state) {
    SnowField& snow = lake().snow;
    for (auto _ : state) {
        snow.update(frameDelta);
        benchmark::DoNotOptimize(snow.flakes.data());
    }
    state.counters["flakes"] = double(snow.flakes.size());
}
BENCHMARK(snowFieldFrame);

void shadowsFrame(benchmark::State& state) {
    for (auto _ : state) {
        for (auto& shadow : lake().shadows) {
            shadow->update(frameDelta);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(shadowsFrame);

void dropsFrame(benchmark::State& state) {
    for (auto _ : state) {
        for (auto& drop : lake().drops) {
            drop->update(frameDelta);
        }
        lake().renewDrops();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(dropsFrame);

void ringsFrame(benchmark::State& state) {
    for (auto _ : state) {
        for (auto& ring : lake().rings) {
            ring->update(frameDelta);
        }
        lake().renewRings();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ringsFrame);

void iciclesFrame(benchmark::State& state) {
    for (auto _ : state) {
        for (auto& icicle : lake().icicles) {
            icicle->update(frameDelta);
        }
        lake().renewIcicles();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(iciclesFrame);

// Everything the game updates in one frame, entities only.
void allEntitiesFrame(benchmark::State& state) {
    Lake& scene = lake();
    for (auto _ : state) {
        scene.snow.update(frameDelta);
        for (auto& shadow : scene.shadows) {
            shadow->update(frameDelta);
        }
        for (auto& icicle : scene.icicles) {
            icicle->update(frameDelta);
        }
        for (auto& drop : scene.drops) {
            drop->update(frameDelta);
        }
        for (auto& ring : scene.rings) {
            ring->update(frameDelta);
        }
        scene.renewIcicles();
        scene.renewDrops();
        scene.renewRings();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(allEntitiesFrame);

void snowFieldWarmUp(benchmark::State& state) {
    for (auto _ : state) {
        SnowField snow;
        benchmark::DoNotOptimize(snow.flakes.data());
    }
}
BENCHMARK(snowFieldWarmUp)->Unit(benchmark::kMicrosecond);

} // namespace
