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
  const std::string firstCopy = Concat(PluginDir, "ZelvoDisk1.html");
  const std::string secondCopy = Concat(PluginDir, "ZelvoDisk2.html");
  RemoveFile(firstCopy);
  RemoveFile(secondCopy);
  Log(Concat(kBanner, " ", kAuthorNotice));
  const NormalisedLink normalised = NormaliseLink(link);

  for (int attempt = 1;;) {
    std::string pageText = GetPage(normalised.pageLink);
    if (pageText.empty()) return;
    if (DebugMode) DumpPage(firstCopy, pageText);
    if (std::optional<std::string> verdict = PageVerdict(pageText)) return SetResult(*verdict);

    const bool captcha = Contains(pageText, kCaptchaMarker);
    const bool password = Contains(pageText, kPasswordMarker);
    const bool barEmulation = !captcha;
    if (barEmulation) Log("Режим эмуляции Балмор.Бара."_ansi);
    if (password && normalised.password.empty())
      return SetResult("%Для скачивания файла требуется ввести ссылку содержащую пароль."_ansi);
    if (captcha || password) {
      std::optional<std::string> accepted = SubmitChallenge(normalised, captcha, password);
      if (!accepted) return;
      pageText = std::move(*accepted);
    }
    if (DebugMode) DumpPage(secondCopy, pageText);

    if (std::optional<std::string> name = FileNameFromPage(pageText)) {
      CurrentFileName = std::move(*name);
      if (DebugMode) Log(Concat("Имя файла: "_ansi, CurrentFileName));
    }
    const std::size_t start = Find(pageText, kStartLinkMarker);
    if (start == std::string::npos) return;
    const std::string_view fromStartLink = std::string_view(pageText).substr(start);
    if (CheckMirrorAndFinish(fromStartLink, attempt, barEmulation) == MirrorOutcome::Finished) return;
  }
}

}  // namespace zelvo
