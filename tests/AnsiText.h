// Tests write their texts in UTF-8; the plug-in speaks Windows-1251. These convert both ways.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::test {

// Windows-1251 bytes of a UTF-8 text; throws on a character that the code page cannot hold.
std::string W(std::string_view utf8);

// UTF-8 for reading a Windows-1251 text in a failure message.
std::string Readable(std::string_view cp1251);

}  // namespace zelvo::test
