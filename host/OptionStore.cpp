#include "OptionStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace zelvo::host {
namespace {

std::string g_file;

struct Line {
  std::string text;
  std::string section;  // the section the line belongs to
};

std::string Trim(std::string text) {
  const auto notBlank = text.find_first_not_of(" \t\r");
  if (notBlank == std::string::npos) return {};
  text.erase(0, notBlank);
  text.erase(text.find_last_not_of(" \t\r") + 1);
  return text;
}

std::vector<Line> Load() {
  std::vector<Line> lines;
  std::ifstream in(g_file);
  std::string section;
  for (std::string text; std::getline(in, text);) {
    const std::string trimmed = Trim(text);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']')
      section = trimmed.substr(1, trimmed.size() - 2);
    lines.push_back({text, section});
  }
  return lines;
}

// The name of a "name=value" line, or empty for any other line.
std::string NameOf(const std::string& text) {
  const std::size_t eq = text.find('=');
  const std::string trimmed = Trim(text);
  if (eq == std::string::npos || trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') return {};
  return Trim(text.substr(0, eq));
}

}  // namespace

std::string DefaultOptionFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const std::string base = config && *config ? config : std::string(home ? home : ".") + "/.config";
  return base + "/zelvo-host/options.ini";
}

void UseOptionFile(std::string path) { g_file = std::move(path); }

std::optional<std::string> ReadOption(const std::string& section, const std::string& name) {
  for (const Line& line : Load())
    if (line.section == section && NameOf(line.text) == name)
      return Trim(line.text.substr(line.text.find('=') + 1));
  return std::nullopt;
}

bool WriteOption(const std::string& section, const std::string& name, const std::string& value) {
  std::vector<Line> lines = Load();
  const std::string entry = name + "=" + value;
  bool written = false;
  std::size_t sectionEnd = lines.size();
  bool sectionSeen = false;
  for (std::size_t i = 0; i < lines.size() && !written; ++i) {
    if (lines[i].section != section) continue;
    sectionSeen = true;
    sectionEnd = i + 1;
    if (NameOf(lines[i].text) == name) {
      lines[i].text = entry;
      written = true;
    }
  }
  if (!written) {
    if (!sectionSeen) {
      lines.push_back({"[" + section + "]", section});
      sectionEnd = lines.size();
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), {entry, section});
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(g_file).parent_path(), error);
  std::ofstream out(g_file, std::ios::trunc);
  for (const Line& line : lines) out << line.text << "\n";
  return static_cast<bool>(out);
}

}  // namespace zelvo::host
