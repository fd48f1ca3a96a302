// The host names of the service that --service-at redirects: its site, the legacy name, and
// the seven mirrors.
#pragma once

#include <string>
#include <vector>

namespace zelvo::host {

inline std::vector<std::string> ServiceHostNames() {
  std::vector<std::string> names = {ZT_SERVICE_HOST, ZT_LEGACY_HOST};
  for (const char letter : std::string("abcdefg"))
    names.push_back(std::string(1, letter) + "-" + ZT_SERVICE_HOST);
  return names;
}

}  // namespace zelvo::host
