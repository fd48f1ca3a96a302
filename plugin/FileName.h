// The file name that a service page shows, made safe for the answer to the host (whose fields
// are separated by "|") and for a path in the download's folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// Decodes the character references that pages use to show a name: &amp; &lt; &gt; &quot;
// &#39; &apos; and numeric ones whose character the ANSI code page holds. Others stay as written.
std::string DecodeHtmlText(std::string_view text);

// A name that Windows can store as it stands, in the folder it is meant for: reserved characters
// and control bytes become "_", trailing dots and blanks go, device names get a "_" in front.
// SanitiseFileName(SanitiseFileName(x)) == SanitiseFileName(x).
std::string SanitiseFileName(std::string_view name);

// The name inside the page's name block; nothing when the page has no name block.
std::optional<std::string> FileNameFromPage(std::string_view page);

// The same, with where the page's name block starts already known (npos: it has none).
std::optional<std::string> FileNameAt(std::string_view page, std::size_t blockStart);

}  // namespace zelvo
