#include "itemlist/page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/error.h"

namespace qv {
namespace {

// "dir/.name.tmp<pid>[-n]": hidden, beside the page, and without "_" or
// ".htm" at the end, so neither a batch run nor a browser takes it.
int CreateTemporary(const std::string& name, std::string* tempName) {
  const std::size_t slash = name.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : name.substr(0, slash + 1);
  const std::string base = name.substr(dir.size());
  const std::string stem = dir + "." + base + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0;; ++attempt) {
    *tempName = attempt == 0 ? stem : stem + "-" + std::to_string(attempt);
    const int fd = ::open(tempName->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    // A left-over file of an earlier run with the same process id.
    if (errno != EEXIST || attempt >= 100) ThrowFileError("create", name, errno);
  }
}

}  // namespace

PageFile PageFile::Create(const std::string& name) {
  PageFile page;
  page.name_ = name;
  page.fd_ = CreateTemporary(name, &page.tempName_);
  return page;
}

PageFile::PageFile(PageFile&& other) noexcept
    : name_(std::move(other.name_)),
      tempName_(std::move(other.tempName_)),
      fd_(other.fd_),
      text_(std::move(other.text_)),
      pos_(other.pos_) {
  other.fd_ = -1;
  other.tempName_.clear();
}

PageFile& PageFile::operator=(PageFile&& other) noexcept {
  if (this != &other) {
    Discard();
    name_ = std::move(other.name_);
    tempName_ = std::move(other.tempName_);
    fd_ = other.fd_;
    text_ = std::move(other.text_);
    pos_ = other.pos_;
    other.fd_ = -1;
    other.tempName_.clear();
  }
  return *this;
}

PageFile::~PageFile() { Discard(); }

void PageFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!tempName_.empty()) ::unlink(tempName_.c_str());
  tempName_.clear();
}

void PageFile::Seek(std::int64_t offset) {
  pos_ = offset < 0 ? 0 : static_cast<std::size_t>(offset);
  if (pos_ > text_.size()) text_.resize(pos_, '\0');  // as a file would, with a hole
}

void PageFile::Write(std::string_view text) {
  const std::size_t over = std::min(text.size(), text_.size() - pos_);
  text_.replace(pos_, over, text.substr(0, over));
  text_.append(text.substr(over));
  pos_ += text.size();
}

void PageFile::Line(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void PageFile::Finish() {
  text_.resize(pos_);
  if (fd_ < 0) return;
  std::size_t done = 0;
  while (done < text_.size()) {
    const ssize_t n = ::write(fd_, text_.data() + done, text_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("write", name_, errno);
    done += static_cast<std::size_t>(n);
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) ThrowFileError("write", name_, errno);
  if (::rename(tempName_.c_str(), name_.c_str()) != 0) ThrowFileError("write", name_, errno);
  tempName_.clear();
}

}  // namespace qv
