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

// The wording of the password page after a wrong password; not the same as kPasswordMarker.
constexpr std::string_view kWrongPasswordMarker = "Введите пароль"_ansi;

// Markers of the captcha description: the picture address, and the key inside it.
constexpr std::string_view kCaptchaAddressStart = R"(url=")";
constexpr std::string_view kCaptchaAddressEnd = R"(">)";
constexpr std::string_view kCaptchaKeyStart = "key=";

// Posts the body to the page and reads the reply: nothing when the reply is empty (the job ends
// without an answer) or a server error page (the job ends with its message).
std::optional<std::string> Post(const NormalisedLink& link, std::string_view body) {
  std::string page = PostPage(link.pageLink, body);
  if (page.empty()) return std::nullopt;
  if (std::string message = ServerErrorText(page); !message.empty()) {
    SetResult(Concat("%", message));
    return std::nullopt;
  }
  return page;
}

std::optional<std::string> SubmitPassword(const NormalisedLink& link) {
  std::optional<std::string> page = Post(link, Concat("passwd=", link.password, "\naction=sendpw"));
  if (page && Contains(*page, kWrongPasswordMarker)) {
    SetResult("%Ошибка в пароле."_ansi);
    return std::nullopt;
  }
  return page;
}

std::optional<std::string> SubmitCaptcha(const NormalisedLink& link, bool withPassword) {
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
  std::optional<std::string> page = Post(link, body);
  if (page && (Contains(*page, kPasswordMarker) || Contains(*page, kCaptchaMarker))) {
    SetResult(link.password.empty() ? "%Ошибка в вводе кода безопасности."_ansi
                                    : "%Ошибка в пароле или в вводе кода безопасности."_ansi);
    return std::nullopt;
  }
  return page;
}

}  // namespace

std::optional<std::string> SubmitChallenge(const NormalisedLink& link, bool captcha, bool password) {
  return captcha ? SubmitCaptcha(link, password) : SubmitPassword(link);
}

}  // namespace zelvo
