// The files that the emulated service knows, one scenario each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvo::service {

enum class Page {
  Public,
  Password,
  Captcha,
  CaptchaPassword,
  Deleted,
  Blocked,
  Missing,
  InternalError,
  GatewayError,
};

struct Scenario {
  std::string_view name;
  Page page;
  bool utf8 = false;             // the page in UTF-8 (declared), else in Windows-1251
  std::string_view fileName;     // as the page shows it (UTF-8 here)
  std::string_view password;     // the one it accepts, or empty
  std::string_view captchaText;  // what its captcha picture shows, or empty
  char fixedMirror = 0;          // the mirror every start link leads to, or 0 to rotate
};

const std::vector<Scenario>& Scenarios();

// The scenario with the name, or null.
const Scenario* FindScenario(std::string_view name);

// The bytes that a mirror serves for the scenario's file.
std::string FileBytes(const Scenario& scenario);

}  // namespace zelvo::service
