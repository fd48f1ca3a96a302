// The plug-in's own fixed texts.
#pragma once

#include <string>
#include <string_view>

#include "BaseUtils/Cp1251.h"
#include "BaseUtils/Text.h"
#include "ServiceConfig.h"

namespace zelvo {

// The host keeps the user's mirror choices under this section.
inline constexpr std::string_view kOptionsSection = "ZelvoDiskTrumo";

// The service's mirrors, and the option under which each can be ruled out ("0" rules it out).
inline constexpr std::string_view kMirrorLetters = "abcdefg";
inline std::string MirrorOption(char letter) { return Concat("NoDiscard_", std::string_view(&letter, 1)); }

inline constexpr std::string_view kAuthorAndVersion = "Trumo|1.0 QRT";
inline constexpr std::string_view kBanner = "Плагин ZelvoDiskTrumo. Версия 1.0 QRT."_ansi;
inline constexpr std::string_view kAuthorNotice = "Автор: Trumo."_ansi;

// One address prefix per line, without scheme and without a closing line feed.
inline std::string LinkMasks() { return Concat(kLegacyHost, "/disk/\n", kServiceHost, "/disk/"); }

inline std::string AboutText() {
  return Concat(kBanner, " ", kAuthorNotice, "\n\n", "Формат ссылки: http://пароль@адрес/имя."_ansi, "\n",
                "Части \"пароль@\" и \"/имя\" не являются обязательными."_ansi);
}

}  // namespace zelvo
