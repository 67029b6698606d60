// A file written under a hidden temporary name beside its final name and
// renamed into place by Commit(): a run that fails leaves no empty or
// partial file behind, and an earlier file of the same name survives it.
// A run ended from outside (Ctrl-C, kill, a closed terminal) removes its
// temporary files too (platform/interrupt.h).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

class ReplacingFile {
 public:
  // Creates the temporary file now, so a directory that cannot take the file
  // fails before any work is done; throws qv::Error then.
  explicit ReplacingFile(std::string name);
  // Removes the temporary file unless Commit() succeeded.
  ~ReplacingFile();
  ReplacingFile(ReplacingFile&& other) noexcept;
  ReplacingFile& operator=(ReplacingFile&& other) noexcept;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Appends bytes; throws qv::Error when they cannot be written.
  void Write(std::string_view bytes);
  // Appends the bytes of `block` as Write does and gives back a block to
  // fill next, emptied. Where the system allows, the block is written on a
  // thread of its own while the caller goes on, so a failure to write it is
  // thrown by a later Write, Hand or Commit.
  std::string Hand(std::string block);
  // Flushes the file's bytes to the disk, closes it and gives it its name,
  // replacing an earlier file of that name in one step, so that after a
  // power cut the name holds the earlier file or the whole new one (on
  // POSIX systems the folder is flushed after the rename). On Windows a
  // rename refused because another program (a virus scanner, the search
  // indexer) has just opened one of the files is tried again for a few
  // seconds. Throws qv::Error on failure, and the earlier file stays as it
  // was.
  void Commit();

  // Told each step of Commit() as it is done: "flush", "rename", and on
  // POSIX systems "flush folder". Lets a test see the order.
  using CommitWatch = std::function<void(std::string_view step)>;
  void WatchCommit(CommitWatch watch);

  const std::string& name() const;
  const std::string& tempName() const;

 private:
  struct Impl;  // the open file: platform/<system>/replacing_file.cc
  std::unique_ptr<Impl> impl_;
};

// The temporary name of attempt number `attempt` (0, 1, ...) for the file
// `name` written by process `processId`: "dir/.name.tmp<pid>" and then
// "dir/.name.tmp<pid>-<attempt>". Hidden, beside the file, and with no "_"
// and no ".htm" at its end, so neither a batch run nor a browser takes one
// that a killed run left behind.
std::string TemporaryFileName(const std::string& name, unsigned long processId, int attempt);

}  // namespace qv
