#include "ServerError.h"

#include <array>
#include <utility>

#include "Cp1251.h"
#include "Text.h"

namespace zelvo {
namespace {

// Tested in this order; the first marker found anywhere in the page, in any letter case, decides.
const std::array<std::pair<std::string_view, std::string_view>, 4> kServerErrors = {{
    {"500 internal server error", "500 Internal Server Error (внутренняя ошибка сервера)."_ansi},
    {"503 service temporarily unavailable", "503 Service Temporarily Unavailable (сервис недоступен)."_ansi},
    {"504 gateway time-out", "504 Gateway Time-out (шлюз не отвечает)."_ansi},
    // The word after "ошибка" starts with a Latin "c", as the service's users have always seen it.
    {"fatal error", "Fatal error (ошибка cервера)."_ansi},
}};

}  // namespace

std::string ServerErrorText(std::string_view page) {
  for (const auto& [marker, message] : kServerErrors)
    if (ContainsIgnoringCase(page, marker)) return std::string(message);
  return {};
}

}  // namespace zelvo
