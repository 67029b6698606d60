// Character sets on POSIX systems: iconv, and the LC_CTYPE locale's set.
#include "platform/encoding.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstring>

#include "platform/error.h"

namespace qv {
namespace {

class IconvHandle {
 public:
  IconvHandle(const char* from, const char* to) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw Error(error_kind::kCharset, std::string("nem alakithato at: ") + from + " -> " + to +
                                            ": " + std::strerror(errno));
  }
  ~IconvHandle() { iconv_close(cd_); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

}  // namespace

std::string Transcode(const std::string& text, const char* from, const char* to) {
  IconvHandle cd(from, to);
  const bool utf8Input = IsUtf8Charset(from);

  std::string out;
  out.resize(text.size() * 2 + 16);
  std::size_t used = 0;
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();

  bool flushed = false;
  while (!flushed) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    // Once the text is used up, a null input flushes any pending shift state.
    const bool flushing = inLeft == 0;
    const std::size_t rc = flushing ? iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft)
                                    : iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
    used = static_cast<std::size_t>(outPtr - out.data());
    if (rc != static_cast<std::size_t>(-1)) {
      flushed = flushing;
    } else if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else if (!flushing && (errno == EILSEQ || errno == EINVAL)) {
      // Unconvertible or cut-off input: one "?" and go on behind the byte
      // (behind the whole UTF-8 sequence, so that one character gives one "?").
      if (used == out.size()) out.resize(out.size() * 2);
      out[used++] = '?';
      ++in;
      --inLeft;
      while (utf8Input && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
        ++in;
        --inLeft;
      }
    } else {
      throw Error(error_kind::kCharset, std::string("az atalakitas nem sikerult: ") + from +
                                            " -> " + to + ": " + std::strerror(errno));
    }
  }
  out.resize(used);
  return out;
}

std::string Cp1250ToUtf8(const std::string& text) {
  return Transcode(text, "WINDOWS-1250", "UTF-8");
}

std::string Utf8ToCp1250(const std::string& text) {
  return Transcode(text, "UTF-8", "WINDOWS-1250");
}

std::string LocaleCharset() {
  const char* name = nl_langinfo(CODESET);
  return name != nullptr ? name : "";
}

}  // namespace qv
