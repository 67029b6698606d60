#include "platform/win32/wide.h"

#include "platform/encoding.h"

namespace qv::win32 {

std::wstring Wide(const std::string& text) {
  const std::u16string wide = Cp1250ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

bool Narrow(const wchar_t* text, std::size_t size, std::string* out) {
  return Utf16ToCp1250(std::u16string_view(reinterpret_cast<const char16_t*>(text), size), out);
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  Narrow(text.data(), text.size(), &out);
  return out;
}

std::wstring WideName(const std::string& name) {
  if (name.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), out.data(), n);
  return out;
}

std::string NameOf(const wchar_t* text, std::size_t size) {
  if (size == 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), out.data(), n, nullptr, nullptr);
  return out;
}

std::string NameOf(const std::wstring& text) { return NameOf(text.data(), text.size()); }

std::string SystemMessage(DWORD error) {
  wchar_t* message = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::string text;
  if (n > 0) text = NameOf(message, n);
  if (message != nullptr) LocalFree(message);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                           text.back() == '.'))
    text.pop_back();
  return text;
}

}  // namespace qv::win32
