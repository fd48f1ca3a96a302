// Recognises the error pages that web servers and gateways send in place of the service's pages.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "MarkerScan.h"

namespace zelvo {

// Tested in this order; the first marker found anywhere in the page, in any letter case, decides.
inline constexpr std::array<Marker, 4> kServerErrorMarkers = {{
    {"500 internal server error", true},
    {"503 service temporarily unavailable", true},
    {"504 gateway time-out", true},
    {"fatal error", true},
}};

// The readable message of a server error page, or the empty text.
std::string ServerErrorText(std::string_view page);

// The same from a scan whose set starts with kServerErrorMarkers, in their order.
std::string ServerErrorText(const MarkerHits& hits);

}  // namespace zelvo
