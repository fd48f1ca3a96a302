// zelvo-host: a host for the plug-in on the command line. It loads the native library, plays
// the download manager's part of the ABI with real HTTP, and prints the plug-in's answers.
#include <curl/curl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Encoding.h"
#include "HostEntries.h"
#include "Http.h"
#include "OptionStore.h"
#include "PluginLibrary.h"

namespace zelvo::host {
namespace {

// Exit codes of resolve; the other commands end with 0 or kUsage.
constexpr int kDirectLink = 0;
constexpr int kFailureAnswer = 1;
constexpr int kNoAnswer = 2;
constexpr int kNetworkFailure = 3;
constexpr int kUsage = 64;
constexpr int kSetupFailure = 70;

struct Settings {
  std::string command;
  std::vector<std::string> arguments;
  std::string plugin = ZT_PLUGIN_PATH;
  bool debug = false;
  std::string pluginDir;
  HttpSettings http;
  EntrySettings entries;
  std::string downloadDir;
  std::string optionFile = DefaultOptionFile();
};

int Usage() {
  std::cerr
      << "usage: zelvo-host [options] COMMAND\n"
         "commands:\n"
         "  resolve LINK          the direct link of a file's page (exit 0), a failure (1), no answer (2),\n"
         "                        a network failure (3)\n"
         "  options               the plug-in's options form\n"
         "  about | info          the plug-in's about text and its information\n"
         "  on-success PATH       the finished-download hook\n"
         "  on-error TEXT FILE    the failed-download hook with FILE's content\n"
         "options:\n"
         "  --plugin PATH         the plug-in library (default: the one built beside this program)\n"
         "  --debug               debug mode (1): more job log, page copies, the error hook\n"
         "  --plugin-dir DIR      the plug-in's folder (default: $XDG_CACHE_HOME/zelvo-host)\n"
         "  --service-at HOST:PORT  send every request for the service's hosts there\n"
         "  --captcha-answer TEXT answer the captcha without asking\n"
         "  --download DIR        after a direct link, download it into DIR and run the success hook\n"
         "  --timeout SECONDS     per request (default 30)\n"
         "  --options-file PATH   the INI file of the options (default: "
         "$XDG_CONFIG_HOME/zelvo-host/options.ini)\n";
  return kUsage;
}

std::optional<Settings> Parse(int argc, char** argv) {
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    std::optional<std::string> v;
    if (arg == "--debug") {
      settings.debug = true;
    } else if (arg == "--plugin" && (v = value())) {
      settings.plugin = *v;
    } else if (arg == "--plugin-dir" && (v = value())) {
      settings.pluginDir = *v;
    } else if (arg == "--service-at" && (v = value())) {
      settings.http.serviceAt = *v;
    } else if (arg == "--captcha-answer" && (v = value())) {
      settings.entries.captchaAnswer = *v;
    } else if (arg == "--download" && (v = value())) {
      settings.downloadDir = *v;
    } else if (arg == "--timeout" && (v = value())) {
      settings.http.timeoutSeconds = std::max(1L, std::atol(v->c_str()));
    } else if (arg == "--options-file" && (v = value())) {
      settings.optionFile = *v;
    } else if (arg.starts_with("--")) {
      return std::nullopt;
    } else if (settings.command.empty()) {
      settings.command = arg;
    } else {
      settings.arguments.push_back(arg);
    }
  }
  return settings;
}

std::string DefaultPluginDir() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  return (cache && *cache ? std::string(cache) : std::string(home ? home : ".") + "/.cache") + "/zelvo-host";
}

void PrintAnswers() {
  for (const std::string& answer : TakeAnswers()) std::cout << Utf8FromAnsi(answer) << "\n";
  std::cout.flush();
}

struct DirectLink {
  std::string address, name;
};

// "address#/name|0|1"
std::optional<DirectLink> ParseDirectLink(const std::string& answer) {
  const std::size_t name = answer.rfind("#/");
  if (answer.empty() || answer[0] == '%' || name == std::string::npos || !answer.ends_with("|0|1"))
    return std::nullopt;
  return DirectLink{answer.substr(0, name), answer.substr(name + 2, answer.size() - name - 2 - 4)};
}

// Downloads the file as a download manager would, then lets the success hook name it.
int Download(const Plugin& plugin, const DirectLink& link, const std::string& folder) {
  const HttpReply file = Get(link.address);
  if (!file.delivered || file.status != 200) {
    std::cerr << "zelvo-host: the download failed: "
              << (file.delivered ? "HTTP " + std::to_string(file.status) : FirstFailure()) << "\n";
    return kNetworkFailure;
  }
  std::filesystem::create_directories(folder);
  std::string stem = link.address.substr(link.address.find_last_of('/') + 1);
  if (stem.empty()) stem = "download";
  const std::string path = folder + "/" + stem;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << file.body;
  plugin.onSuccess(0, 0, AnsiFromUtf8(path).c_str());
  std::string saved = path;
  for (const std::string& proposal : TakeAnswers()) {
    const std::string target = Utf8FromAnsi(proposal);
    std::error_code error;
    std::filesystem::rename(path, target, error);
    if (!error) saved = target;
  }
  std::cerr << "zelvo-host: saved " << saved << " (" << file.body.size() << " bytes)\n";
  return kDirectLink;
}

int Resolve(const Settings& settings, const Plugin& plugin) {
  if (settings.arguments.size() != 1) return Usage();
  StartSession(settings.http);
  plugin.directLink(AnsiFromUtf8(settings.arguments[0]).c_str());
  const std::vector<std::string> answers = TakeAnswers();
  for (const std::string& answer : answers) std::cout << Utf8FromAnsi(answer) << "\n";
  std::cout.flush();

  int result = kNoAnswer;
  if (!answers.empty()) result = ParseDirectLink(answers.back()) ? kDirectLink : kFailureAnswer;
  if (!FirstFailure().empty() && result != kDirectLink) {
    std::cerr << "zelvo-host: the job failed on the network: " << FirstFailure() << "\n";
    result = kNetworkFailure;
  }
  if (result == kDirectLink && !settings.downloadDir.empty())
    result = Download(plugin, *ParseDirectLink(answers.back()), settings.downloadDir);
  EndSession();
  return result;
}

int Run(const Settings& settings) {
  Plugin plugin;
  std::string error;
  if (!LoadPlugin(settings.plugin, plugin, error)) {
    std::cerr << "zelvo-host: cannot load the plug-in " << settings.plugin << ": " << error << "\n";
    return kSetupFailure;
  }
  std::string folder = settings.pluginDir.empty() ? DefaultPluginDir() : settings.pluginDir;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  if (!folder.ends_with('/')) folder += '/';  // the plug-in appends file names directly
  UseOptionFile(settings.optionFile);
  ConfigureEntries(settings.entries);

  plugin.init(&HostGetPage, &HostPostPage, &HostLog, &HostGetProc, &HostSaveFile, &HostSetResult,
              settings.debug ? 1u : 0u, AnsiFromUtf8(folder).c_str());
  const std::vector<std::string> masks = TakeAnswers();

  int result = 0;
  const std::string& command = settings.command;
  if (command == "resolve") {
    result = Resolve(settings, plugin);
  } else if (command == "options" && settings.arguments.empty()) {
    plugin.options();
    PrintAnswers();
  } else if (command == "about" && settings.arguments.empty()) {
    plugin.about();
    PrintAnswers();
  } else if (command == "info" && settings.arguments.empty()) {
    for (const std::string& mask : masks) std::cout << "link masks: " << Utf8FromAnsi(mask) << "\n";
    plugin.info();
    PrintAnswers();
  } else if (command == "on-success" && settings.arguments.size() == 1) {
    plugin.onSuccess(0, 0, AnsiFromUtf8(settings.arguments[0]).c_str());
    const std::vector<std::string> answers = TakeAnswers();
    for (const std::string& answer : answers) std::cout << Utf8FromAnsi(answer) << "\n";
    result = answers.empty() ? kNoAnswer : 0;
  } else if (command == "on-error" && settings.arguments.size() == 2) {
    std::ifstream in(settings.arguments[1], std::ios::binary);
    if (!in) {
      std::cerr << "zelvo-host: cannot read " << settings.arguments[1] << "\n";
      result = kUsage;
    } else {
      std::ostringstream content;
      content << in.rdbuf();
      plugin.onError(0, AnsiFromUtf8(settings.arguments[0]).c_str(), content.str().c_str());
      PrintAnswers();
    }
  } else {
    result = Usage();
  }
  plugin.destroy();
  return result;
}

}  // namespace
}  // namespace zelvo::host

int main(int argc, char** argv) {
  using namespace zelvo::host;
  const std::optional<Settings> settings = Parse(argc, argv);
  if (!settings || settings->command.empty()) return Usage();
  curl_global_init(CURL_GLOBAL_DEFAULT);
  int result = kSetupFailure;
  try {
    result = Run(*settings);
  } catch (const std::exception& error) {
    std::cerr << "zelvo-host: " << error.what() << "\n";
  }
  curl_global_cleanup();
  return result;
}
