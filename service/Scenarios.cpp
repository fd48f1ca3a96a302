#include "Scenarios.h"

namespace zelvo::service {

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios = {
      {"public", Page::Public, false, "Отчёт за 2026 год.zip", "", "", 0},
      {"password", Page::Password, false, "Тайное письмо.rar", "черепаха7", "", 0},
      {"captcha", Page::Captcha, false, "Большой архив.iso", "", "3816", 0},
      {"captcha-password", Page::CaptchaPassword, false, "Семейные фото.7z", "ключ42", "5027", 0},
      {"deleted", Page::Deleted, false, "Старый файл.doc", "", "", 0},
      {"blocked", Page::Blocked, false, "Фильм.avi", "", "", 0},
      {"missing", Page::Missing, false, "", "", "", 0},
      {"internal-error", Page::InternalError, false, "", "", "", 0},
      {"gateway-error", Page::GatewayError, false, "", "", "", 0},
      {"utf8", Page::Public, true, "Летние фотографии & видео.zip", "", "", 0},
      {"utf8-captcha", Page::Captcha, true, "Карта города.pdf", "", "7150", 0},
      {"mirror-c", Page::Public, false, "Дистрибутив.iso", "", "", 'c'},
  };
  return scenarios;
}

const Scenario* FindScenario(std::string_view name) {
  for (const Scenario& scenario : Scenarios())
    if (scenario.name == name) return &scenario;
  return nullptr;
}

std::string FileBytes(const Scenario& scenario) {
  std::string bytes;
  const std::string line = "ZelvoDisk test file: " + std::string(scenario.name) + "\n";
  while (bytes.size() < 64 * 1024) bytes += line;
  return bytes;
}

}  // namespace zelvo::service
