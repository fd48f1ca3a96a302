// The body of PlgGetDirectLink: one job from the page link to the host's answer.
#pragma once

#include <string_view>

namespace zelvo {

void ResolveDirectLink(std::string_view link);

}  // namespace zelvo
