// PlgOnError and PlgOnSuccess with fuzzed texts and a fuzzed set of files in the download's
// folder. The file name comes from a job on a fuzzed page, as it would in the host.
// Input parts: flags (byte 0: bit 0 debug mode), the page, the error text, the downloaded
// content, the downloaded path below the folder, the names of existing files (one per line),
// then the replies for the page's job after the page itself.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FuzzHost.h"

namespace zelvo::fuzz {
namespace {

// A fresh folder with the given files in it; a name that is not one plain component is skipped.
std::string Folder(const std::string& names) {
  const std::filesystem::path folder = ScratchFolder() + "download";
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder, error);
  std::istringstream lines(names);
  int count = 0;
  for (std::string name; std::getline(lines, name) && count < 16; ++count)
    if (!name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos)
      std::ofstream(folder / name) << "x";
  return folder.string();
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace
}  // namespace zelvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo::fuzz;
  const std::vector<std::string> parts = SplitInput(data, size);
  const unsigned flags = FlagsOf(parts);
  const std::string folder = Folder(Part(parts, 5));

  // The job: its page is part 1, its further replies follow the fixed parts.
  std::vector<std::string> job = {Part(parts, 1)};
  job.insert(job.end(), parts.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(parts.size(), 6)),
             parts.end());
  Play(job, 0);
  InitPlugin(flags & 1u, ScratchFolder());
  PlgGetDirectLink("http://zelvodisk.example/disk/4711.html");

  Play(parts, parts.size());  // the hooks get no replies but ProgName's silence
  PlgOnError(0, Part(parts, 2).c_str(), Part(parts, 3).c_str());
  Require(Recorded().answers.empty(), "the error hook never answers");

  Recorded() = Record{};
  const std::string downloaded = folder + "/" + Part(parts, 4);
  PlgOnSuccess(0, 0, downloaded.c_str());
  const Record& record = Recorded();
  Require(record.answers.size() <= 1, "at most one proposal");
  if (!record.answers.empty()) {
    // Inside the download's own folder: its path up to the last separator, then one component.
    const std::string& proposal = record.answers[0];
    const std::size_t cut = downloaded.find_last_of("\\/:");
    const std::string own = downloaded.substr(0, cut + 1);
    Require(proposal.starts_with(own), "the proposal is in the download's folder", proposal);
    const std::string name = proposal.substr(own.size());
    Require(!name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos,
            "the proposal names one plain file", proposal);
    Require(name.find_first_not_of(". ") != std::string::npos, "the proposal is not dots and blanks",
            proposal);
    Require(!IsFile(proposal), "the proposal is free", proposal);
  }
  RequireSilenceAfterDestroy();
  return 0;
}
