// The mirror check on its own, row by row of its state table: which attempt, whether the page
// came without a captcha (emulation on), and whether the start link names an unwanted mirror.
#include <gtest/gtest.h>

#include "MirrorCheck.h"
#include "Pages.h"
#include "PluginTest.h"

namespace zelvo::test {
namespace {

using namespace expect;

TEST(StartLinkOf, TakesThePathUpToTheClosingQuote) {
  EXPECT_EQ(StartLinkOf(R"(<a href="/disk/start/x/1">go</a> <a href="/disk/start/y">)"),
            "http://zelvodisk.example/disk/start/x/1");
  EXPECT_EQ(StartLinkOf(R"(<a href="/disk/start/x/1)"), "");
  EXPECT_EQ(StartLinkOf("no link"), "");
}

struct Row {
  const char* name;
  int attempt;
  bool barEmulation;
  bool unwanted;     // the start link names mirror c, and NoDiscard_c is "0"
  Transcript lines;  // what is logged before the link is followed (or the discard line)
  bool retry;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

const char* const kGiveUp = "Обойти выбранные подсети не удалось.";
const char* const kNoEmulation = "Без эмуляции Балмор.Бара обход выбранных сетей не работает.";

class MirrorRows : public PluginTest, public testing::WithParamInterface<Row> {};

TEST_P(MirrorRows, Decide) {
  const Row& row = GetParam();
  host.Init();
  if (row.unwanted) host.options["ZelvoDiskTrumo/NoDiscard_c"] = "0";
  host.replies["GetLocation"] = {{"http://c-zelvodisk.example/f"}};
  int attempt = row.attempt;

  const MirrorOutcome outcome = CheckMirrorAndFinish(pages::Public(), attempt, row.barEmulation);

  const std::string start = pages::StartLink('c');
  const Transcript reads = row.unwanted ? MirrorReads('c') : MirrorReads();
  const Transcript finish = {HTTPHead(start), GetLocation(), Log("Скачиваю с подсети c-zelvodisk.example"),
                             SetResult("http://c-zelvodisk.example/f#/|0|1")};
  EXPECT_EQ(host.calls, row.retry ? Then({reads, row.lines}) : Then({reads, row.lines, finish}));
  EXPECT_EQ(outcome, row.retry ? MirrorOutcome::Retry : MirrorOutcome::Finished);
  EXPECT_EQ(attempt, row.attempt + (row.retry ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    MirrorCheck, MirrorRows,
    testing::Values(Row{"WantedMirror", 1, true, false, {}, false},
                    Row{"WantedMirrorBehindCaptcha", 3, false, false, {}, false},
                    Row{"FirstAttemptDiscards",
                        1,
                        true,
                        true,
                        {Log("Отбрасываю ссылку: " + pages::StartLink('c'))},
                        true},
                    Row{"SecondAttemptDiscards",
                        2,
                        true,
                        true,
                        {Log("Отбрасываю ссылку: " + pages::StartLink('c'))},
                        true},
                    Row{"BehindCaptchaInTheFirstAttempt", 1, false, true, {Log(kNoEmulation)}, false},
                    Row{"BehindCaptchaInTheSecondAttempt", 2, false, true, {}, false},
                    Row{"ThirdAttemptGivesUp", 3, true, true, {Log(kGiveUp)}, false},
                    Row{"ThirdAttemptBehindCaptchaGivesUp", 3, false, true, {Log(kGiveUp)}, false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zelvo::test
