#include "platform/replacing_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>
#include <system_error>

#include "platform/error.h"
#include "platform/interrupt.h"
#include "platform/path_names.h"
#include "platform/posix/background_flush.h"
#include "platform/posix/block_writer.h"

namespace qv {

struct ReplacingFile::Impl {
  std::string name;
  std::string tempName;
  int fd = -1;
  int slot = -1;                 // the temporary file's place in the interrupt cleanup
  std::uint64_t written = 0;     // bytes written so far
  std::uint64_t handedOver = 0;  // bytes whose writing to the disk has begun
  CommitWatch watch;
  // Blocks handed over, written on a thread; none when no thread was had.
  std::unique_ptr<BlockWriter> blocks;
  bool noThread = false;
  // Flushes on a thread of their own while the file is written (see
  // BackgroundFlush); declared after `blocks`, whose thread asks for them.
  std::unique_ptr<BackgroundFlush> flushes;
  std::uint64_t flushAsked = 0;  // bytes written when a flush was last asked for
  bool noFlushThread = false;

  void Done(std::string_view step) const {
    if (watch) watch(step);
  }
  // Writes the bytes where the file stands; 0, or the error number.
  int WriteBytes(std::string_view bytes);
  // Asks for a flush in the background each kFlushStep bytes written; only
  // the writing thread asks, since where the run writes for itself a flush
  // would wait in its time.
  void AskForFlush();
  // Ends the background flushes; throws the failure of one.
  void EndFlushes() {
    if (!flushes) return;
    const int error = flushes->Finish();
    flushes.reset();
    if (error != 0) ThrowFileError(FileOp::kWrite, name, error);
  }
  // Waits for the blocks handed over; throws the failure of one.
  void WaitForBlocks() {
    if (!blocks) return;
    if (const int error = blocks->Wait(); error != 0) ThrowFileError(FileOp::kWrite, name, error);
  }
};

namespace {

// A file system that cannot flush (EINVAL, ENOTSUP) has nothing to flush.
bool FlushFailed(int result) { return result != 0 && errno != EINVAL && errno != ENOTSUP; }

// After a rename the folder's entry is flushed too, or a power cut may
// lose the new name. Best effort: the file is in place either way.
void FlushFolderOf(const std::string& name) {
  const std::string dir = name.substr(0, FileNameStart(name));
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Each time this much more is written beside a writing thread, the data so
// far is flushed on a thread of its own.
constexpr std::uint64_t kFlushStep = std::uint64_t{4} << 20;

// Each time this much more is written, the disk starts on it while the
// rest is still being made (Linux), so Commit's flush waits only for the
// last part instead of the whole file. Best effort: the flush in Commit is
// what makes the file durable, and reports any failure.
constexpr std::uint64_t kWritebackStep = std::uint64_t{1} << 20;

void StartWriteback([[maybe_unused]] int fd, [[maybe_unused]] std::uint64_t& handedOver,
                    [[maybe_unused]] std::uint64_t written) {
#if defined(__linux__)
  if (written - handedOver < kWritebackStep) return;
  ::sync_file_range(fd, static_cast<off_t>(handedOver), static_cast<off_t>(written - handedOver),
                    SYNC_FILE_RANGE_WRITE);
  handedOver = written;
#endif
}

}  // namespace

ReplacingFile::ReplacingFile(std::string name) : impl_(std::make_unique<Impl>()) {
  Impl& f = *impl_;
  f.name = std::move(name);
  InstallInterruptCleanup();
  for (int attempt = 0;; ++attempt) {
    f.tempName = TemporaryFileName(f.name, static_cast<unsigned long>(::getpid()), attempt);
    {
      InterruptsHeld held;
      f.fd = ::open(f.tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (f.fd >= 0) f.slot = RegisterTemporaryFile(f.tempName);
    }
    if (f.fd >= 0) return;
    // A left-over of an earlier run that had the same process id.
    if (errno != EEXIST || attempt >= 100) {
      const int err = errno;
      f.tempName.clear();
      ThrowFileError(FileOp::kCreate, f.name, err);
    }
  }
}

ReplacingFile::~ReplacingFile() {
  if (!impl_) return;
  Impl& f = *impl_;
  f.blocks.reset();   // its thread ends before the file goes
  f.flushes.reset();  // and so does this one
  if (f.fd >= 0) ::close(f.fd);
  if (f.tempName.empty()) return;
  InterruptsHeld held;
  ::unlink(f.tempName.c_str());
  UnregisterTemporaryFile(f.slot);
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept = default;

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept {
  // The file given up here is removed when `other` goes.
  std::swap(impl_, other.impl_);
  return *this;
}

const std::string& ReplacingFile::name() const { return impl_->name; }
const std::string& ReplacingFile::tempName() const { return impl_->tempName; }

int ReplacingFile::Impl::WriteBytes(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    done += static_cast<std::size_t>(n);
  }
  written += bytes.size();
  StartWriteback(fd, handedOver, written);
  return 0;
}

void ReplacingFile::Impl::AskForFlush() {
  if (written - flushAsked < kFlushStep) return;
  flushAsked = written;
  if (!flushes && !noFlushThread) {
    try {
      flushes = std::make_unique<BackgroundFlush>(fd);
    } catch (const std::system_error&) {
      noFlushThread = true;  // the flush in Commit does it all, then
    }
  }
  if (flushes) flushes->Request();
}

void ReplacingFile::Write(std::string_view bytes) {
  Impl& f = *impl_;
  f.WaitForBlocks();  // their bytes come first
  if (const int error = f.WriteBytes(bytes); error != 0)
    ThrowFileError(FileOp::kWrite, f.name, error);
}

std::string ReplacingFile::Hand(std::string block) {
  Impl& f = *impl_;
  if (!f.blocks && !f.noThread) {
    try {
      f.blocks = std::make_unique<BlockWriter>([&f](std::string_view bytes) {
        const int error = f.WriteBytes(bytes);
        if (error == 0) f.AskForFlush();
        return error;
      });
    } catch (const std::system_error&) {
      f.noThread = true;  // written here, then
    }
  }
  if (!f.blocks) {
    Write(block);
    block.clear();
    return block;
  }
  if (const int error = f.blocks->Hand(block); error != 0)
    ThrowFileError(FileOp::kWrite, f.name, error);
  return block;
}

void ReplacingFile::WatchCommit(CommitWatch watch) { impl_->watch = std::move(watch); }

void ReplacingFile::Commit() {
  Impl& f = *impl_;
  f.WaitForBlocks();
  f.blocks.reset();
  f.EndFlushes();
  if (FlushFailed(::fsync(f.fd))) ThrowFileError(FileOp::kWrite, f.name, errno);
  f.Done("flush");
  const int fd = f.fd;
  f.fd = -1;
  if (::close(fd) != 0) ThrowFileError(FileOp::kWrite, f.name, errno);
  {
    InterruptsHeld held;
    if (::rename(f.tempName.c_str(), f.name.c_str()) != 0) {
      // The destructor removes the temporary file. A folder in the way is
      // said in the tool's words, as on every system.
      const int err = errno;
      if (err == EISDIR) ThrowFileProblem(FileOp::kWrite, f.name, file_reason::kFolder);
      ThrowFileError(FileOp::kWrite, f.name, err);
    }
    UnregisterTemporaryFile(f.slot);
    f.slot = -1;
  }
  f.tempName.clear();
  f.Done("rename");
  FlushFolderOf(f.name);
  f.Done("flush folder");
}

}  // namespace qv
