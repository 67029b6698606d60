#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/report_params.h"
#include "app/run.h"
#include "platform/error.h"
#include "platform/wildcard.h"
#include "text/turn_report.h"
#include "tests/support/consoles.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

using test::RecordingConsole;

TEST(CommandLineOptions, SwitchesMatchWholeParametersCaseBlind) {
  CommandLine args({"/K", "/kk", "/o2", "report_1.htm"});
  EXPECT_TRUE(args.HasOption("/k"));
  EXPECT_FALSE(args.HasOption("/o"));
  EXPECT_FALSE(args.HasOption("/t"));
  EXPECT_FALSE(CommandLine().HasOption("/k"));
}

TEST(CommandLineOptions, ValuesMatchAnywhereAndTheLastMatchWins) {
  CommandLine args({"/user=Anna", "/karakter=5", "x/KAR=7=8", "/pass"});
  EXPECT_EQ(args.OptionValue("/user"), "Anna");
  // Both "/karakter=5" and "x/KAR=7=8" contain "/kar"; the later one wins and
  // keeps everything after its first "=", in the case it was typed.
  EXPECT_EQ(args.OptionValue("/kar"), "7=8");
  EXPECT_EQ(args.OptionValue("/pass"), "/pass");  // no "=": the whole parameter
  EXPECT_EQ(args.OptionValue("/ford"), "");
  EXPECT_EQ(CommandLine({"/Ini=Sajat.INI"}).OptionValue("/ini="), "Sajat.INI");
}

// Runs the mode choice with handlers that only record what they were asked;
// dir is the current directory, its names the files that exist (patterns
// match them case and all). A qv::Error is kept as "error TEXT".
struct ModeRun {
  explicit ModeRun(std::vector<std::string> params, std::vector<std::string> dir = {})
      : session(CommandLine(std::move(params)), console, "/nowhere/") {
    handlers.convert = [this](Session&, const std::string& f) { calls.push_back("convert " + f); };
    handlers.itemList = [this](Session&, const std::string& f) { calls.push_back("page " + f); };
    handlers.download = [this](Session&) { calls.push_back("download"); };
    handlers.atlas = [this](Session&, const std::vector<std::string>& reports) {
      std::string call = "atlas";
      for (const std::string& r : reports) call += " " + r;
      calls.push_back(call);
    };
    handlers.listDirectory = [dir] { return dir; };
    handlers.matchingFiles = [dir](const std::string& pattern) {
      std::vector<std::string> files;
      for (const std::string& name : dir)
        if (WildcardMatch(pattern, name, NameRules{})) files.push_back(name);
      return files;
    };
    handlers.isFile = [dir](const std::string& name) {
      return std::find(dir.begin(), dir.end(), name) != dir.end();
    };
    handlers.timeText = [] { return "9:05:07"; };
    try {
      RunTool(session, handlers);
    } catch (const Error& e) {
      calls.push_back("error " + e.text());
    }
  }
  RecordingConsole console;
  Session session;
  ModeHandlers handlers;
  std::vector<std::string> calls;
};

using Strings = std::vector<std::string>;

TEST(ModeChoice, FirstMatchingRuleWins) {
  EXPECT_EQ(ModeRun({"/t", "/k", "/o"}).calls, Strings{"download"});
  EXPECT_EQ(ModeRun({"/t", "a_1.htm", "b_2.htm"}).calls, Strings{"page b_2.htm"});
  // The page wants the report last: here it is asked for the settings option.
  EXPECT_EQ(ModeRun({"/t", "a_1.htm", "/ini=x.ini"}).calls, Strings{"page /ini=x.ini"});
  // "/t" alone falls through to a conversion of a report named "/t".
  EXPECT_EQ(ModeRun({"/t"}).calls, Strings{"convert /t"});
  EXPECT_EQ(ModeRun({"/ini=x.ini", "a_1.htm"}).calls, Strings{"convert /ini=x.ini"});
  EXPECT_EQ(ModeRun({"a_1.htm", "/K"}, {"b_2.htm"}).calls, Strings{"convert b_2.htm"});
  EXPECT_EQ(ModeRun({"/kk"}).calls, Strings{"convert /kk"});
  // The atlas takes the reports named (patterns expanded), else the folder's
  // by the batch rule; "/o" still wins.
  const Strings dir = {"1_5.htm", "1_6.htm", "atlasz.txt", "notes.htm"};
  EXPECT_EQ(ModeRun({"/ATLASZ", "/kar=1"}, dir).calls, Strings{"atlas 1_5.htm 1_6.htm"});
  EXPECT_EQ(ModeRun({"/atlasz", "*_6.htm", "notes.htm"}, dir).calls,
            Strings{"atlas 1_6.htm notes.htm"});
  EXPECT_EQ(ModeRun({"/atlasz", "/k", "1_5.htm"}, dir).calls, Strings{"atlas 1_5.htm"});
  EXPECT_EQ(ModeRun({"/atlasz", "/o"}).calls, Strings{"download"});
  EXPECT_EQ(ModeRun({}).calls, Strings{});
}

TEST(ModeChoice, StartLineRepeatsAfterConversionsOnly) {
  const Strings single = ModeRun({"a_1.htm"}).console.lines;
  EXPECT_EQ(single, (Strings{"Indulas ideje: 9:05:07", "Indulas ideje: 9:05:07",
                             "Befejezes ideje: 9:05:07"}));
  const Strings page = ModeRun({"/t", "a_1.htm"}).console.lines;
  EXPECT_EQ(page, (Strings{"Indulas ideje: 9:05:07", "Befejezes ideje: 9:05:07"}));
  const Strings usage = ModeRun({}).console.lines;
  ASSERT_EQ(usage.size(), 24u);
  EXPECT_EQ(usage[0], "Hasznalat:");
  EXPECT_EQ(usage[19], "      /ford=zzz   - forduloszam (lehet \"utolso\" is)");
  EXPECT_EQ(usage[21], "");
  EXPECT_EQ(usage[22], "Indulas ideje: 9:05:07");
}

TEST(BatchRun, TakesReportNamesInListingOrderAndNumbersThem) {
  const Strings dir = {"1234_56.htm", "1234r56.htm", "a_b.HTML", "notes.txt",
                       "q_r.htm",     "x_y.htm.bak", "z_z.txt"};
  ModeRun convert({"/k"}, dir);
  EXPECT_EQ(convert.calls, (Strings{"convert 1234_56.htm", "convert a_b.HTML", "convert q_r.htm",
                                    "convert x_y.htm.bak"}));
  EXPECT_EQ(convert.console.lines,
            (Strings{"Indulas ideje: 9:05:07", "   1. Filenev: 1234_56.htm",
                     "   2. Filenev: a_b.HTML", "   3. Filenev: q_r.htm",
                     "   4. Filenev: x_y.htm.bak", "Indulas ideje: 9:05:07",
                     "Befejezes ideje: 9:05:07"}));
  ModeRun pages({"/k", "/t"}, dir);
  EXPECT_EQ(pages.calls.front(), "page 1234_56.htm");
  EXPECT_EQ(pages.calls.size(), 4u);
}

TEST(BatchRun, ReportWithoutDocumentNameIsSkippedAndTheRunGoesOn) {
  // Each name's first "_" stands after its first ".": its document would go
  // to standard output among the batch lines.
  const Strings dir = {"v1.2_x.htm", "a_1.htm", ".hidden_1.htm"};
  const std::string why =
      "' kimarad: nem kepezheto belole dokumentumnev, mert a neveben az "
      "elso \"_\" az elso \".\" utan all";
  ModeRun convert({"/k"}, dir);
  EXPECT_EQ(convert.calls, Strings{"convert a_1.htm"});
  EXPECT_EQ(convert.console.lines,
            (Strings{"Indulas ideje: 9:05:07", "   1. Filenev: v1.2_x.htm",
                     "ERR qvformat: Figyelem: 'v1.2_x.htm" + why, "   2. Filenev: a_1.htm",
                     "   3. Filenev: .hidden_1.htm", "ERR qvformat: Figyelem: '.hidden_1.htm" + why,
                     "Indulas ideje: 9:05:07", "Befejezes ideje: 9:05:07"}));
  // Their pages have names ("v1.2rx.htm"): the page run takes them all.
  EXPECT_EQ(ModeRun({"/k", "/t"}, dir).calls,
            (Strings{"page v1.2_x.htm", "page a_1.htm", "page .hidden_1.htm"}));
}

TEST(BatchRun, CounterFieldIsFourWideAndGrows) {
  EXPECT_EQ(BatchLine(1, "a_b.htm"), "   1. Filenev: a_b.htm");
  EXPECT_EQ(BatchLine(1234, "a_b.htm"), "1234. Filenev: a_b.htm");
  EXPECT_EQ(BatchLine(12345, "a_b.htm"), "12345. Filenev: a_b.htm");
  EXPECT_FALSE(TakenByBatch("1234_56.txt"));
  EXPECT_TRUE(TakenByBatch("_.htm"));
  EXPECT_FALSE(TakenByBatch("a_b.xhtml"));  // ".XHTML" holds no ".HTM"
}

TEST(ReportParams, SwitchesAndValuedOptionsAreNoReports) {
  const CommandLine args({"/T", "/k", "/LETOLT", "/?", "/o", "/ini=x.ini", "/Pass=a*b",
                          "/karakter=5", "a_1.htm", "/kk", "/home/anna/b_2.htm",
                          "/home/x=1/c_3.htm", "C:\\qv\\d=4.htm", "-h", "e=5_5.htm"});
  EXPECT_EQ(ReportParams(args),
            (Strings{"a_1.htm", "/kk", "/home/anna/b_2.htm", "/home/x=1/c_3.htm",
                     "C:\\qv\\d=4.htm", "-h", "e=5_5.htm"}));
}

TEST(SeveralReports, EachIsConvertedOrPagedInTheOrderTyped) {
  const Strings dir = {"a_1.htm", "b_2.htm", "c.htm"};
  // Once two parameters name files, every report parameter is one, a
  // missing name too (it fails in its turn, as alone).
  ModeRun convert({"b_2.htm", "/ini=x.ini", "nincs_3.htm", "a_1.htm"}, dir);
  EXPECT_EQ(convert.calls, (Strings{"convert b_2.htm", "convert nincs_3.htm", "convert a_1.htm"}));
  EXPECT_EQ(convert.console.lines,
            (Strings{"Indulas ideje: 9:05:07", "   1. Filenev: b_2.htm",
                     "   2. Filenev: nincs_3.htm", "   3. Filenev: a_1.htm",
                     "Indulas ideje: 9:05:07", "Befejezes ideje: 9:05:07"}));
  EXPECT_FALSE(convert.console.aside);
  ModeRun pages({"/t", "a_1.htm", "/ini=x.ini", "b_2.htm"}, dir);
  EXPECT_EQ(pages.calls, (Strings{"page a_1.htm", "page b_2.htm"}));
  EXPECT_EQ(pages.console.lines,
            (Strings{"Indulas ideje: 9:05:07", "   1. Filenev: a_1.htm", "   2. Filenev: b_2.htm",
                     "Indulas ideje: 9:05:07", "Befejezes ideje: 9:05:07"}));
  // A page would overwrite a report without "_" in its own name (a pattern
  // may match pages), and a document without a name would go to standard
  // output among these lines: both are passed by.
  ModeRun page({"/t", "a_1.htm", "q_1/ar1.htm"}, {"a_1.htm", "q_1/ar1.htm"});
  EXPECT_EQ(page.calls, Strings{"page a_1.htm"});
  EXPECT_EQ(page.console.lines[3],
            "ERR qvformat: Figyelem: 'q_1/ar1.htm' kimarad: a targylista-oldala felulirna, mert a "
            "neveben nincs \"_\"");
  ModeRun unnamed({"c.htm", "a_1.htm"}, dir);
  EXPECT_EQ(unnamed.calls, Strings{"convert a_1.htm"});
  EXPECT_EQ(unnamed.console.lines[2],
            "ERR qvformat: Figyelem: 'c.htm' kimarad: nem kepezheto belole dokumentumnev, mert a "
            "neveben nincs \"_\"");
  EXPECT_EQ(ModeRun({"a_1.htm", "b_2.htm", "x"}, dir).console.lines[4],
            "ERR qvformat: Figyelem: 'x' kimarad: nem kepezheto belole dokumentumnev, mert a "
            "neveben nincs \"_\"");
}

TEST(SeveralReports, OneExistingReportKeepsTheRulesOfTheSingleRun) {
  const Strings one = {"a_1.htm"};
  EXPECT_EQ(ModeRun({"/t", "a_1.htm", "/ini=x.ini"}, one).calls, Strings{"page /ini=x.ini"});
  EXPECT_EQ(ModeRun({"/ini=x.ini", "a_1.htm"}, one).calls, Strings{"convert /ini=x.ini"});
  EXPECT_EQ(ModeRun({"a_1.htm", "nincs_2.htm"}, one).calls, Strings{"convert a_1.htm"});
  // A folder is no report file.
  EXPECT_EQ(ModeRun({"/t", "a_1.htm", "sub_2.htm"}, one).calls, Strings{"page sub_2.htm"});
  // "/o" and "/k" win over several reports.
  const Strings three = {"a_1.htm", "b_2.htm", "c_3.htm"};
  EXPECT_EQ(ModeRun({"a_1.htm", "b_2.htm", "/o"}, three).calls, Strings{"download"});
  EXPECT_EQ(ModeRun({"a_1.htm", "b_2.htm", "/K"}, three).calls.size(), 3u);
}

TEST(ReportPatterns, PatternsBecomeTheirFilesBeforeTheModeIsChosen) {
  const Strings dir = {"a_1.htm", "a_10.htm", "b_2.htm", "c_3.HTM", "d_4.txt"};
  EXPECT_EQ(ModeRun({"*_?.htm"}, dir).calls, (Strings{"convert a_1.htm", "convert b_2.htm"}));
  EXPECT_EQ(ModeRun({"/t", "d*", "*_3*"}, dir).calls, (Strings{"page d_4.txt", "page c_3.HTM"}));
  // One match is one report: the single run's rules, an option's pattern
  // left as typed.
  EXPECT_EQ(ModeRun({"/t", "a_1?.htm", "/ini=*.ini"}, dir).calls, Strings{"page /ini=*.ini"});
  const ModeRun none({"a_1.htm", "*.rtf"}, dir);
  EXPECT_EQ(none.calls, Strings{"error egy fajl sem illeszkedik erre: '*.rtf'"});
  EXPECT_TRUE(none.console.lines.empty());
  // A name holding "?" that exists is that file.
  EXPECT_EQ(ModeRun({"a?_1.htm"}, {"a?_1.htm", "ab_1.htm"}).calls, Strings{"convert a?_1.htm"});
  // A download and a batch run take no report from their parameters.
  EXPECT_EQ(ModeRun({"/o", "/pass=a*b", "x?"}, dir).calls, Strings{"download"});
  EXPECT_EQ(ModeRun({"/k", "*.rtf"}, {"q_r.htm"}).calls, Strings{"convert q_r.htm"});
}

}  // namespace
}  // namespace qv
