#include "ScriptedHost.h"

#include <string_view>

#include "ServiceTable.h"
#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::bench {
namespace {

const Script* g_script = nullptr;
std::string g_answer;
// The host's block for the captcha pixels; the plug-in only holds the slot.
char g_pixels[64];

void ZT_CALL GetPage(const char* request, TReplyCallback reply) {
  const std::string_view text(request);
  if (text.find('|') != std::string_view::npos) return;  // the picture: already in place
  reply(text.find("getcapchaxml") != std::string_view::npos ? g_script->description.c_str()
                                                            : g_script->page.c_str());
}
void ZT_CALL PostPage(const char*, const char*, TReplyCallback reply) { reply(g_script->postReply.c_str()); }
void ZT_CALL Log(const char*) {}
void ZT_CALL SaveFile(const char*, const char*) {}
void ZT_CALL SetResult(const char* answer) { g_answer = answer; }

void ZT_CALL HTTPHead(const char*, TReplyCallback reply) { reply(""); }
void ZT_CALL GetOption(const char*, const char*, const char*, TReplyCallback reply) { reply("1"); }
void ZT_CALL GetLocation(TReplyCallback reply) { reply(g_script->location.c_str()); }
void ZT_CALL ModQuery(const char*) {}
void ZT_CALL ShowHAWindow(const char*, int32_t, TReplyCallback reply) { reply("4711"); }
void ZT_CALL GetPicSize(const char*, TReplyCallback reply) { reply("4|4"); }
void ZT_CALL PicToArr(const char*, TDArray*, int32_t, int32_t) {}
void ZT_CALL ArrToPic(const char*, TDArray*, int32_t, int32_t) {}
void ZT_CALL SetArrLen(TDArray* array, int32_t first, int32_t second) {
  *array = first == 0 && second == 0 ? nullptr : g_pixels;
}
void ZT_CALL ProgName(TReplyCallback reply) { reply(""); }

THostProc ZT_CALL GetProc(const char* name) {
  static const hostkit::ServiceTable services = {.HTTPHead = &HTTPHead,
                                                 .GetOption = &GetOption,
                                                 .GetLocation = &GetLocation,
                                                 .ModQuery = &ModQuery,
                                                 .ShowHAWindow = &ShowHAWindow,
                                                 .GetPicSize = &GetPicSize,
                                                 .PicToArr = &PicToArr,
                                                 .ArrToPic = &ArrToPic,
                                                 .SetArrLen = &SetArrLen,
                                                 .ProgName = &ProgName};
  return hostkit::LookupService(services, name);
}

}  // namespace

void UseScript(const Script* script) { g_script = script; }

void StartPlugin(const std::string& folder) {
  PlgInit(&GetPage, &PostPage, &Log, &GetProc, &SaveFile, &SetResult, 0, folder.c_str());
}

const std::string& LastAnswer() { return g_answer; }

}  // namespace zelvo::bench
