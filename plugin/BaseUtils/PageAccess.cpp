#include "PageAccess.h"

#include "Bridge.h"
#include "HostTable.h"
#include "Platform.h"
#include "Text.h"

namespace zelvo {
namespace {

// Converts LastReply in place when it declares UTF-8, and hands it out.
std::string TakeDecodedReply() {
  CheckReply();
  if (DeclaresUtf8(LastReply)) LastReply = platform::Utf8ToAnsi(LastReply);
  return LastReply;
}

}  // namespace

bool DeclaresUtf8(std::string_view reply) {
  return ContainsIgnoringCase(reply, "charset=utf-8") || ContainsIgnoringCase(reply, "charset=\"utf-8");
}

std::string GetPage(std::string_view request) {
  if (DebugMode && ContainsIgnoringCase(request, "https://") && ProgName().empty())
    Log(Concat("* GET URL: <", request, ">"));
  StartReply();
  if (!g_host.HostGetPage) return {};
  g_host.HostGetPage(HostArg(request).c_str(), &ReplyCallback);
  return TakeDecodedReply();
}

std::string PostPage(std::string_view address, std::string_view body) {
  StartReply();
  if (!g_host.HostPostPage) return {};
  g_host.HostPostPage(HostArg(address).c_str(), HostArg(body).c_str(), &ReplyCallback);
  return TakeDecodedReply();
}

void DumpPage(std::string_view path, std::string_view text) {
  if (g_host.HostSaveFile) g_host.HostSaveFile(HostArg(path).c_str(), HostArg(text).c_str());
}

void RemoveFile(const std::string& path) { platform::RemoveFileQuietly(path); }

}  // namespace zelvo
