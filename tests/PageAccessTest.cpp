// Page requests through the host: the charset decision, the debug request line and page copies.
#include <gtest/gtest.h>

#include "BaseUtils/HostTable.h"
#include "BaseUtils/PageAccess.h"
#include "PluginTest.h"

namespace zelvo::test {
namespace {

namespace e = expect;
using PageAccess = PluginTest;

TEST_F(PageAccess, ConvertsExactlyTheRepliesThatDeclareUtf8) {
  struct Row {
    const char* name;
    std::string reply, result;
  };
  const Row rows[] = {
      {"declared", "<meta charset=utf-8>Файл", W("<meta charset=utf-8>Файл")},
      {"capitals", "Content-Type: text/html; CHARSET=UTF-8\n\nЁж",
       W("Content-Type: text/html; CHARSET=UTF-8\n\nЁж")},
      {"quoted", "<meta charset=\"utf-8\">Да", W("<meta charset=\"utf-8\">Да")},
      {"mentioned only", "<p>write charset=utf-8 in your pages</p>é",
       "<p>write charset=utf-8 in your pages</p>?"},
      {"windows-1251 page that mentions it", W("charset=utf-8 Ф а"), "charset=utf-8 ? ?"},
      {"single quotes", "charset='utf-8' Ж", "charset='utf-8' Ж"},
      {"blanks", "charset = utf-8 Ж", "charset = utf-8 Ж"},
      {"no hyphen", "charset=utf8 Ж", "charset=utf8 Ж"},
      {"windows-1251", W("charset=windows-1251 Файл"), W("charset=windows-1251 Файл")},
  };
  host.Init();
  for (const Row& row : rows) {
    host.replies["HostGetPage"] = {{row.reply}};
    host.replies["HostPostPage"] = {{row.reply}};
    EXPECT_EQ(GetPage("http://x/"), row.result) << row.name;
    EXPECT_EQ(LastReply, row.result) << row.name;
    EXPECT_EQ(PostPage("http://x/", "a=1"), row.result) << row.name;
  }
}

TEST_F(PageAccess, RequestsPassTheirTextsUnchanged) {
  host.Init();
  GetPage("");
  PostPage("http://x/a b", "line1\nline2");
  EXPECT_EQ(host.calls,
            (Transcript{e::GetPage(""), {"HostPostPage", {"http://x/a b", "line1\nline2", "reply"}}}));
}

TEST_F(PageAccess, DebugModeLogsHttpsRequestsWhenTheHostHasNoProgramName) {
  struct Row {
    const char* name;
    uint32_t mode;
    const char* request;
    std::optional<std::string> progName;  // nullopt: no such service
    Transcript expected;
  };
  const Row rows[] = {
      {"capital scheme",
       1,
       "HTTPS://Zelvo/",
       "",
       {e::ProgName(), e::Log("* GET URL: <HTTPS://Zelvo/>"), e::GetPage("HTTPS://Zelvo/")}},
      {"https further on",
       1,
       "http://a/?u=https://b",
       "",
       {e::ProgName(), e::Log("* GET URL: <http://a/?u=https://b>"), e::GetPage("http://a/?u=https://b")}},
      {"no ProgName service",
       1,
       "https://a/",
       std::nullopt,
       {e::Log("* GET URL: <https://a/>"), e::GetPage("https://a/")}},
      {"program named", 1, "https://a/", "Manager", {e::ProgName(), e::GetPage("https://a/")}},
      {"plain http", 1, "http://a/", "", {e::GetPage("http://a/")}},
      {"not debug", 0, "https://a/", "", {e::GetPage("https://a/")}},
  };
  for (const Row& row : rows) {
    host.missing.clear();
    if (!row.progName) host.missing.insert("ProgName");
    host.Init(row.mode);
    if (row.progName) host.replies["ProgName"] = {{*row.progName}};
    GetPage(row.request);
    EXPECT_EQ(host.calls, row.expected) << row.name;
  }
}

TEST_F(PageAccess, TheDebugLineIsWrittenEvenWithoutAPageService) {
  host.missing = {"HostGetPage"};
  host.Init(1);
  LastReply = "stale";
  EXPECT_EQ(GetPage("https://a/"), "");
  EXPECT_EQ(LastReply, "");
  EXPECT_EQ(host.calls, (Transcript{e::ProgName(), e::Log("* GET URL: <https://a/>")}));
}

TEST_F(PageAccess, DumpPageNeedsOnlyTheSaveCallback) {
  host.missing = {"HostGetPage", "HostPostPage", "HostLog", "HostGetProc", "HostSetResult"};
  host.Init();
  DumpPage("dir\\ZelvoDisk1.html", "<html>");
  EXPECT_EQ(host.calls, (Transcript{e::SaveFile("dir\\ZelvoDisk1.html", "<html>")}));
  host.missing.insert("HostSaveFile");
  host.Init();
  DumpPage("dir\\ZelvoDisk1.html", "<html>");
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace zelvo::test
