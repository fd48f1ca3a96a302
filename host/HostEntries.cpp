#include "HostEntries.h"

#include <fstream>
#include <iostream>
#include <string_view>
#include <utility>

#include "Encoding.h"
#include "Http.h"
#include "OptionStore.h"
#include "Pictures.h"
#include "Prompts.h"
#include "ServiceTable.h"

namespace zelvo::host {
namespace {

EntrySettings g_settings;

// The entries run inside the plug-in's calls: nothing thrown here may travel into its frames.
template <class Body>
auto Guard(Body&& body) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (const std::exception& error) {
    std::cerr << "zelvo-host: " << error.what() << "\n";
  } catch (...) {
  }
  return decltype(body())();
}
std::vector<std::string> g_answers;

// Paths come from the plug-in in Windows-1251; the file system here is UTF-8.
std::string FsPath(const char* ansi) { return Utf8FromAnsi(ansi ? ansi : ""); }
std::string Text(const char* ansi) { return ansi ? ansi : ""; }

void Deliver(TReplyCallback reply, const std::string& text) {
  if (reply) reply(text.c_str());
}

void DeliverPage(const HttpReply& page, TReplyCallback reply) {
  if (!page.delivered) {
    std::cerr << "zelvo-host: request failed: " << FirstFailure() << "\n";
    return;  // the plug-in sees a request that brought nothing
  }
  Deliver(reply, page.body);
}

void ZT_CALL HTTPHead(const char* address, TReplyCallback reply) {
  return Guard([&] {
    const HttpReply head = Head(Text(address));
    if (head.delivered)
      Deliver(reply, head.headers);
    else
      std::cerr << "zelvo-host: request failed: " << FirstFailure() << "\n";
  });
}

int32_t ZT_CALL ShowMsg(const char* message, uint32_t kind) {
  return Guard([&] {
    std::cerr << "zelvo-host: message (kind " << kind << "): " << Utf8FromAnsi(Text(message)) << "\n";
    return 1;
  });
}

void ZT_CALL SimpleOptions(const char* form, TReplyCallback reply) {
  return Guard([&] { Deliver(reply, AnsiFromUtf8(AskOptions(Utf8FromAnsi(Text(form))))); });
}

void ZT_CALL GetOption(const char* section, const char* name, const char* defaultValue,
                       TReplyCallback reply) {
  return Guard([&] {
    const auto stored = ReadOption(Utf8FromAnsi(Text(section)), Utf8FromAnsi(Text(name)));
    Deliver(reply, stored ? AnsiFromUtf8(*stored) : Text(defaultValue));
  });
}

void ZT_CALL SetOption(const char* section, const char* name, const char* value) {
  return Guard([&] {
    if (!WriteOption(Utf8FromAnsi(Text(section)), Utf8FromAnsi(Text(name)), Utf8FromAnsi(Text(value))))
      std::cerr << "zelvo-host: the options could not be saved\n";
  });
}

void ZT_CALL GetLocation(TReplyCallback reply) {
  Guard([&] { Deliver(reply, LastLocation()); });
}

void ZT_CALL ModQuery(const char* link) {
  return Guard(
      [&] { std::cerr << "zelvo-host: the job's link is now " << Utf8FromAnsi(Text(link)) << "\n"; });
}

void ZT_CALL ShowHAWindow(const char* prompt, int32_t, TReplyCallback reply) {
  return Guard([&] {
    // "picture path|question"
    const std::string text = Text(prompt);
    const std::size_t bar = text.find('|');
    const std::string path = Utf8FromAnsi(text.substr(0, bar));
    const std::string question = bar == std::string::npos ? "" : Utf8FromAnsi(text.substr(bar + 1));
    Deliver(reply, AnsiFromUtf8(AskCaptchaText(path, question, g_settings.captchaAnswer)));
  });
}

void ZT_CALL GetPicSize(const char* path, TReplyCallback reply) {
  return Guard([&] {
    if (const std::string size = PictureSize(FsPath(path)); !size.empty()) Deliver(reply, size);
  });
}

void ZT_CALL PicToArr(const char* path, TDArray* array, int32_t width, int32_t height) {
  return Guard([&] { DecodeInto(FsPath(path), array, width, height); });
}

void ZT_CALL ArrToPic(const char* path, TDArray* array, int32_t width, int32_t height) {
  return Guard([&] { WriteBmp(FsPath(path), array, width, height); });
}

void ZT_CALL SetArrLen(TDArray* array, int32_t first, int32_t second) {
  Guard([&] { ResizeBlock(array, first, second); });
}

// This host leaves renaming a finished download to the plug-in's proposal.
void ZT_CALL ProgName(TReplyCallback reply) {
  Guard([&] { Deliver(reply, ""); });
}

}  // namespace

void ConfigureEntries(const EntrySettings& settings) { g_settings = settings; }

std::vector<std::string> TakeAnswers() { return std::exchange(g_answers, {}); }

void ZT_CALL HostGetPage(const char* request, TReplyCallback reply) {
  return Guard([&] {
    const std::string text = Text(request);
    // "address|path": the response goes into the file; the reply is not used.
    if (const std::size_t bar = text.find('|'); bar != std::string::npos) {
      const HttpReply picture = Get(text.substr(0, bar));
      if (!picture.delivered) {
        std::cerr << "zelvo-host: request failed: " << FirstFailure() << "\n";
        return;
      }
      std::ofstream(Utf8FromAnsi(text.substr(bar + 1)), std::ios::binary | std::ios::trunc) << picture.body;
      return;
    }
    DeliverPage(Get(text), reply);
  });
}

void ZT_CALL HostPostPage(const char* address, const char* body, TReplyCallback reply) {
  return Guard([&] { DeliverPage(Post(Text(address), Text(body)), reply); });
}

void ZT_CALL HostLog(const char* line) {
  Guard([&] { std::cerr << Utf8FromAnsi(Text(line)) << "\n"; });
}

THostProc ZT_CALL HostGetProc(const char* name) {
  // The eleven services that the plug-in never calls are left out.
  static const hostkit::ServiceTable services = {
      &HTTPHead,     &ShowMsg,    &SimpleOptions, &GetOption, &SetOption, &GetLocation, &ModQuery,
      &ShowHAWindow, &GetPicSize, &PicToArr,      &ArrToPic,  &SetArrLen, &ProgName};
  return Guard([&] { return hostkit::LookupService(services, name ? name : ""); });
}

void ZT_CALL HostSaveFile(const char* path, const char* content) {
  return Guard([&] { std::ofstream(FsPath(path), std::ios::binary | std::ios::trunc) << Text(content); });
}

void ZT_CALL HostSetResult(const char* answer) {
  Guard([&] { g_answers.push_back(Text(answer)); });
}

}  // namespace zelvo::host
