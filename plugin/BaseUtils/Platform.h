// The few operating-system calls of the plug-in. PlatformWin32.cpp makes the real Windows calls;
// PlatformPosix.cpp stands in for them elsewhere with the same results for code page 1251.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::platform {

// The system's ANSI code page (1251 is the one the plug-in's texts are written for).
unsigned AnsiCodePage();

// ANSI code page to UTF-8, through UTF-16.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to the ANSI code page, through UTF-16: a malformed sequence and a character without a
// form in the code page each become "?", with no look-alike substituted.
std::string Utf8ToAnsi(std::string_view utf8);

// Locale-aware capitals of an ANSI text, byte for byte (the length never changes).
std::string ToUpperAnsi(std::string_view ansi);

// True when a file is at the path; a folder there does not count.
bool FileExists(const std::string& path);

// Deletes the file at the path; whether that worked is not looked at.
void RemoveFileQuietly(const std::string& path);

}  // namespace zelvo::platform
