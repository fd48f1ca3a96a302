#include "Challenge.h"

#include "BaseUtils/Bridge.h"
#include "BaseUtils/Captcha.h"
#include "BaseUtils/Cp1251.h"
#include "BaseUtils/HostTable.h"
#include "BaseUtils/PageAccess.h"
#include "BaseUtils/ServerError.h"
#include "BaseUtils/Text.h"
#include "PageMarkers.h"
#include "ServiceConfig.h"

namespace zelvo {
namespace {

// Markers of the captcha description: the picture address, and the key inside it.
constexpr std::string_view kCaptchaAddressStart = R"(url=")";
constexpr std::string_view kCaptchaAddressEnd = R"(">)";
constexpr std::string_view kCaptchaKeyStart = "key=";

// Posts the body to the page and reads the reply: nothing when the reply is empty (the job ends
// without an answer) or a server error page (the job ends with its message).
std::optional<ScannedPage> Post(const NormalisedLink& link, std::string_view body) {
  ScannedPage page = ScanPage(PostPage(link.pageLink, body));
  if (page.text.empty()) return std::nullopt;
  if (std::string message = ServerErrorText(page.hits); !message.empty()) {
    SetResult(Concat("%", message));
    return std::nullopt;
  }
  return page;
}

std::optional<ScannedPage> SubmitPassword(const NormalisedLink& link) {
  std::optional<ScannedPage> page = Post(link, Concat("passwd=", link.password, "\naction=sendpw"));
  if (page && page->hits.Found(mark::kWrongPassword)) {
    SetResult("%Ошибка в пароле."_ansi);
    return std::nullopt;
  }
  return page;
}

std::optional<ScannedPage> SubmitCaptcha(const NormalisedLink& link, bool withPassword) {
  const std::string description = GetPage(Concat("http://", kServiceHost, "/disk/getcapchaxml/"));
  // A description without the address, or an address without the key, gives empty texts.
  const std::string captchaUrl(Before(After(description, kCaptchaAddressStart), kCaptchaAddressEnd));
  const std::string_view captchaKey = After(captchaUrl, kCaptchaKeyStart);

  const std::string picture = Concat(PluginDir, "ZelvoDisk.gif");
  GetPage(Concat(captchaUrl, "|", picture));
  const std::string captchaAnswer = AskCaptcha(picture);

  const std::string body =
      withPassword
          ? Concat("action=sendcapcha\nkey=", captchaKey, "\nrep=", captchaAnswer, "\npasswd=", link.password)
          : Concat("%simple%action=sendcapcha\nkey=", captchaKey, "\nrep=", captchaAnswer);
  std::optional<ScannedPage> page = Post(link, body);
  if (page && (page->hits.Found(mark::kPassword) || page->hits.Found(mark::kCaptcha))) {
    SetResult(link.password.empty() ? "%Ошибка в вводе кода безопасности."_ansi
                                    : "%Ошибка в пароле или в вводе кода безопасности."_ansi);
    return std::nullopt;
  }
  return page;
}

}  // namespace

std::optional<ScannedPage> SubmitChallenge(const NormalisedLink& link, bool captcha, bool password) {
  return captcha ? SubmitCaptcha(link, password) : SubmitPassword(link);
}

}  // namespace zelvo
