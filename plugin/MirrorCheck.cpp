#include "MirrorCheck.h"

#include "BaseUtils/Bridge.h"
#include "BaseUtils/Cp1251.h"
#include "BaseUtils/Text.h"
#include "LinkNormalise.h"
#include "PageMarkers.h"
#include "PluginState.h"
#include "PluginTexts.h"
#include "ServiceConfig.h"

namespace zelvo {
namespace {

// True when the user ruled out a mirror that the start link names. Options are read anew in
// every attempt, up to the letter that rules the link out.
bool NamesUnwantedMirror(std::string_view startLink) {
  for (const char letter : kMirrorLetters) {
    const std::string_view mirror(&letter, 1);
    if (GetOption(kOptionsSection, MirrorOption(letter), "") == "0" &&
        Contains(startLink, Concat(mirror, "-", kServiceHost)))
      return true;
  }
  return false;
}

// The letter in front of the first "-" of the redirect target, or its first character.
char MirrorLetterOf(std::string_view directLink) {
  const std::size_t dash = directLink.find('-');
  return dash == std::string_view::npos || dash == 0 ? directLink.front() : directLink[dash - 1];
}

}  // namespace

std::string StartLinkOf(std::string_view page) {
  const std::size_t at = Find(page, kStartLinkMarker);
  if (at == std::string_view::npos) return {};
  const std::string_view path = page.substr(at);
  const std::size_t end = Find(path, kLinkEnd);
  if (end == std::string_view::npos) return {};
  return Concat("http://", kServiceHost, path.substr(0, end));
}

MirrorOutcome CheckMirrorAndFinish(std::string_view page, int& attempt, bool barEmulation) {
  std::string startLink = StartLinkOf(page);
  if (NamesUnwantedMirror(startLink)) {
    if (attempt <= 2 && barEmulation) {
      Log(Concat("Отбрасываю ссылку: "_ansi, startLink));
      ++attempt;
      return MirrorOutcome::Retry;
    }
    if (attempt > 2) Log("Обойти выбранные подсети не удалось."_ansi);
    if (!barEmulation && attempt == 1)
      Log("Без эмуляции Балмор.Бара обход выбранных сетей не работает."_ansi);
  }
  startLink = EscapeUrl(startLink);
  HTTPHead(startLink);
  const std::string directLink = GetLocation();
  if (directLink.empty()) return MirrorOutcome::Finished;
  const char letter = MirrorLetterOf(directLink);
  Log(Concat("Скачиваю с подсети "_ansi, std::string_view(&letter, 1), "-", kServiceHost));
  SetResult(Concat(directLink, "#/", CurrentFileName, "|0|1"));
  return MirrorOutcome::Finished;
}

}  // namespace zelvo
