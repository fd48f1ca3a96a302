// The host table: the six callbacks of PlgInit and the 24 named services, bound by BindHost and
// forgotten by UnbindHost. Only the bridge (Bridge.cpp, PageAccess.cpp) reads it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "../ZelvoDiskTrumoAbi.h"

namespace zelvo {

// The services in the order of their lookup; the names are the host's.
enum class Service {
  HTTPHead,
  ShowMsg,
  SimpleOptions,
  GetOption,
  SetOption,
  WaitTime,
  RelocationMode,
  SetReferer,
  GetHeaders,
  GetLocation,
  GetClipboard,
  AddQuery,
  ModQuery,
  SetCookie,
  GetCookie,
  SetStatus,
  ShowHAWindow,
  GetPicSize,
  PicToArr,
  GifToArr,
  ArrToPic,
  SetArrLen,
  GetVersion,
  ProgName,
};
inline constexpr std::array<const char*, 24> kServiceNames = {
    "HTTPHead",       "ShowMsg",    "SimpleOptions", "GetOption",   "SetOption",    "WaitTime",
    "RelocationMode", "SetReferer", "GetHeaders",    "GetLocation", "GetClipboard", "AddQuery",
    "ModQuery",       "SetCookie",  "GetCookie",     "SetStatus",   "ShowHAWindow", "GetPicSize",
    "PicToArr",       "GifToArr",   "ArrToPic",      "SetArrLen",   "GetVersion",   "ProgName",
};

struct HostTable {
  THostGetPage HostGetPage = nullptr;
  THostPostPage HostPostPage = nullptr;
  THostLog HostLog = nullptr;
  THostGetProc HostGetProc = nullptr;
  THostSaveFile HostSaveFile = nullptr;
  THostSetResult HostSetResult = nullptr;
  std::array<THostProc, kServiceNames.size()> services{};
};

// Process-wide state of the utility unit.
extern HostTable g_host;
extern bool DebugMode;         // adds debug lines, page copies and the error hook
extern std::string PluginDir;  // a prefix, file names are appended directly
extern std::string LastReply;  // the last text delivered to ReplyCallback

// A text for the host: zero-terminated, never null (an empty text is an empty string). Keep the
// result alive for the whole call: `entry(HostArg(text).c_str())`.
inline std::string HostArg(std::string_view text) { return std::string(text); }

template <class Entry>
Entry ServiceEntry(Service service) {
  return reinterpret_cast<Entry>(g_host.services[static_cast<std::size_t>(service)]);
}

void ZT_CALL ReplyCallback(const char* text);

// Empties LastReply before a host call that may deliver a reply.
void StartReply();

// Throws when the last reply could not be stored, so that the export ends the job quietly
// instead of going on with a reply that never arrived.
void CheckReply();

void BindHost(THostGetPage getPage, THostPostPage postPage, THostLog log, THostGetProc getProc,
              THostSaveFile saveFile, THostSetResult setResult, uint32_t mode, const char* folder,
              std::string_view linkMasks);
void UnbindHost();

// The values a fresh load of the library gives (for a host that reloads it, and for tests).
void ResetUtilityState();

}  // namespace zelvo
