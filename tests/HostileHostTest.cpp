// Hosts that break the rules of the ABI, and what the plug-in must survive of them: it runs in
// the download manager's process, where one crash ends every download.
#include <gtest/gtest.h>

#include "BaseUtils/HostTable.h"
#include "Jobs.h"
#include "Pages.h"
#include "PluginTest.h"

namespace zelvo::test {
namespace {

using namespace expect;
using namespace jobs;

const std::string kPublic = pages::Public();
const HostCall kAnswer = SetResult(MirrorTarget('c') + "#/report.zip|0|1");

struct HostileCase {
  std::string name;
  std::function<void(FakeHost&)> arrange;
  bool answers;  // whether the job still ends with the direct link
};

void PrintTo(const HostileCase& row, std::ostream* os) { *os << row.name; }

class HostileReplies : public PluginTest, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileReplies, TheJobEndsCleanly) {
  host.Init();
  host.replies["GetLocation"] = {{MirrorTarget('c')}};
  GetParam().arrange(host);
  PlgGetDirectLink(kLink.c_str());
  ASSERT_FALSE(host.calls.empty());
  if (GetParam().answers) {
    EXPECT_EQ(host.calls.back(), kAnswer);
  } else {
    for (const HostCall& call : host.calls) EXPECT_NE(call.name, "HostSetResult");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostileReplies,
    testing::Values(HostileCase{"NullPage", [](FakeHost& h) { h.replies["HostGetPage"] = {{std::nullopt}}; },
                                false},
                    HostileCase{"SeveralRepliesTheLastWins",
                                [](FakeHost& h) {
                                  h.replies["HostGetPage"] = {{"junk", std::nullopt, kPublic}};
                                },
                                true},
                    HostileCase{"PageThenNull",
                                [](FakeHost& h) {
                                  h.replies["HostGetPage"] = {{kPublic, std::nullopt}};
                                },
                                false},
                    HostileCase{"ThePlugInsOwnLastReplyHandedBack",
                                [](FakeHost& h) {
                                  h.onCall = [](const HostCall& call) {
                                    if (call.name != "HostGetPage") return;
                                    ReplyCallback(kPublic.c_str());
                                    ReplyCallback(LastReply.c_str());
                                    ReplyCallback(LastReply.c_str() + 0);
                                  };
                                },
                                true},
                    HostileCase{"EveryServiceRepliesNull",
                                [](FakeHost& h) {
                                  h.replies["HostGetPage"] = {{kPublic}};
                                  for (const char* service : {"GetOption", "HTTPHead"})
                                    h.replies[service] = std::deque<Reply>(8, Reply{std::nullopt});
                                  h.replies["GetLocation"] = {{std::nullopt}};
                                },
                                false},
                    HostileCase{"ReplyCallbackCalledBetweenServices",
                                [](FakeHost& h) {
                                  h.replies["HostGetPage"] = {{kPublic}};
                                  h.onCall = [](const HostCall& call) {
                                    if (call.name == "HostLog") ReplyCallback("<not asked for>");
                                  };
                                },
                                true},
                    HostileCase{"AHundredMegabyteReply",
                                [](FakeHost& h) {
                                  h.replies["HostGetPage"] = {{pages::Page(std::string(100u << 20, 'x') +
                                                                           pages::NameBlock("report.zip") +
                                                                           pages::StartAnchor('c'))}};
                                },
                                true}),
    [](const testing::TestParamInfo<HostileCase>& row) { return row.param.name; });

// A host whose HostGetProc answers every name with one and the same function, which takes no
// argument and delivers nothing. Calling it as any of the services must not harm the plug-in.
int g_anyServiceCalls = 0;
std::vector<std::string> g_answers;

#if defined(__clang__)
__attribute__((no_sanitize("function")))
#endif
int32_t ZT_CALL
AnyService() {
  ++g_anyServiceCalls;
  return 0;
}
THostProc ZT_CALL SameForEveryName(const char*) { return reinterpret_cast<THostProc>(&AnyService); }
void ZT_CALL PublicPage(const char*, TReplyCallback reply) { reply(kPublic.c_str()); }
void ZT_CALL NoPost(const char*, const char*, TReplyCallback) {}
void ZT_CALL NoLog(const char*) {}
void ZT_CALL NoSave(const char*, const char*) {}
void ZT_CALL KeepAnswer(const char* answer) { g_answers.emplace_back(answer); }

TEST(HostileHost, OneFunctionForEveryServiceNameIsCalledAndEndsTheJobsQuietly) {
  ResetPluginState();
  g_anyServiceCalls = 0;
  g_answers.clear();
  PlgInit(&PublicPage, &NoPost, &NoLog, &SameForEveryName, &NoSave, &KeepAnswer, 1, "");
  ASSERT_EQ(g_answers.size(), 1u);  // the link masks
  PlgGetDirectLink(kLink.c_str());  // no location: no answer
  PlgGetOptions();                  // no form answer: the message, nothing stored
  PlgOnError(0, "Downloaded html", "504 Gateway Time-out");
  PlgOnSuccess(0, 0, "/nowhere/file.bin");  // no program name: the page's name is proposed
  PlgDestroy();
  EXPECT_EQ(g_answers, (std::vector<std::string>{g_answers[0], "/nowhere/report.zip"}));
  EXPECT_GT(g_anyServiceCalls, 10);
}

TEST_F(PluginTest, InitTwiceBindsTheSecondTimeAsTheFirst) {
  const Transcript first = host.Init(1, "C:\\P\\");
  const Transcript second = host.Init(1, "C:\\P\\");
  EXPECT_EQ(first, second);
  host.replies["HostGetPage"] = {{pages::Page("Файл удален")}};
  PlgGetDirectLink(kLink.c_str());
  EXPECT_EQ(host.calls.back(), SetResult("%deleted%"));
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), Log(kBannerLine)), 1);
}

TEST_F(PluginTest, DestroyTwiceThenInitAgainWorks) {
  host.Init();
  PlgDestroy();
  PlgDestroy();
  PlgGetDirectLink(kLink.c_str());
  EXPECT_TRUE(host.calls.empty());
  host.Init();
  host.replies["HostGetPage"] = {{pages::Page("Несуществующая страница")}};
  PlgGetDirectLink(kLink.c_str());
  EXPECT_EQ(host.calls.back(), SetResult("%notfound%"));
}

}  // namespace
}  // namespace zelvo::test
