// The texts by which the service's pages are recognised, in Windows-1251 as the pages hold them.
#pragma once

#include <string>
#include <string_view>

#include "BaseUtils/Cp1251.h"
#include "BaseUtils/MarkerScan.h"
#include "BaseUtils/ServerError.h"

namespace zelvo {

inline constexpr std::string_view kDeletedMarker = "Файл удален"_ansi;
inline constexpr std::string_view kNotFoundMarker = "Несуществующая страница"_ansi;
inline constexpr std::string_view kInternalErrorMarker = "Внутренняя ошибка сервиса"_ansi;
inline constexpr std::string_view kBlockedMarker = "Файл заблокирован"_ansi;
inline constexpr std::string_view kCaptchaMarker = "введите число"_ansi;
inline constexpr std::string_view kPasswordMarker = "ввести пароль"_ansi;
// The wording of the password page after a wrong password; not the same as kPasswordMarker.
inline constexpr std::string_view kWrongPasswordMarker = "Введите пароль"_ansi;
inline constexpr std::string_view kNameBlockStart = R"(<dt class="name"><i class=")";
inline constexpr std::string_view kNameBlockEnd = "</dt>";
inline constexpr std::string_view kNameIconEnd = R"("></i>)";
inline constexpr std::string_view kStartLinkMarker = "/disk/start/";
inline constexpr std::string_view kLinkEnd = R"(">)";

// Every marker that a step looks for anywhere in a page, found in one pass (FindMarkers); the
// server error markers come first, as ServerErrorText(hits) needs them.
namespace mark {
enum Index : std::size_t {
  kDeleted = kServerErrorMarkers.size(),
  kNotFound,
  kInternalError,
  kBlocked,
  kCaptcha,
  kPassword,
  kWrongPassword,
  kNameBlock,
  kStartLink,
};
inline constexpr std::array<Marker, 9> kOwnMarkers = {{
    {kDeletedMarker},
    {kNotFoundMarker},
    {kInternalErrorMarker},
    {kBlockedMarker},
    {kCaptchaMarker},
    {kPasswordMarker},
    {kWrongPasswordMarker},
    {kNameBlockStart},
    {kStartLinkMarker},
}};
static_assert(kStartLink + 1 == kServerErrorMarkers.size() + kOwnMarkers.size());
}  // namespace mark

inline constexpr MarkerSet kPageMarkers = MakeMarkerSet({kServerErrorMarkers, mark::kOwnMarkers});

// A page with where its markers first occur.
struct ScannedPage {
  std::string text;
  MarkerHits hits;
};

inline ScannedPage ScanPage(std::string text) {
  const MarkerHits hits = FindMarkers(text, kPageMarkers);
  return {std::move(text), hits};
}

}  // namespace zelvo
