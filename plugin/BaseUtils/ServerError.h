// Recognises the error pages that web servers and gateways send in place of the service's pages.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// The readable message of a server error page, or the empty text.
std::string ServerErrorText(std::string_view page);

}  // namespace zelvo
