// The plug-in speaks Windows-1251; the terminal, the file system and the command line UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::host {

std::string Utf8FromAnsi(std::string_view ansi);
// What Windows-1251 cannot hold becomes "?".
std::string AnsiFromUtf8(std::string_view utf8);

}  // namespace zelvo::host
