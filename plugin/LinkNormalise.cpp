#include "LinkNormalise.h"

#include <algorithm>

#include "BaseUtils/Bridge.h"
#include "BaseUtils/Platform.h"
#include "BaseUtils/Text.h"
#include "ServiceConfig.h"

namespace zelvo {
namespace {

constexpr std::string_view kScheme = "http://";

// The first legacy host address, found without regard to letter case, becomes the service's.
std::string RewriteLegacyHost(std::string_view link) {
  const std::string legacy = Concat(kLegacyHost, "/disk/");
  const std::size_t at = Find(platform::ToUpperAnsi(link), platform::ToUpperAnsi(legacy));
  if (at == std::string_view::npos) return std::string(link);
  return Concat(link.substr(0, at), kServiceHost, "/disk/", link.substr(at + legacy.size()));
}

}  // namespace

NormalisedLink NormaliseLink(std::string_view hostLink) {
  std::string link = RewriteLegacyHost(hostLink);

  // The password is what stands between the seven characters of the scheme and the first "@",
  // taken by position whatever those seven characters are.
  std::string password;
  if (const std::size_t at = link.find('@'); at != std::string::npos) {
    if (at > kScheme.size()) password = link.substr(kScheme.size(), at - kScheme.size());
    link = Concat(kScheme, std::string_view(link).substr(at + 1));
  }

  // A link without ".html" has nothing to cut and goes on whole.
  if (const std::size_t at = Find(link, ".html"); at != std::string::npos) link.resize(at + 5);

  if (password.empty())
    ModQuery(link);
  else
    ModQuery(
        Concat(kScheme, password, "@", std::string_view(link).substr(std::min(link.size(), kScheme.size()))));

  return {EscapeUrl(platform::AnsiToUtf8(link)), platform::AnsiToUtf8(password)};
}

std::string EscapeUrl(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case ' ':
        out += "%20";
        break;
      case '#':
        out += "%23";
        break;
      case '^':
        out += "%5E";
        break;
      case '`':
        out += "%60";
        break;
      case '~':
        out += "%7E";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace zelvo
