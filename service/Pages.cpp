#include "Pages.h"

#include <array>
#include <fstream>
#include <sstream>

#include "Iconv.h"

namespace zelvo::service {
namespace {

std::map<std::string, std::string, std::less<>> g_templates;

constexpr std::array<std::string_view, 12> kTemplateNames = {
    "file.html",           "start.html",         "password.html",
    "password-again.html", "captcha.html",       "captcha-password.html",
    "deleted.html",        "blocked.html",       "missing.html",
    "internal-error.html", "gateway-error.html", "getcapchaxml.xml",
};

}  // namespace

bool LoadTemplates(const std::string& folder) {
  for (const std::string_view name : kTemplateNames) {
    std::ifstream in(folder + "/" + std::string(name), std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    g_templates[std::string(name)] = text.str();
  }
  return true;
}

std::string Fill(std::string_view templateName, const Fields& fields) {
  const auto found = g_templates.find(templateName);
  std::string text = found == g_templates.end() ? std::string() : found->second;
  for (const auto& [field, value] : fields) {
    const std::string placeholder = "{{" + field + "}}";
    for (std::size_t at = 0; (at = text.find(placeholder, at)) != std::string::npos; at += value.size())
      text.replace(at, placeholder.size(), value);
  }
  return text;
}

std::string ToCp1251(std::string_view utf8) { return hostkit::Cp1251FromUtf8(utf8); }

std::string FilePage(const Scenario& scenario, std::string_view bodyTemplate, const Fields& fields) {
  Fields all = fields;
  all["charset"] = scenario.utf8 ? "utf-8" : "windows-1251";
  std::string name;
  for (const char c : scenario.fileName) name += c == '&' ? std::string("&amp;") : std::string(1, c);
  all["name"] = name;
  all["size"] = "64 КБ";
  all["body"] = Fill(bodyTemplate, fields);
  const std::string page = Fill("file.html", all);
  return scenario.utf8 ? page : ToCp1251(page);
}

}  // namespace zelvo::service
