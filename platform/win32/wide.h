// For the Windows side of the platform services only: the tool's
// Windows-1250 text and the names of files as the wide strings the W
// functions take, and the system's error codes as the messages the POSIX
// side gives.
#pragma once

#include <windows.h>

#include <string>

namespace qv::win32 {

std::wstring Wide(const std::string& text);

// Windows-1250 of a wide text; false when a character has no byte there
// (it becomes "?").
bool Narrow(const wchar_t* text, std::size_t size, std::string* out);
std::string Narrow(const std::wstring& text);

// Names of files and folders, command-line parameters, the environment
// and the system's messages travel through the tool as UTF-8 of the
// system's wide text (as they do in a UTF-8 locale elsewhere), so every
// name the system has reaches the tool whole.
std::wstring WideName(const std::string& name);
std::string NameOf(const wchar_t* text, std::size_t size);
std::string NameOf(const std::wstring& text);

// The errno value that stands for a system error code (ENOENT for a file or
// folder not found, EACCES for access denied or a sharing violation, ...),
// or 0 for one with no such value.
int ErrnoOf(DWORD error);

// The text of a system error code: strerror() of its errno value, as on
// POSIX systems, else the system's own message.
std::string ErrorText(DWORD error);

// The system's own message for a code (FormatMessageW), without the line
// end and final full stop; "" when the system has none.
std::string SystemMessage(DWORD error);

// "cannot <what> '<name>': <text of error>", as ThrowFileError.
[[noreturn]] void ThrowFileError(const std::string& what, const std::string& name, DWORD error);

}  // namespace qv::win32
