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
  // One line on the error stream.
  virtual void ErrorLine(const std::string& text) = 0;
  // While on, Line() goes to the error stream as well; used when a document
  // is written to standard output, so that the document stays clean.
  virtual void SetMessagesToErrorStream(bool on) = 0;
  virtual bool MessagesToErrorStream() const = 0;
};

// The process's standard output and error. Bytes are written unchanged,
// except on a terminal whose locale uses UTF-8: there they are transcoded so
// that accented letters read correctly. Piped or redirected output is never
// transcoded.
class StdConsole : public Console {
 public:
  StdConsole();
  void Line(const std::string& text) override;
  void ErrorLine(const std::string& text) override;
  void SetMessagesToErrorStream(bool on) override { messagesToError_ = on; }
  bool MessagesToErrorStream() const override { return messagesToError_; }

 private:
  void Write(std::FILE* stream, bool transcode, const std::string& text);

  bool outUtf8_ = false;
  bool errUtf8_ = false;
  bool messagesToError_ = false;
};

}  // namespace qv
