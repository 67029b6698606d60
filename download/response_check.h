// What a turn response must be before it replaces a file: the site's "200"
// answer, received in full, and for the report a turn report.
#pragma once

#include <string>

namespace qv {

// The response's first line, without its line end (at most 4096 bytes).
std::string StatusLine(const std::string& response);

// Throws qv::Error naming fileName, the file the response was asked for,
// when the status line is not "HTTP/... 200 ...", when the header has no
// end (CR LF CR LF), or when the connection was cut off: the body is
// shorter than its Content-Length header says, or holds no closing
// "</html>" (in any case).
void RequireCompleteTurn(const std::string& response, const std::string& fileName);

// Throws qv::Error naming fileName when the report cut from a turn answer
// holds no "<title": a login or error page, not a turn report.
void RequireTurnReport(const std::string& report, const std::string& fileName);

}  // namespace qv
