// The service's pages for the tests, built from a few pieces and held in Windows-1251.
#pragma once

#include <string>
#include <string_view>

#include "AnsiText.h"

namespace zelvo::test::pages {

inline constexpr std::string_view kService = "zelvodisk.example";

// A page around the given body (UTF-8 here, Windows-1251 in the result).
inline std::string Page(std::string_view bodyUtf8) {
  return W(
      std::string("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
                  "<title>ZelvoDisk</title></head><body>") +
      std::string(bodyUtf8) + "</body></html>");
}

inline std::string NameBlock(std::string_view name) {
  return std::string(R"(<dl><dt class="name"><i class="icon-file"></i>)") + std::string(name) +
         "</dt><dd>12,5 МБ</dd></dl>";
}

// The start path: on the service host, naming the mirror that it leads to.
inline std::string StartPath(char mirror) {
  return std::string("/disk/start/") + mirror + "-" + std::string(kService) + "/4711/file.zip";
}

inline std::string StartAnchor(char mirror) {
  return std::string(R"(<a class="start" href="http://)") + std::string(kService) + StartPath(mirror) +
         R"(">Скачать файл</a>)";
}

inline std::string StartLink(char mirror) { return "http://" + std::string(kService) + StartPath(mirror); }

inline std::string Public(std::string_view name = "report.zip", char mirror = 'c') {
  return Page(NameBlock(name) + StartAnchor(mirror));
}

inline std::string PasswordChallenge() {
  return Page(NameBlock("secret.rar") + "<form>Чтобы скачать файл, нужно ввести пароль:</form>");
}

inline std::string CaptchaChallenge() {
  return Page(NameBlock("big.iso") + "<form>Пожалуйста, введите число с картинки</form>");
}

}  // namespace zelvo::test::pages
