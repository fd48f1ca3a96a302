#include "SplitText.h"

namespace zelvo {

void SplitText(std::string_view text, std::span<std::string> parts, char separator) {
  for (std::string& part : parts) part.clear();
  std::size_t next = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size() && next < parts.size(); ++i) {
    if (text[i] == separator) {
      parts[next++] = text.substr(start, i - start);
      start = i + 1;
    } else if (i + 1 == text.size()) {
      parts[next++] = text.substr(start);
    }
  }
}

}  // namespace zelvo
