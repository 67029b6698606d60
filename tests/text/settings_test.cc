#include "text/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

#include "platform/edited_text.h"
#include "platform/error.h"
#include "tests/support/consoles.h"
#include "tests/support/editor_forms.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace {

using qv::IniFile;
using qv::IntegerOr;
using qv::ParseInteger;
using qv::operator""_cp;

// --- Number rule -----------------------------------------------------------

TEST(NumberRule, DecimalWithBlanksAndSign) {
  EXPECT_EQ(IntegerOr("12", -1), 12);
  EXPECT_EQ(IntegerOr(" +12", -1), 12);
  EXPECT_EQ(IntegerOr("   -7", 0), -7);
  EXPECT_EQ(IntegerOr("007", -1), 7);
  EXPECT_EQ(IntegerOr("0", -1), 0);
}

TEST(NumberRule, HexadecimalPrefixes) {
  EXPECT_EQ(IntegerOr("$1F", -1), 31);
  EXPECT_EQ(IntegerOr("x1f", -1), 31);
  EXPECT_EQ(IntegerOr("X1F", -1), 31);
  EXPECT_EQ(IntegerOr("0x1f", -1), 31);
  EXPECT_EQ(IntegerOr("0X1F", -1), 31);
  EXPECT_EQ(IntegerOr("-$10", 0), -16);
  EXPECT_EQ(IntegerOr(" +0x10", 0), 16);
}

TEST(NumberRule, JunkIsNotANumber) {
  for (const char* text : {"12a", "", "-", "+", "$", "x", "0x", " 12 ", "12 ", "1 2", "\t12",
                           "- 12", "$G", "0x1g", "1.5", "+-1", "$-1", "a12"}) {
    int value = 99;
    EXPECT_FALSE(ParseInteger(text, &value)) << '"' << text << '"';
    EXPECT_EQ(value, 99) << "value must be left alone for \"" << text << '"';
    EXPECT_EQ(IntegerOr(text, 5), 5) << '"' << text << '"';
  }
}

TEST(NumberRule, DecimalRange) {
  EXPECT_EQ(IntegerOr("2147483647", 0), 2147483647);
  EXPECT_EQ(IntegerOr("-2147483648", 0), -2147483647 - 1);
  EXPECT_EQ(IntegerOr("2147483648", 3), 3);
  EXPECT_EQ(IntegerOr("-2147483649", 3), 3);
  EXPECT_EQ(IntegerOr("99999999999999999999", 3), 3);
}

TEST(NumberRule, HexadecimalWrapsTo32Bits) {
  EXPECT_EQ(IntegerOr("$FFFFFFFF", 0), -1);
  EXPECT_EQ(IntegerOr("$80000000", 0), -2147483647 - 1);
  EXPECT_EQ(IntegerOr("$7FFFFFFF", 0), 2147483647);
  EXPECT_EQ(IntegerOr("-$FFFFFFFF", 0), 1);
  EXPECT_EQ(IntegerOr("$000000001", 0), 1);  // leading zeros do not count
  EXPECT_EQ(IntegerOr("$100000000", 4), 4);
}

// --- INI file --------------------------------------------------------------

class IniFileTest : public ::testing::Test {
 protected:
  IniFile Make(const std::string& content) { return IniFile(temp_.Write("q.ini", content)); }
  qv::test::TempDir temp_;
  const std::string dir_ = temp_.path();
};

TEST_F(IniFileTest, CaseBlindNamesAndTrimming) {
  IniFile ini = Make(
      "[ Format ]\n"
      "  FontTimes =  Times New Roman \t\n"
      "\tMeret\t=\t12\n");
  EXPECT_EQ(ini.ReadString("FORMAT", "fonttimes", "-"), "Times New Roman");
  EXPECT_EQ(ini.ReadString("format", "FONTTIMES", "-"), "Times New Roman");
  EXPECT_EQ(ini.ReadInteger("FORMAT", "meret", 0), 12);
  EXPECT_EQ(ini.ReadString("FORMA", "FontTimes", "-"), "-");
}

TEST_F(IniFileTest, OnePairOfQuotesRemoved) {
  IniFile ini = Make(
      "[S]\n"
      "a=\"x y\"\n"
      "b='q'\n"
      "c=\"\"x\"\"\n"
      "d=\"x'\n"
      "e=\"\n"
      "f=  \" padded \"  \n"
      "g=\"\"\n");
  EXPECT_EQ(ini.ReadString("S", "a", "-"), "x y");
  EXPECT_EQ(ini.ReadString("S", "b", "-"), "q");
  EXPECT_EQ(ini.ReadString("S", "c", "-"), "\"x\"");
  EXPECT_EQ(ini.ReadString("S", "d", "-"), "\"x'");
  EXPECT_EQ(ini.ReadString("S", "e", "-"), "\"");
  EXPECT_EQ(ini.ReadString("S", "f", "-"), " padded ");
  EXPECT_EQ(ini.ReadString("S", "g", "-"), "");
}

TEST_F(IniFileTest, FirstOccurrenceWinsAcrossRepeatedSections) {
  IniFile ini = Make(
      "[A]\n"
      "k=1\n"
      "K=2\n"
      "[B]\n"
      "k=3\n"
      "m=4\n"
      "[a]\n"
      "k=5\n"
      "n=6\n");
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
  EXPECT_EQ(ini.ReadString("B", "k", "-"), "3");
  // A key only in the second section named A is still found.
  EXPECT_EQ(ini.ReadString("A", "n", "-"), "6");
  EXPECT_EQ(ini.ReadString("A", "m", "-"), "-");
}

TEST_F(IniFileTest, CommentsAndLinesWithoutEqualsSkipped) {
  IniFile ini = Make(
      "k=outside\n"
      "[S]\n"
      ";k=commented\n"
      "   ; x=also comment\n"
      "just words\n"
      "k=a=b\n"
      "x=\n");
  EXPECT_EQ(ini.ReadString("S", "k", "-"), "a=b");
  EXPECT_EQ(ini.ReadString("S", ";k", "-"), "-");
  EXPECT_EQ(ini.ReadString("S", "just words", "-"), "-");
  EXPECT_EQ(ini.ReadString("S", "x", "-"), "");  // present but empty
}

TEST_F(IniFileTest, CrLfLines) {
  IniFile ini = Make("[S]\r\nk=v\r\nn=$20\r\nlast=end");
  EXPECT_EQ(ini.ReadString("S", "k", "-"), "v");
  EXPECT_EQ(ini.ReadInteger("S", "n", 0), 32);
  EXPECT_EQ(ini.ReadString("S", "last", "-"), "end");
}

TEST_F(IniFileTest, MissingFileAndMissingKeyGiveDefault) {
  IniFile missing(dir_ + "/nothing_here.ini");
  EXPECT_EQ(missing.ReadString("S", "k", "dflt"), "dflt");
  EXPECT_EQ(missing.ReadInteger("S", "k", 42), 42);

  IniFile ini = Make("[S]\nk=v\n");
  EXPECT_EQ(ini.ReadString("S", "other", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("S", "other", -3), -3);
}

TEST_F(IniFileTest, IntegerKeyWithJunkGivesDefault) {
  IniFile ini = Make("[S]\na=12a\nb=\nc= 0x1F \nd=\"7\"\n");
  EXPECT_EQ(ini.ReadInteger("S", "a", 9), 9);
  EXPECT_EQ(ini.ReadInteger("S", "b", 9), 9);
  EXPECT_EQ(ini.ReadInteger("S", "c", 9), 31);  // the value is trimmed first
  EXPECT_EQ(ini.ReadInteger("S", "d", 9), 7);   // and unquoted
}

TEST_F(IniFileTest, ValuesAndDefaultsCappedAt2047Characters) {
  const std::string longValue(3000, 'v');
  IniFile ini = Make("[S]\nk=" + longValue + "\nj=" + std::string(2047, 'w') + "\n");
  EXPECT_EQ(ini.ReadString("S", "k", "-"), std::string(2047, 'v'));
  EXPECT_EQ(ini.ReadString("S", "j", "-"), std::string(2047, 'w'));
  EXPECT_EQ(ini.ReadString("S", "none", longValue), std::string(2047, 'v'));
}

// --- Files as editors save them ------------------------------------------------

// The first section and accented values in every form Notepad saves (a mark
// in front must not hide the first section, UTF-16 and CR alone must not
// hide the whole file): the same settings, and no warning.
TEST_F(IniFileTest, EveryFormAnEditorSavesGivesTheSameSettings) {
  const std::string text =
      "[CSOPORT3]\nNev=Páncélok és ékszerek\nSzam=410, 411\n[FORMAT]\nKiemeles=„jó” – ő\n";
  for (const qv::test::EditorForm& form : qv::test::EditorForms(text)) {
    qv::test::RecordingConsole console;
    const IniFile ini(temp_.Write("q.ini", form.bytes), &console);
    EXPECT_EQ(ini.ReadString("CSOPORT3", "Nev", "-"), "Páncélok és ékszerek"_cp) << form.name;
    EXPECT_EQ(ini.ReadString("csoport3", "szam", "-"), "410, 411") << form.name;
    EXPECT_EQ(ini.ReadString("FORMAT", "Kiemeles", "-"), "„jó” – ő"_cp) << form.name;
    EXPECT_TRUE(console.lines.empty()) << form.name;
  }
}

// Windows-1250 that is valid UTF-8 by accident: a capital letter before a
// sign of 80-BF is a two-byte sequence ("Ő”" D5 94, "Ű…" DB 85, "É„" C9
// 84) standing for an Armenian, Arabic or Latin Extended-B letter, none of
// which Windows-1250 has, so the file is taken as Windows-1250.
TEST_F(IniFileTest, Windows1250ThatIsValidUtf8ByAccidentStaysWindows1250) {
  const std::string cp = std::string("[CSOPORT1]\r\nNev=KŐ”\r\n[CSOPORT2]\r\nNev=TŰ… É„\r\n"_cp);
  // Each pair is one valid sequence: read as UTF-8, each gives one "?".
  EXPECT_EQ(qv::DecodeEditedText("\xEF\xBB\xBF" + cp).text,
            "[CSOPORT1]\nNev=K?\n[CSOPORT2]\nNev=T? ?\n");
  const IniFile ini = Make(cp);
  EXPECT_EQ(ini.ReadString("CSOPORT1", "Nev", "-"), "KŐ”"_cp);
  EXPECT_EQ(ini.ReadString("CSOPORT2", "Nev", "-"), "TŰ… É„"_cp);
}

// Characters Windows-1250 lacks (an arrow, a smiley, a check mark, an emoji
// that UTF-16 writes as a surrogate pair) become "?", one each, and the run
// is warned once, naming the file and the first line, however often the
// file is read.
TEST_F(IniFileTest, CharacterWindows1250LacksBecomesQuestionMarkWithOneWarning) {
  const std::string text = "[S]\nk=ő → ☺\nj=ok\nm=✓ 😀\n";
  for (const qv::test::EditorForm& form : qv::test::EditorForms(text, false)) {
    qv::test::RecordingConsole console;
    const std::string path = temp_.Write("q.ini", form.bytes);
    const IniFile ini(path, &console);
    EXPECT_EQ(ini.ReadString("S", "k", "-"), "ő ? ?"_cp) << form.name;
    EXPECT_EQ(ini.ReadString("S", "j", "-"), "ok") << form.name;
    EXPECT_EQ(ini.ReadString("S", "m", "-"), "? ?") << form.name;
    const IniFile again(path, &console);
    EXPECT_EQ(console.lines,
              std::vector<std::string>{"ERR qvformat: Figyelem: '" + path +
                                       "' 2. soraban (es meg 1 soraban) olyan betu all, amely "
                                       "nincs meg a Windows-1250 kodlapban: \"?\" lett belole"})
        << form.name;
  }
}

// --- Files that are no settings file, and large ones --------------------------

std::string Failure(const std::string& path) {
  try {
    IniFile ini(path);
  } catch (const qv::Error& e) {
    return e.kind() + ": " + e.text();
  }
  return "no error";
}

TEST_F(IniFileTest, DirectoryAndDeviceAreRefusedByName) {
  EXPECT_EQ(Failure(dir_), "Fajlhiba: '" + dir_ + "' nem nyithato meg: mappa, nem fajl");
  const std::string device = qv::test::kDeviceFile;
  EXPECT_EQ(Failure(device), "Fajlhiba: '" + device +
                                 "' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy cso)");
  // A folder on the way that is a file: as good as missing.
  Make("[S]\nk=v\n");
  EXPECT_EQ(IniFile(dir_ + "/q.ini/x.ini").ReadString("S", "k", "d"), "d");
}

TEST_F(IniFileTest, FileOfMoreThanSixteenMegabytesIsRefused) {
  std::string text = "[S]\nk=v\n";
  text.resize(qv::kMaxSettingsBytes, ';');
  EXPECT_EQ(Make(text).ReadString("S", "k", "-"), "v");
  text += '\n';
  const std::string path = dir_ + "/q.ini";
  std::ofstream(path, std::ios::binary) << text;
  EXPECT_EQ(Failure(path), "Fajlhiba: '" + path + "' nem olvashato: nagyobb, mint 16 MB");
}

// Ten thousand item groups are twenty thousand keys: the file is read once
// and every key is looked up without scanning it again.
TEST_F(IniFileTest, TwentyThousandKeysAreReadQuickly) {
  std::string text;
  for (int n = 1; n <= 10000; ++n)
    text += "[CSOPORT" + std::to_string(n) + "]\r\nNev=Csoport " + std::to_string(n) +
            "\r\nSzam=" + std::to_string(n) + ", " + std::to_string(n + 1) + "\r\n";
  const auto start = std::chrono::steady_clock::now();
  IniFile ini = Make(text);
  for (int n = 1; n <= 10000; ++n) {
    const std::string section = "csoport" + std::to_string(n);
    ASSERT_EQ(ini.ReadString(section, "NEV", ""), "Csoport " + std::to_string(n));
    ASSERT_EQ(ini.ReadString(section, "szam", ""),
              std::to_string(n) + ", " + std::to_string(n + 1));
  }
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::milliseconds(500));
}

}  // namespace
