// Running out of memory at any point of a call: the plug-in ends the call quietly, without an
// answer and without a partial store, and keeps nothing of what it had allocated. The host here
// allocates nothing itself, so that every failure falls inside the plug-in.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "AnsiText.h"
#include "BaseUtils/HostTable.h"
#include "FailingAllocator.h"
#include "Pages.h"
#include "PluginState.h"
#include "ServiceTable.h"
#include "TempFolder.h"

namespace zelvo::test {
namespace {

struct Script {
  const char* page = "";
  const char* postReply = "";
  const char* description = "<capcha url=\"http://zelvodisk.example/c?key=1a2b\"></capcha>";
  const char* formAnswer = "";
};
Script g_script;
int g_answers = 0;
int g_setOptions = 0;
char g_lastAnswer[512];
char g_pixels[64];

void Copy(char* to, const char* text) {
  std::strncpy(to, text ? text : "", 511);
  to[511] = '\0';
}

void ZT_CALL GetPage(const char* request, TReplyCallback reply) {
  if (std::strchr(request, '|')) return;  // the captcha picture is already on disk
  reply(std::strstr(request, "getcapchaxml") ? g_script.description : g_script.page);
}
void ZT_CALL PostPage(const char*, const char*, TReplyCallback reply) { reply(g_script.postReply); }
void ZT_CALL Log(const char*) {}
void ZT_CALL SaveFile(const char*, const char*) {}
void ZT_CALL SetResult(const char* answer) {
  ++g_answers;
  Copy(g_lastAnswer, answer);
}
void ZT_CALL HTTPHead(const char*, TReplyCallback reply) { reply(""); }
int32_t ZT_CALL ShowMsg(const char*, uint32_t) { return 1; }
void ZT_CALL SimpleOptions(const char*, TReplyCallback reply) { reply(g_script.formAnswer); }
void ZT_CALL GetOption(const char*, const char*, const char*, TReplyCallback reply) { reply("1"); }
void ZT_CALL SetOption(const char*, const char*, const char*) { ++g_setOptions; }
void ZT_CALL GetLocation(TReplyCallback reply) { reply("http://c-zelvodisk.example/f/4711/file"); }
void ZT_CALL ModQuery(const char*) {}
void ZT_CALL ShowHAWindow(const char*, int32_t, TReplyCallback reply) { reply("4711"); }
void ZT_CALL GetPicSize(const char*, TReplyCallback reply) { reply("4|4"); }
void ZT_CALL PicToArr(const char*, TDArray*, int32_t, int32_t) {}
void ZT_CALL ArrToPic(const char*, TDArray*, int32_t, int32_t) {}
void ZT_CALL SetArrLen(TDArray* array, int32_t first, int32_t) { *array = first ? g_pixels : nullptr; }
void ZT_CALL ProgName(TReplyCallback reply) { reply(""); }

THostProc ZT_CALL GetProc(const char* name) {
  static const hostkit::ServiceTable services = {
      &HTTPHead,     &ShowMsg,    &SimpleOptions, &GetOption, &SetOption, &GetLocation, &ModQuery,
      &ShowHAWindow, &GetPicSize, &PicToArr,      &ArrToPic,  &SetArrLen, &ProgName};
  return hostkit::LookupService(services, name);
}

// The last reply emptied and released, so that what is live can be compared. The file names of
// these tests are short enough to live inside their strings.
void ReleaseTexts() { std::string().swap(LastReply); }

struct Outcome {
  int answers;
  std::string lastAnswer;
  int setOptions;
};

// Runs the call once with each allocation in turn failing, until it runs with none failing;
// returns the outcome of that last, complete run.
Outcome EveryAllocationFailing(const TempFolder& folder, uint32_t mode, const std::function<void()>& setUp,
                               const std::function<void()>& call) {
  for (std::size_t n = 0;; ++n) {
    PlgInit(&GetPage, &PostPage, &Log, &GetProc, &SaveFile, &SetResult, mode, folder.Prefix().c_str());
    setUp();
    ReleaseTexts();
    g_answers = 0;
    g_setOptions = 0;
    const long live = LiveAllocations();
    FailAllocationAfter(n);
    call();
    const bool failed = StopFailing();
    ReleaseTexts();
    const long kept = LiveAllocations() - live;
    const Outcome outcome{g_answers, g_lastAnswer, g_setOptions};
    if (!failed) return outcome;
    EXPECT_EQ(outcome.answers, 0) << "allocation " << n << " failed, yet the call answered "
                                  << outcome.lastAnswer;
    EXPECT_EQ(outcome.setOptions, 0) << "allocation " << n << " failed after a partial store";
    EXPECT_EQ(kept, 0) << "allocation " << n << " failed and memory was kept";
    if (testing::Test::HasFailure()) return outcome;
  }
}

class AllocationFailure : public testing::Test {
 protected:
  AllocationFailure() { ResetPluginState(); }
  TempFolder folder;
  const std::string publicPage = pages::Public();
};

TEST_F(AllocationFailure, APublicJob) {
  g_script.page = publicPage.c_str();
  const Outcome done = EveryAllocationFailing(
      folder, 0, [] {}, [] { PlgGetDirectLink("http://zelvodisk.example/disk/4711.html"); });
  EXPECT_EQ(done.lastAnswer, "http://c-zelvodisk.example/f/4711/file#/report.zip|0|1");
}

TEST_F(AllocationFailure, AUtf8JobWithCaptchaAndPasswordInDebugMode) {
  folder.MakeFile("ZelvoDisk.gif", "GIF89a");
  const std::string challenge = "<meta charset=\"utf-8\">" + pages::NameBlock("Отчёт.zip") +
                                "ввести пароль введите число длинный текст, чтобы не уместиться в строке";
  const std::string accepted =
      "<meta charset=\"utf-8\">" + pages::NameBlock("Отчёт.zip") + pages::StartAnchor('c');
  g_script.page = challenge.c_str();
  g_script.postReply = accepted.c_str();
  const Outcome done = EveryAllocationFailing(
      folder, 1, [] {}, [] { PlgGetDirectLink("http://secret@zelvodisk.example/disk/4711.html"); });
  EXPECT_EQ(done.lastAnswer, "http://c-zelvodisk.example/f/4711/file#/" + W("Отчёт.zip") + "|0|1");
}

TEST_F(AllocationFailure, TheOptionsFormStoresAllOrNothing) {
  g_script.formAnswer =
      "NoDiscard_a=1\nNoDiscard_b=0\nNoDiscard_c=1\nNoDiscard_d=1\nNoDiscard_e=1\nNoDiscard_f=1\nNoDiscard_g="
      "0";
  const Outcome done = EveryAllocationFailing(
      folder, 0, [] {}, [] { PlgGetOptions(); });
  EXPECT_EQ(done.setOptions, 7);
}

TEST_F(AllocationFailure, TheSuccessHook) {
  folder.MakeFile("report.zip");
  const std::string downloaded = folder.Path("file.bin");
  g_script.page = publicPage.c_str();
  const Outcome done = EveryAllocationFailing(
      folder, 0,
      [] {
        PlgGetDirectLink("http://zelvodisk.example/disk/4711.html");
        g_answers = 0;
      },
      [&downloaded] { PlgOnSuccess(0, 0, downloaded.c_str()); });
  EXPECT_EQ(done.lastAnswer, folder.Path("report_1.zip"));
}

}  // namespace
}  // namespace zelvo::test
