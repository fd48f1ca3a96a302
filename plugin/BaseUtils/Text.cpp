#include "Text.h"

#include <algorithm>
#include <functional>

namespace zelvo {

std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty() || from > text.size() || pattern.size() > text.size() - from)
    return std::string_view::npos;
  // Horspool keeps the search linear in the page also for patterns whose prefix repeats.
  const auto hit = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                               std::boyer_moore_horspool_searcher(pattern.begin(), pattern.end()));
  return hit == text.end() ? std::string_view::npos : static_cast<std::size_t>(hit - text.begin());
}

std::string_view After(std::string_view text, std::string_view marker) {
  const std::size_t at = Find(text, marker);
  return at == std::string_view::npos ? std::string_view() : text.substr(at + marker.size());
}

std::string_view Before(std::string_view text, std::string_view marker) {
  const std::size_t at = Find(text, marker);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return out;
}

}  // namespace zelvo
