// The plug-in speaks Windows-1251; the terminal, the file system and the command line UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "Iconv.h"

namespace zelvo::host {

inline std::string Utf8FromAnsi(std::string_view ansi) { return hostkit::Utf8FromCp1251(ansi); }
// What Windows-1251 cannot hold becomes "?".
inline std::string AnsiFromUtf8(std::string_view utf8) { return hostkit::Cp1251FromUtf8(utf8); }

}  // namespace zelvo::host
