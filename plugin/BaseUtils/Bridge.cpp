#include "Bridge.h"

#include "HostTable.h"

namespace zelvo {
namespace {

// Calls a text-returning entry and copies the reply it delivered.
template <class Entry, class... Args>
std::string Ask(Entry entry, Args&&... args) {
  StartReply();
  if (!entry) return {};
  entry(std::forward<Args>(args)..., &ReplyCallback);
  CheckReply();
  return LastReply;
}

}  // namespace

void Log(std::string_view line) {
  if (g_host.HostLog) g_host.HostLog(HostArg(line).c_str());
}

void SetResult(std::string_view answer) {
  if (g_host.HostSetResult) g_host.HostSetResult(HostArg(answer).c_str());
}

std::string HTTPHead(std::string_view address) {
  return Ask(ServiceEntry<THTTPHead>(Service::HTTPHead), HostArg(address).c_str());
}

std::string GetOption(std::string_view section, std::string_view name, std::string_view defaultValue) {
  return Ask(ServiceEntry<TGetOption>(Service::GetOption), HostArg(section).c_str(), HostArg(name).c_str(),
             HostArg(defaultValue).c_str());
}

std::string GetLocation() { return Ask(ServiceEntry<TGetLocation>(Service::GetLocation)); }

std::string ShowHAWindow(std::string_view prompt, int32_t value) {
  return Ask(ServiceEntry<TShowHAWindow>(Service::ShowHAWindow), HostArg(prompt).c_str(), value);
}

std::string GetPicSize(std::string_view path) {
  return Ask(ServiceEntry<TGetPicSize>(Service::GetPicSize), HostArg(path).c_str());
}

std::string ProgName() { return Ask(ServiceEntry<TProgName>(Service::ProgName)); }

int32_t ShowMsg(std::string_view message, uint8_t kind) {
  const auto entry = ServiceEntry<TShowMsg>(Service::ShowMsg);
  return entry ? entry(HostArg(message).c_str(), kind) : 0;
}

void SimpleOptions(std::string_view form) {
  StartReply();
  if (const auto entry = ServiceEntry<TSimpleOptions>(Service::SimpleOptions)) {
    entry(HostArg(form).c_str(), &ReplyCallback);
    CheckReply();
  }
}

void SetOption(std::string_view section, std::string_view name, std::string_view value) {
  if (const auto entry = ServiceEntry<TSetOption>(Service::SetOption))
    entry(HostArg(section).c_str(), HostArg(name).c_str(), HostArg(value).c_str());
}

void ModQuery(std::string_view link) {
  if (const auto entry = ServiceEntry<TModQuery>(Service::ModQuery)) entry(HostArg(link).c_str());
}

void PicToArr(std::string_view path, TDArray* array, int32_t width, int32_t height) {
  if (const auto entry = ServiceEntry<TPicToArr>(Service::PicToArr))
    entry(HostArg(path).c_str(), array, width, height);
}

void ArrToPic(std::string_view path, TDArray* array, int32_t width, int32_t height) {
  if (const auto entry = ServiceEntry<TArrToPic>(Service::ArrToPic))
    entry(HostArg(path).c_str(), array, width, height);
}

void SetArrLen(TDArray* array, int32_t first, int32_t second) {
  if (const auto entry = ServiceEntry<TSetArrLen>(Service::SetArrLen)) entry(array, first, second);
}

}  // namespace zelvo
