// The console: the tool's messages, one per line, each ended by CR LF.
#pragma once

#include <cstdio>
#include <string>

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
};

// The process's standard output and error. Bytes are written unchanged,
// except on a terminal whose locale uses UTF-8: there the tool's Windows-1250
// texts are transcoded so that accented letters read correctly (file names
// and error lines are already in the locale's set). Piped or redirected
// output is never transcoded.
class StdConsole : public Console {
 public:
  StdConsole();
  void Line(const std::string& text) override;
  void LineWithName(const std::string& text, const std::string& name) override;
  void ErrorLine(const std::string& text) override;
  void SetMessagesToErrorStream(bool on) override { messagesToError_ = on; }
  bool MessagesToErrorStream() const override { return messagesToError_; }

 private:
  // Writes text (transcoded when asked) and the locale text behind it.
  void Write(std::FILE* stream, bool transcode, const std::string& text,
             const std::string& localeText = "");

  bool outUtf8_ = false;
  bool errUtf8_ = false;
  bool messagesToError_ = false;
};

}  // namespace qv
