// The item-list page being written. The page is built in memory: a position
// is a byte offset in it, and writing after a move back overwrites what
// stood there. Everything after a move back is written again in order, so
// the page ends where the last write ended: bytes beyond it are left-overs
// of text that was replaced by shorter text, and Finish() drops them. Text
// that is told settled (SettleBefore) goes out as it grows, so a page of
// megabytes is never held whole. The finished page goes to a temporary file
// in the page's directory, which is then renamed into place, so a failed
// run never leaves half a page nor destroys the page of an earlier run.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/replacing_file.h"

namespace qv {

class PageFile;

// Takes the page's text as it goes out, in order and in pieces of any size,
// and puts out what the finished page gets instead (PageFile::PutOut).
class PageTextSink {
 public:
  virtual ~PageTextSink() = default;
  virtual void Put(PageFile& page, std::string_view text) = 0;
  // After the page's last text.
  virtual void End(PageFile& page) = 0;
};

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
  // A move back to settled text is a fault of the caller (std::logic_error).
  void Seek(std::int64_t offset);

  // text + CR LF at the current position.
  void Line(std::string_view text);
  // text without a line end.
  void Write(std::string_view text);

  // Room for a page of `bytes` without moving it as it grows; memory that is
  // never written costs nothing.
  void Reserve(std::size_t bytes) { text_.reserve(bytes); }

  // Tells that the page before `offset` (written already) is final: no move
  // goes back before it. Once some hundred kilobytes of it gather they go
  // out, through the sink if there is one.
  void SettleBefore(std::int64_t offset) {
    if (offset >= 0 && static_cast<std::size_t>(offset) >= base_ + kSettledPiece)
      GoOutBefore(offset);
  }

  // The page as it stands from its first byte that has not gone out,
  // left-overs included until Finish(): the whole page while nothing is
  // settled, and the finished page after Finish() of a page in memory.
  const std::string& Text() const { return text_; }

  // Puts `text` into the finished page at `offset` (at most the page's end),
  // in front of what stands there. Nothing moves now: positions keep
  // counting the page without it, and Finish() writes it in, texts at the
  // same offset in the order given. Only on a page without a sink, before
  // anything has gone out.
  void InsertAtFinish(std::int64_t offset, std::string text);

  // From now on the page's text goes out through `sink` (before anything has
  // gone out).
  void SendTextTo(std::unique_ptr<PageTextSink> sink) { sink_ = std::move(sink); }
  // Bytes of the finished page, after those put out before: what a sink
  // puts out.
  void PutOut(std::string_view text);
  // Where a sink may append the finished page's next bytes itself, with
  // room for `bytes` more: the block that bytes put out gather in (what
  // gathered is written first when they would not fit), or the finished
  // page of one kept in memory.
  std::string& OutBlock(std::size_t bytes);

  // Ends the page at the current position, writes it and renames it into
  // place (a page kept in memory is only ended); throws qv::Error on failure.
  void Finish();

 private:
  // Settled text goes out once this much of it has gathered.
  static constexpr std::size_t kSettledPiece = 256 * 1024;

  // Bytes put out gather up to this much before they are written.
  static constexpr std::size_t kWriteBlock = 256 * 1024;

  void GoOut(std::string_view text);  // through the sink if there is one
  void FlushOut();                    // writes what gathered
  void GoOutBefore(std::int64_t offset);

  std::optional<ReplacingFile> file_;
  std::string text_;      // the page from base_ on
  std::size_t base_ = 0;  // the page before this offset has gone out
  std::size_t pos_ = 0;
  std::vector<std::pair<std::size_t, std::string>> inserts_;
  std::unique_ptr<PageTextSink> sink_;
  std::string finished_;  // the finished page of one kept in memory
  std::string out_;       // bytes put out, not written yet
};

}  // namespace qv
