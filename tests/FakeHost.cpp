#include "FakeHost.h"

#include <stdexcept>
#include <utility>

#include "AnsiText.h"

namespace zelvo::test {
namespace {

FakeHost* g_current = nullptr;

std::string Text(const char* text) { return text ? std::string(text) : std::string("<null>"); }

// Records the call and answers it: a scripted reply if one is left, else the fallback.
void Serve(const char* name, std::vector<std::string> args, TReplyCallback reply,
           std::optional<std::string> fallback = std::nullopt) {
  FakeHost& host = FakeHost::Current();
  HostCall call{name, std::move(args)};
  host.Record(call, reply);
  if (host.onCall) host.onCall(call);
  if (!reply) return;
  auto scripted = host.replies.find(name);
  if (scripted != host.replies.end() && !scripted->second.empty()) {
    const Reply texts = scripted->second.front();
    scripted->second.pop_front();
    for (const auto& text : texts) reply(text ? text->c_str() : nullptr);
  } else if (fallback) {
    reply(fallback->c_str());
  }
}

void ZT_CALL HostGetPage(const char* request, TReplyCallback reply) {
  Serve("HostGetPage", {Text(request), "reply"}, reply);
}
void ZT_CALL HostPostPage(const char* address, const char* body, TReplyCallback reply) {
  Serve("HostPostPage", {Text(address), Text(body), "reply"}, reply);
}
void ZT_CALL HostLog(const char* line) { Serve("HostLog", {Text(line)}, nullptr); }
void ZT_CALL HostSaveFile(const char* path, const char* content) {
  Serve("HostSaveFile", {Text(path), Text(content)}, nullptr);
}
void ZT_CALL HostSetResult(const char* answer) { Serve("HostSetResult", {Text(answer)}, nullptr); }
THostProc ZT_CALL HostGetProc(const char* name) {
  FakeHost& host = FakeHost::Current();
  host.Record({"HostGetProc", {Text(name)}}, nullptr);
  return host.Lookup(Text(name));
}

void ZT_CALL HTTPHead(const char* address, TReplyCallback reply) {
  Serve("HTTPHead", {Text(address), "reply"}, reply);
}
int32_t ZT_CALL ShowMsg(const char* message, uint32_t kind) {
  Serve("ShowMsg", {Text(message), std::to_string(kind)}, nullptr);
  return FakeHost::Current().showMsgResult;
}
void ZT_CALL SimpleOptions(const char* form, TReplyCallback reply) {
  Serve("SimpleOptions", {Text(form), "reply"}, reply);
}
void ZT_CALL GetOption(const char* section, const char* name, const char* defaultValue,
                       TReplyCallback reply) {
  const auto& options = FakeHost::Current().options;
  const auto stored = options.find(Text(section) + "/" + Text(name));
  Serve("GetOption", {Text(section), Text(name), Text(defaultValue), "reply"}, reply,
        stored != options.end() ? stored->second : Text(defaultValue));
}
void ZT_CALL SetOption(const char* section, const char* name, const char* value) {
  Serve("SetOption", {Text(section), Text(name), Text(value)}, nullptr);
  FakeHost::Current().options[Text(section) + "/" + Text(name)] = Text(value);
}
void ZT_CALL GetLocation(TReplyCallback reply) { Serve("GetLocation", {"reply"}, reply); }
void ZT_CALL ModQuery(const char* link) { Serve("ModQuery", {Text(link)}, nullptr); }
void ZT_CALL ShowHAWindow(const char* prompt, int32_t value, TReplyCallback reply) {
  Serve("ShowHAWindow", {Text(prompt), std::to_string(value), "reply"}, reply);
}
void ZT_CALL GetPicSize(const char* path, TReplyCallback reply) {
  Serve("GetPicSize", {Text(path), "reply"}, reply);
}
std::string ArrayArg(const TDArray* array) {
  FakeHost& host = FakeHost::Current();
  host.arraySlots.push_back(array);
  host.arrayContents.push_back(array ? *array : nullptr);
  return array ? "array" : "<null>";
}
void ZT_CALL PicToArr(const char* path, TDArray* array, int32_t width, int32_t height) {
  Serve("PicToArr", {Text(path), ArrayArg(array), std::to_string(width), std::to_string(height)}, nullptr);
}
void ZT_CALL ArrToPic(const char* path, TDArray* array, int32_t width, int32_t height) {
  Serve("ArrToPic", {Text(path), ArrayArg(array), std::to_string(width), std::to_string(height)}, nullptr);
}
void ZT_CALL SetArrLen(TDArray* array, int32_t first, int32_t second) {
  Serve("SetArrLen", {ArrayArg(array), std::to_string(first), std::to_string(second)}, nullptr);
  if (!array) return;
  auto& blocks = FakeHost::Current().arrayBlocks;
  *array = first == 0 && second == 0 ? nullptr : &blocks.emplace_back(first);
}
void ZT_CALL ProgName(TReplyCallback reply) { Serve("ProgName", {"reply"}, reply); }

// The services the plug-in only looks up: any call of one shows up in the transcript.
template <int Index>
void ZT_CALL NeverCalled() {
  static constexpr const char* kNames[] = {"WaitTime",     "RelocationMode", "SetReferer", "GetHeaders",
                                           "GetClipboard", "AddQuery",       "SetCookie",  "GetCookie",
                                           "SetStatus",    "GifToArr",       "GetVersion"};
  FakeHost::Current().Record({kNames[Index], {}}, nullptr);
}

template <class F>
THostProc Proc(F f) {
  return reinterpret_cast<THostProc>(f);
}

}  // namespace

void PrintTo(const HostCall& call, std::ostream* os) {
  *os << call.name << "(";
  for (std::size_t i = 0; i < call.args.size(); ++i) {
    std::string arg = Readable(call.args[i]);
    if (arg.size() > 300) arg = arg.substr(0, 300) + "...";
    *os << (i ? ", " : "") << "\"" << arg << "\"";
  }
  *os << ")";
}

FakeHost::FakeHost() {
  if (g_current) throw std::logic_error("one fake host at a time");
  g_current = this;
}

FakeHost::~FakeHost() {
  PlgDestroy();
  g_current = nullptr;
}

FakeHost& FakeHost::Current() {
  if (!g_current) throw std::logic_error("no fake host");
  return *g_current;
}

void FakeHost::Record(HostCall call, TReplyCallback reply) {
  if (reply) {
    if (!replyCallback_) replyCallback_ = reply;
    if (reply != replyCallback_) foreignReplyCallback = true;
  }
  calls.push_back(std::move(call));
}

THostProc FakeHost::Lookup(const std::string& name) {
  static const std::map<std::string, THostProc> kServices = {
      {"HTTPHead", Proc(&HTTPHead)},
      {"ShowMsg", Proc(&ShowMsg)},
      {"SimpleOptions", Proc(&SimpleOptions)},
      {"GetOption", Proc(&GetOption)},
      {"SetOption", Proc(&SetOption)},
      {"GetLocation", Proc(&GetLocation)},
      {"ModQuery", Proc(&ModQuery)},
      {"ShowHAWindow", Proc(&ShowHAWindow)},
      {"GetPicSize", Proc(&GetPicSize)},
      {"PicToArr", Proc(&PicToArr)},
      {"ArrToPic", Proc(&ArrToPic)},
      {"SetArrLen", Proc(&SetArrLen)},
      {"ProgName", Proc(&ProgName)},
      {"WaitTime", Proc(&NeverCalled<0>)},
      {"RelocationMode", Proc(&NeverCalled<1>)},
      {"SetReferer", Proc(&NeverCalled<2>)},
      {"GetHeaders", Proc(&NeverCalled<3>)},
      {"GetClipboard", Proc(&NeverCalled<4>)},
      {"AddQuery", Proc(&NeverCalled<5>)},
      {"SetCookie", Proc(&NeverCalled<6>)},
      {"GetCookie", Proc(&NeverCalled<7>)},
      {"SetStatus", Proc(&NeverCalled<8>)},
      {"GifToArr", Proc(&NeverCalled<9>)},
      {"GetVersion", Proc(&NeverCalled<10>)},
  };
  if (missing.count(name)) return nullptr;
  const auto it = kServices.find(name);
  return it == kServices.end() ? nullptr : it->second;
}

Transcript FakeHost::Init(uint32_t mode, const char* folder) {
  auto entry = [this](const char* name, auto callback) {
    return missing.count(name) ? decltype(callback){} : callback;
  };
  PlgInit(entry("HostGetPage", &HostGetPage), entry("HostPostPage", &HostPostPage),
          entry("HostLog", &HostLog), entry("HostGetProc", &HostGetProc),
          entry("HostSaveFile", &HostSaveFile), entry("HostSetResult", &HostSetResult), mode, folder);
  return std::exchange(calls, {});
}

}  // namespace zelvo::test
