// A host for the fuzzers whose every reply comes from the input. The input is a list of parts
// separated by "\n@@\n": the targets take their own arguments from the first parts, and each
// reply of a service is the next part ("@@none": the service delivers nothing, "@@null": it
// delivers a null text). A broken property stops the run at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::fuzz {

std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size);

// Part i of the input, empty when the input has fewer parts.
inline std::string Part(const std::vector<std::string>& parts, std::size_t i) {
  return i < parts.size() ? parts[i] : std::string();
}

// The flag bits of a target: the first byte of the first part.
inline unsigned FlagsOf(const std::vector<std::string>& parts) {
  return parts[0].empty() ? 0u : static_cast<unsigned char>(parts[0][0]);
}

struct Record {
  std::vector<std::string> answers;  // HostSetResult, in order
  std::vector<std::string> calls;    // the name of every entry called, in order
  std::string lastLocation;          // the text the last GetLocation call delivered
  std::vector<std::pair<std::string, std::string>> setOptions;
  bool anyCall = false;
};

// Starts a script: the replies are parts[first...]; the record is emptied.
void Play(const std::vector<std::string>& parts, std::size_t first);
Record& Recorded();

// PlgInit with the fuzz host's entries.
void InitPlugin(std::uint32_t mode, const std::string& folder);

// A folder of the process's own under the temporary folder, ending in "/".
const std::string& ScratchFolder();

[[noreturn]] void Broken(std::string_view property, std::string_view detail = {});
inline void Require(bool holds, std::string_view property, std::string_view detail = {}) {
  if (!holds) Broken(property, detail);
}

// Every export after PlgDestroy must leave the host alone.
void RequireSilenceAfterDestroy();

}  // namespace zelvo::fuzz
