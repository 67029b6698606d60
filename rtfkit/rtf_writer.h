// Output of an RTF document, written line by line with CR LF line ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/replacing_file.h"

namespace qv {

class RtfWriter {
 public:
  // Writes to the named file; an empty name writes to standard output. The
  // document is written to a temporary file beside it and renamed into place
  // by Close(), so a conversion that fails leaves no partial document and
  // the previous one survives. Throws qv::Error when the file cannot be
  // created.
  static RtfWriter ToFile(const std::string& fileName);
  // Collects the document in memory (Text() returns it).
  static RtfWriter InMemory();
  // The same in the storage of `storage`, whose bytes are dropped: a caller
  // that writes many documents one after the other hands the storage on
  // with TakeText().
  static RtfWriter InMemory(std::string storage);

  RtfWriter(RtfWriter&& other) noexcept = default;
  RtfWriter& operator=(RtfWriter&&) = delete;
  // A document never closed leaves no file (standard output gets what was
  // written).
  ~RtfWriter();

  // text + CR LF.
  void Line(std::string_view text);
  // text without a line end.
  void Write(std::string_view text);
  // Flushes and closes; throws qv::Error when anything could not be written.
  void Close();

  // The whole document written so far (in-memory writers only).
  const std::string& Text() const { return buffer_; }
  // The same, handed over; the writer is left empty.
  std::string TakeText() { return std::move(buffer_); }
  const std::string& name() const { return name_; }

  // Bytes of picture data embedded so far, as counted by the sections that
  // embed pictures: the maps keep a document's total under a budget.
  std::int64_t pictureBytes() const { return pictureBytes_; }
  void AddPictureBytes(std::int64_t bytes) { pictureBytes_ += bytes; }

 private:
  enum class Target { kMemory, kStandardOutput, kFile };
  RtfWriter(std::string name, Target target);
  void Flush();

  std::string name_;
  Target target_;
  std::optional<ReplacingFile> file_;  // a named document until Close()
  bool closed_ = false;
  std::string buffer_;
  std::int64_t pictureBytes_ = 0;
};

}  // namespace qv
