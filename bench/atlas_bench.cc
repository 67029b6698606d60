// The atlas over ten years of weekly turns: 520 reports of one character
// walking a world (the first half in the older layout, the rest in the
// newer, each about 300 KB like the converter's typical report, with a
// 7 x 7 step map at the character's place), merged by the built tool as a
// player runs it: `qvformat /atlasz` in the reports' folder. Its wall time
// is set against `cat` of the same files in the same run (the floor of
// reading them once), and its peak memory is the child process's own.
//
//   build/bench/qvatlasbench [runs]     (default 5; medians are printed)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/report_maker.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kReports = 520;
constexpr std::size_t kTypicalBytes = 300 << 10;
constexpr int kMapSide = 7;

struct ChildRun {
  double seconds = 0;
  long peakKiB = 0;
};

// Runs the program in `dir` with its output sent to /dev/null; its wall
// time and its peak resident memory.
ChildRun Run(const std::vector<std::string>& args, const std::string& dir) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  const auto start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  std::filesystem::current_path(before);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + args[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(args[0] + " failed");
  return {seconds, usage.ru_maxrss};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The report of turn `turn`: the sample of its layout grown to the typical
// size, its turn number and its map's place changed.
std::string Report(const std::string& sample, qv::Layout layout, int turn, int x, int y) {
  std::string report = qvbench::MakeReport(sample, layout, kTypicalBytes, kMapSide);
  const std::string frame = "," + std::to_string(x) + "," + std::to_string(y) + ";\"";
  report.replace(report.find(",10,20;\""), 7, frame);
  // "57. FORDULÓD" or "58. FORDULÓD" in the header.
  const std::size_t at = report.find(". FORD");
  report.replace(at - 2, 2, std::to_string(turn));
  return report;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const qv::test::TempDir dir;
  const std::string older = qv::test::SampleReport("1234_57.htm");
  const std::string newer = qv::test::SampleReport("1234_58.htm");
  std::vector<std::string> names;
  std::uintmax_t bytes = 0;
  unsigned walk = 12345;
  int x = 0, y = 0;
  for (int turn = 1; turn <= kReports; ++turn) {
    // A step a turn, mostly eastwards and southwards.
    walk = walk * 1103515245 + 12345;
    x += static_cast<int>((walk >> 16) % 5) - 1;
    y += static_cast<int>((walk >> 20) % 4) - 1;
    const bool old = turn <= kReports / 2;
    char name[32];
    std::snprintf(name, sizeof name, "1234_%03d.htm", turn);
    const std::string report =
        Report(old ? older : newer, old ? qv::Layout::kOlder : qv::Layout::kNewer, turn, x, y);
    std::ofstream(dir.path() + "/" + name, std::ios::binary) << report;
    names.push_back(name);
    bytes += report.size();
  }
  std::vector<std::string> cat = {"/bin/cat"};
  cat.insert(cat.end(), names.begin(), names.end());
  const std::vector<std::string> atlas = {std::string(QV_PROGRAM_DIR) + "/qvformat", "/atlasz"};

  std::vector<double> catTimes, atlasTimes;
  long peakKiB = 0;
  for (int i = 0; i < runs; ++i) {
    catTimes.push_back(Run(cat, dir.path()).seconds);
    std::filesystem::remove(dir.path() + "/atlasz.txt");
    const ChildRun run = Run(atlas, dir.path());
    atlasTimes.push_back(run.seconds);
    peakKiB = std::max(peakKiB, run.peakKiB);
  }
  const double catMs = Median(catTimes) * 1e3;
  const double atlasMs = Median(atlasTimes) * 1e3;
  std::printf("reports: %d, %.1f MiB; atlasz.txt: %ju bytes\n", kReports,
              static_cast<double>(bytes) / (1 << 20),
              static_cast<std::uintmax_t>(std::filesystem::file_size(dir.path() + "/atlasz.txt")));
  std::printf(
      "cat: %.1f ms; qvformat /atlasz: %.1f ms; ratio %.2f (at most 3); peak memory %.1f MiB\n",
      catMs, atlasMs, atlasMs / catMs, static_cast<double>(peakKiB) / 1024);
  return atlasMs / catMs <= 3 ? 0 : 1;
}
