#include "Prompts.h"

#include <unistd.h>

#include <iostream>
#include <sstream>
#include <vector>

#include "Pictures.h"

namespace zelvo::host {
namespace {

// "key=value|key=value" → the value of key, empty when missing.
std::string Field(const std::string& element, const std::string& key) {
  std::istringstream pairs(element);
  for (std::string pair; std::getline(pairs, pair, '|');)
    if (pair.compare(0, key.size() + 1, key + "=") == 0) return pair.substr(key.size() + 1);
  return {};
}

struct Checkbox {
  std::string caption, name;
  bool checked;
};

}  // namespace

std::string AskCaptchaText(const std::string& picturePath, const std::string& question,
                           const std::optional<std::string>& scriptedAnswer) {
  if (scriptedAnswer) {
    std::cerr << "zelvo-host: captcha answered from the command line: " << *scriptedAnswer << "\n";
    return *scriptedAnswer;
  }
  if (isatty(STDERR_FILENO)) std::cerr << TerminalPicture(picturePath, 78);
  std::cerr << "(" << picturePath << ")\n" << question << " " << std::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return answer;
}

std::string AskOptions(const std::string& form) {
  std::istringstream lines(form);
  std::string window;
  std::getline(lines, window);
  std::vector<Checkbox> boxes;
  for (std::string element; std::getline(lines, element);)
    if (Field(element, "type") == "checkbox")
      boxes.push_back({Field(element, "caption"), Field(element, "name"), Field(element, "value") != "0"});

  std::cerr << Field(window, "caption") << "\n";
  while (true) {
    for (std::size_t i = 0; i < boxes.size(); ++i)
      std::cerr << "  " << i + 1 << ". [" << (boxes[i].checked ? 'x' : ' ') << "] " << boxes[i].caption
                << "\n";
    std::cerr << "Numbers toggle, an empty line saves, q cancels: " << std::flush;
    std::string command;
    if (!std::getline(std::cin, command) || command == "q") return {};
    if (command.empty()) break;
    std::istringstream numbers(command);
    for (std::size_t n; numbers >> n;)
      if (n >= 1 && n <= boxes.size()) boxes[n - 1].checked = !boxes[n - 1].checked;
  }
  std::string answer;
  for (const Checkbox& box : boxes) {
    if (!answer.empty()) answer += '\n';
    answer += box.name + "=" + (box.checked ? "1" : "0");
  }
  return answer;
}

}  // namespace zelvo::host
