// The only way the resolution reaches the network and the disk: page requests and posts through
// the host (UTF-8 replies converted to the ANSI code page), page copies, and file deletion.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

std::string GetPage(std::string_view request);
std::string PostPage(std::string_view address, std::string_view body);
void DumpPage(std::string_view path, std::string_view text);
void RemoveFile(const std::string& path);

// True when the reply declares UTF-8 (charset=utf-8, bare or quoted, in any letter case).
bool DeclaresUtf8(std::string_view reply);

}  // namespace zelvo
