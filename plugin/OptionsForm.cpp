#include "OptionsForm.h"

#include <array>
#include <string>

#include "BaseUtils/Bridge.h"
#include "BaseUtils/Cp1251.h"
#include "BaseUtils/HostTable.h"
#include "BaseUtils/SplitText.h"
#include "BaseUtils/Text.h"
#include "PluginTexts.h"
#include "ServiceConfig.h"

namespace zelvo {
namespace {

// One checkbox line of the form description; the stored text goes in unchanged.
std::string CheckboxLine(char letter, int top, std::string_view stored) {
  return Concat("\ntype=checkbox|left=10|top=", std::to_string(top),
                "|width=230|height=13|caption=", "не отбрасывать http://*"_ansi, std::string_view(&letter, 1),
                "-", kServiceHost, ".|name=", MirrorOption(letter), "|value=", stored);
}

}  // namespace

void ShowOptionsForm() {
  // The seven option reads all come before the form is shown.
  std::string form = Concat("type=form|width=250|height=220|caption=", "Опции ZelvoDiskTrumo"_ansi);
  int top = 15;
  for (const char letter : kMirrorLetters) {
    form += CheckboxLine(letter, top, GetOption(kOptionsSection, MirrorOption(letter), ""));
    top += 20;
  }

  SimpleOptions(form);
  if (LastReply.empty()) {
    ShowMsg("Данные не сохранены."_ansi, 2);
    return;
  }
  // Seven lines of name=value, stored as they come: the names are the form's, not checked here.
  // All are split before the first is stored, so that running out of memory stores none.
  std::array<std::string, 7> lines;
  SplitText(LastReply, lines, '\n');
  std::array<std::array<std::string, 2>, 7> pairs;
  for (std::size_t i = 0; i < lines.size(); ++i) SplitText(lines[i], pairs[i], '=');
  for (const auto& [name, value] : pairs) SetOption(kOptionsSection, name, value);
}

}  // namespace zelvo
