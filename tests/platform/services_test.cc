#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/desktop_open.h"
#include "platform/dir_listing.h"
#include "platform/edited_text.h"
#include "platform/encoding.h"
#include "platform/error.h"
#include "platform/exit_pause.h"
#include "platform/path_names.h"
#include "platform/replacing_file.h"
#include "tests/support/consoles.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace {

using namespace qv;

// --- Time text -------------------------------------------------------------

TEST(TimeText, TwentyFourHourFormatHasNoLeadingZero) {
  const TimePattern p = PatternFromFormat("%H:%M:%S", "AM", "PM");
  EXPECT_FALSE(p.twelveHour);
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "9:05:07");
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, p), "0:00:00");
  EXPECT_EQ(FormatTimeOfDay(23, 59, 9, p), "23:59:09");
  // %T is the same clock; designators never show in a 24-hour pattern.
  EXPECT_EQ(FormatTimeOfDay(13, 1, 2, PatternFromFormat("%T", "AM", "PM")), "13:01:02");
}

TEST(TimeText, SeparatorComesFromTheFormat) {
  EXPECT_EQ(FormatTimeOfDay(7, 8, 9, PatternFromFormat("%H.%M.%S", "", "")), "7.08.09");
  EXPECT_EQ(FormatTimeOfDay(7, 8, 9, PatternFromFormat("%k h %M", "", "")), "7 h 08 h 09");
}

TEST(TimeText, TwelveHourWithDesignatorBehind) {
  const TimePattern p = PatternFromFormat("%I:%M:%S %p", "AM", "PM");
  EXPECT_TRUE(p.twelveHour);
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, p), "12:00:00 AM");
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "09:05:07 AM");
  EXPECT_EQ(FormatTimeOfDay(11, 59, 59, p), "11:59:59 AM");
  EXPECT_EQ(FormatTimeOfDay(12, 0, 0, p), "12:00:00 PM");
  EXPECT_EQ(FormatTimeOfDay(13, 1, 2, p), "01:01:02 PM");
}

TEST(TimeText, TwelveHourWithDesignatorInFront) {
  const TimePattern p = PatternFromFormat("%p %l.%M.%S", "de.", "du.");
  EXPECT_TRUE(p.designatorFirst);
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, p), "de. 12.00.00");
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "de. 9.05.07");
  EXPECT_EQ(FormatTimeOfDay(12, 30, 0, p), "du. 12.30.00");
  EXPECT_EQ(FormatTimeOfDay(22, 4, 5, p), "du. 10.04.05");
}

TEST(TimeText, EmptyDesignatorsPrintNone) {
  const TimePattern p = PatternFromFormat("%I:%M:%S %p", "", "");
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, p), "09:05:07");
  EXPECT_EQ(FormatTimeOfDay(15, 5, 7, p), "03:05:07");
}

// Windows writes the user's time format as a picture: H/HH a 24-hour and
// h/hh a 12-hour clock (doubled: leading zero), tt the designator and t its
// first letter, literal text in quotes; the text behind the hour separates
// all three numbers.
TEST(TimeText, WindowsPictures) {
  const auto time = [](const char* picture, int hour) {
    return FormatTimeOfDay(hour, 5, 7, PatternFromWindowsFormat(picture, "de.", "du."));
  };
  EXPECT_EQ(time("H:mm:ss", 9), "9:05:07");
  EXPECT_EQ(time("HH:mm:ss", 9), "09:05:07");
  EXPECT_EQ(time("H:mm:ss tt", 21), "21:05:07");  // no designator on a 24-hour clock
  EXPECT_EQ(time("h:mm:ss tt", 0), "12:05:07 de.");
  EXPECT_EQ(time("h:mm:ss tt", 15), "3:05:07 du.");
  EXPECT_EQ(time("tt hh:mm:ss", 9), "de. 09:05:07");
  EXPECT_EQ(time("hh.mm.ss t", 13), "01.05.07 d");
  EXPECT_EQ(time("HH'h'mm'm'ss", 9), "09h05h07");
  EXPECT_EQ(time("mm:ss", 9), "9:05:07");  // no hour: the default
}

// --- Directory listing -----------------------------------------------------

class DirListingTest : public ::testing::Test {
 protected:
  // Names as the system gives them (UTF-8 here): made through the
  // platform's own file calls, so that they mean the same on every system.
  void File(const std::string& name) { ReplacingFile(dir_ + "/" + name).Commit(); }
  void Dir(const std::string& name) {
    ASSERT_TRUE(std::filesystem::create_directory(dir_ + "/" + name));
  }
  test::TempDir temp_;
  const std::string dir_ = temp_.path();
};

TEST_F(DirListingTest, AllEntriesInByteOrder) {
  File("a_1.htm");
  File("B.htm");
  File("_x");
  File(".hidden");
  File("Z1");
  File("a.htm");
  File("\xC3\xA1rv.htm");  // "árv.htm" as the system's name: high bytes sort after ASCII
  Dir("sub");
  const std::vector<std::string> expected = {".hidden", "B.htm",   "Z1",  "_x",
                                             "a.htm",   "a_1.htm", "sub", "\xC3\xA1rv.htm"};
  EXPECT_EQ(ListDirectory(dir_), expected);
}

TEST_F(DirListingTest, EmptyDirectoryAndMissingDirectory) {
  EXPECT_TRUE(ListDirectory(dir_).empty());
  try {
    ListDirectory(dir_ + "/no_such_dir");
    ADD_FAILURE() << "a missing directory was listed";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Fajlhiba");
    EXPECT_EQ(e.text().rfind("'" + dir_ + "/no_such_dir' tartalma nem listazhato: ", 0), 0u)
        << e.text();
  }
}

// --- Pause before the end --------------------------------------------------

TEST(ExitPause, OnlyAConsoleOfItsOwnThatInputComesFromWaits) {
  EXPECT_TRUE(ShouldPauseBeforeExit(1, true));   // Windows made the console for the tool
  EXPECT_FALSE(ShouldPauseBeforeExit(2, true));  // a command prompt or a script shares it
  EXPECT_FALSE(ShouldPauseBeforeExit(3, true));
  EXPECT_FALSE(ShouldPauseBeforeExit(1, false));  // input redirected
  EXPECT_FALSE(ShouldPauseBeforeExit(0, false));  // no console at all
}

// --- Path names ------------------------------------------------------------

TEST(PathNames, AbsoluteNames) {
  EXPECT_FALSE(IsAbsolutePath("q.ini"));
  EXPECT_FALSE(IsAbsolutePath("conf/q.ini"));
  EXPECT_TRUE(IsAbsolutePath("/etc/q.ini"));
  EXPECT_TRUE(IsAbsolutePath("C:\\qv\\q.ini"));
  EXPECT_TRUE(IsAbsolutePath("x\\d:\\q.ini"));
  // A colon alone does not make a name absolute.
  EXPECT_FALSE(IsAbsolutePath("c:q.ini"));
}

// --- Character sets --------------------------------------------------------

TEST(Charset, HungarianRoundTrip) {
  const std::string cp("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ"_cp);
  const std::string utf8 = "árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ";
  EXPECT_EQ(Cp1250ToUtf8(cp), utf8);
  EXPECT_EQ(Utf8ToCp1250(utf8), cp);
}

TEST(Charset, EveryDefinedByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Charset, UnconvertibleInputBecomesQuestionMark) {
  EXPECT_EQ(Cp1250ToUtf8("a\x81"
                         "b"),
            "a?b");
  EXPECT_EQ(Cp1250ToUtf8("\x81\x81"), "??");
  // One "?" per character that Windows-1250 lacks, also for multi-byte ones.
  EXPECT_EQ(Utf8ToCp1250("x\xD0\xB6y"), "x?y");  // Cyrillic zhe
  EXPECT_EQ(Utf8ToCp1250("x\xE2\x82"), "x?");    // cut-off sequence at the end
}

TEST(Charset, LongTextGrowsTheBuffer) {
  std::string cp(100000, '\xF5');  // "ő"
  const std::string utf8 = Cp1250ToUtf8(cp);
  ASSERT_EQ(utf8.size(), 200000u);
  EXPECT_EQ(utf8.substr(0, 4), "őő");
  EXPECT_EQ(Utf8ToCp1250(utf8), cp);
}

// The wide-character calls get UTF-16: every byte converts and comes back,
// the five bytes Windows-1250 leaves unused as the control characters of the
// same number; a character without a byte is "?" and reported.
TEST(Charset, Utf16RoundTripAndWhatHasNoByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::u16string wide = Cp1250ToUtf16(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[0xF5], u'\u0151');  // ő
  EXPECT_EQ(wide[0x80], u'\u20AC');  // €
  EXPECT_EQ(wide[0x81], u'\u0081');
  std::string back;
  EXPECT_TRUE(Utf16ToCp1250(wide, &back));
  EXPECT_EQ(back, all);
  EXPECT_FALSE(Utf16ToCp1250(u"\u0416x\U0001F600y", &back));  // Cyrillic zhe, an emoji
  EXPECT_EQ(back, "?x?y");
}

TEST(Charset, UnknownCharsetThrows) {
  try {
    Transcode("x", "NO-SUCH-CHARSET", "UTF-8");
    FAIL() << "no exception";
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Kodlap hiba");
    EXPECT_EQ(e.text().rfind("nem alakithato at: NO-SUCH-CHARSET -> UTF-8: ", 0), 0u) << e.text();
  }
}

// --- Text files as editors save them -----------------------------------------

// Every line end is one "\n"; a broken sequence, half a UTF-16 unit and a
// lone surrogate become one "?" each and are counted by line.
TEST(EditedText, LineEndsAndBrokenSequences) {
  EXPECT_EQ(DecodeEditedText("a\r\r\nb\rc\nd\r\n").text, "a\n\nb\nc\nd\n");
  // UTF-8 with a mark: a stray continuation byte, an overlong "/", a
  // sequence cut off by the end.
  EditedText t = DecodeEditedText(
      "\xEF\xBB\xBF"
      "a\x80"
      "b\r\nc\xC0\xAF"
      "d\r\n\xC5");
  EXPECT_EQ(t.form, TextForm::kUtf8Bom);
  EXPECT_EQ(t.text, "a?b\nc??d\n?");
  EXPECT_EQ(t.firstLostLine, 1);
  EXPECT_EQ(t.lostLines, 3);
  // UTF-16 LE: "a", a lone low surrogate, "b", CR, LF, "c", half a unit.
  t =
      DecodeEditedText(std::string("\xFF\xFE"
                                   "a\0\x00\xDC"
                                   "b\0\r\0\n\0"
                                   "c\0\x01",
                                   15));
  EXPECT_EQ(t.form, TextForm::kUtf16Le);
  EXPECT_EQ(t.text, "a?b\nc?");
  EXPECT_EQ(t.lostLines, 2);
  EXPECT_EQ(LostCharactersWarning("x.ini", t),
            "qvformat: Figyelem: 'x.ini' 1. soraban (es meg 1 soraban) olyan betu all, amely "
            "nincs meg a Windows-1250 kodlapban: \"?\" lett belole");
  // Several on one line count once; none, no warning.
  t = DecodeEditedText("ok\n\xE2\x98\xBA \xE2\x98\xBA ő\n");
  EXPECT_EQ(t.text, "ok\n? ? \xF5\n");
  EXPECT_EQ(LostCharactersWarning("x.ini", t),
            "qvformat: Figyelem: 'x.ini' 2. soraban olyan betu all, amely nincs meg a "
            "Windows-1250 kodlapban: \"?\" lett belole");
  EXPECT_EQ(LostCharactersWarning("x.ini", DecodeEditedText("\xE9\xF5\n")), "");
}

// Without a mark: UTF-8 only when some sequence is a character Windows-1250
// has. Plain ASCII and a Windows-1250 text pass as they are.
TEST(EditedText, FormWithoutAMark) {
  EXPECT_EQ(DecodeEditedText("\xC5\x91 \xE2\x80\x9E").form, TextForm::kUtf8);  // "ő „"
  EXPECT_EQ(DecodeEditedText("\xC5\x91 \xE2\x80\x9E").text, "\xF5 \x84");
  EXPECT_EQ(DecodeEditedText("t\xFB"
                             "z")
                .form,
            TextForm::kCp1250);  // "tűz": no sequence
  EXPECT_EQ(DecodeEditedText("t\xFB"
                             "z")
                .text,
            "t\xFB"
            "z");
  EXPECT_EQ(DecodeEditedText("plain").form, TextForm::kCp1250);
  // Valid UTF-8 of letters Windows-1250 lacks alone: Windows-1250 ("Ő”").
  EXPECT_EQ(DecodeEditedText("\xD5\x94").form, TextForm::kCp1250);
  EXPECT_EQ(DecodeEditedText("\xD5\x94").text, "\xD5\x94");
}

// --- Opening on the desktop -------------------------------------------------

// QVFORMAT_NO_OPEN keeps tests and scripts from opening anything; the line
// still names the file.
TEST(DesktopOpen, NotOpenedWhenAskedNotTo) {
  test::ScopedEnv noOpen("QVFORMAT_NO_OPEN", "1");
  test::RecordingConsole console;
  OpenOnDesktop("1234r57.htm", console);
  EXPECT_EQ(console.lines, std::vector<std::string>{"Nyisd meg: 1234r57.htm"});
}

}  // namespace
