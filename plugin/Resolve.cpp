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
std::optional<std::string> PageVerdict(const MarkerHits& hits) {
  if (std::string message = ServerErrorText(hits); !message.empty()) return Concat("%", message);
  if (hits.Found(mark::kDeleted)) return "%deleted%";
  if (hits.Found(mark::kNotFound)) return "%notfound%";
  if (hits.Found(mark::kInternalError)) return std::string("%Внутренняя ошибка сервиса."_ansi);
  if (hits.Found(mark::kBlocked)) return "%deleted%";
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
    ScannedPage page = ScanPage(GetPage(normalised.pageLink));
    if (page.text.empty()) return;
    if (DebugMode) DumpPage(firstCopy, page.text);
    if (std::optional<std::string> verdict = PageVerdict(page.hits)) return SetResult(*verdict);

    const bool captcha = page.hits.Found(mark::kCaptcha);
    const bool password = page.hits.Found(mark::kPassword);
    const bool barEmulation = !captcha;
    if (barEmulation) Log("Режим эмуляции Балмор.Бара."_ansi);
    if (password && normalised.password.empty())
      return SetResult("%Для скачивания файла требуется ввести ссылку содержащую пароль."_ansi);
    if (captcha || password) {
      std::optional<ScannedPage> accepted = SubmitChallenge(normalised, captcha, password);
      if (!accepted) return;
      page = std::move(*accepted);
    }
    if (DebugMode) DumpPage(secondCopy, page.text);

    if (std::optional<std::string> name = FileNameAt(page.text, page.hits.at[mark::kNameBlock])) {
      CurrentFileName = std::move(*name);
      if (DebugMode) Log(Concat("Имя файла: "_ansi, CurrentFileName));
    }
    const std::size_t start = page.hits.at[mark::kStartLink];
    if (start == std::string::npos) return;
    const std::string_view fromStartLink = std::string_view(page.text).substr(start);
    if (CheckMirrorAndFinish(fromStartLink, attempt, barEmulation) == MirrorOutcome::Finished) return;
  }
}

}  // namespace zelvo
