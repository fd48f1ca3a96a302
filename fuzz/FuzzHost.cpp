#include "FuzzHost.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "ServiceTable.h"

namespace zelvo::fuzz {
namespace {

const std::vector<std::string>* g_parts = nullptr;
std::size_t g_next = 0;
Record g_record;

void Called(const char* name) {
  g_record.anyCall = true;
  g_record.calls.emplace_back(name);
}

// The next reply of the script: nullopt for no reply at all.
std::optional<std::string> NextPart() {
  if (!g_parts || g_next >= g_parts->size()) return std::nullopt;
  return (*g_parts)[g_next++];
}

// Delivers the next reply; hands back the text delivered ("" for none or null).
std::string Reply(TReplyCallback reply) {
  const std::optional<std::string> part = NextPart();
  if (!part || *part == "@@none") return {};
  if (*part == "@@null") {
    reply(nullptr);
    return {};
  }
  reply(part->c_str());
  return *part;
}

void ZT_CALL GetPage(const char*, TReplyCallback reply) {
  Called("HostGetPage");
  Reply(reply);
}
void ZT_CALL PostPage(const char*, const char*, TReplyCallback reply) {
  Called("HostPostPage");
  Reply(reply);
}
void ZT_CALL Log(const char*) { Called("HostLog"); }
void ZT_CALL SaveFile(const char*, const char*) { Called("HostSaveFile"); }
void ZT_CALL SetResult(const char* answer) {
  Called("HostSetResult");
  g_record.answers.emplace_back(answer ? answer : "<null>");
}

void ZT_CALL HTTPHead(const char*, TReplyCallback reply) {
  Called("HTTPHead");
  Reply(reply);
}
int32_t ZT_CALL ShowMsg(const char*, uint32_t) {
  Called("ShowMsg");
  return 1;
}
void ZT_CALL SimpleOptions(const char*, TReplyCallback reply) {
  Called("SimpleOptions");
  Reply(reply);
}
void ZT_CALL GetOption(const char*, const char*, const char*, TReplyCallback reply) {
  Called("GetOption");
  Reply(reply);
}
void ZT_CALL SetOption(const char* section, const char* name, const char* value) {
  Called("SetOption");
  Require(section && std::string_view(section) == "ZelvoDiskTrumo", "options live in their own section");
  g_record.setOptions.emplace_back(name ? name : "<null>", value ? value : "<null>");
}
void ZT_CALL GetLocation(TReplyCallback reply) {
  Called("GetLocation");
  g_record.lastLocation = Reply(reply);
}
void ZT_CALL ModQuery(const char*) { Called("ModQuery"); }
void ZT_CALL ShowHAWindow(const char*, int32_t, TReplyCallback reply) {
  Called("ShowHAWindow");
  Reply(reply);
}
void ZT_CALL GetPicSize(const char*, TReplyCallback reply) {
  Called("GetPicSize");
  Reply(reply);
}
// The pixel services keep a block of their own in the slot, as a real host would.
void ZT_CALL SetArrLen(TDArray* array, int32_t first, int32_t second) {
  Called("SetArrLen");
  Require(array != nullptr, "the pixel slot is never null");
  std::free(*array);
  *array = first > 0 && second > 0 && first < 4096 && second < 4096
               ? std::calloc(static_cast<std::size_t>(first) * static_cast<std::size_t>(second), 1)
               : nullptr;
}
void ZT_CALL PicToArr(const char*, TDArray* array, int32_t, int32_t) {
  Called("PicToArr");
  Require(array != nullptr, "the pixel slot is never null");
}
void ZT_CALL ArrToPic(const char*, TDArray* array, int32_t, int32_t) {
  Called("ArrToPic");
  Require(array != nullptr, "the pixel slot is never null");
}
void ZT_CALL ProgName(TReplyCallback reply) {
  Called("ProgName");
  Reply(reply);
}

THostProc ZT_CALL GetProc(const char* name) {
  static const hostkit::ServiceTable services = {
      &HTTPHead,     &ShowMsg,    &SimpleOptions, &GetOption, &SetOption, &GetLocation, &ModQuery,
      &ShowHAWindow, &GetPicSize, &PicToArr,      &ArrToPic,  &SetArrLen, &ProgName};
  return hostkit::LookupService(services, name);
}

}  // namespace

std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kSeparator = "\n@@\n";
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = input.find(kSeparator, from);
    // A text from the host ends at its first zero byte, as a C string does.
    std::string part(input.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    part.resize(std::min(part.size(), part.find('\0')));
    parts.push_back(std::move(part));
    if (at == std::string_view::npos) break;
    from = at + kSeparator.size();
  }
  return parts;
}

void Play(const std::vector<std::string>& parts, std::size_t first) {
  g_parts = &parts;
  g_next = first;
  g_record = Record{};
}

Record& Recorded() { return g_record; }

void InitPlugin(std::uint32_t mode, const std::string& folder) {
  PlgInit(&GetPage, &PostPage, &Log, &GetProc, &SaveFile, &SetResult, mode, folder.c_str());
}

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char name[] = "/tmp/zelvo-fuzz-XXXXXX";
    const char* made = mkdtemp(name);
    if (!made) Broken("a scratch folder can be made");
    return std::string(made) + "/";
  }();
  return folder;
}

void Broken(std::string_view property, std::string_view detail) {
  std::fprintf(stderr, "property broken: %.*s\n%.*s\n", static_cast<int>(property.size()), property.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

void RequireSilenceAfterDestroy() {
  PlgDestroy();
  g_record = Record{};
  PlgInfo();
  PlgGetAbout();
  PlgGetOptions();
  PlgGetDirectLink("http://zelvodisk.example/disk/1.html");
  PlgOnError(0, "Downloaded html", "504 Gateway Time-out");
  PlgOnSuccess(0, 0, "/tmp/file.bin");
  PlgDestroy();
  Require(!g_record.anyCall, "no host call after PlgDestroy");
}

}  // namespace zelvo::fuzz
