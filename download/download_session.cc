// The turn download: HTTP/1.0 written by hand over up to four successive
// TLS connections (session cookie, login and turn, the report, the site's
// own rendering).
#include "download/download_session.h"

#include <vector>

#include "download/cookies.h"
#include "download/requests.h"
#include "download/response_check.h"
#include "download/response_cut.h"
#include "download/safe_values.h"
#include "download/tls_line_connection.h"
#include "download/turn_resolution.h"
#include "platform/error.h"
#include "platform/replacing_file.h"
#include "text/output_names.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::size_t kLongestLine = 80000000;

void WriteRequest(TlsLineConnection& connection, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) connection.WriteLine(line);
}

void Open(TlsLineConnection& connection, TextEncoding encoding, Console& console,
          const char* message) {
  connection.SetTextEncoding(encoding);
  connection.Connect();
  if (connection.IsConnected()) console.Line(message);
  console.Flush();
}

// Reads lines until the server closes the connection or handle asks to
// stop. A failing read ends the loop quietly, unless it refuses what the
// server sent (bytes that are not TLS, an answer too large or too slow):
// that ends the run. The reads do not wait (a time limit of 0 returns an
// empty text when no line is complete yet), so between them the loop
// sleeps until input arrives; input that stalls for the whole socket limit
// ends the loop like a failed read.
template <typename Handle>
void ReadLines(TlsLineConnection& connection, int stallLimitMs, Handle handle) {
  while (!connection.IsClosed()) {
    std::string line;
    try {
      line = connection.ReadLine('\n', 0, kLongestLine);
    } catch (const NetError& e) {
      if (IsRefusal(e.fault())) throw;
      return;
    } catch (const Error&) {
      return;
    }
    if (handle(line)) return;
    if (line.empty() && !connection.WaitForInput(stallLimitMs)) return;
  }
}

// Connection 3 or 4: one turn rendering, cut and stored under fileName.
void StoreTurn(TlsLineConnection& connection, const std::vector<std::string>& request,
               const std::string& fileName, bool report) {
  WriteRequest(connection, request);
  ReplacingFile file(fileName);
  std::string response = connection.ReadAll();
  // An error or login page, or a report cut off, never replaces a file.
  RequireCompleteTurn(response, fileName);
  // The answer may be large: it is cut in place and written as it stands.
  const std::string text = CutResponse(std::move(response));
  if (report) RequireTurnReport(text, fileName);
  file.Write(text);
  file.Write("\r\n");
  file.Commit();
  connection.Close();
}

}  // namespace

FetchedTurn FetchTurn(const TurnRequest& request, const DownloadSite& site, Console& console) {
  const std::string& kar = request.character;
  const std::string& turn = request.turn;
  if (!site.settingNote.empty()) console.LineWithName(site.settingNote, site.settingsFile);
  const SiteRequests requests(site.host);
  const bool downloadOnly = request.downloadOnly;
  const int stallLimitMs = site.tls.socketTimeoutMs;
  SiteCookies cookies;
  TurnResolution resolution(kar, turn);
  {
    TlsLineConnection connection(site.host, site.port, site.tls);
    connection.SetWaitNotice([&console] {
      console.Line("Varakozas a szerver valaszara...");
      console.Flush();
    });

    Open(connection, TextEncoding::kEightBit, console, "Session ID lekerdezese...");
    WriteRequest(connection, requests.SessionCookie());
    ReadLines(connection, stallLimitMs, [&](const std::string& line) {
      if (Contains(line, "GAZEHALL_SESSIONID="))
        cookies.session = CookieCut(line, "GAZEHALL_SESSIONID=");
      return false;  // the whole answer is read
    });
    connection.Close();

    Open(connection, TextEncoding::kEightBit, console, "Bejelentkezes...");
    WriteRequest(connection,
                 requests.Login(kar, cookies.session, LoginForm(request.user, request.password)));
    ReadLines(connection, stallLimitMs, [&](const std::string& line) {
      if (Contains(line, "GAZPSW=")) cookies.password = CookieCut(line, "GAZPSW=");
      if (Contains(line, "GAZUSER=")) cookies.user = CookieCut(line, "GAZUSER=");
      resolution.Take(line);
      return !cookies.password.empty() && !cookies.user.empty() && resolution.Settled();
    });
    connection.Close();

    // The turn now comes from the site's page and goes into file names.
    RequireSafeValue(resolution.turn(), "a honlap altal megadott fordulo");

    Open(connection, TextEncoding::kEightBit, console, "Fordulo letoltese...");
    StoreTurn(connection, requests.Turn(kar, resolution.turn(), cookies.TurnCookies(), true),
              DownloadedReportName(kar, resolution.turn()), true);

    if (downloadOnly) {
      Open(connection, TextEncoding::kUtf8, console, "Online QVFormat fordulo letoltese...");
      StoreTurn(connection, requests.Turn(kar, resolution.turn(), cookies.TurnCookies(), false),
                DownloadedPageName(kar, resolution.turn()), false);
    }
  }

  return {DownloadedReportName(kar, resolution.turn()), DownloadedPageName(kar, resolution.turn())};
}

}  // namespace qv
