// Whole item-list pages: the passes over a report, the moves back, the
// inserted tables and the page file itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "config/site.h"
#include "itemlist/item_list_page.h"
#include "itemlist/page_file.h"
#include "platform/error.h"
#include "platform/user_dirs.h"
#include "tests/support/consoles.h"
#include "tests/support/files.h"
#include "tests/support/lines.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"
#include "text/output_names.h"

namespace qv {
namespace {

using test::Lines;

using test::RecordingConsole;
using test::TempDir;

const std::string kStyle =
    "<style type=\"text/css\">A.trinigan {color: blue; font-style: normal;} DIV.klap {width: "
    "1000px;} TD.fa {text-align: center; border: #EEEEEE 1px solid; font-size: 13px;} TD.fa A "
    "{font-style: normal;} TD.fa_aktiv {color: #168001;} TD.fa_fejl {color: #272f97;}</style>";

const std::string kTenBlanks = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

std::string S(std::string_view text) { return std::string(text); }

// An executable directory with settings and data files, and a report
// directory beside it.
struct Page {
  explicit Page(std::string_view settings) : exeDir(exe.path() + "/"), ctx{console, exeDir} {
    exe.Write("qvformat.ini", "[LETOLTES]\r\nSzerver=h.example\r\n" + std::string(settings));
    exe.Write("item.txt", "150 0 0 7 9 150 zsák\r\n311 0 0 5 10 10 fű\r\n"_cp);
    exe.Write("spell.txt", "12 T 0 0 0 tűzpajzs\r\n"_cp);
  }
  std::string Build(std::string_view report, const std::string& name = "r_1.htm",
                    Layout layout = Layout::kOlder) {
    reports.Write(name, report);
    ReportReader opened(reports.path() + "/" + name);
    BuildItemListPage(ctx, cache, opened, layout, Settings());
    return reports.Read(ItemListPageName(name));
  }
  // The page's settings as the run reads them from the executable's file.
  ItemListSettings Settings() const {
    const IniFile ini(exeDir + "qvformat.ini");
    return ReadItemListSettings(ini, ReadSiteSettings(ini, exeDir).host);
  }
  TempDir exe;
  TempDir reports;
  std::string exeDir;
  RecordingConsole console;
  RunContext ctx;
  PageSetupCache cache;
};

TEST(ItemListPage, PageNameReplacesEveryUnderscoreOfTheFileName) {
  EXPECT_EQ(ItemListPageName("1234_57.htm"), "1234r57.htm");
  EXPECT_EQ(ItemListPageName("a_b_c.HTM"), "arbrc.HTM");
  EXPECT_EQ(ItemListPageName("my_dir/1234_57.htm"), "my_dir/1234r57.htm");
  EXPECT_EQ(ItemListPageName("fordulo.htm"), "fordulo.htm");
}

TEST(ItemListPage, ReportWithEverySection) {
  Page p(
      "[FORMAT]\r\nTulNagySuly=4\r\nTargyEncLink=L?\r\n"
      "[FORMAT_FIGYELES]\r\nFigyeltTargyak=311<5\r\n"
      "[FORMAT_TARGYCSOPORT]\r\nCsoportokSzama=1\r\n[CSOPORT1]\r\nNev=G\r\nSzam=150, 311\r\n");
  const std::string page = p.Build(
      "<html><head>\r\n<style>x</style>\r\n</head><body>\r\n<H2>KARAKTERLAP</H2>\r\n"
      "<TD COLSPAN=4>JELENLEG RAJTAD LEVŐ AKTÍV VARÁZSLATOK</TD>\r\n"
      "<TR><TD>Tűzpajzs (#12)</TD></TR>\r\n</TABLE>\r\n"
      "<table>\r\n<tr>\r\n<td> KT-d eddig kifejlesztett képességei:</td>\r\n<td>kard (12)</td>\r\n"
      "</table>\r\n<P>\r\na\r\nb\r\n"
      "<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>\r\n"
      "<TD CLASS=tdb> 3 </TD>\r\n=\r\n<TD><A HREF=a CLASS=enc0>zsák</A> (#150)</TD>\r\n</table>\r\n"
      "<TD>TÁRGYAID A BANKSZÉFBEN</TD>\r\n"
      "<TD CLASS=tdb> 2 </TD>\r\n=\r\n<TD><A HREF=b CLASS=enc0>fű</A> (#311)</TD>\r\n</table>\r\n"
      "vége\r\n</html>\r\n"_cp);
  const std::string expected =
      Lines({"<html><head>", "<style>x</style>", kStyle, "</head><body>", "<H2>KARAKTERLAP</H2>"}) +
      // The watched table right after the sheet's title, in one piece.
      Lines({"<CENTER><DIV CLASS=klap><TABLE>",
             "<TR CLASS=tfej>",
             "<TD COLSPAN=9>FIGYELT TÁRGYAK ÉS VARÁZSLATOK</TD>"_cp,
             "</TR>",
             "<TR CLASS=tfej2>",
             "<TD COLSPAN=9>Figyelt tárgyak</TD>"_cp,
             "</TR>",
             "<TR>",
             "<TD CLASS=tdb> 0 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD><A HREF=b CLASS=enc0>fű</A> (#311) [<5] (bankban: 2)</TD>"_cp,
             "<TD CLASS=tdb></TD>",
             "<TD CLASS=teq></TD>",
             "<TD>" + kTenBlanks + "</TD>",
             "<TD CLASS=tdb></TD>",
             "<TD CLASS=teq></TD>",
             "<TD>" + kTenBlanks + "</TD>",
             "</TR>",
             "</TABLE>",
             "</DIV></CENTER><P>",
             ""}) +
      Lines({"<TD COLSPAN=4>JELENLEG RAJTAD LEVŐ AKTÍV VARÁZSLATOK</TD>"_cp,
             "<TR><TD>Tűzpajzs (#12)</TD></TR>"_cp, "</TABLE>"}) +
      // "<table>" and "<tr>" before the skill title through "<P>" after
      // its "</table>" are replaced by the list table.
      Lines({"<table>", "<tr class='tfej'>",
             "<td colspan='3'>KT-D EDDIG KIFEJLESZTETT KÉPESSÉGEI:</td>"_cp, "</tr>",
             "<td style='width: 25%'><a target='lumenktenc' "
             "href='http://www.h.example/weblumen/ktkep_enc.php?ssz=12'>kard</a> (#12)",
             "</tr>", "</table>"}) +
      // The group tables go before the last three lines of the pass.
      Lines({"<TABLE>",
             "<TR CLASS=tfej>",
             "<TD COLSPAN=9>TÁRGYCSOPORTOK</TD>"_cp,
             "</TR>",
             "<TR CLASS=tfej2>",
             "<TD COLSPAN=9> G</TD>",
             "</TR>",
             "<TR>",
             "<TD CLASS=tdb> 3 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD> <A HREF=a CLASS=enc0>zsák</A> (#150) </TD>"_cp,
             "<TD CLASS=tdb> 2 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD> <A HREF=b CLASS=enc0>fű</A> (#311) </TD>"_cp,
             "<TD CLASS=tdb></TD>",
             "<TD CLASS=teq></TD>",
             "<TD></TD>",
             "</TR>",
             "</TABLE>",
             "<P>"}) +
      Lines({"a", "b", "<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>"_cp, "<TD CLASS=tdb> 3 </TD>", "=",
             "<TD><A HREF=a CLASS=enc0>zsák</A> (<A HREF='L?f=tenc&ssz=150.htm' "
             "TARGET=lumentargyenc CLASS=enc0>#150</A>) [<SPAN TITLE=\"Súly: 1.50 kg, Eladási ár: "
             "7 ap, Vételi ár: 9 ap\" CLASS=vpkap><FONT COLOR=red>4.50</FONT>/21</SPAN>]</TD>"_cp,
             "</table>", "<TD>TÁRGYAID A BANKSZÉFBEN</TD>"_cp, "<TD CLASS=tdb> 2 </TD>", "=",
             "<TD><A HREF=b CLASS=enc0>fű</A> (<A HREF='L?f=tenc&ssz=311.htm' TARGET=lumentargyenc "
             "CLASS=enc0 style=\"color: #C43157\">#311</A>) [<SPAN TITLE=\"Súly: 0.10 kg, Eladási "
             "ár: 5 ap, Vételi ár: 10 ap\" CLASS=vpkap>0.20/10</SPAN>]</TD>"_cp,
             "</table>", "vége"_cp, "</html>"});
  EXPECT_EQ(page, expected);
  EXPECT_TRUE(p.console.lines.empty());
}

TEST(ItemListPage, TurnStartAndThisTurnTablesAreAnnotatedToo) {
  Page p("");
  const std::string item = "<TD CLASS=tdb>1</TD>\r\n=\r\n<TD>(#150)</TD>\r\n</table>\r\n";
  const std::string page = p.Build(
      std::string(
          "KARAKTERLAP\r\nNÁLAD LÉVŐ TÁRGYAK\r\n</table>\r\nTÁRGYAID A FORDULÓ ELEJÉN\r\n"_cp) +
      item + std::string("EBBEN A FORDULÓBAN\r\n"_cp) + item);
  const std::string annotated = std::string(
      "<TD CLASS=tdb>1</TD>\r\n=\r\n<TD>(<A HREF='http://www.h.example/weblumen/targy_enc.php?"
      "f=tenc&ssz=150.htm' TARGET=lumentargyenc CLASS=enc0>#150</A>) [<SPAN TITLE=\"Súly: 1.50 kg, "
      "Eladási ár: 7 ap, Vételi ár: 9 ap\" CLASS=vpkap>1.50/7</SPAN>]</TD>\r\n</table>\r\n"_cp);
  EXPECT_EQ(
      page,
      std::string(
          "KARAKTERLAP\r\nNÁLAD LÉVŐ TÁRGYAK\r\n</table>\r\nTÁRGYAID A FORDULÓ ELEJÉN\r\n"_cp) +
          annotated + std::string("EBBEN A FORDULÓBAN\r\n"_cp) + annotated);
}

// NUL and the other control bytes (but the tab) never reach the page, as
// they never reach the document: not in copied lines, not in the names the
// group table cuts from them, whichever the layout.
TEST(ItemListPage, ControlBytesOfTheReportAreDropped) {
  Page p("[FORMAT_TARGYCSOPORT]\r\nCsoportokSzama=1\r\n[CSOPORT1]\r\nNev=G\r\nSzam=150\r\n");
  const std::string item = S("<A HREF=a CLASS=enc0>zs\0ák\x01</A> (#150)"_cp);
  const std::pair<Layout, std::string> tables[] = {
      {Layout::kOlder, "<TD CLASS=tdb> 1 </TD>\r\n=\r\n<TD>" + item + "</TD>\r\n</table>"},
      {Layout::kNewer,
       R"(<TR><TD ALIGN=RIGHT CLASS="t1" WIDTH=30>1</TD> <TD CLASS="t1">)" + item + "</TD></TR>"}};
  for (const auto& [layout, table] : tables) {
    const std::string page = p.Build(S("<html>\0\r\nKAR\x1b"
                                       "AKTERLAP\r\nNÁLAD LÉVŐ TÁRGYAK\r\n"_cp) +
                                         table + S("\r\nvé\x7fge\tvég\r\n"_cp),
                                     "r_1.htm", layout);
    EXPECT_EQ(page.find_first_of(std::string("\0\x01\x1b\x7f", 4)), std::string::npos);
    EXPECT_EQ(page.substr(0, 21), "<html>\r\nKARAKTERLAP\r\n");
    EXPECT_NE(page.find(S("<TD> <A HREF=a CLASS=enc0>zsák</A> (#150) </TD>"_cp)), std::string::npos);
    EXPECT_NE(page.find(S("<A HREF=a CLASS=enc0>zsák</A> (<A HREF="_cp)), std::string::npos);
    EXPECT_TRUE(page.ends_with(S("vége\tvég\r\n"_cp)));
  }
}

TEST(ItemListPage, WithoutStyleEndTagNoStyleLine) {
  Page p("");
  EXPECT_EQ(p.Build("<style>\r\nKARAKTERLAP\r\nx\r\n"), "<style>\r\nKARAKTERLAP\r\nx\r\n");
}

TEST(ItemListPage, WithoutSheetTheReportIsCopiedOnceWithTheStyleLine) {
  Page p(
      "[FORMAT_FIGYELES]\r\nFigyeltTargyak=5<1\r\n"
      "[FORMAT_TARGYCSOPORT]\r\nCsoportokSzama=1\r\n");
  EXPECT_EQ(p.Build("</style>\r\nx (#150)\r\n<td> KT-d eddig kifejlesztett képességei:</td>\r\n"
                    "</table>\r\nNÁLAD LÉVŐ TÁRGYAK\r\n"_cp),
            "</style>\r\n" + kStyle +
                std::string("\r\nx (#150)\r\n<td> KT-d eddig kifejlesztett képességei:</td>\r\n"
                            "</table>\r\nNÁLAD LÉVŐ TÁRGYAK\r\n"_cp));
}

TEST(ItemListPage, ReportEndingBeforeItemsGetsItsLastThreeLinesAfterTheGroups) {
  Page p("[FORMAT_TARGYCSOPORT]\r\nCsoportokSzama=1\r\n[CSOPORT1]\r\nNev=G\r\nSzam=1\r\n");
  EXPECT_EQ(
      p.Build("KARAKTERLAP\r\nl1\r\nl2\r\nl3\r\nl4\r\n"),
      Lines({"KARAKTERLAP", "l1", "<TABLE>", "<TR CLASS=tfej>",
             "<TD COLSPAN=9>TÁRGYCSOPORTOK</TD>"_cp, "</TR>", "<TR CLASS=tfej2>",
             "<TD COLSPAN=9> G</TD>", "</TR>", "<TR>",
             "<TD COLSPAN=9><SPAN CLASS=hiba>Nincs egyetlen ilyen tárgyad sem!</SPAN></TD>"_cp,
             "</TR>", "</TABLE>", "<P>", "l2", "l3", "l4"}));
}

TEST(ItemListPage, EmptySkillListDropsTheReportsTableAndFaultyTitleIsReported) {
  Page p("");
  const std::string page = p.Build(
      "KARAKTERLAP\r\nx\r\n<table>\r\n<tr>\r\n<td> KT-d eddig kifejlesztett képességei:</td>(1)\r\n"
      "</table>\r\n<P>\r\ny\r\n</html>\r\n"_cp);
  EXPECT_EQ(page, "KARAKTERLAP\r\nx\r\ny\r\n</html>\r\n");
  EXPECT_EQ(p.console.lines, std::vector<std::string>{std::string("Hibás forduló!"_cp)});
}

TEST(ItemListPage, SettingsAndDataFilesAreReadOnceAcrossCalls) {
  Page p("[FORMAT]\r\nKiemeles=elso\r\n");
  const std::string report(
      "KARAKTERLAP\r\nNÁLAD LÉVŐ TÁRGYAK\r\n<TD CLASS=tdb>1</TD>\r\n=\r\n(#150)\r\n"_cp);
  const std::string first = p.Build(report, "a_1.htm");
  p.exe.Write("qvformat.ini", "[FORMAT]\r\nKiemeles=masodik\r\n");
  p.exe.Write("item.txt", "150 0 0 1 1 1 más\r\n"_cp);
  const std::string second = p.Build(report, "a_2.htm");
  EXPECT_NE(first.find("1.50 kg"), std::string::npos);
  EXPECT_NE(first.find("CLASS=elso>"), std::string::npos);
  EXPECT_EQ(second, first);
}

// A list that knows none of a report's items (the shipped one knows only the
// samples') leaves every note out: one warning per run names the list and
// the per-user folder the game's lists belong in. One known item is enough.
TEST(ItemListPage, ListThatKnowsNoneOfTheItemsIsNamedOncePerRun) {
  Page p("");
  auto report = [](const std::string& numbers) {
    std::string text("KARAKTERLAP\r\nNÁLAD LÉVŐ TÁRGYAK\r\n"_cp);
    for (const char n : numbers)
      text += "<TD CLASS=tdb>1</TD>\r\n=\r\n(#15" + std::string(1, n) + ")\r\n";
    return text + "</table>\r\n</html>\r\n";
  };
  p.Build(report("0"), "a_1.htm");  // 150 is known
  p.Build(report(""), "a_2.htm");   // no items at all
  EXPECT_TRUE(p.console.lines.empty());
  p.Build(report("89"), "a_3.htm");  // 158 and 159 are not
  p.Build(report("8"), "a_4.htm");
  EXPECT_EQ(p.console.lines,
            std::vector<std::string>{
                "ERR qvformat: Figyelem: a targylista ('" + p.exeDir +
                "item.txt') a jelentes egyik targyat sem ismeri, igy a targyak melle nem kerult "
                "suly es ar; a program melletti listak csak a mintajelentesek targyait ismerik; a "
                "jatek teljes listait (item.txt, spell.txt) tedd ebbe a mappaba: '" +
                UserDataDir() + "'"});
}

TEST(ItemListPage, ReportNameWithoutUnderscoreIsRefused) {
  Page p("");
  p.reports.Write("fordulo.htm", "KARAKTERLAP\r\n");
  ReportReader report(p.reports.path() + "/fordulo.htm");
  EXPECT_THROW(BuildItemListPage(p.ctx, p.cache, report, Layout::kOlder, p.Settings()), Error);
  EXPECT_EQ(p.reports.Read("fordulo.htm"), "KARAKTERLAP\r\n");
  EXPECT_FALSE(p.cache.loaded());
}

TEST(ItemListPage, PageReplacesTheOldOneAndLeavesNoTemporaryFile) {
  Page p("");
  p.reports.Write("rr1.htm", "old page, much longer than the new one\r\n");
  EXPECT_EQ(p.Build("new\r\n</html>\r\n", "r_1.htm"), "new\r\n</html>\r\n");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(p.reports.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2);  // the report and its page
}

// A report cut short (no closing "</html>") never replaces the page of the
// whole report: its page goes beside it under a name that says so.
TEST(ItemListPage, CutReportLeavesTheEarlierPage) {
  Page p("");
  p.reports.Write("rr1.htm", "the page of the whole report\r\n");
  p.Build("<html>\r\nKARAKTERLAP\r\nhalf a rep\r\n", "r_1.htm");
  EXPECT_EQ(p.reports.Read("rr1.htm"), "the page of the whole report\r\n");
  EXPECT_EQ(p.reports.Read("rr1-csonka.htm"), "<html>\r\nKARAKTERLAP\r\nhalf a rep\r\n");
  EXPECT_EQ(p.console.lines,
            std::vector<std::string>{"A fordulo csonka (nincs zaro </html>), a korabbi kimenet "
                                     "megmarad, az uj: " +
                                     p.reports.path() + "/rr1-csonka.htm"});
}

TEST(ItemListPage, PageThatCannotBeWrittenFailsWithoutLeftOvers) {
  Page p("");
  ASSERT_TRUE(std::filesystem::create_directory(p.reports.path() + "/xr1.htm"));
  p.reports.Write("x_1.htm", "a\r\n</html>\r\n");
  {
    ReportReader report(p.reports.path() + "/x_1.htm");
    EXPECT_THROW(BuildItemListPage(p.ctx, p.cache, report, Layout::kOlder, p.Settings()), Error);
  }
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(p.reports.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2);  // the report and the directory in the page's way
}

// Whatever line a report was cut after, its page builds with the shipped
// settings and data lists, and starts with the report's first line.
TEST(ItemListPage, EveryTruncationOfTheSamplesBuildsAPage) {
  TempDir exe, reports;
  for (const char* file : {"qvformat.ini", "item.txt", "spell.txt"})
    exe.Write(file, test::SourceFile(std::string("assets/") + file));
  RecordingConsole console;
  const std::string exeDir = exe.path() + "/";
  RunContext ctx{console, exeDir};
  PageSetupCache cache;
  const ItemListSettings settings = ReadItemListSettings(IniFile(exeDir + "qvformat.ini"), "h");
  for (const auto& [name, layout] :
       {std::pair{"1234_57.htm", Layout::kOlder}, std::pair{"1234_58.htm", Layout::kNewer},
        std::pair{"1234_59.htm", Layout::kOlder}, std::pair{"1234_60.htm", Layout::kNewer}}) {
    const std::string report = test::SampleReport(name);
    ASSERT_FALSE(report.empty()) << name;
    const std::string firstLine = report.substr(0, report.find('\n') + 1);
    for (std::size_t end = report.find('\n'); end != std::string::npos;
         end = report.find('\n', end + 1)) {
      reports.Write("t_1.htm", report.substr(0, end + 1));
      std::filesystem::remove(reports.path() + "/tr1.htm");  // each cut gets its page's own name
      ReportReader cut(reports.path() + "/t_1.htm");
      BuildItemListPage(ctx, cache, cut, layout, settings);
      ASSERT_EQ(reports.Read("tr1.htm").compare(0, firstLine.size(), firstLine), 0)
          << name << " cut after byte " << end;
    }
  }
}

}  // namespace
}  // namespace qv
