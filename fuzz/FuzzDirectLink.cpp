// PlgGetDirectLink with a fuzzed link and every host reply fuzzed: pages, post replies, the
// captcha description, option values, the location and the prompt answers.
// Input parts: flags (byte 0: bit 0 debug mode, bit 1 a captcha picture on disk), the link,
// then the replies in the order the services ask for them.
#include <cstdio>
#include <fstream>

#include "FuzzHost.h"

namespace zelvo::fuzz {
namespace {

constexpr std::string_view kSuccessEnd = "|0|1";

void CheckAnswer(const std::string& answer, const Record& record) {
  if (answer.starts_with('%')) return;
  // A success answer: the direct link as GetLocation reported it, "#/", a plain name, "|0|1".
  Require(answer.ends_with(kSuccessEnd), "a success answer ends with |0|1", answer);
  const std::string& link = record.lastLocation;
  Require(!link.empty() && answer.starts_with(link + "#/"), "the direct link is the reported location",
          answer);
  const std::string_view name =
      std::string_view(answer).substr(link.size() + 2, answer.size() - link.size() - 2 - kSuccessEnd.size());
  Require(name.find_first_of("|\\/:*?\"<>") == std::string_view::npos, "the name is one plain component",
          answer);
}

}  // namespace
}  // namespace zelvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo::fuzz;
  const std::vector<std::string> parts = SplitInput(data, size);
  const unsigned flags = FlagsOf(parts);
  const std::string link = Part(parts, 1);

  const std::string folder = ScratchFolder();
  const std::string picture = folder + "ZelvoDisk.gif";
  if (flags & 2u)
    std::ofstream(picture) << "GIF89a";
  else
    std::remove(picture.c_str());

  Play(parts, 2);
  InitPlugin(flags & 1u, folder);
  Recorded() = Record{};
  PlgGetDirectLink(link.c_str());
  const Record& record = Recorded();
  Require(record.answers.size() <= 1, "at most one answer per job");
  if (!record.answers.empty()) CheckAnswer(record.answers[0], record);
  RequireSilenceAfterDestroy();
  return 0;
}
