// The hooks for ended downloads: the advice logged for a failed one, and the name proposed for
// a finished one, made free in the download's folder.
#include <gtest/gtest.h>

#include <optional>

#include "Jobs.h"
#include "Pages.h"
#include "PluginTest.h"
#include "TempFolder.h"

namespace zelvo::test {
namespace {

using namespace expect;

const std::string k416Page = "<html><head><title>416 Requested Range Not Satisfiable</title></head></html>";
const Transcript kAdvice = {
    Log("Ошибка 416 Requested Range Not Satisfiable (запрашиваемый диапазон не достижим)."),
    Log("СКОРЕЕ ВСЕГО ФАЙЛ УЖЕ ПОЛНОСТЬЮ СКАЧАН."),
    Log("Если вы качаете архив, то попробуйте его распаковать."),
    Log("Если при распаковке не будет ошибок, то вручную удалите ссылку из списка."),
    Log("Если при распаковке будут ошибки, то удалите файл и перекачайте его заново."),
};

// The page padded with blanks to the given length.
std::string Padded(std::string page, std::size_t length) { return page.append(length - page.size(), ' '); }

struct ErrorCase {
  const char* name;
  std::optional<std::string> errorText;
  std::optional<std::string> content;
  Transcript expected;
  uint32_t mode = 1;
  uint32_t first = 0;
};

void PrintTo(const ErrorCase& row, std::ostream* os) { *os << row.name; }

class ErrorHook : public PluginTest, public testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorHook, Logs) {
  const ErrorCase& c = GetParam();
  host.Init(c.mode);
  PlgOnError(c.first, c.errorText ? c.errorText->c_str() : nullptr, c.content ? c.content->c_str() : nullptr);
  EXPECT_EQ(host.calls, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PlgOnError, ErrorHook,
    testing::Values(
        ErrorCase{"RangeNotSatisfiable", "Downloaded html", k416Page, kAdvice},
        ErrorCase{"OnlyInDebugMode", "Downloaded html", k416Page, {}, 0},
        ErrorCase{"PhraseInAnyLetterCase", "Downloaded html", "416 rEQUESTED RANGE not Satisfiable", kAdvice},
        ErrorCase{"ServerErrorMessage",
                  "Downloaded html",
                  "<h1>503 Service Temporarily Unavailable</h1>",
                  {Log("503 Service Temporarily Unavailable (сервис недоступен).")}},
        ErrorCase{"ServerErrorThenAdvice", "Downloaded html",
                  "<h1>500 Internal Server Error</h1> 416 Requested Range Not Satisfiable",
                  Then({{Log("500 Internal Server Error (внутренняя ошибка сервера).")}, kAdvice})},
        ErrorCase{"ErrorTextInOtherLetterCase", "downloaded HTML", k416Page, {}},
        ErrorCase{"ErrorTextWithABlankBefore", " Downloaded html", k416Page, {}},
        ErrorCase{"ErrorTextWithABlankAfter", "Downloaded html ", k416Page, {}},
        ErrorCase{"NullErrorText", std::nullopt, k416Page, {}},
        ErrorCase{"ContentOf1023BytesIsRead", "Downloaded html", Padded(k416Page, 1023), kAdvice},
        ErrorCase{"ContentOf1024BytesIsNot", "Downloaded html", Padded(k416Page, 1024), {}},
        ErrorCase{"EmptyContent", "Downloaded html", "", {}},
        ErrorCase{"NullContent", "Downloaded html", std::nullopt, {}},
        ErrorCase{"OrdinaryPage", "Downloaded html", pages::Public(), {}},
        ErrorCase{"FirstArgumentIsNotRead", "Downloaded html", k416Page, kAdvice, 1, 0xFFFFFFFFu}),
    [](const auto& row) { return std::string(row.param.name); });

struct SuccessCase {
  const char* name;
  std::string pageName;                      // CurrentFileName before the call
  std::optional<std::string> proposal;       // relative to the folder; nothing for no answer
  std::vector<std::string> files = {};       // files in the download's folder
  std::vector<std::string> folders = {};     // folders in it
  std::string downloaded = "4711.bin";       // the downloaded file's name in the folder
  std::string nameAfter = "";                // CurrentFileName afterwards, when not the page name
  std::optional<std::string> progName = {};  // the host's ProgName answer
};

void PrintTo(const SuccessCase& row, std::ostream* os) { *os << row.name; }

class SuccessHook : public PluginTest, public testing::WithParamInterface<SuccessCase> {};

TEST_P(SuccessHook, Proposes) {
  const SuccessCase& c = GetParam();
  TempFolder folder;
  for (const auto& name : c.files) folder.MakeFile(name);
  for (const auto& name : c.folders) folder.MakeFolder(name);
  host.Init();
  if (c.progName) host.replies["ProgName"] = {{*c.progName}};
  CurrentFileName = c.pageName;

  PlgOnSuccess(0, 0, folder.Path(c.downloaded).c_str());

  Transcript expected = {ProgName()};
  if (c.proposal) expected.push_back(SetResult(folder.Path(*c.proposal)));
  EXPECT_EQ(host.calls, expected);
  EXPECT_EQ(CurrentFileName, c.nameAfter.empty() ? c.pageName : c.nameAfter);
}

INSTANTIATE_TEST_SUITE_P(
    PlgOnSuccess, SuccessHook,
    testing::Values(
        SuccessCase{"ThePageName", "report.zip", "report.zip"},
        SuccessCase{"NumberBeforeTheExtension", "report.zip", "report_1.zip", {"report.zip"}},
        SuccessCase{
            "NextFreeNumber", "report.zip", "report_3.zip", {"report.zip", "report_1.zip", "report_2.zip"}},
        SuccessCase{"NumberAtTheEndWithoutExtension", "README", "README_1", {"README"}},
        SuccessCase{"BeforeTheLastDotOnly", "a.tar.gz", "a.tar_1.gz", {"a.tar.gz"}},
        SuccessCase{"LeadingDotIsAllExtension", ".profile", "_1.profile", {".profile"}},
        SuccessCase{"AFolderOfThatNameIsNotAFile", "report.zip", "report.zip", {}, {"report.zip"}},
        SuccessCase{
            "NumberedFolderIsNotAFileEither", "report.zip", "report_1.zip", {"report.zip"}, {"report_1.zip"}},
        SuccessCase{"AlreadyBearsTheName", "report.zip", std::nullopt, {"report.zip"}, {}, "report.zip"},
        SuccessCase{"LetterCaseCounts", "report.zip", "report.zip", {}, {}, "REPORT.ZIP"},
        SuccessCase{
            "EscapedBlanks", "my%20report%20.zip", "my report .zip", {}, {}, "4711.bin", "my report .zip"},
        SuccessCase{"EscapesLeftToRight", "%%2020.txt", "% 20.txt", {}, {}, "4711.bin", "% 20.txt"},
        // Windows would drop the blank and name another file; the name is made safe again.
        SuccessCase{
            "AnEscapedBlankAtTheEndGoes", "report.zip%20", "report.zip", {}, {}, "4711.bin", "report.zip"},
        SuccessCase{
            "BlanksRewrittenBeforeTheSameNameTest", "my%20file", std::nullopt, {}, {}, "my file", "my file"},
        SuccessCase{"NoName", "", std::nullopt},
        SuccessCase{"AnotherProgramNamesItself",
                    "my%20file",
                    std::nullopt,
                    {},
                    {},
                    "4711.bin",
                    "my file",
                    "Загрузчик"},
        SuccessCase{"EmptyProgramNameGoesOn", "report.zip", "report.zip", {}, {}, "4711.bin", "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

using Proposal = PluginTest;

TEST_F(Proposal, APathWithoutFolderGivesTheNameAlone) {
  host.missing = {"ProgName"};
  host.Init();
  CurrentFileName = "zelvo-proposal-test.zip";
  PlgOnSuccess(0, 0, "download.bin");
  PlgOnSuccess(0, 0, nullptr);
  PlgOnSuccess(0, 0, "C:download.bin");
  EXPECT_EQ(host.calls,
            (Transcript{SetResult("zelvo-proposal-test.zip"), SetResult("zelvo-proposal-test.zip"),
                        SetResult("C:zelvo-proposal-test.zip")}));
}

TEST_F(Proposal, NoResultCallbackDropsTheProposal) {
  host.missing = {"HostSetResult"};
  host.Init();
  CurrentFileName = "report.zip";
  PlgOnSuccess(0, 0, "D:\\downloads\\4711.bin");
  EXPECT_EQ(host.calls, Transcript{ProgName()});
}

// Whatever name a page shows, the proposal names a file inside the download's folder.
TEST_F(Proposal, AHostileNameStaysInTheFolder) {
  TempFolder folder;
  const std::string names[] = {"..\\..\\Windows\\evil.exe",
                               "../../evil.exe",
                               "C:\\evil.exe",
                               "..",
                               ". .",
                               "..%20",
                               "%20..%20",
                               "evil.exe%20",
                               "CON%20.txt",
                               "a:b|c",
                               "%2e%2e%2f"};
  for (const std::string& name : names) {
    host.Init();
    host.replies["HostGetPage"] = {{pages::Page(pages::NameBlock(name) + pages::StartAnchor('c'))}};
    host.replies["GetLocation"] = {{jobs::MirrorTarget('c')}};
    PlgGetDirectLink(jobs::kLink.c_str());
    host.calls.clear();

    PlgOnSuccess(0, 0, folder.Path("download.bin").c_str());

    ASSERT_FALSE(host.calls.empty());
    if (host.calls.back().name != "HostSetResult") continue;  // no proposal at all is safe too
    const std::string proposal = host.calls.back().args.front();
    ASSERT_TRUE(proposal.starts_with(folder.Prefix())) << name;
    const std::string rest = proposal.substr(folder.Prefix().size());
    EXPECT_EQ(rest.find_first_of("\\/:"), std::string::npos) << name << " -> " << rest;
    EXPECT_NE(rest.back(), '.') << name;
    EXPECT_NE(rest.back(), ' ') << name;
    EXPECT_FALSE(rest.starts_with("CON")) << name;
  }
}

}  // namespace
}  // namespace zelvo::test
