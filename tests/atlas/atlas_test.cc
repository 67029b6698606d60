#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "atlas/atlas_file.h"
#include "atlas/build_atlas.h"
#include "platform/error.h"
#include "tests/atlas/small_world.h"
#include "tests/support/consoles.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::MapSpec;
using test::ReportSpec;
using test::SmallReport;

// Three characters over turns 4 to 7, in both layouts: two reports of turn 5
// that disagree on (11,20), a cell whose icons change, a frame a million
// fields away, bad frames, cells and legend entries, a cut report, a file
// that is no report and two files of one character's turn.
struct SmallWorld {
  test::TempDir dir;
  std::vector<std::string> turn4and5, turn6and7;

  SmallWorld() {
    turn4and5 = {
        Put("11_5.htm",
            {Layout::kOlder, "11", "5", std::nullopt,
             MapSpec{"3,2,10,20",
                     {"0,0,1,5,0", "0,1,2,0,4", "1,2,3,0,-1",   // taken
                      "2,0,1,0,0", "0,0,15,0,0", "1,x,1,0,0"},  // skipped
                     {"(10,20) Falu", std::string("  a <B>tónál</B>."_cp),
                      std::string("(12, 21 ) Barlang\tmély"_cp), "(a,b) Nem hely", "folytatas"}}}),
        Put("22_5.htm",
            {Layout::kNewer, "22", "5",
             MapSpec{"2,1,11,20", {"0,0,5,0,8", "0,1,3,4,0"}, {"(11,20) Torony", "(5,5)"}},
             std::nullopt}),
        Put("33_4.htm",
            {Layout::kNewer, "33", "4", std::nullopt, MapSpec{"1,1,-3,-2", {"0,0,9,1,1025"}, {}}}),
        Put("99_notes.htm", "hello\r\n"),
    };
    turn6and7 = {
        Put("11_6.htm", {Layout::kOlder, "11", "6", std::nullopt,
                         MapSpec{"1,1,30,30", {"0,0,4,0,0"}, {"(30,30) Rossz"}}}),
        Put("11_6x.htm",
            {Layout::kNewer, "11", "6", MapSpec{"1,1,1000000,-1000000", {"0,0,7,0,0"}, {}},
             MapSpec{"2,1,10,20", {"0,0,1,3,2", "0,1,2,0,4"}, {"(10,20) Falu, most romos."}}}),
        Put("22_6.htm",
            {Layout::kOlder, "22", "6", MapSpec{"1,1,1000001,0", {"0,0,1,0,0"}, {"(1,1) Messze"}},
             MapSpec{"1,1,5,x", {"0,0,1,2,0"}, {"(5,5) Rossz"}}}),
        Put("11_7.htm", {Layout::kOlder, "11", "7", std::nullopt,
                         MapSpec{"1,1,40,40", {"0,0,1,0,0"}, {}}, /*cut=*/true}),
    };
  }

  std::string Put(const std::string& name, const ReportSpec& spec) {
    return dir.Write(name, SmallReport(spec));
  }
  std::string Put(const std::string& name, const std::string& bytes) {
    return dir.Write(name, bytes);
  }

  std::vector<std::string> All() const {
    std::vector<std::string> all = turn4and5;
    all.insert(all.end(), turn6and7.begin(), turn6and7.end());
    return all;
  }
};

AtlasBuild Build(const std::vector<std::string>& names, const AtlasWorld& stored = {},
                 std::optional<AtlasNumber> only = std::nullopt) {
  test::SilentConsole console;
  return BuildAtlas(names, stored, only, console);
}

// Worked out from the rules: turn 5 is read as character 11, then 22, so
// 22's (11,20) wins turn 5 and 11's wins turn 6; (10,20) was seen in turns
// 5 and 6 and its icons changed; 11_6x.htm is used, not 11_6.htm; the journey
// map's arrow is no step; steps go by character before turn.
const std::string kAllAtOnce(
    "qvformat atlasz 1\r\n"
    "cella\t1000000\t-1000000\t7\t0\t6\t6\t11\r\n"
    "cella\t-3\t-2\t9\t1025\t4\t4\t33\r\n"
    "cella\t10\t20\t1\t2\t5\t6\t11\r\n"
    "cella\t11\t20\t2\t4\t5\t6\t11\r\n"
    "cella\t12\t20\t3\t0\t5\t5\t22\r\n"
    "cella\t12\t21\t3\t0\t5\t5\t11\r\n"
    "lepes\t11\t5\t10\t20\t5\r\n"
    "lepes\t11\t6\t10\t20\t3\r\n"
    "lepes\t33\t4\t-3\t-2\t1\r\n"
    "hely\t5\t5\t5\t22\t\r\n"
    "hely\t10\t20\t6\t11\tFalu, most romos.\r\n"
    "hely\t11\t20\t5\t22\tTorony\r\n"
    "hely\t12\t21\t5\t11\tBarlang mély\r\n"_cp);

TEST(Atlas, SmallWorldMergedIntoItsFile) {
  SmallWorld world;
  test::RecordingConsole console;
  const AtlasBuild build = BuildAtlas(world.All(), {}, std::nullopt, console);
  EXPECT_EQ(AtlasFileText(build.world), kAllAtOnce);
  EXPECT_EQ(build.reportsRead, 5);
  const std::vector<std::string> expected = {
      "Atlasz: " + world.turn4and5[0] + " (11. karakter, 5. fordulo): 1 terkep, 3 cella, 2 hely",
      "Atlasz: " + world.turn4and5[0] + " hibas adatai kimaradnak: 3 cella, 1 hely",
      "Atlasz: " + world.turn4and5[1] + " (22. karakter, 5. fordulo): 1 terkep, 2 cella, 2 hely",
      "Atlasz: " + world.turn4and5[2] + " (33. karakter, 4. fordulo): 1 terkep, 1 cella, 0 hely",
      "Atlasz: " + world.turn4and5[3] + " kimarad: nem fordulojelentes",
      "Atlasz: " + world.turn6and7[0] + " (11. karakter, 6. fordulo): 1 terkep, 1 cella, 1 hely",
      "Atlasz: " + world.turn6and7[1] + " (11. karakter, 6. fordulo): 2 terkep, 3 cella, 1 hely",
      "Atlasz: " + world.turn6and7[0] + " kimarad: ugyanaz a karakter es fordulo, mint " +
          world.turn6and7[1],
      "Atlasz: " + world.turn6and7[2] + " (22. karakter, 6. fordulo): 0 terkep, 0 cella, 0 hely",
      "Atlasz: " + world.turn6and7[2] + " hibas adatai kimaradnak: 2 terkep",
      "Atlasz: " + world.turn6and7[3] + " kimarad: csonka jelentes",
      "Ellentmondas: (11,20) 5. fordulo: 11. karakter: terep 2, ikonok 4 / 22. karakter: terep 5, "
      "ikonok 8",
  };
  EXPECT_EQ(console.lines, expected);
  EXPECT_EQ(AtlasSummaryLines(build).back(),
            "Atlasz kesz: 5 jelentes, 6 cella, 4 hely, 3 lepes; kiterjedes: "
            "(-3,-1000000)-(1000000,21)");
}

TEST(Atlas, TurnByTurnAndTwiceGiveTheSameBytes) {
  SmallWorld world;
  const std::string first = AtlasFileText(Build(world.turn4and5).world);
  const AtlasWorld kept = ParseAtlasFile(first, "atlasz.txt");
  EXPECT_EQ(AtlasFileText(kept), first);
  EXPECT_EQ(AtlasFileText(Build(world.turn6and7, kept).world), kAllAtOnce);
  // Again over the whole file: nothing moves. A report without a step map
  // drops the kept steps of its turn.
  AtlasWorld whole = ParseAtlasFile(kAllAtOnce, "atlasz.txt");
  EXPECT_EQ(AtlasFileText(Build(world.All(), whole).world), kAllAtOnce);
  whole.steps.push_back({22, 6, 1, 1, 2});
  whole.steps.push_back({44, 1, 7, 7, 9});
  EXPECT_EQ(AtlasFileText(Build(world.All(), whole).world),
            kAllAtOnce.substr(0, kAllAtOnce.find("hely")) + "lepes\t44\t1\t7\t7\t9\r\n" +
                kAllAtOnce.substr(kAllAtOnce.find("hely")));
}

TEST(Atlas, OneCharacterOnly) {
  SmallWorld world;
  EXPECT_EQ(AtlasFileText(Build(world.All(), {}, 22).world),
            "qvformat atlasz 1\r\n"
            "cella\t11\t20\t5\t8\t5\t5\t22\r\n"
            "cella\t12\t20\t3\t0\t5\t5\t22\r\n"
            "hely\t5\t5\t5\t22\t\r\n"
            "hely\t11\t20\t5\t22\tTorony\r\n");
}

TEST(AtlasFile, ADamagedFileIsRefusedNamingItsLine) {
  const auto refusal = [](const std::string& bytes) {
    try {
      ParseAtlasFile(bytes, "atlasz.txt");
    } catch (const Error& e) {
      return e.text();
    }
    return std::string("taken");
  };
  const std::string head = "qvformat atlasz 1\r\n";
  EXPECT_EQ(refusal("qvformat atlasz 2\r\n"),
            "'atlasz.txt' nem olvashato atlaszfajl, hibas a 1. sora; a fajl valtozatlan");
  EXPECT_NE(refusal(""), "taken");
  for (const std::string line :
       {"cella\t1\t2\t3\t0\t5\t5", "cella\t1\t2\t15\t0\t5\t5\t1", "cella\t1\t2\t3\t0\t6\t5\t1",
        "cella\t01\t2\t3\t0\t5\t5\t1", "cella\t+1\t2\t3\t0\t5\t5\t1", "lepes\t1\t2\t3\t4\t10", "",
        "hely\t1\t2\t3\t4", "terkep\t1"})
    EXPECT_EQ(refusal(head + "lepes\t1\t2\t3\t4\t5\r\n" + line + "\r\n"),
              "'atlasz.txt' nem olvashato atlaszfajl, hibas a 3. sora; a fajl valtozatlan")
        << line;
  EXPECT_EQ(refusal(head + "hely\t-1\t0\t3\t4\t\r\n"), "taken");
}

}  // namespace
}  // namespace qv
