// The bridge to the host: one operation per entry, the reply mechanism, and missing entries.
#include <gtest/gtest.h>

#include <functional>

#include "BaseUtils/Bridge.h"
#include "BaseUtils/HostTable.h"
#include "PluginTest.h"

namespace zelvo::test {
namespace {

struct Operation {
  const char* entry;                  // the host entry it calls
  std::function<std::string()> call;  // the operation, its result as text ("" for none)
  HostCall expected;
};

TDArray g_array = nullptr;

std::vector<Operation> Operations() {
  return {
      {"HostLog",
       [] {
         Log("line");
         return std::string();
       },
       {"HostLog", {"line"}}},
      {"HostSetResult",
       [] {
         SetResult("");
         return std::string();
       },
       {"HostSetResult", {""}}},
      {"HTTPHead", [] { return HTTPHead("http://a/"); }, {"HTTPHead", {"http://a/", "reply"}}},
      {"ShowMsg", [] { return std::to_string(ShowMsg("m", 200)); }, {"ShowMsg", {"m", "200"}}},
      {"GetOption", [] { return GetOption("S", "N", ""); }, {"GetOption", {"S", "N", "", "reply"}}},
      {"SetOption",
       [] {
         SetOption("S", "N", "v");
         return std::string();
       },
       {"SetOption", {"S", "N", "v"}}},
      {"GetLocation", [] { return GetLocation(); }, {"GetLocation", {"reply"}}},
      {"ModQuery",
       [] {
         ModQuery("l");
         return std::string();
       },
       {"ModQuery", {"l"}}},
      {"ShowHAWindow", [] { return ShowHAWindow("p", 60); }, {"ShowHAWindow", {"p", "60", "reply"}}},
      {"GetPicSize", [] { return GetPicSize("f.gif"); }, {"GetPicSize", {"f.gif", "reply"}}},
      {"PicToArr",
       [] {
         PicToArr("f.gif", &g_array, 120, 50);
         return std::string();
       },
       {"PicToArr", {"f.gif", "array", "120", "50"}}},
      {"ArrToPic",
       [] {
         ArrToPic("f.bmp", &g_array, 120, -1);
         return std::string();
       },
       {"ArrToPic", {"f.bmp", "array", "120", "-1"}}},
      {"SetArrLen",
       [] {
         SetArrLen(&g_array, 360, 50);
         return std::string();
       },
       {"SetArrLen", {"array", "360", "50"}}},
      {"ProgName", [] { return ProgName(); }, {"ProgName", {"reply"}}},
      {"SimpleOptions",
       [] {
         SimpleOptions("form");
         return LastReply;
       },
       {"SimpleOptions", {"form", "reply"}}},
  };
}

using Bridge = PluginTest;

TEST_F(Bridge, EveryOperationCallsItsEntryWithItsArguments) {
  host.Init();
  for (const Operation& op : Operations()) {
    host.calls.clear();
    host.replies[op.entry] = {{"answer"}};
    const std::string result = op.call();
    EXPECT_EQ(host.calls, Transcript{op.expected}) << op.entry;
    if (op.expected.args.back() == "reply") {
      EXPECT_EQ(result, "answer") << op.entry;
    }
  }
  // The picture services get the plug-in's slot itself, for the host to fill.
  EXPECT_EQ(host.arraySlots, (std::vector<const TDArray*>(3, &g_array)));
  g_array = nullptr;
}

TEST_F(Bridge, AMissingEntryIsNeverCalledAndYieldsNothing) {
  for (const Operation& op : Operations()) {
    host.missing = {op.entry};
    host.Init();
    LastReply = "stale";
    const std::string result = op.call();
    EXPECT_TRUE(host.calls.empty()) << op.entry;
    EXPECT_TRUE(result.empty() || result == "0") << op.entry << ": " << result;
  }
}

TEST_F(Bridge, ShowMsgHandsBackTheHostsResult) {
  host.Init();
  host.showMsgResult = -5;
  EXPECT_EQ(ShowMsg("x", 2), -5);
}

TEST_F(Bridge, TheLastOfSeveralRepliesWins) {
  host.Init();
  host.replies["GetLocation"] = {{"first", "second"}};
  EXPECT_EQ(GetLocation(), "second");
  host.replies["GetLocation"] = {{"first", std::nullopt}};
  EXPECT_EQ(GetLocation(), "");
}

TEST_F(Bridge, NoReplyMeansTheEmptyTextAndEmptiesLastReply) {
  host.Init();
  LastReply = "stale";
  EXPECT_EQ(ProgName(), "");
  EXPECT_EQ(LastReply, "");
}

TEST_F(Bridge, SimpleOptionsStartsFromAnEmptyReply) {
  // A host that shows the form but answers nothing must not have a stale reply read as its answer.
  host.Init();
  LastReply = "NoDiscard_g=0";
  SimpleOptions("form");
  EXPECT_EQ(LastReply, "");
  host.replies["SimpleOptions"] = {{"NoDiscard_a=1"}};
  SimpleOptions("form");
  EXPECT_EQ(LastReply, "NoDiscard_a=1");
}

TEST_F(Bridge, OneMissingServiceLeavesTheOthersWorking) {
  host.missing = {"GetLocation"};
  host.Init();
  host.replies["HTTPHead"] = {{"head"}};
  EXPECT_EQ(GetLocation(), "");
  EXPECT_EQ(HTTPHead("x"), "head");
}

TEST_F(Bridge, AReplyOutsideAnyCallReplacesLastReplyUntilTheNextOperation) {
  host.Init();
  ReplyCallback("unasked");
  EXPECT_EQ(LastReply, "unasked");
  ReplyCallback(nullptr);
  EXPECT_EQ(LastReply, "");
  ReplyCallback("unasked");
  EXPECT_EQ(GetLocation(), "");
  // The host may even hand back the plug-in's own text.
  LastReply = "own text";
  ReplyCallback(LastReply.c_str());
  EXPECT_EQ(LastReply, "own text");
}

TEST_F(Bridge, NothingReachesTheHostAfterDestroy) {
  host.Init();
  PlgDestroy();
  for (const Operation& op : Operations()) op.call();
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace zelvo::test
