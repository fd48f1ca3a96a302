// The captcha prompt as the host sees it: the picture services in their order around one pixel
// array slot, then the prompt window, and the answer that comes back.
#include <gtest/gtest.h>

#include "BaseUtils/Captcha.h"
#include "PluginTest.h"
#include "TempFolder.h"

namespace zelvo::test {
namespace {

const char* const kQuestion = "Введите текст с изображения:";

class Captcha : public PluginTest {
 protected:
  Captcha() { host.Init(); }
  TempFolder folder;
};

Transcript Prompt(const std::string& picture, const std::string& bmp, const std::string& arrayWidth,
                  const std::string& width, const std::string& height) {
  return {{"GetPicSize", {picture, "reply"}},
          {"SetArrLen", {"array", arrayWidth, height}},
          {"PicToArr", {picture, "array", width, height}},
          {"ArrToPic", {bmp, "array", width, height}},
          {"SetArrLen", {"array", "0", "0"}},
          {"ShowHAWindow", {picture + "|" + W(kQuestion), "60", "reply"}}};
}

TEST_F(Captcha, CopiesThePictureThenAsksTheUser) {
  const std::string picture = folder.MakeFile("ZelvoDisk.gif");
  host.replies["GetPicSize"] = {{"120|50"}};
  host.replies["ShowHAWindow"] = {{"x7Kp"}};

  EXPECT_EQ(AskCaptcha(picture), "x7Kp");

  EXPECT_EQ(host.calls, Prompt(picture, folder.Path("ZelvoDisk.bmp"), "360", "120", "50"));
  // One slot of the plug-in's, empty at first; the host's block is back out before the window.
  ASSERT_EQ(host.arraySlots.size(), 4u);
  for (const TDArray* slot : host.arraySlots) EXPECT_EQ(slot, host.arraySlots.front());
  EXPECT_EQ(host.arrayContents.front(), nullptr);
  EXPECT_EQ(host.arrayContents[1], &host.arrayBlocks.front());
  EXPECT_EQ(host.arrayContents[2], &host.arrayBlocks.front());
}

TEST_F(Captcha, WithoutAPictureFileNothingIsAsked) {
  folder.MakeFolder("ZelvoDisk.gif");
  EXPECT_EQ(AskCaptcha(folder.Path("ZelvoDisk.gif")), "");
  EXPECT_EQ(AskCaptcha(folder.Path("absent.gif")), "");
  EXPECT_EQ(host.calls, Transcript{});
}

TEST_F(Captcha, AHostWithoutServicesGivesTheEmptyAnswer) {
  const std::string picture = folder.MakeFile("pic.png");
  host.missing = {"GetPicSize", "SetArrLen", "PicToArr", "ArrToPic", "ShowHAWindow"};
  host.Init();
  EXPECT_EQ(AskCaptcha(picture), "");
  EXPECT_EQ(host.calls, Transcript{});
}

struct SizeCase {
  const char* name;
  std::string reply;
  std::string arrayWidth, width, height;
};

void PrintTo(const SizeCase& row, std::ostream* os) { *os << row.name; }

class SizeReply : public Captcha, public testing::WithParamInterface<SizeCase> {};

TEST_P(SizeReply, GivesTheSizes) {
  const SizeCase& c = GetParam();
  const std::string picture = folder.MakeFile("ZelvoDisk.gif");
  host.replies["GetPicSize"] = {{c.reply}};
  AskCaptcha(picture);
  EXPECT_EQ(host.calls, Prompt(picture, folder.Path("ZelvoDisk.bmp"), c.arrayWidth, c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(
    AskCaptcha, SizeReply,
    testing::Values(SizeCase{"Plain", "120|50", "360", "120", "50"},
                    SizeCase{"ThirdFieldUnused", "120|50|7", "360", "120", "50"},
                    SizeCase{"Empty", "", "0", "0", "0"}, SizeCase{"NotNumbers", "wide|1x", "0", "0", "0"},
                    SizeCase{"OnlyTheWidth", "64", "192", "64", "0"},
                    SizeCase{"Signs", "+7|-2", "21", "7", "-2"},
                    SizeCase{"BlanksAreNotDigits", " 7|2 ", "0", "0", "0"},
                    SizeCase{"TooLargeForTheArray", "715827883|9", "0", "0", "9"},
                    SizeCase{"LargestThatFits", "715827882|1", "2147483646", "715827882", "1"},
                    SizeCase{"BeyondThirtyTwoBits", "99999999999|4294967296", "0", "0", "0"}),
    [](const auto& row) { return std::string(row.param.name); });

struct AnswerCase {
  const char* name;
  Reply reply;  // what the prompt window delivers
  std::string answer;
};

void PrintTo(const AnswerCase& row, std::ostream* os) { *os << row.name; }

class WindowReply : public Captcha, public testing::WithParamInterface<AnswerCase> {};

TEST_P(WindowReply, GivesTheAnswer) {
  const std::string picture = folder.MakeFile("ZelvoDisk.gif");
  host.replies["ShowHAWindow"] = {GetParam().reply};
  EXPECT_EQ(AskCaptcha(picture), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(AskCaptcha, WindowReply,
                         testing::Values(AnswerCase{"Whole", {"ab 12"}, "ab 12"},
                                         AnswerCase{"BeforeTheFirstBar", {"ab|cd|ef"}, "ab"},
                                         AnswerCase{"LeadingBar", {"|ab"}, ""}, AnswerCase{"NoReply", {}, ""},
                                         AnswerCase{"NullReply", {std::nullopt}, ""},
                                         AnswerCase{"LastReplyWins", {"first", "second|x"}, "second"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(BmpPathOf, ReplacesTheExtensionOfTheLastComponent) {
  const std::pair<const char*, const char*> cases[] = {
      {"D:\\p\\ZelvoDisk.gif", "D:\\p\\ZelvoDisk.bmp"},
      {"D:\\p.d\\pic", "D:\\p.d\\pic.bmp"},
      {"/tmp/p.d/pic", "/tmp/p.d/pic.bmp"},
      {"C:pic", "C:pic.bmp"},
      {"pic.tar.gz", "pic.tar.bmp"},
      {"pic.", "pic.bmp"},
      {".gif", ".bmp"},
      {"pic", "pic.bmp"},
      {"", ".bmp"},
  };
  for (const auto& [path, bmp] : cases) EXPECT_EQ(BmpPathOf(path), bmp) << path;
}

}  // namespace
}  // namespace zelvo::test
