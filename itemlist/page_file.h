// The item-list page being written. The page is built in memory: a position
// is a byte offset in it, and writing after a move back overwrites what
// stood there. Everything after a move back is written again in order, so
// the page ends where the last write ended: bytes beyond it are left-overs
// of text that was replaced by shorter text, and Finish() drops them. The
// finished page goes to a temporary file in the page's directory, which is
// then renamed into place, so a failed run never leaves half a page nor
// destroys the page of an earlier run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/replacing_file.h"

namespace qv {

class PageFile {
 public:
  // A page kept in memory only; Finish() does nothing.
  PageFile() = default;
  // The page that will become `name`. Its temporary file is created now,
  // so a directory that cannot take the page fails before any work is done;
  // throws qv::Error then.
  static PageFile Create(const std::string& name);

  // A page never finished leaves no file: its temporary file goes.

  std::int64_t Position() const { return static_cast<std::int64_t>(pos_); }
  void Seek(std::int64_t offset);

  // text + CR LF at the current position.
  void Line(std::string_view text);
  // text without a line end.
  void Write(std::string_view text);

  // Room for a page of `bytes` without moving it as it grows; memory that is
  // never written costs nothing.
  void Reserve(std::size_t bytes) { text_.reserve(bytes); }

  // The whole page as it stands, left-overs included until Finish().
  const std::string& Text() const { return text_; }

  // Puts `text` into the finished page at `offset` (at most the page's end),
  // in front of what stands there. Nothing moves now: positions keep
  // counting the page without it, and Finish() writes it in, texts at the
  // same offset in the order given. So a picture of megabytes is written
  // straight from where it was made, never copied into the page.
  void InsertAtFinish(std::int64_t offset, std::string text);

  // Puts the page up to `offset` (at most its current position) into the
  // finished page now, and then `text`: a picture of megabytes goes out in
  // pieces as it is encoded, and no piece is kept. Once the page is put out
  // up to an offset, it is not written before that offset again, nor are
  // texts inserted there; Finish() adds the rest.
  void PutOutThrough(std::int64_t offset);
  void PutOut(std::string_view text);

  // Ends the page at the current position, writes it and renames it into
  // place (a page kept in memory is only ended); throws qv::Error on failure.
  void Finish();

 private:
  std::optional<ReplacingFile> file_;
  std::string text_;
  std::size_t pos_ = 0;
  std::vector<std::pair<std::size_t, std::string>> inserts_;
  std::size_t putOut_ = 0;  // the page is in the finished page up to here
  std::string finished_;    // the finished page of one kept in memory
};

}  // namespace qv
