#include "Resolve.h"

#include <optional>

#include "BaseUtils/Bridge.h"
#include "BaseUtils/Cp1251.h"
#include "BaseUtils/HostTable.h"
#include "BaseUtils/PageAccess.h"
#include "BaseUtils/ServerError.h"
#include "BaseUtils/Text.h"
#include "Challenge.h"
#include "FileName.h"
#include "LinkNormalise.h"
#include "MirrorCheck.h"
#include "PageMarkers.h"
#include "PluginState.h"
#include "PluginTexts.h"

namespace zelvo {
namespace {

// The answer of a page that ends the job by itself, if it is one.
std::optional<std::string> PageVerdict(std::string_view page) {
  if (std::string message = ServerErrorText(page); !message.empty()) return Concat("%", message);
  if (Contains(page, kDeletedMarker)) return "%deleted%";
  if (Contains(page, kNotFoundMarker)) return "%notfound%";
  if (Contains(page, kInternalErrorMarker)) return std::string("%Внутренняя ошибка сервиса."_ansi);
  if (Contains(page, kBlockedMarker)) return "%deleted%";
  return std::nullopt;
}

}  // namespace

void ResolveDirectLink(std::string_view link) {
  const std::string firstCopy = Concat(g_pluginDir, "ZelvoDisk1.html");
  const std::string secondCopy = Concat(g_pluginDir, "ZelvoDisk2.html");
  RemoveFile(firstCopy);
  RemoveFile(secondCopy);
  Log(Concat(kBanner, " ", kAuthorNotice));
  const NormalisedLink normalised = NormaliseLink(link);

  for (int attempt = 1;;) {
    std::string page = GetPage(normalised.pageLink);
    if (page.empty()) return;
    if (g_debugMode) DumpPage(firstCopy, page);
    if (std::optional<std::string> verdict = PageVerdict(page)) return SetResult(*verdict);

    const bool captcha = Contains(page, kCaptchaMarker);
    const bool password = Contains(page, kPasswordMarker);
    const bool barEmulation = !captcha;
    if (barEmulation) Log("Режим эмуляции Балмор.Бара."_ansi);
    if (password && normalised.password.empty())
      return SetResult("%Для скачивания файла требуется ввести ссылку содержащую пароль."_ansi);
    if (captcha || password) {
      std::optional<std::string> accepted = SubmitChallenge(normalised, page, captcha, password);
      if (!accepted) return;
      page = std::move(*accepted);
    }
    if (g_debugMode) DumpPage(secondCopy, page);

    if (Contains(page, kNameBlockStart)) {
      g_currentFileName = FileNameFromPage(page);
      if (g_debugMode) Log(Concat("Имя файла: "_ansi, g_currentFileName));
    }
    if (!Contains(page, kStartLinkMarker)) return;
    if (CheckMirrorAndFinish(page, attempt, barEmulation) == MirrorOutcome::Finished) return;
  }
}

}  // namespace zelvo
