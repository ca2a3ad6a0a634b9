// One frame of the live game's rules at the load a game typically has: a
// full snow field, ten shadows, ten drops, ten rings, five icicles, and the
// light held on a branch. The goal is 10 microseconds a frame.
//
// Run it from the game's build folder so that the sounds are found; the
// console lines go to /dev/null either way.
#include "app/game_clock.h"
#include "fresh_process.h"
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/entity_list.h"
#include "game/live_mode.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int frameMs = 16;
// Drops land and rings fade within a few dozen frames; the scene is laid
// out afresh this often so the load stays typical.
constexpr int framesPerScene = 40;

void layOutTypicalScene(LiveMode& game) {
    destroyAll(game.drops);
    destroyAll(game.rings);
    destroyAll(game.icicles);
    for (int i = 0; i < 10; ++i) {
        game.drops.push_back(new Drop(Vec3{-100.0f + 20 * i, 180, 0}));
        game.rings.push_back(new Ring(Vec3{-150.0f + 30 * i, -60, 0}));
        game.rings.back()->update(0.2f * i);
    }
    for (int i = 0; i < 5; ++i) {
        game.icicles.push_back(new Icicle(Vec3{-200.0f + 100 * i, 200, 0}));
    }
    // The light on the first branch, as a player holds it.
    game.motion(320, 125);
    game.mouse(0, 0, 0, 0);
    elapsedMs = 20000;
    game.gameStartMs = 10000;
    game.lastDropMs = 10000;
}

void liveGameFrame(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The game's console lines would drown the report: send them away while
    // the game runs, and give the report its stdout back afterwards.
    std::fflush(stdout);
    const int report = dup(STDOUT_FILENO);
    if (!std::freopen("/dev/null", "w", stdout)) {
        state.SkipWithError("cannot silence the console");
        return;
    }
    LiveMode game("bench");
    game.enter(nullptr);
    currentState = &game;
    frameDelta = frameMs / 1000.0f;

    int frame = 0;
    for (auto _ : state) {
        if (frame % framesPerScene == 0) {
            state.PauseTiming();
            layOutTypicalScene(game);
            state.ResumeTiming();
        }
        elapsedMs += frameMs;
        game.update();
        ++frame;
    }
    state.counters["flakes"] = static_cast<double>(game.snow->flakes.size());
    state.counters["shadows"] = static_cast<double>(game.shadows.size());
    currentState = nullptr;
    std::fflush(stdout);
    dup2(report, STDOUT_FILENO);
    close(report);
}
BENCHMARK(liveGameFrame)->Unit(benchmark::kMicrosecond);

} // namespace
