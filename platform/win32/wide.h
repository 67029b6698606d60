// For the Windows side of the platform services only: the tool's
// Windows-1250 text and the names of files as the wide strings the W
// functions take, and the system's own messages (FormatMessageW).
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

// The system's own message for a code (FormatMessageW), without the line
// end and final full stop; "" when the system has none.
std::string SystemMessage(DWORD error);

}  // namespace qv::win32
