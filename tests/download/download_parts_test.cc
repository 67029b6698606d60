// The pieces the turn download is made of: cookies, the login form, the
// latest turn, the cuts and checks of an answer, safe values, and the site
// as the settings and the environment name it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "config/site.h"
#include "download/cookies.h"
#include "download/download_session.h"
#include "download/requests.h"
#include "download/response_check.h"
#include "download/response_cut.h"
#include "download/safe_values.h"
#include "download/turn_resolution.h"
#include "platform/encoding.h"
#include "platform/error.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace qv {
namespace {

// --- The pieces ---------------------------------------------------------------

TEST(DownloadParts, CookieCut) {
  EXPECT_EQ(CookieCut("Set-Cookie: GAZPSW=abc; expires=x; path=/", "GAZPSW="), "GAZPSW=abc");
  EXPECT_EQ(CookieCut("Set-Cookie: GAZPSW=abc", "GAZPSW="), "");             // no ";"
  EXPECT_EQ(CookieCut("x; Set-Cookie: GAZPSW=abc; path=/", "GAZPSW="), "");  // ";" before it
  EXPECT_EQ(CookieCut("GAZUSER=;", "GAZUSER="), "GAZUSER=");
}

TEST(DownloadParts, LatestTurnFromTheTurnList) {
  TurnResolution r("1234", "utolso");
  r.Take("<a href=\"?m=qv\">Karakter</a>");
  EXPECT_EQ(r.turn(), "utolso");
  EXPECT_FALSE(r.Settled());
  r.Take("<a href=\"?in=billent2.php&karakter=QV1234&fordulo=57&nyilvanos=0\">");
  EXPECT_EQ(r.turn(), "57");
  EXPECT_TRUE(r.Settled());
  r.Take("<a href=\"?in=billent2.php&karakter=QV1234&fordulo=56&nyilvanos=0\">");
  EXPECT_EQ(r.turn(), "57");  // the first matching line decides
}

TEST(DownloadParts, LatestTurnIsTheTextBehindThePattern) {
  // Whatever the length of the character number.
  for (const std::string kar : {"1", "123", "1234", "12345", "1234567890"}) {
    TurnResolution r(kar, "utolso");
    r.Take("<a href=\"?in=billent2.php&karakter=QV" + kar + "&fordulo=57&nyilvanos=1\">");
    EXPECT_EQ(r.turn(), "57") << kar;
  }
  TurnResolution wide("12", "utolso");
  wide.Take("billent2.php&karakter=QV12&fordulo=1234567&nyilvanos");
  EXPECT_EQ(wide.turn(), "1234567");
  // Without "&nyilvanos" the turn is empty (and refused by the download).
  TurnResolution noEnd("1234", "utolso");
  noEnd.Take("billent2.php&karakter=QV1234&fordulo=57");
  EXPECT_EQ(noEnd.turn(), "");
  EXPECT_TRUE(noEnd.Settled());
  TurnResolution nothingBetween("1234", "utolso");
  nothingBetween.Take("billent2.php&karakter=QV1234&fordulo=&nyilvanos");
  EXPECT_EQ(nothingBetween.turn(), "");
  TurnResolution otherCharacter("1234", "utolso");
  otherCharacter.Take("billent2.php&karakter=QV4321&fordulo=57&nyilvanos");
  EXPECT_EQ(otherCharacter.turn(), "utolso");
  TurnResolution caseCounts("1234", "Utolso");
  caseCounts.Take("billent2.php&karakter=QV1234&fordulo=57&nyilvanos");
  EXPECT_EQ(caseCounts.turn(), "Utolso");
}

TEST(DownloadParts, TurnWithBul) {
  TurnResolution found("1234", "58&bul=1");
  found.Take("<b>Hirek</b>");
  EXPECT_FALSE(found.Settled());
  found.Take("<b>58. fordulo</b>");
  EXPECT_EQ(found.turn(), "58");
  EXPECT_TRUE(found.Settled());
  found.Take("<b>Hirek</b>");
  EXPECT_TRUE(found.Settled());  // no "&bul" left: stays settled

  TurnResolution earlier("1234", "58&bul=1");
  earlier.Take("<b>57. fordulo</b>");
  EXPECT_EQ(earlier.turn(), "58&bul=1");
  EXPECT_TRUE(earlier.Settled());
  earlier.Take("<b>Hirek</b>");
  EXPECT_FALSE(earlier.Settled());  // each line decides again

  TurnResolution notANumber("1234", "x&bul");
  notANumber.Take("-1. fordulo");  // "x" counts as 0
  EXPECT_TRUE(notANumber.Settled());
}

TEST(DownloadParts, ResponseCut) {
  EXPECT_EQ(CutResponse("HTTP/1.0 200 OK\r\nA: b\r\n\r\n"
                        "<html>x<TABLE><TR>menu</TABLE>\r\ny</html>z"),
            "<html>x\ny</html>");
  // "</TABLE>" at the very end: nothing is left behind it.
  EXPECT_EQ(CutResponse("H\r\n\r\na<TABLE><TR>b</TABLE>"), "a");
  // Only the first header end, table and "</html>" count.
  EXPECT_EQ(CutResponse("H\r\n\r\n\r\n\r\n<TABLE><TR>1</TABLE>.2</TABLE>.</html></html>"),
            "\r\n\r\n2</TABLE>.</html>");
  // A missing marker leaves the text of that step as it is.
  EXPECT_EQ(CutResponse("no header <TABLE><TR>t</TABLE>!rest"), "no header rest");
  EXPECT_EQ(CutResponse("H\r\n\r\n<TABLE>x</TABLE>.y"), "<TABLE>x</TABLE>.y");
  EXPECT_EQ(CutResponse("H\r\n\r\ncut short"), "cut short");
  // A "</TABLE>" before the table: head and tail overlap.
  EXPECT_EQ(CutResponse("H\r\n\r\na</TABLE>bc<TABLE><TR>d"), "a</TABLE>bcc<TABLE><TR>d");
}

TEST(DownloadParts, OnlyACompleteOkAnswerIsStored) {
  auto refusal = [](const std::string& response) -> std::string {
    try {
      RequireCompleteTurn(response, "1234_57.htm");
    } catch (const Error& e) {
      return e.text();
    }
    return "";
  };
  EXPECT_EQ(StatusLine("HTTP/1.0 404 Not Found\r\nA: b\r\n\r\n"), "HTTP/1.0 404 Not Found");
  EXPECT_EQ(StatusLine("HTTP/1.0 200 OK\nA: b"), "HTTP/1.0 200 OK");

  for (const std::string good :
       {"HTTP/1.0 200 OK\r\n\r\n<html>x</html>\r\n", "HTTP/1.1 200\r\nA: b\r\n\r\n<HTML></HTML>",
        "HTTP/1.0 200 OK\r\nContent-Length: 7\r\n\r\n</hTmL>",
        "HTTP/1.0 200 OK\r\ncontent-LENGTH:  3 \r\n\r\n</html>abcdef",  // more is kept
        "HTTP/1.0 200 OK\r\nContent-Length: lots\r\n\r\n</html>"})      // unreadable: not judged
    EXPECT_EQ(refusal(good), "") << good;

  const std::string answer = "a honlap valasza (1234_57.htm) ";
  const std::string end = "; semmit nem irtam ki";
  EXPECT_EQ(refusal("HTTP/1.0 404 Not Found\r\n\r\n<html>nincs</html>"),
            answer + "ez volt: \"HTTP/1.0 404 Not Found\"" + end);
  EXPECT_EQ(refusal("HTTP/1.0 302 Found\r\nLocation: /\r\n\r\n"),
            answer + "ez volt: \"HTTP/1.0 302 Found\"" + end);
  EXPECT_EQ(refusal("HTTP/1.0 2000 OK\r\n\r\n"), answer + "ez volt: \"HTTP/1.0 2000 OK\"" + end);
  EXPECT_EQ(refusal("<html>\t200</html>"), answer + "ez volt: \"<html>\\x09200</html>\"" + end);
  EXPECT_EQ(refusal(std::string(500, 'x')),
            answer + "ez volt: \"" + std::string(120, 'x') + "...\"" + end);
  EXPECT_EQ(refusal(""), answer + "ures volt" + end);
  EXPECT_EQ(refusal("HTTP/1.0 200 OK\r\nContent-Ty"), answer + "a fejlecben megszakadt" + end);
  EXPECT_EQ(refusal("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n<html>"),
            answer + "6 bajt utan megszakadt, pedig 10 bajtot jelzett" + end);
  // Without a length, a page is whole only with its closing tag, in the body.
  const std::string noEnd = " bajt utan megszakadt, a zaro </html> elott" + end;
  EXPECT_EQ(refusal("HTTP/1.0 200 OK\r\n\r\n"), answer + "0" + noEnd);
  EXPECT_EQ(refusal("HTTP/1.0 200 OK\r\nX: </html>\r\n\r\n<html><p>x</p></htm"),
            answer + "19" + noEnd);
}

TEST(DownloadParts, PercentEncodedLoginForm) {
  EXPECT_EQ(PercentEncode("AZaz09-_.~"), "AZaz09-_.~");
  EXPECT_EQ(PercentEncode(std::string(" &=+%/\x01") + std::string("ő"_cp)),
            "%20%26%3D%2B%25%2F%01%F5");
  EXPECT_EQ(LoginForm("a b", "p&q"), "login=login&SZLA=a%20b&PSW=p%26q");
}

TEST(DownloadParts, CommandLineTextBecomesWindows1250) {
  EXPECT_EQ(LocaleTextToCp1250("Kov\xC3\xA1"
                               "cs \xC5\x91",
                               "UTF-8"),
            std::string("Kovács ő"_cp));
  EXPECT_EQ(LocaleTextToCp1250("\xE2\x82\xAC", "UTF-8"), "\x80");  // the euro sign
  EXPECT_EQ(LocaleTextToCp1250("\xE2\x86\x92", "UTF-8"), "?");     // no such letter
  EXPECT_EQ(LocaleTextToCp1250("Kov\xE1"
                               "cs",
                               "ANSI_X3.4-1968"),
            "Kov\xE1"
            "cs");  // C locale
  EXPECT_EQ(LocaleTextToCp1250("Kov\xE1"
                               "cs",
                               "ISO-8859-2"),
            std::string("Kovács"_cp));
}

TEST(DownloadParts, ValuesForFileNamesAndRequestLines) {
  for (const std::string good : {"57", "58&bul=1", "a.b", "utolso", "x y"})
    EXPECT_TRUE(IsSafeValue(good)) << good;
  const std::vector<std::string> bad = {"",
                                        "../57",
                                        "5/7",
                                        "5\\7",
                                        ".57",
                                        "57\r\nHost: x",
                                        std::string("5\0"
                                                    "7",
                                                    3),
                                        "5\t7",
                                        "5\x7F",
                                        "C:",
                                        "57:x"};
  // What Windows forbids in a name is refused on every system.
  for (const char c : std::string("*?\"<>|")) EXPECT_FALSE(IsSafeValue(std::string("57") + c)) << c;
  for (const std::string& value : bad) EXPECT_FALSE(IsSafeValue(value)) << value;
  try {
    RequireSafeValue("5\r\n7", "a fordulo");
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(e.text().find("'5\\x0D\\x0A7'"), std::string::npos) << e.text();
  }
}

// --- The site -------------------------------------------------------------------

class DownloadSiteSettings : public ::testing::Test {
 protected:
  void Settings(const std::string& text) { dir_.Write("qvformat.ini", text); }
  std::string ProgramDir() const { return dir_.path() + "/"; }
  // The site as the settings beside the executable name it.
  SiteSettings Site() const {
    return ReadSiteSettings(IniFile(SettingsPath(ProgramDir())), ProgramDir());
  }
  test::TempDir dir_;
  test::ScopedEnv host_{"QVFORMAT_HOST", nullptr}, port_{"QVFORMAT_PORT", nullptr};
};

TEST_F(DownloadSiteSettings, PlaceholderUntilTheSettingsNameTheSite) {
  EXPECT_EQ(Site().domain, "zordonvidek.example");
  EXPECT_EQ(Site().host, "www.zordonvidek.example");
  EXPECT_THROW(ConfiguredSite(Site()), Error);

  Settings("[LETOLTES]\r\nSzerver=pelda.example\r\n");
  const auto site = ConfiguredSite(Site());
  EXPECT_EQ(site.host, "www.pelda.example");
  EXPECT_EQ(site.port, 443);
  EXPECT_EQ(site.tls.caFile, "");  // the system's trust store
}

TEST_F(DownloadSiteSettings, SzerverIsReadAsThePlainDomainAndTheNoteNamesTheFile) {
  EXPECT_EQ(PlainDomain("jatek.hu"), "jatek.hu");
  EXPECT_EQ(PlainDomain("www.jatek.hu"), "jatek.hu");
  EXPECT_EQ(PlainDomain("HTTPS://WWW.jatek.hu/"), "jatek.hu");
  EXPECT_EQ(PlainDomain("http://jatek.hu/?m=qv"), "jatek.hu");
  EXPECT_EQ(PlainDomain("wwwjatek.hu"), "wwwjatek.hu");
  EXPECT_EQ(PlainDomain("https://"), "");

  Settings("[LETOLTES]\r\nSzerver=pelda.example\r\n");
  EXPECT_EQ(ConfiguredSite(Site()).settingNote, "");
  Settings("[LETOLTES]\r\nSzerver=https://www.pelda.example/\r\n");
  EXPECT_EQ(Site().domain, "pelda.example");  // the usage text too
  const auto site = ConfiguredSite(Site());
  EXPECT_EQ(site.host, "www.pelda.example");
  EXPECT_EQ(site.settingNote,
            "Megjegyzes: a Szerver beallitast (https://www.pelda.example/) pelda.example "
            "domainkent olvasom; javitsd ki itt: ");
  EXPECT_EQ(site.settingsFile, SettingsPath(ProgramDir()));
  Settings("[LETOLTES]\r\nSzerver=https:///\r\n");
  EXPECT_THROW(ConfiguredSite(Site()), Error);  // names no site
}

TEST_F(DownloadSiteSettings, ConnectionLimitsMayOnlyBeShortened) {
  const test::ScopedEnv host("QVFORMAT_HOST", "localhost");
  const TlsOptions shipped = ConfiguredSite(Site()).tls;
  EXPECT_EQ(shipped.connectionLimitMs, 120000);
  EXPECT_EQ(shipped.waitNoticeMs, 5000);
  EXPECT_EQ(shipped.answerLimit, std::size_t{64} << 20);
  const test::ScopedEnv time("QVFORMAT_CONNECTION_LIMIT_MS", "3000");
  const test::ScopedEnv notice("QVFORMAT_WAIT_NOTICE_MS", "500");
  const test::ScopedEnv bytes("QVFORMAT_ANSWER_LIMIT", "4096");
  const TlsOptions shortened = ConfiguredSite(Site()).tls;
  EXPECT_EQ(shortened.connectionLimitMs, 3000);
  EXPECT_EQ(shortened.waitNoticeMs, 500);
  EXPECT_EQ(shortened.answerLimit, 4096u);
  for (const char* bad : {"120001", "0", "x"}) {
    const test::ScopedEnv longer("QVFORMAT_CONNECTION_LIMIT_MS", bad);
    EXPECT_THROW(ConfiguredSite(Site()), Error) << bad;
  }
}

TEST_F(DownloadSiteSettings, EnvironmentOverridesHostAndPort) {
  const test::ScopedEnv host("QVFORMAT_HOST", "localhost");
  const test::ScopedEnv port("QVFORMAT_PORT", "8443");
  EXPECT_EQ(Site().domain, "zordonvidek.example");  // the usage text keeps it
  EXPECT_EQ(Site().host, "localhost");
  const auto site = ConfiguredSite(Site());
  EXPECT_EQ(site.host, "localhost");
  EXPECT_EQ(site.port, 8443);
  for (const char* bad : {"0", "65536", "x", "-1", "44 3", "123456"}) {
    const test::ScopedEnv badPort("QVFORMAT_PORT", bad);
    EXPECT_THROW(ConfiguredSite(Site()), Error) << bad;
  }
}

}  // namespace
}  // namespace qv
