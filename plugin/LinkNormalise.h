// Turns the job's link into the canonical link (reported to the host), the page link that every
// request of the job goes to, and the password that the link carries.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

struct NormalisedLink {
  std::string pageLink;  // PageLink: UTF-8, escaped
  std::string password;  // Password: UTF-8, not escaped, empty when the link carries none
};

// Reports the canonical link with exactly one ModQuery and makes no other host call.
NormalisedLink NormaliseLink(std::string_view link);

// Percent-escapes space, "#", "^", "`" and "~"; every other byte passes unchanged.
std::string EscapeUrl(std::string_view text);

}  // namespace zelvo
