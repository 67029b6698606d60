// The console: the tool's messages, one per line, each ended by CR LF.
#pragma once

#include <chrono>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace qv {

class Console {
 public:
  virtual ~Console() = default;
  // One message line (Windows-1250 bytes, without line end).
  virtual void Line(const std::string& text) = 0;
  // One message line that ends with a file name. The name is in the
  // locale's character set, as the system gives it, and is never converted.
  virtual void LineWithName(const std::string& text, const std::string& name) { Line(text + name); }
  // One line on the error stream. Error texts name files and carry the
  // system's messages, so they are in the locale's character set.
  virtual void ErrorLine(const std::string& text) = 0;
  // While on, Line() goes to the error stream as well; used when a document
  // is written to standard output, so that the document stays clean.
  virtual void SetMessagesToErrorStream(bool on) = 0;
  virtual bool MessagesToErrorStream() const = 0;
  // Sends the lines written so far on their way; called before the run
  // waits on something else (the network, the keyboard).
  virtual void Flush() {}
  // An ErrorLine shown once per run: the same text again is passed over, so
  // that a file read for every report of a batch is warned about once.
  void WarningLine(const std::string& text) {
    if (warnings_.insert(text).second) ErrorLine(text);
  }

 private:
  std::set<std::string> warnings_;
};

// A warning as the console shows it: "qvformat: Figyelem: " and the text.
std::string WarningText(const std::string& text);

// The process's standard output and error. Bytes are written unchanged,
// except on a terminal that would show them wrongly: there the tool's
// Windows-1250 texts are converted so that accented letters read correctly
// (on POSIX systems a terminal whose locale uses UTF-8; file names and
// error lines are already in the locale's set there). Piped or redirected
// output is never converted.
class StdConsole : public Console {
 public:
  StdConsole();
  ~StdConsole() override;
  StdConsole(const StdConsole&) = delete;
  StdConsole& operator=(const StdConsole&) = delete;
  void Line(const std::string& text) override;
  void LineWithName(const std::string& text, const std::string& name) override;
  void ErrorLine(const std::string& text) override;
  void SetMessagesToErrorStream(bool on) override;
  void Flush() override { FlushOutput(); }
  bool MessagesToErrorStream() const override { return messagesToError_; }

 private:
  // Lines for a file or pipe that come in a quick run wait in the console's
  // buffer: one write per line would cost a batch of thousands of orders
  // more than its conversion. A line that follows the one before after a
  // tenth of a second or more goes out at once, and with it what waits; so
  // does the buffer once its oldest line is a tenth of a second old, before
  // any error line (the two streams keep their order), before documents go
  // to standard output, at Flush() and at the end of the run. A program
  // reading the pipe sees the run progress. A terminal gets every line at
  // once.
  void Written(std::FILE* stream);
  void FlushOutput();
  // Puts bytes of a line on the stream, or among the waiting lines when
  // they are for standard output that is not a terminal.
  void Put(std::FILE* stream, std::string_view bytes);

  // Writes text (converted for the terminal when asked) and the locale
  // text behind it, then the line end.
  void Write(std::FILE* stream, bool terminal, const std::string& text,
             const std::string& localeText = "");

  bool outTerminal_ = false;  // standard output shows converted text
  bool errTerminal_ = false;
  bool messagesToError_ = false;
  bool outShownAtOnce_ = false;  // standard output is a terminal
  bool outputWaiting_ = false;   // lines wait for standard output
  std::string waiting_;          // their bytes, written in one piece
  std::chrono::steady_clock::time_point waitingSince_;
  std::optional<std::chrono::steady_clock::time_point> lastLine_;  // to stdout
};

}  // namespace qv
