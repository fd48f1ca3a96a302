// The host side of the ABI: the six callbacks of PlgInit and the services found by name.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::host {

struct EntrySettings {
  std::optional<std::string> captchaAnswer;  // UTF-8
};

void ConfigureEntries(const EntrySettings& settings);

// What the plug-in answered through HostSetResult since the last call, in Windows-1251.
std::vector<std::string> TakeAnswers();

void ZT_CALL HostGetPage(const char* request, TReplyCallback reply);
void ZT_CALL HostPostPage(const char* address, const char* body, TReplyCallback reply);
void ZT_CALL HostLog(const char* line);
THostProc ZT_CALL HostGetProc(const char* name);
void ZT_CALL HostSaveFile(const char* path, const char* content);
void ZT_CALL HostSetResult(const char* answer);

}  // namespace zelvo::host
