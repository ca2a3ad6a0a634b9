// What reading the controller costs: once a frame in a running game, with no
// controller (as most players play) and with one, and ten times a second from
// the paused game's timer.
// Each counts the whole process's processor time, so that the work of SDL's
// own threads between the reads is counted too.
#include "platform/controllers.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace {

// A standard controller of SDL's own, its stick pushed a little, found.
void plugInController() {
    watchControllers();
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    SDL_Joystick* pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 12000);
    readController();
}

void BM_ReadWithNoControllerPluggedIn(benchmark::State& state) {
    watchControllers();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readController());
    }
}
BENCHMARK(BM_ReadWithNoControllerPluggedIn)->MeasureProcessCPUTime();

void BM_ReadTheControllerInUse(benchmark::State& state) {
    plugInController();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readController());
    }
}
BENCHMARK(BM_ReadTheControllerInUse)->MeasureProcessCPUTime();

// Thirty seconds of a paused game's reads.
void BM_ReadTenTimesASecond(benchmark::State& state) {
    plugInController();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readController());
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
BENCHMARK(BM_ReadTenTimesASecond)
    ->MeasureProcessCPUTime()
    ->Iterations(300)
    ->Unit(benchmark::kMicrosecond);

} // namespace
