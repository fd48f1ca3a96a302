// The captcha prompt: a BMP copy of the picture written by the host, then the host's prompt
// window, whose answer comes back.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// What the user typed for the picture at the path; empty when no file is there (a folder does
// not count) or no answer came. Every host call is made once the file exists, in a fixed order.
std::string AskCaptcha(const std::string& picturePath);

// The path with the extension of its last component replaced by ".bmp", or ".bmp" appended.
std::string BmpPathOf(std::string_view picturePath);

}  // namespace zelvo
