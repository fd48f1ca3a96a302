#include "HostTable.h"

#include <new>

#include "Bridge.h"
#include "Text.h"

namespace zelvo {

HostTable g_host;
bool DebugMode = false;
std::string PluginDir;
std::string LastReply;

namespace {
bool g_replyLost = false;
}

// Runs inside the host's code: nothing may escape from here.
void ZT_CALL ReplyCallback(const char* text) {
  try {
    // Built aside first: the host may hand back the plug-in's own LastReply text.
    std::string copy(HostText(text));
    LastReply.swap(copy);
  } catch (...) {
    LastReply.clear();
    g_replyLost = true;
  }
}

void StartReply() {
  LastReply.clear();
  g_replyLost = false;
}

void CheckReply() {
  if (g_replyLost) {
    g_replyLost = false;
    throw std::bad_alloc();
  }
}

void BindHost(THostGetPage getPage, THostPostPage postPage, THostLog log, THostGetProc getProc,
              THostSaveFile saveFile, THostSetResult setResult, uint32_t mode, const char* folder,
              std::string_view linkMasks) {
  DebugMode = (mode & 0xFFu) == 1;
  PluginDir = HostText(folder);
  g_host = HostTable{getPage, postPage, log, getProc, saveFile, setResult, {}};
  // Without HostGetProc the host offers no services: every entry stays empty.
  if (getProc)
    for (std::size_t i = 0; i < kServiceNames.size(); ++i) g_host.services[i] = getProc(kServiceNames[i]);
  SetResult(Concat(linkMasks, "|1359"));
}

void UnbindHost() { g_host = HostTable{}; }

void ResetUtilityState() {
  g_host = HostTable{};
  DebugMode = false;
  PluginDir.clear();
  LastReply.clear();
  g_replyLost = false;
}

}  // namespace zelvo
