// Whole-process speed of the batch report chain "kalo FILE /I /NOGUI" on a 200-element
// body, beside the floor: a minimal C program that reads the same file and writes a file
// of the same size; and of the STEP file of that body.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "datafile/data_file_writer.h"

extern char** environ;

namespace kalo::bench {
namespace {

// Runs a program in a directory and waits for it; false unless it ends with exit code 0.
bool RunIn(const std::string& directory, std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  pid_t child = 0;
  int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct BatchFixture {
  BenchDirectory directory;
  std::string dataFile;
  std::string reportFile;

  BatchFixture() {
    BenchContext bench;
    SetLargeBody(bench.context.body);
    dataFile = directory.File("large.kal");
    reportFile = directory.File("large.txt");
    WriteDataFile(bench.context, dataFile);
  }
};

void BM_BatchReportProcess(benchmark::State& state) {
  BatchFixture fixture;
  for (auto _ : state)
    if (!RunIn(fixture.directory.Path(), {KALO_EXECUTABLE, fixture.dataFile, "/I", "/NOGUI"}))
      state.SkipWithError("kalo /I failed");
}
BENCHMARK(BM_BatchReportProcess)->Unit(benchmark::kMicrosecond);

void BM_BatchReportFloorProcess(benchmark::State& state) {
  BatchFixture fixture;
  if (!RunIn(fixture.directory.Path(), {KALO_EXECUTABLE, fixture.dataFile, "/I", "/NOGUI"})) {
    state.SkipWithError("kalo /I failed");
    return;
  }
  std::string size = std::to_string(std::filesystem::file_size(fixture.reportFile));
  std::string floorOutput = fixture.directory.File("floor.txt");
  for (auto _ : state)
    if (!RunIn(fixture.directory.Path(), {KALO_MINIMAL_REPORT, fixture.dataFile, floorOutput, size}))
      state.SkipWithError("minimal_report failed");
}
BENCHMARK(BM_BatchReportFloorProcess)->Unit(benchmark::kMicrosecond);

// The whole "kalo FILE /STEP" run on the same body: kalo, kalo-solid with OpenCascade, the
// solid made, checked and written.
void BM_StepProcess(benchmark::State& state) {
  BatchFixture fixture;
  for (auto _ : state)
    if (!RunIn(fixture.directory.Path(), {KALO_EXECUTABLE, fixture.dataFile, "/STEP"}))
      state.SkipWithError("kalo /STEP failed");
}
BENCHMARK(BM_StepProcess)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
