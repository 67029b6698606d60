#include "platform/replacing_file.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/interrupt.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

// Windows says "access denied" when the document cannot take its name for
// either of two reasons a player can act on, each told as such: a folder
// stands in its place, or another program holds the earlier document open
// without letting it go.
[[noreturn]] void ThrowReplaceError(const std::string& name, DWORD error) {
  const std::wstring wide = win32::WideName(name);
  if (error == ERROR_ACCESS_DENIED) {
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      ThrowFileProblem(FileOp::kWrite, name, file_reason::kFolder);
    const HANDLE probe =
        CreateFileW(wide.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE)
      CloseHandle(probe);
    else if (GetLastError() == ERROR_SHARING_VIOLATION)
      error = ERROR_SHARING_VIOLATION;
  }
  ThrowFileError(FileOp::kWrite, name, static_cast<int>(error));
}

// A virus scanner or the search indexer opens a new file for a moment
// just after it was written; the rename is refused meanwhile with a
// sharing violation or "access denied". Such a refusal is tried again with
// a growing pause, for about three seconds in all.
constexpr DWORD kRetryForMs = 3000;
constexpr DWORD kLongestPauseMs = 500;

bool MayPassSoon(const std::wstring& target, DWORD error) {
  if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

struct ReplacingFile::Impl {
  std::string name;
  std::string tempName;
  HANDLE file = INVALID_HANDLE_VALUE;
  int slot = -1;  // the temporary file's place in the interrupt cleanup
  CommitWatch watch;
  void Done(std::string_view step) const {
    if (watch) watch(step);
  }
};

ReplacingFile::ReplacingFile(std::string name) : impl_(std::make_unique<Impl>()) {
  Impl& f = *impl_;
  f.name = std::move(name);
  InstallInterruptCleanup();
  for (int attempt = 0;; ++attempt) {
    f.tempName = TemporaryFileName(f.name, GetCurrentProcessId(), attempt);
    DWORD error = 0;
    {
      InterruptsHeld held;
      // Shared for deleting: the Ctrl-C handler removes the file while it
      // is still open here.
      f.file = CreateFileW(win32::WideName(f.tempName).c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
      if (f.file != INVALID_HANDLE_VALUE)
        f.slot = RegisterTemporaryFile(f.tempName);
      else
        error = GetLastError();
    }
    if (f.file != INVALID_HANDLE_VALUE) return;
    // A left-over of an earlier run that had the same process id.
    if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt >= 100) {
      f.tempName.clear();
      ThrowFileError(FileOp::kCreate, f.name, static_cast<int>(error));
    }
  }
}

ReplacingFile::~ReplacingFile() {
  if (!impl_) return;
  Impl& f = *impl_;
  if (f.file != INVALID_HANDLE_VALUE) CloseHandle(f.file);
  if (f.tempName.empty()) return;
  InterruptsHeld held;
  DeleteFileW(win32::WideName(f.tempName).c_str());
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

void ReplacingFile::Write(std::string_view bytes) {
  Impl& f = *impl_;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(f.file, bytes.data() + done, chunk, &written, nullptr))
      ThrowFileError(FileOp::kWrite, f.name, static_cast<int>(GetLastError()));
    done += written;
  }
}

std::string ReplacingFile::Hand(std::string block) {
  Write(block);
  block.clear();
  return block;
}

void ReplacingFile::WatchCommit(CommitWatch watch) { impl_->watch = std::move(watch); }

void ReplacingFile::Commit() {
  Impl& f = *impl_;
  // MOVEFILE_WRITE_THROUGH flushes the rename, not the file's data.
  if (!FlushFileBuffers(f.file))
    ThrowFileError(FileOp::kWrite, f.name, static_cast<int>(GetLastError()));
  f.Done("flush");
  const HANDLE file = f.file;
  f.file = INVALID_HANDLE_VALUE;
  if (!CloseHandle(file)) ThrowFileError(FileOp::kWrite, f.name, static_cast<int>(GetLastError()));
  const std::wstring from = win32::WideName(f.tempName);
  const std::wstring to = win32::WideName(f.name);
  DWORD waited = 0;
  for (DWORD pause = 10;; pause = std::min(pause * 2, kLongestPauseMs)) {
    DWORD error = 0;
    {
      InterruptsHeld held;
      // One step, never a moment without the file: an earlier file of the
      // name is replaced, or (held open by another program) kept.
      if (MoveFileExW(from.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        UnregisterTemporaryFile(f.slot);
        f.slot = -1;
        break;
      }
      error = GetLastError();
    }
    if (waited >= kRetryForMs || !MayPassSoon(to, error))
      ThrowReplaceError(f.name, error);  // the destructor removes the temporary file
    Sleep(pause);
    waited += pause;
  }
  f.tempName.clear();
  f.Done("rename");
}

}  // namespace qv
