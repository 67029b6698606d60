#include "download/response_check.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "download/safe_values.h"
#include "platform/error.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"
#include "text/turn_report.h"
#include "text/whole_report.h"

namespace qv {
namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";
// A status line shown in a message is cut here: it may be a whole page.
constexpr std::size_t kShownStatus = 120;

bool IsOkStatus(std::string_view status) {
  if (status.substr(0, 5) != "HTTP/") return false;
  const std::size_t blank = status.find(' ');
  if (blank == std::string_view::npos) return false;
  const std::string_view code = status.substr(blank + 1);
  return code.substr(0, 3) == "200" && (code.size() == 3 || code[3] == ' ');
}

// The value of the header's Content-Length line; -1 without a readable one.
std::int64_t DeclaredLength(std::string_view header) {
  std::size_t start = 0;
  while (start < header.size()) {
    std::size_t end = header.find("\r\n", start);
    if (end == std::string_view::npos) end = header.size();
    const std::string line(header.substr(start, end - start));
    start = end + 2;
    if (AsciiLowerCase(line.substr(0, 15)) != "content-length:") continue;
    const std::string value = TrimBlanks(std::string_view(line).substr(15));
    std::int64_t n = -1;
    const auto [rest, err] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (err == std::errc() && rest == value.data() + value.size() && n >= 0) return n;
    return -1;
  }
  return -1;
}

[[noreturn]] void Refuse(const std::string& fileName, const std::string& what) {
  throw Error(error_kind::kDownload,
              "a honlap valasza (" + fileName + ") " + what + "; semmit nem irtam ki");
}

}  // namespace

std::string StatusLine(const std::string& response) {
  // A line longer than this is no status line; it is shown cut anyway.
  constexpr std::size_t kLongest = 4096;
  std::string line = response.substr(0, std::min(response.find('\n'), kLongest));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void RequireCompleteTurn(const std::string& response, const std::string& fileName) {
  if (response.empty()) Refuse(fileName, "ures volt");
  const std::string status = StatusLine(response);
  if (!IsOkStatus(status)) {
    std::string shown = ShownValue(status.substr(0, kShownStatus));
    if (status.size() > kShownStatus) shown += "...";
    Refuse(fileName, "ez volt: \"" + shown + "\"");
  }
  const std::size_t headerEnd = response.find(kHeaderEnd);
  if (headerEnd == std::string::npos) Refuse(fileName, "a fejlecben megszakadt");
  const std::int64_t declared = DeclaredLength(std::string_view(response).substr(0, headerEnd));
  const std::size_t body = response.size() - headerEnd - kHeaderEnd.size();
  if (declared >= 0 && static_cast<std::uint64_t>(declared) > body)
    Refuse(fileName, std::to_string(body) + " bajt utan megszakadt, pedig " +
                         std::to_string(declared) + " bajtot jelzett");
  // Without a length only the page's end tells that it came whole.
  if (!IsWholeReport(std::string_view(response).substr(headerEnd + kHeaderEnd.size())))
    Refuse(fileName, std::to_string(body) + " bajt utan megszakadt, a zaro " +
                         std::string(qv::report::kHtmlEnd) + " elott");
}

void RequireTurnReport(const std::string& report, const std::string& fileName) {
  if (!HoldsTitleTag(report)) Refuse(fileName, "nem fordulo: egyik soraban sincs \"<title\"");
}

}  // namespace qv
