#include "ServerError.h"

#include "Cp1251.h"

namespace zelvo {
namespace {

constexpr std::array<std::string_view, kServerErrorMarkers.size()> kMessages = {
    "500 Internal Server Error (внутренняя ошибка сервера)."_ansi,
    "503 Service Temporarily Unavailable (сервис недоступен)."_ansi,
    "504 Gateway Time-out (шлюз не отвечает)."_ansi,
    // The word after "ошибка" starts with a Latin "c", as the service's users have always seen it.
    "Fatal error (ошибка cервера)."_ansi,
};

constexpr MarkerSet kServerErrorSet = MakeMarkerSet(kServerErrorMarkers);

}  // namespace

std::string ServerErrorText(const MarkerHits& hits) {
  for (std::size_t i = 0; i < kMessages.size(); ++i)
    if (hits.Found(i)) return std::string(kMessages[i]);
  return {};
}

std::string ServerErrorText(std::string_view page) {
  return ServerErrorText(FindMarkers(page, kServerErrorSet));
}

}  // namespace zelvo
