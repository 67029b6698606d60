// The one exception type of the tool. Every failure that nothing handles on
// the way ends the run in main(): "qvformat: <kind>: <text>" goes to
// standard error and the process exits with status 1. Kinds and texts are
// unaccented Hungarian, as the rest of the console; a reason the system
// gives (SystemErrorText) or a TLS library's own words stay as they come.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class Error : public std::runtime_error {
 public:
  Error(std::string kind, const std::string& text);
  const std::string& kind() const { return kind_; }
  const std::string& text() const { return text_; }

 private:
  std::string kind_;
  std::string text_;
};

// The kinds of error, one set for the whole tool.
namespace error_kind {
inline constexpr char kFile[] = "Fajlhiba";
inline constexpr char kSettings[] = "Beallitasi hiba";
inline constexpr char kCommandLine[] = "Parancssori hiba";
inline constexpr char kReport[] = "Fordulo hiba";
inline constexpr char kName[] = "Nevhiba";
inline constexpr char kPicture[] = "Kephiba";
inline constexpr char kMap[] = "Terkephiba";
inline constexpr char kFont[] = "Betukeszlet hiba";
inline constexpr char kCharset[] = "Kodlap hiba";
inline constexpr char kDownload[] = "Letoltesi hiba";
inline constexpr char kNetwork[] = "Halozati hiba";       // name resolution, TCP connect
inline constexpr char kConnection[] = "Kapcsolati hiba";  // an open connection's socket
inline constexpr char kTls[] = "TLS hiba";
inline constexpr char kInternal[] = "belso hiba";  // an exception that is no qv::Error
}  // namespace error_kind

// What was done to a file when it failed.
enum class FileOp { kOpen, kRead, kWrite, kCreate, kList };

// Reasons the tool itself gives, the same on every system.
namespace file_reason {
inline constexpr char kFolder[] = "mappa, nem fajl";
inline constexpr char kNotRegular[] = "nem kozonseges fajl (hanem eszkoz vagy cso)";
inline constexpr char kInUse[] = "egy masik program hasznalja";
inline constexpr char kTooManyOpen[] = "tul sok a nyitott fajl";
}  // namespace file_reason

// "'<name>' <what could not be done>: <reason>", e.g.
// "'x_1.htm' nem nyithato meg: mappa, nem fajl".
std::string FileProblemText(FileOp op, const std::string& name, const std::string& reason);

// The same as an error of kind kFile.
[[noreturn]] void ThrowFileProblem(FileOp op, const std::string& name, const std::string& reason);

// Why a file operation failed, for a system error code (errno, or
// GetLastError() on Windows: platform/system_error.h): the system's words,
// or the tool's for a file another program holds open.
std::string FileErrorReason(int systemError);

// ThrowFileProblem with FileErrorReason(systemError).
[[noreturn]] void ThrowFileError(FileOp op, const std::string& name, int systemError);

}  // namespace qv
