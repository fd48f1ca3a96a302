// Pieces of the transcripts of whole PlgGetDirectLink jobs.
#pragma once

#include <string>

#include "Expect.h"
#include "Pages.h"

namespace zelvo::test::jobs {

inline const std::string kLink = "http://zelvodisk.example/disk/4711.html";
inline constexpr const char* kBannerLine = "Плагин ZelvoDiskTrumo. Версия 1.0 QRT. Автор: Trumo.";
inline constexpr const char* kEmulation = "Режим эмуляции Балмор.Бара.";

inline Transcript Opening(const std::string& reported = kLink) {
  return {expect::Log(kBannerLine), expect::ModQuery(reported)};
}

inline std::string MirrorTarget(char mirror) {
  return std::string("http://") + mirror + "-zelvodisk.example/f/4711/file";
}

// Following the start link to the mirror, and the success answer (the name in UTF-8).
inline Transcript Download(const std::string& startLink, char mirror,
                           const std::string& name = "report.zip") {
  return {expect::HTTPHead(startLink), expect::GetLocation(),
          expect::Log(std::string("Скачиваю с подсети ") + mirror + "-zelvodisk.example"),
          expect::SetResult(MirrorTarget(mirror) + "#/" + name + "|0|1")};
}

inline Transcript Discard(const std::string& startLink) {
  return {expect::Log("Отбрасываю ссылку: " + startLink)};
}

}  // namespace zelvo::test::jobs
