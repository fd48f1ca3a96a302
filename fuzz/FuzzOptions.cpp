// PlgGetOptions with fuzzed stored options and a fuzzed form answer.
// Input parts: the seven stored option texts, then the form answer.
#include "FuzzHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo::fuzz;
  const std::vector<std::string> parts = SplitInput(data, size);
  Play(parts, 0);
  InitPlugin(0, ScratchFolder());
  Recorded() = Record{};
  PlgGetOptions();
  const Record& record = Recorded();

  // Seven reads, the form once, then either the message or exactly seven stores.
  std::size_t at = 0;
  while (at < record.calls.size() && record.calls[at] == "GetOption") ++at;
  Require(at == 7, "the seven options are read before the form");
  Require(at < record.calls.size() && record.calls[at] == "SimpleOptions", "the form comes after the reads");
  const std::vector<std::string> after(record.calls.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                       record.calls.end());
  const bool saved = !after.empty() && after[0] == "SetOption";
  if (saved) {
    Require(after == std::vector<std::string>(7, "SetOption"), "an answer stores exactly seven options");
  } else {
    Require(after == std::vector<std::string>{"ShowMsg"}, "nothing to save is said once, and nothing stored");
  }
  Require(record.answers.empty(), "the options form gives no answer");
  RequireSilenceAfterDestroy();
  return 0;
}
