// The one parser of host replies: a text cut at a one-character separator into a fixed number
// of parts.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelvo {

// Fills parts[0] to parts[n], n = parts.size() - 1, with the pieces of the text between
// separators; every part is overwritten. The last part takes only the piece up to the next
// separator (the rest of the text is dropped), a closing separator yields no further part, and
// parts that receive nothing stay empty.
void SplitText(std::string_view text, std::span<std::string> parts, char separator);

}  // namespace zelvo
