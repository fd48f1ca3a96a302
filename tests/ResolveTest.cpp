// Whole jobs of PlgGetDirectLink as the host sees them: pages and options in, the ordered host
// calls and the answer out.
#include <gtest/gtest.h>

#include <filesystem>

#include "Jobs.h"
#include "Pages.h"
#include "PluginTest.h"
#include "TempFolder.h"

namespace zelvo::test {
namespace {

using namespace expect;
using namespace jobs;
using pages::StartLink;

struct Scenario {
  std::string name;
  std::vector<std::string> pages;            // the replies to the page requests, in order
  Transcript expected;                       // every host call of the job
  std::map<char, std::string> options = {};  // mirror letter -> stored NoDiscard_ value
  std::vector<std::string> locations = {};   // the replies of GetLocation, in order
  std::string nameAfter = "report.zip";      // CurrentFileName when the job has ended
  std::string link = kLink;
  uint32_t mode = 0;
  std::string folder = "";
  std::string priorName = "";
  std::set<std::string> missing = {};
};

std::string Utf8PublicPage() {
  return "<html><head><meta charset=\"utf-8\"></head><body>" + pages::NameBlock("Отчёт.zip") +
         pages::StartAnchor('d') + "</body></html>";
}

const std::string kPublic = pages::Public();

std::vector<Scenario> Scenarios() {
  return {
      {.name = "PublicFile",
       .pages = {kPublic},
       .expected =
           Then({Opening(), {GetPage(kLink), Log(kEmulation)}, MirrorReads(), Download(StartLink('c'), 'c')}),
       .locations = {MirrorTarget('c')}},
      {.name = "PublicFileInDebugMode",
       .pages = {kPublic},
       .expected = Then({Opening(),
                         {GetPage(kLink), SaveFile("D:\\p\\ZelvoDisk1.html", kPublic), Log(kEmulation),
                          SaveFile("D:\\p\\ZelvoDisk2.html", kPublic), Log("Имя файла: report.zip")},
                         MirrorReads(),
                         Download(StartLink('c'), 'c')}),
       .locations = {MirrorTarget('c')},
       .mode = 1,
       .folder = "D:\\p\\"},
      {.name = "FolderWithoutClosingSeparator",
       .pages = {pages::Page("Файл удален")},
       .expected = Then({Opening(),
                         {GetPage(kLink), SaveFile("D:\\pZelvoDisk1.html", pages::Page("Файл удален")),
                          SetResult("%deleted%")}}),
       .nameAfter = "",
       .mode = 1,
       .folder = "D:\\p"},
      {.name = "Utf8PageIsReadInWindows1251",
       .pages = {Utf8PublicPage()},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads(),
                         Download(StartLink('d'), 'd', "Отчёт.zip")}),
       .locations = {MirrorTarget('d')},
       .nameAfter = W("Отчёт.zip")},
      {.name = "LegacyLinkWithName",
       .pages = {kPublic},
       .expected =
           Then({Opening(), {GetPage(kLink), Log(kEmulation)}, MirrorReads(), Download(StartLink('c'), 'c')}),
       .locations = {MirrorTarget('c')},
       .link = "http://ZDISK.example/disk/4711.html/report.zip"},
      {.name = "EmptyPageEndsWithoutAnswer",
       .pages = {""},
       .expected = Then({Opening(), {GetPage(kLink)}}),
       .nameAfter = ""},
      {.name = "NoPageService",
       .pages = {},
       .expected = Opening(),
       .nameAfter = "",
       .missing = {"HostGetPage"}},
      {.name = "ServerErrorComesBeforeDeleted",
       .pages = {pages::Page("<h1>500 Internal Server Error</h1> Файл удален")},
       .expected =
           Then({Opening(),
                 {GetPage(kLink), SetResult("%500 Internal Server Error (внутренняя ошибка сервера).")}}),
       .nameAfter = ""},
      {.name = "GatewayErrorPage",
       .pages = {"<html><head><title>504 Gateway Time-out</title></head></html>"},
       .expected =
           Then({Opening(), {GetPage(kLink), SetResult("%504 Gateway Time-out (шлюз не отвечает).")}}),
       .nameAfter = ""},
      {.name = "Deleted",
       .pages = {pages::Page(pages::NameBlock("gone.zip") + "<p>Файл удален</p>")},
       .expected = Then({Opening(), {GetPage(kLink), SetResult("%deleted%")}}),
       .nameAfter = ""},
      {.name = "NotFoundComesBeforeBlocked",
       .pages = {pages::Page("Несуществующая страница. Файл заблокирован")},
       .expected = Then({Opening(), {GetPage(kLink), SetResult("%notfound%")}}),
       .nameAfter = ""},
      {.name = "InternalError",
       .pages = {pages::Page("Внутренняя ошибка сервиса")},
       .expected = Then({Opening(), {GetPage(kLink), SetResult("%Внутренняя ошибка сервиса.")}}),
       .nameAfter = ""},
      {.name = "BlockedReadsAsDeleted",
       .pages = {pages::Page("Файл заблокирован правообладателем")},
       .expected = Then({Opening(), {GetPage(kLink), SetResult("%deleted%")}}),
       .nameAfter = ""},
      {.name = "PasswordMissing",
       .pages = {pages::PasswordChallenge()},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation),
                          SetResult("%Для скачивания файла требуется ввести ссылку содержащую пароль.")}}),
       .nameAfter = ""},
      {.name = "PasswordMissingBehindCaptcha",
       .pages = {pages::Page("Нужно ввести пароль, затем введите число")},
       .expected = Then(
           {Opening(),
            {GetPage(kLink), SetResult("%Для скачивания файла требуется ввести ссылку содержащую пароль.")}}),
       .nameAfter = ""},
      {.name = "NoStartLinkButTheNameIsTaken",
       .pages = {pages::Page(pages::NameBlock("only-name.zip"))},
       .expected = Then({Opening(), {GetPage(kLink), Log(kEmulation)}}),
       .nameAfter = "only-name.zip",
       .priorName = "earlier.zip"},
      {.name = "NoNameBlockKeepsTheEarlierName",
       .pages = {pages::Page(pages::StartAnchor('c'))},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads(),
                         Download(StartLink('c'), 'c', "earlier.zip")}),
       .locations = {MirrorTarget('c')},
       .nameAfter = "earlier.zip",
       .priorName = "earlier.zip"},
      {.name = "UnclosedNameBlockEmptiesTheName",
       .pages = {pages::Page(R"(<dt class="name"><i class="x"></i>half.zip)" + pages::StartAnchor('c'))},
       .expected = Then(
           {Opening(), {GetPage(kLink), Log(kEmulation)}, MirrorReads(), Download(StartLink('c'), 'c', "")}),
       .locations = {MirrorTarget('c')},
       .nameAfter = "",
       .priorName = "earlier.zip"},
      {.name = "HostileNameIsMadeSafe",
       .pages = {pages::Page(pages::NameBlock("..\\..\\boot|0|1.ini") + pages::StartAnchor('c'))},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads(),
                         Download(StartLink('c'), 'c', ".._.._boot_0_1.ini")}),
       .locations = {MirrorTarget('c')},
       .nameAfter = ".._.._boot_0_1.ini"},
      {.name = "EmptyRedirectTargetEndsWithoutAnswer",
       .pages = {kPublic},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads(),
                         {HTTPHead(StartLink('c')), GetLocation()}}),
       .locations = {""}},
      {.name = "StartLinkWithoutClosingQuoteIsEmpty",
       .pages = {pages::Page(pages::NameBlock("report.zip") + "<a href=\"/disk/start/c-zelvodisk.example/1")},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads(),
                         {HTTPHead(""), GetLocation(), Log("Скачиваю с подсети m-zelvodisk.example"),
                          SetResult("mirror.example/f#/report.zip|0|1")}}),
       .options = {{'c', "0"}},
       .locations = {"mirror.example/f"}},
      {.name = "OnlyTheExactZeroRulesAMirrorOut",
       .pages = {kPublic},
       .expected =
           Then({Opening(), {GetPage(kLink), Log(kEmulation)}, MirrorReads(), Download(StartLink('c'), 'c')}),
       .options = {{'a', "0"}, {'c', "1"}, {'d', " 0"}, {'e', "00"}},
       .locations = {MirrorTarget('c')}},
      {.name = "UnwantedMirrorThenAWantedOne",
       .pages = {kPublic, pages::Public("report.zip", 'e')},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads('c'),
                         Discard(StartLink('c')),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads(),
                         Download(StartLink('e'), 'e')}),
       .options = {{'c', "0"}},
       .locations = {MirrorTarget('e')}},
      {.name = "UnwantedMirrorInEveryAttempt",
       .pages = {kPublic, kPublic, kPublic},
       .expected = Then({Opening(),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads('c'),
                         Discard(StartLink('c')),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads('c'),
                         Discard(StartLink('c')),
                         {GetPage(kLink), Log(kEmulation)},
                         MirrorReads('c'),
                         {Log("Обойти выбранные подсети не удалось.")},
                         Download(StartLink('c'), 'c')}),
       .options = {{'c', "0"}, {'g', "0"}},
       .locations = {MirrorTarget('c')}},
      {.name = "TheDiscardLineShowsTheLinkUnescaped",
       .pages = {pages::Page(pages::NameBlock("a b.zip") +
                             R"(<a href="/disk/start/f-zelvodisk.example/1/a b.zip">x</a>)"),
                 pages::Page(pages::NameBlock("a b.zip") +
                             R"(<a href="/disk/start/b-zelvodisk.example/1/a b.zip">x</a>)")},
       .expected = Then(
           {Opening(),
            {GetPage(kLink), Log(kEmulation)},
            MirrorReads('f'),
            Discard("http://zelvodisk.example/disk/start/f-zelvodisk.example/1/a b.zip"),
            {GetPage(kLink), Log(kEmulation)},
            MirrorReads(),
            {HTTPHead("http://zelvodisk.example/disk/start/b-zelvodisk.example/1/a%20b.zip"), GetLocation(),
             Log("Скачиваю с подсети b-zelvodisk.example"), SetResult(MirrorTarget('b') + "#/a b.zip|0|1")}}),
       .options = {{'f', "0"}},
       .locations = {MirrorTarget('b')},
       .nameAfter = "a b.zip"},
      {.name = "HttpsLinkInDebugModeIsLogged",
       .pages = {""},
       .expected = {Log(kBannerLine), ModQuery("https://zelvodisk.example/disk/1.html"), ProgName(),
                    Log("* GET URL: <https://zelvodisk.example/disk/1.html>"),
                    GetPage("https://zelvodisk.example/disk/1.html")},
       .nameAfter = "",
       .link = "https://zelvodisk.example/disk/1.html",
       .mode = 1},
  };
}

void PrintTo(const Scenario& row, std::ostream* os) { *os << row.name; }

class Jobs : public PluginTest, public testing::WithParamInterface<Scenario> {};

TEST_P(Jobs, Resolve) {
  const Scenario& s = GetParam();
  host.missing = s.missing;
  host.Init(s.mode, s.folder.c_str());
  CurrentFileName = s.priorName;
  for (const auto& page : s.pages) host.replies["HostGetPage"].push_back({page});
  for (const auto& location : s.locations) host.replies["GetLocation"].push_back({location});
  for (const auto& [letter, value] : s.options)
    host.options[std::string("ZelvoDiskTrumo/NoDiscard_") + letter] = value;

  PlgGetDirectLink(W(s.link).c_str());

  EXPECT_EQ(host.calls, s.expected);
  EXPECT_EQ(CurrentFileName, s.nameAfter);
}

INSTANTIATE_TEST_SUITE_P(PlgGetDirectLink, Jobs, testing::ValuesIn(Scenarios()),
                         [](const auto& row) { return row.param.name; });

using JobFiles = PluginTest;

TEST_F(JobFiles, EveryJobDeletesThePreviousPageCopies) {
  TempFolder folder;
  const std::string first = folder.MakeFile("ZelvoDisk1.html");
  const std::string second = folder.MakeFile("ZelvoDisk2.html");
  const std::string other = folder.MakeFile("ZelvoDisk.gif");
  host.Init(0, folder.Prefix().c_str());
  PlgGetDirectLink(nullptr);
  EXPECT_FALSE(std::filesystem::exists(first));
  EXPECT_FALSE(std::filesystem::exists(second));
  EXPECT_TRUE(std::filesystem::exists(other));
  EXPECT_EQ(host.calls, (Transcript{Log(kBannerLine), ModQuery(""), GetPage("")}));
}

TEST_F(JobFiles, AHugePageIsJudgedLikeASmallOne) {
  host.Init();
  std::string page =
      pages::Page(std::string(50u << 20, 'x') + pages::NameBlock("big.bin") + pages::StartAnchor('a'));
  host.replies["HostGetPage"] = {{page}};
  host.replies["GetLocation"] = {{MirrorTarget('a')}};
  PlgGetDirectLink(kLink.c_str());
  ASSERT_FALSE(host.calls.empty());
  EXPECT_EQ(host.calls.back(), SetResult(MirrorTarget('a') + "#/big.bin|0|1"));
}

TEST_F(JobFiles, NothingThrownDuringAJobReachesTheHost) {
  host.Init();
  host.onCall = [](const HostCall& call) {
    if (call.name == "HTTPHead") throw std::runtime_error("lost connection");
  };
  host.replies["HostGetPage"] = {{kPublic}};
  PlgGetDirectLink(kLink.c_str());
  EXPECT_EQ(host.calls.back(), HTTPHead(StartLink('c')));  // and no answer after it
}

}  // namespace
}  // namespace zelvo::test
