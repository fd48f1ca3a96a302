// PlgInit, PlgDestroy, PlgInfo and PlgGetAbout as the host sees them.
#include <gtest/gtest.h>

#include "BaseUtils/HostTable.h"
#include "PluginTest.h"

namespace zelvo::test {
namespace {

using namespace expect;

const char* const kServiceNames[] = {
    "HTTPHead",       "ShowMsg",    "SimpleOptions", "GetOption",   "SetOption",    "WaitTime",
    "RelocationMode", "SetReferer", "GetHeaders",    "GetLocation", "GetClipboard", "AddQuery",
    "ModQuery",       "SetCookie",  "GetCookie",     "SetStatus",   "ShowHAWindow", "GetPicSize",
    "PicToArr",       "GifToArr",   "ArrToPic",      "SetArrLen",   "GetVersion",   "ProgName"};

const char* const kMasksAnswer = "zdisk.example/disk/\nzelvodisk.example/disk/|1359";

Transcript InitTranscript() {
  Transcript out;
  for (const char* name : kServiceNames) out.push_back({"HostGetProc", {name}});
  out.push_back({"HostSetResult", {kMasksAnswer}});
  return out;
}

const char* const kAbout =
    "Плагин ZelvoDiskTrumo. Версия 1.0 QRT. Автор: Trumo.\n\n"
    "Формат ссылки: http://пароль@адрес/имя.\n"
    "Части \"пароль@\" и \"/имя\" не являются обязательными.";

using Lifecycle = PluginTest;

TEST_F(Lifecycle, InitLooksUpEveryServiceInOrderThenAnswersTheLinkMasksOnce) {
  EXPECT_EQ(host.Init(0, "C:\\Plugins\\"), InitTranscript());
  EXPECT_EQ(PluginDir, "C:\\Plugins\\");
  // A second PlgInit repeats everything.
  EXPECT_EQ(host.Init(1, nullptr), InitTranscript());
  EXPECT_EQ(PluginDir, "");
}

TEST_F(Lifecycle, OnlyTheLowByteOfTheModeSelectsDebugMode) {
  const std::pair<uint32_t, bool> rows[] = {{1, true}, {0, false}, {2, false}, {257, true}, {256, false}};
  for (const auto& [mode, debug] : rows) {
    host.Init(mode);
    EXPECT_EQ(DebugMode, debug) << "mode " << mode;
  }
}

TEST_F(Lifecycle, InitWithoutSetResultBindsEverythingAndGivesNoAnswer) {
  host.missing = {"HostSetResult"};
  Transcript expected = InitTranscript();
  expected.pop_back();
  EXPECT_EQ(host.Init(), expected);
  PlgGetAbout();
  EXPECT_EQ(host.calls, (Transcript{{"ShowMsg", {W(kAbout), "0"}}}));
}

TEST_F(Lifecycle, InitWithoutGetProcLeavesEveryServiceEmpty) {
  host.missing = {"HostGetProc"};
  EXPECT_EQ(host.Init(), (Transcript{{"HostSetResult", {kMasksAnswer}}}));
  PlgGetAbout();
  PlgGetDirectLink("http://zelvodisk.example/disk/1.html");
  EXPECT_EQ(host.calls, (Transcript{Log("Плагин ZelvoDiskTrumo. Версия 1.0 QRT. Автор: Trumo."),
                                    GetPage("http://zelvodisk.example/disk/1.html")}));
}

TEST_F(Lifecycle, InfoAnswersAuthorAndVersionOnly) {
  host.Init();
  PlgInfo();
  EXPECT_EQ(host.calls, (Transcript{{"HostSetResult", {"Trumo|1.0 QRT"}}}));
}

TEST_F(Lifecycle, AboutShowsTheTextWithKindZeroAndNoAnswer) {
  host.Init();
  host.showMsgResult = 7;
  PlgGetAbout();
  EXPECT_EQ(host.calls, (Transcript{{"ShowMsg", {W(kAbout), "0"}}}));
}

TEST_F(Lifecycle, DestroyForgetsTheHostButKeepsTheValues) {
  host.Init(1, "C:\\P\\");
  CurrentFileName = "last.zip";
  ReplyCallback("reply");
  PlgDestroy();
  host.Init(0, "C:\\Q\\");
  EXPECT_EQ(CurrentFileName, "last.zip");
  PlgDestroy();
  EXPECT_FALSE(DebugMode);
  EXPECT_EQ(PluginDir, "C:\\Q\\");
  EXPECT_EQ(LastReply, "reply");
}

TEST_F(Lifecycle, NoExportReachesTheHostBeforeInitOrAfterDestroy) {
  auto everyExport = [] {
    PlgInfo();
    PlgGetAbout();
    PlgGetOptions();
    PlgGetDirectLink("http://zelvodisk.example/disk/1.html");
    PlgOnError(0, "Downloaded html", "500 Internal Server Error");
    PlgOnSuccess(0, 0, "C:\\Downloads\\1.zip");
    PlgDestroy();
  };
  everyExport();
  host.Init(1, "");
  PlgDestroy();
  everyExport();
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace zelvo::test
