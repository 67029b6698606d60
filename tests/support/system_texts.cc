#include "tests/support/system_texts.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace qv::test {
namespace {

// Each error a test names, with its code on either system.
struct NamedError {
  const char* name;
  int posix;              // errno
  unsigned long windows;  // GetLastError() or WSAGetLastError()
};
constexpr NamedError kErrors[] = {
    {"ENOENT", ENOENT, 2 /* ERROR_FILE_NOT_FOUND */},
    {"ECONNREFUSED", ECONNREFUSED, 10061 /* WSAECONNREFUSED */},
};

std::string Words(const NamedError& e) {
#ifdef _WIN32
  wchar_t* message = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, e.windows, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::wstring text(message != nullptr ? message : L"", n);
  if (message != nullptr) LocalFree(message);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                           text.back() == L'.'))
    text.pop_back();
  if (text.empty()) throw std::runtime_error(std::string("the system has no words for ") + e.name);
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
#else
  return std::strerror(e.posix);
#endif
}

}  // namespace

std::string SystemWords(const std::string& name) {
  for (const NamedError& e : kErrors)
    if (name == e.name) return Words(e);
  throw std::runtime_error("no system error named " + name);
}

std::string WithSystemWords(std::string text) {
  for (const NamedError& e : kErrors) {
    const std::string placeholder = std::string("{") + e.name + "}";
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at)) {
      const std::string words = Words(e);
      text.replace(at, placeholder.size(), words);
      at += words.size();
    }
  }
  return text;
}

}  // namespace qv::test
