// The stall the player sees when the game starts: loading its nine sounds.
// Reports the time of the nine loads and how much memory they add.
#include "audio/fsound.h"
#include "game_sounds.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <malloc.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string soundPath(const char* file) {
    const char* buildDir = std::getenv("BRUMALO_BUILD_DIR");
    return std::string(buildDir != nullptr ? buildDir : ".") + "/sounds/" + file;
}

double residentMegabytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

double heapMegabytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1e6;
}

void BM_LoadTheNineGameSounds(benchmark::State& state) {
    // No sound card where benchmarks run: mix silently without asking.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::vector<std::string> paths;
    for (const GameSound& sound : gameSounds) {
        paths.push_back(soundPath(sound.file));
    }
    FSOUND_Init(44100, 32, 0);

    double residentAdded = 0, heapAdded = 0;
    for (auto _ : state) {
        const double residentBefore = residentMegabytes();
        const double heapBefore = heapMegabytes();
        for (const std::string& path : paths) {
            FSOUND_SAMPLE* sample =
                FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_LOOP_OFF, 0, 0);
            if (sample == nullptr) {
                state.SkipWithError(("cannot load " + path + "; build the sounds first").c_str());
                break;
            }
            benchmark::DoNotOptimize(sample);
        }

        state.PauseTiming();
        residentAdded = std::max(residentAdded, residentMegabytes() - residentBefore);
        heapAdded = std::max(heapAdded, heapMegabytes() - heapBefore);
        FSOUND_Close();
        FSOUND_Init(44100, 32, 0);
        state.ResumeTiming();
    }
    FSOUND_Close();
    state.counters["resident_added_MB"] = residentAdded;
    state.counters["heap_added_MB"] = heapAdded;
}

} // namespace

BENCHMARK(BM_LoadTheNineGameSounds)->Unit(benchmark::kMillisecond)->Repetitions(5);
