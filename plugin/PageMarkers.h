// The texts by which the service's pages are recognised, in Windows-1251 as the pages hold them.
#pragma once

#include <string_view>

#include "BaseUtils/Cp1251.h"

namespace zelvo {

inline constexpr std::string_view kDeletedMarker = "Файл удален"_ansi;
inline constexpr std::string_view kNotFoundMarker = "Несуществующая страница"_ansi;
inline constexpr std::string_view kInternalErrorMarker = "Внутренняя ошибка сервиса"_ansi;
inline constexpr std::string_view kBlockedMarker = "Файл заблокирован"_ansi;
inline constexpr std::string_view kCaptchaMarker = "введите число"_ansi;
inline constexpr std::string_view kPasswordMarker = "ввести пароль"_ansi;
inline constexpr std::string_view kNameBlockStart = R"(<dt class="name"><i class=")";
inline constexpr std::string_view kNameBlockEnd = "</dt>";
inline constexpr std::string_view kNameIconEnd = R"("></i>)";
inline constexpr std::string_view kStartLinkMarker = "/disk/start/";
inline constexpr std::string_view kLinkEnd = R"(">)";

}  // namespace zelvo
