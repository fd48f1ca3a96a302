// An in-process host for whole jobs with no I/O: every service answers from memory, and the only
// record kept is the last answer.
#pragma once

#include <string>

namespace zelvo::bench {

struct Script {
  std::string page;         // the reply to the file page's request
  std::string description;  // the captcha description
  std::string postReply;    // the reply to either post
  std::string location = "http://c-zelvodisk.example/f/4711/file";
};

// The script that the host plays; the host reads it, the benchmark owns it.
void UseScript(const Script* script);

// PlgInit with the host's callbacks, mode 0 and the given folder (ending in "/").
void StartPlugin(const std::string& folder);

// The last answer the plug-in gave through HostSetResult.
const std::string& LastAnswer();

}  // namespace zelvo::bench
