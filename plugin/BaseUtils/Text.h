// The text helpers that every step of the plug-in uses. Searches are exact byte comparisons and
// find the first occurrence; an empty pattern is never found.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// Where the first occurrence of the pattern starts, or npos.
std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from = 0);

inline bool Contains(std::string_view text, std::string_view pattern) {
  return Find(text, pattern) != std::string_view::npos;
}

// As Find, with the 26 ASCII letters matching in either case (as if both texts were passed
// through LowerAscii), without a lower-cased copy of the text.
std::size_t FindIgnoringCase(std::string_view text, std::string_view pattern, std::size_t from = 0);

// Find or FindIgnoringCase, as ignoreCase says.
std::size_t FindCased(std::string_view text, std::string_view pattern, std::size_t from, bool ignoreCase);

// Whether the pattern's bytes stand at `at` (which has room for all of them).
bool MatchesAt(const char* at, std::string_view pattern, bool ignoreCase);

inline bool ContainsIgnoringCase(std::string_view text, std::string_view pattern) {
  return FindIgnoringCase(text, pattern) != std::string_view::npos;
}

// The text behind the first occurrence of the marker; empty when the marker is missing.
std::string_view After(std::string_view text, std::string_view marker);

// The text up to, not including, the first occurrence of the marker; empty when it is missing.
std::string_view Before(std::string_view text, std::string_view marker);

// Only the 26 ASCII capitals become small letters; every other byte, Cyrillic included, stays.
std::string LowerAscii(std::string_view text);

// Where the extension of a path's last component starts (its last dot, with no "\", "/" or ":"
// after it), or the path's length when it has none.
inline std::size_t ExtensionStart(std::string_view path) {
  const std::size_t cut = path.find_last_of(".\\/:");
  return cut != std::string_view::npos && path[cut] == '.' ? cut : path.size();
}

// Reads a host text: a null pointer is the empty text.
inline std::string_view HostText(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}

// Concatenation without the temporaries of a chain of operator+.
template <class... Parts>
std::string Concat(const Parts&... parts) {
  std::string out;
  out.reserve((std::string_view(parts).size() + ... + 0));
  (out.append(std::string_view(parts)), ...);
  return out;
}

}  // namespace zelvo
