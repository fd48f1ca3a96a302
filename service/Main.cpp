// zelvo-service: the file-hosting service as the plug-in sees it, on loopback, for the reference
// host and the end-to-end tests. Requests are told apart by their Host header: the service's
// site (and its legacy name) and the seven mirrors.
#include <httplib.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "CaptchaPicture.h"
#include "Pages.h"
#include "Scenarios.h"

namespace zelvo::service {
namespace {

const std::string kService = ZT_SERVICE_HOST;
const std::string kLegacy = ZT_LEGACY_HOST;
constexpr const char* kCookie = "zd_file";

struct State {
  std::mutex lock;
  std::string mirrorOrder = "abcdefg";
  std::map<std::string, std::size_t> loads;        // page loads per scenario, for the rotation
  std::map<std::string, std::string> captchaKeys;  // issued key → the text its picture shows
  std::mt19937_64 random{std::random_device{}()};
};
State g_state;

std::string HostOf(const httplib::Request& request) {
  std::string host = request.get_header_value("Host");
  if (const std::size_t colon = host.find(':'); colon != std::string::npos) host.resize(colon);
  for (char& c : host) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return host;
}

// The scenario named in the cookie that the file's page set, or the first with a captcha.
const Scenario& CaptchaScenarioOf(const httplib::Request& request) {
  const std::string cookies = request.get_header_value("Cookie");
  const std::string key = std::string(kCookie) + "=";
  if (const std::size_t at = cookies.find(key); at != std::string::npos) {
    const std::string name = cookies.substr(at + key.size(), cookies.find(';', at) - at - key.size());
    if (const Scenario* s = FindScenario(name); s && !s->captchaText.empty()) return *s;
  }
  return *FindScenario("captcha");
}

void Html(httplib::Response& response, const std::string& page, bool utf8, int status = 200) {
  response.status = status;
  response.set_content(page, utf8 ? "text/html; charset=utf-8" : "text/html; charset=windows-1251");
}

void PublicPage(const Scenario& s, httplib::Response& response) {
  char mirror = s.fixedMirror;
  if (!mirror) {
    std::lock_guard guard(g_state.lock);
    const std::size_t load = g_state.loads[std::string(s.name)]++;
    mirror = g_state.mirrorOrder[load % g_state.mirrorOrder.size()];
  }
  Html(response,
       FilePage(s, "start.html",
                {{"service", kService},
                 {"mirror", std::string(1, mirror)},
                 {"scenario", std::string(s.name)},
                 {"file", "file.bin"}}),
       s.utf8);
}

void ChallengePage(const Scenario& s, httplib::Response& response) {
  switch (s.page) {
    case Page::Password:
      return Html(response, FilePage(s, "password.html", {}), s.utf8);
    case Page::Captcha:
      return Html(response, FilePage(s, "captcha.html", {}), s.utf8);
    default:
      return Html(response, FilePage(s, "captcha-password.html", {}), s.utf8);
  }
}

void FilePageRequest(const Scenario* s, httplib::Response& response) {
  if (!s) return Html(response, ToCp1251(Fill("missing.html", {})), false, 404);
  response.set_header("Set-Cookie", std::string(kCookie) + "=" + std::string(s->name) + "; Path=/");
  switch (s->page) {
    case Page::Public:
      return PublicPage(*s, response);
    case Page::Password:
    case Page::Captcha:
    case Page::CaptchaPassword:
      return ChallengePage(*s, response);
    case Page::Deleted:
      return Html(response, FilePage(*s, "deleted.html", {}), s->utf8);
    case Page::Blocked:
      return Html(response, FilePage(*s, "blocked.html", {}), s->utf8);
    case Page::Missing:
      return Html(response, ToCp1251(Fill("missing.html", {})), false, 404);
    case Page::InternalError:
      return Html(response, ToCp1251(Fill("internal-error.html", {})), false);
    case Page::GatewayError:
      response.status = 504;
      response.set_content(Fill("gateway-error.html", {}), "text/html");
      return;
  }
}

// "/disk/NAME.html" → NAME, or empty.
std::string ScenarioNameOf(const std::string& path) {
  const std::string prefix = "/disk/", suffix = ".html";
  if (path.size() <= prefix.size() + suffix.size() || path.rfind(prefix, 0) != 0 ||
      path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
    return {};
  return path.substr(prefix.size(), path.size() - prefix.size() - suffix.size());
}

void ServiceGet(const httplib::Request& request, httplib::Response& response) {
  const std::string& path = request.path;
  if (path == "/disk/getcapchaxml/") {
    const Scenario& s = CaptchaScenarioOf(request);
    std::string key;
    {
      std::lock_guard guard(g_state.lock);
      char text[17];
      std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(g_state.random()));
      key = text;
      g_state.captchaKeys[key] = std::string(s.captchaText);
    }
    response.set_content(ToCp1251(Fill("getcapchaxml.xml", {{"service", kService}, {"key", key}})),
                         "text/xml; charset=windows-1251");
    return;
  }
  if (path == "/disk/capcha/") {
    std::string text;
    {
      std::lock_guard guard(g_state.lock);
      const auto found = g_state.captchaKeys.find(request.get_param_value("key"));
      if (found != g_state.captchaKeys.end()) text = found->second;
    }
    if (text.empty()) {
      response.status = 404;
      return;
    }
    response.set_content(CaptchaPng(text), "image/png");
    return;
  }
  if (path.rfind("/disk/start/", 0) == 0) {
    // "/disk/start/L-SERVICE/SCENARIO/FILE" leads to mirror L.
    const std::string rest = path.substr(12);
    const std::size_t slash = rest.find('/');
    if (slash == std::string::npos || slash < 2 || rest[1] != '-') {
      response.status = 404;
      return;
    }
    response.status = 302;
    response.set_header("Location", "http://" + rest.substr(0, slash) + "/f" + rest.substr(slash));
    return;
  }
  FilePageRequest(FindScenario(ScenarioNameOf(path)), response);
}

void ServicePost(const httplib::Request& request, httplib::Response& response) {
  const Scenario* s = FindScenario(ScenarioNameOf(request.path));
  if (!s) return FilePageRequest(nullptr, response);
  const std::string action = request.get_param_value("action");
  bool accepted = false;
  if (action == "sendpw" && s->page == Page::Password) {
    accepted = request.get_param_value("passwd") == s->password;
    if (!accepted) return Html(response, FilePage(*s, "password-again.html", {}), s->utf8);
  } else if (action == "sendcapcha" && (s->page == Page::Captcha || s->page == Page::CaptchaPassword)) {
    std::string expected;
    {
      std::lock_guard guard(g_state.lock);
      const auto found = g_state.captchaKeys.find(request.get_param_value("key"));
      if (found != g_state.captchaKeys.end()) {
        expected = found->second;
        g_state.captchaKeys.erase(found);  // a key answers once
      }
    }
    accepted = !expected.empty() && request.get_param_value("rep") == expected &&
               (s->page != Page::CaptchaPassword || request.get_param_value("passwd") == s->password);
  }
  if (!accepted) return ChallengePage(*s, response);
  Html(
      response,
      FilePage(
          *s, "start.html",
          {{"service", kService}, {"mirror", "a"}, {"scenario", std::string(s->name)}, {"file", "file.bin"}}),
      s->utf8);
}

void MirrorGet(const httplib::Request& request, httplib::Response& response) {
  // "/f/SCENARIO/FILE"
  const std::string& path = request.path;
  const std::size_t slash = path.find('/', 3);
  const Scenario* s = path.rfind("/f/", 0) == 0 && slash != std::string::npos
                          ? FindScenario(path.substr(3, slash - 3))
                          : nullptr;
  if (!s) {
    response.status = 404;
    return;
  }
  response.set_content(FileBytes(*s), "application/octet-stream");
}

bool IsMirror(const std::string& host) {
  return host.size() == kService.size() + 2 && host[1] == '-' && host[0] >= 'a' && host[0] <= 'g' &&
         host.compare(2, std::string::npos, kService) == 0;
}

void PrintList() {
  for (const Scenario& s : Scenarios()) {
    std::cout << s.name << " http://" << kService << "/disk/" << s.name << ".html";
    if (!s.password.empty()) std::cout << " password=" << s.password;
    if (!s.captchaText.empty()) std::cout << " captcha=" << s.captchaText;
    std::cout << "\n";
  }
}

int Usage() {
  std::cerr << "usage: zelvo-service [--port N] [--mirrors LETTERS] [--pages DIR] [--quiet] | --list\n";
  return 64;
}

}  // namespace
}  // namespace zelvo::service

int main(int argc, char** argv) {
  using namespace zelvo::service;
  int port = 0;
  bool quiet = false;
  std::string pages = ZT_SERVICE_PAGES;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--list") {
      PrintList();
      return 0;
    } else if (arg == "--port" && hasValue) {
      port = std::atoi(argv[++i]);
    } else if (arg == "--mirrors" && hasValue) {
      g_state.mirrorOrder = argv[++i];
      if (g_state.mirrorOrder.empty() ||
          g_state.mirrorOrder.find_first_not_of("abcdefg") != std::string::npos)
        return Usage();
    } else if (arg == "--pages" && hasValue) {
      pages = argv[++i];
    } else if (arg == "--quiet") {
      quiet = true;
    } else {
      return Usage();
    }
  }
  if (!LoadTemplates(pages)) {
    std::cerr << "zelvo-service: the page templates are not in " << pages << "\n";
    return 1;
  }

  // SIGINT and SIGTERM stop the server from a thread of its own, outside any signal handler.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  httplib::Server server;
  const auto dispatch = [](const httplib::Request& request, httplib::Response& response) {
    const std::string host = HostOf(request);
    if (host == kService || host == kLegacy) {
      request.method == "POST" ? ServicePost(request, response) : ServiceGet(request, response);
    } else if (IsMirror(host) && request.method != "POST") {
      MirrorGet(request, response);
    } else {
      response.status = 421;  // not a host of this service
    }
  };
  server.Get(".*", dispatch);
  server.Post(".*", dispatch);
  if (!quiet)
    server.set_logger([](const httplib::Request& request, const httplib::Response& response) {
      std::fprintf(stderr, "zelvo-service: %s %s%s %d\n", request.method.c_str(), HostOf(request).c_str(),
                   request.path.c_str(), response.status);
    });

  const int bound =
      port == 0 ? server.bind_to_any_port("127.0.0.1") : (server.bind_to_port("127.0.0.1", port) ? port : -1);
  if (bound < 0) {
    std::cerr << "zelvo-service: cannot listen on 127.0.0.1:" << port << "\n";
    return 1;
  }
  std::cout << "listening on 127.0.0.1:" << bound << std::endl;

  std::thread stopper([&server, stopSignals] {
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();
  });
  server.listen_after_bind();
  pthread_kill(stopper.native_handle(), SIGTERM);  // the server ended by itself: release the waiter
  stopper.join();
  return 0;
}
