// The options form as the host sees it: the seven reads, the form description byte for byte,
// and what is stored from the form's answer.
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "PluginTest.h"

namespace zelvo::test {
namespace {

using namespace expect;

// The form with nothing stored yet, written out in full.
const std::string kEmptyForm =
    "type=form|width=250|height=220|caption=Опции ZelvoDiskTrumo\n"
    "type=checkbox|left=10|top=15|width=230|height=13|caption=не отбрасывать "
    "http://*a-zelvodisk.example.|name=NoDiscard_a|value=\n"
    "type=checkbox|left=10|top=35|width=230|height=13|caption=не отбрасывать "
    "http://*b-zelvodisk.example.|name=NoDiscard_b|value=\n"
    "type=checkbox|left=10|top=55|width=230|height=13|caption=не отбрасывать "
    "http://*c-zelvodisk.example.|name=NoDiscard_c|value=\n"
    "type=checkbox|left=10|top=75|width=230|height=13|caption=не отбрасывать "
    "http://*d-zelvodisk.example.|name=NoDiscard_d|value=\n"
    "type=checkbox|left=10|top=95|width=230|height=13|caption=не отбрасывать "
    "http://*e-zelvodisk.example.|name=NoDiscard_e|value=\n"
    "type=checkbox|left=10|top=115|width=230|height=13|caption=не отбрасывать "
    "http://*f-zelvodisk.example.|name=NoDiscard_f|value=\n"
    "type=checkbox|left=10|top=135|width=230|height=13|caption=не отбрасывать "
    "http://*g-zelvodisk.example.|name=NoDiscard_g|value=";

// The form with the stored texts of a to g after "value=" (UTF-8 here).
std::string FormWith(const std::array<std::string, 7>& values) {
  std::istringstream lines(kEmptyForm);
  std::string line;
  std::getline(lines, line);
  std::string form = line;
  for (const std::string& value : values) {
    std::getline(lines, line);
    form += "\n" + line + value;
  }
  return form;
}

HostCall SimpleOptions(const std::string& formUtf8) { return {"SimpleOptions", {W(formUtf8), "reply"}}; }
HostCall SetOption(std::string name, std::string value) {
  return {"SetOption", {"ZelvoDiskTrumo", std::move(name), std::move(value)}};
}
const HostCall kNotSaved = {"ShowMsg", {W("Данные не сохранены."), "2"}};

Transcript Stored(std::initializer_list<std::pair<std::string, std::string>> pairs) {
  Transcript out;
  for (const auto& [name, value] : pairs) out.push_back(SetOption(name, value));
  return out;
}

struct FormCase {
  const char* name;
  std::vector<Reply> answers;  // what SimpleOptions delivers
  Transcript afterForm;        // every host call after SimpleOptions
  std::string storedG = "";    // the stored text of the last option read before the form
  std::set<std::string> missing = {};
};

void PrintTo(const FormCase& row, std::ostream* os) { *os << row.name; }

std::vector<FormCase> Cases() {
  return {
      {"EmptyAnswerSavesNothing", {{""}}, {kNotSaved}},
      {"NullAnswerSavesNothing", {{std::nullopt}}, {kNotSaved}},
      // A host that answers nothing must not have the last option read taken for its answer.
      {"SilentHostSavesNothing", {{}}, {kNotSaved}, "x=0"},
      {"NoFormServiceSavesNothing", {}, {kNotSaved}, "", {"SimpleOptions"}},
      {"SevenLines",
       {{"NoDiscard_a=1\nNoDiscard_b=0\nNoDiscard_c=1\nNoDiscard_d=1\nNoDiscard_e=0\nNoDiscard_f="
         "1\nNoDiscard_g=1"}},
       Stored({{"NoDiscard_a", "1"},
               {"NoDiscard_b", "0"},
               {"NoDiscard_c", "1"},
               {"NoDiscard_d", "1"},
               {"NoDiscard_e", "0"},
               {"NoDiscard_f", "1"},
               {"NoDiscard_g", "1"}})},
      {"ThreeLinesGiveFourEmptyOnes",
       {{"NoDiscard_c=0\nNoDiscard_a=1\nNoDiscard_b="}},
       Stored({{"NoDiscard_c", "0"},
               {"NoDiscard_a", "1"},
               {"NoDiscard_b", ""},
               {"", ""},
               {"", ""},
               {"", ""},
               {"", ""}})},
      {"OnlySevenOfNineLines",
       {{"a=1\nb=2\nc=3\nd=4\ne=5\nf=6\ng=7\nh=8\ni=9"}},
       Stored({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}, {"g", "7"}})},
      {"LinesAsTheyCome",
       {{"whole line\nx=1=2\nr=0\r\n=v\n\nlast=\n"}},
       Stored({{"whole line", ""}, {"x", "1"}, {"r", "0\r"}, {"", "v"}, {"", ""}, {"last", ""}, {"", ""}})},
      {"TheLastAnswerWins",
       {{"first=1", "NoDiscard_d=0"}},
       Stored({{"NoDiscard_d", "0"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}})},
      {"NoStoreServiceStoresNothing", {{"NoDiscard_a=0"}}, {}, "", {"SetOption"}},
  };
}

class Form : public PluginTest, public testing::WithParamInterface<FormCase> {};

TEST_P(Form, StoresTheAnswer) {
  const FormCase& c = GetParam();
  host.missing = c.missing;
  if (!c.storedG.empty()) host.options["ZelvoDiskTrumo/NoDiscard_g"] = c.storedG;
  host.Init();
  for (const Reply& answer : c.answers) host.replies["SimpleOptions"].push_back(answer);

  PlgGetOptions();

  Transcript expected = MirrorReads();
  if (!c.missing.count("SimpleOptions"))
    expected.push_back(SimpleOptions(FormWith({"", "", "", "", "", "", c.storedG})));
  EXPECT_EQ(host.calls, Then({expected, c.afterForm}));
}

INSTANTIATE_TEST_SUITE_P(PlgGetOptions, Form, testing::ValuesIn(Cases()),
                         [](const auto& row) { return std::string(row.param.name); });

using FormText = PluginTest;

TEST_F(FormText, StoredTextsGoInAsTheyStand) {
  host.options = {{"ZelvoDiskTrumo/NoDiscard_a", "0"},
                  {"ZelvoDiskTrumo/NoDiscard_c", "1|caption=x"},
                  {"ZelvoDiskTrumo/NoDiscard_f", W("да\nнет")}};
  host.Init();
  PlgGetOptions();
  EXPECT_EQ(host.calls,
            Then({MirrorReads(),
                  {SimpleOptions(FormWith({"0", "", "1|caption=x", "", "", "да\nнет", ""})), kNotSaved}}));
}

TEST_F(FormText, WithoutTheOptionStoreEveryValueIsEmpty) {
  host.missing = {"GetOption", "ShowMsg"};
  host.Init();
  PlgGetOptions();
  EXPECT_EQ(host.calls, Transcript{SimpleOptions(kEmptyForm)});
}

}  // namespace
}  // namespace zelvo::test
