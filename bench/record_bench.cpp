// What a finished game costs after its last frame: keeping it in the record
// file, with the lock, the fresh read, and the whole file written and synced
// to the disk, in a scratch data folder on the same disk as /tmp.
#include "player/record_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void BM_KeepAGameInTheRecord(benchmark::State& state) {
    char folder[] = "/tmp/brumalo-record-bench.XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no scratch folder");
        return;
    }
    setenv("XDG_DATA_HOME", folder, 1);
    const GameResult game{true, 10, 97'420};
    for (auto _ : state) {
        benchmark::DoNotOptimize(keepGameInRecord(game));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_KeepAGameInTheRecord)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace
