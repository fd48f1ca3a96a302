#include "Http.h"

#include <curl/curl.h>

#include <cctype>
#include <string_view>

#include "ServiceHosts.h"

namespace zelvo::host {
namespace {

CURL* g_curl = nullptr;
curl_slist* g_connectTo = nullptr;
HttpSettings g_settings;
std::string g_location;
std::string g_failure;

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* out) {
  static_cast<HttpReply*>(out)->body.append(data, size * count);
  return size * count;
}

std::size_t AppendHeader(char* data, std::size_t size, std::size_t count, void* out) {
  auto* reply = static_cast<HttpReply*>(out);
  const std::string_view line(data, size * count);
  // A new status line starts the headers of a new response.
  if (line.starts_with("HTTP/")) reply->headers.clear();
  reply->headers.append(line);
  return size * count;
}

std::string LocationIn(const std::string& headers) {
  std::size_t at = 0;
  while (at < headers.size()) {
    std::size_t end = headers.find('\n', at);
    if (end == std::string::npos) end = headers.size();
    std::string_view line(headers.data() + at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.size() > 9) {
      std::string name(line.substr(0, 9));
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (name == "location:") {
        line.remove_prefix(9);
        while (line.starts_with(' ')) line.remove_prefix(1);
        return std::string(line);
      }
    }
    at = end + 1;
  }
  return {};
}

enum class Method { Get, Post, Head };

HttpReply Perform(Method method, const std::string& address, const std::string& body) {
  HttpReply reply;
  if (!g_curl) {
    reply.error = "no session";
    return reply;
  }
  curl_easy_setopt(g_curl, CURLOPT_URL, address.c_str());
  // HTTPGET also clears NOBODY, so NOBODY is set after it; a post clears it itself.
  if (method == Method::Post) {
    curl_easy_setopt(g_curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(g_curl, CURLOPT_POST, 1L);
    curl_easy_setopt(g_curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    curl_easy_setopt(g_curl, CURLOPT_COPYPOSTFIELDS, body.c_str());
  } else {
    curl_easy_setopt(g_curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(g_curl, CURLOPT_NOBODY, method == Method::Head ? 1L : 0L);
  }
  curl_easy_setopt(g_curl, CURLOPT_WRITEFUNCTION, &AppendBody);
  curl_easy_setopt(g_curl, CURLOPT_WRITEDATA, &reply);
  curl_easy_setopt(g_curl, CURLOPT_HEADERFUNCTION, &AppendHeader);
  curl_easy_setopt(g_curl, CURLOPT_HEADERDATA, &reply);
  const CURLcode code = curl_easy_perform(g_curl);
  curl_easy_getinfo(g_curl, CURLINFO_RESPONSE_CODE, &reply.status);
  if (code != CURLE_OK) {
    reply.error = curl_easy_strerror(code);
    reply.body.clear();  // a body cut short is not handed on as if it were the page
    g_location.clear();
    const char* verb = method == Method::Get ? "GET" : method == Method::Post ? "POST" : "HEAD";
    if (g_failure.empty()) g_failure = std::string(verb) + " " + address + ": " + reply.error;
    return reply;
  }
  reply.delivered = true;
  g_location = LocationIn(reply.headers);
  return reply;
}

}  // namespace

void StartSession(const HttpSettings& settings) {
  EndSession();
  g_settings = settings;
  g_curl = curl_easy_init();
  curl_easy_setopt(g_curl, CURLOPT_COOKIEFILE, "");  // the cookie engine, in memory only
  curl_easy_setopt(g_curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(g_curl, CURLOPT_CONNECTTIMEOUT, settings.timeoutSeconds);
  curl_easy_setopt(g_curl, CURLOPT_TIMEOUT, settings.timeoutSeconds);
  curl_easy_setopt(g_curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(g_curl, CURLOPT_USERAGENT, "zelvo-host/1.0");
  if (!settings.serviceAt.empty()) {
    for (const std::string& name : ServiceHostNames())
      for (const char* port : {"80", "443"})
        g_connectTo = curl_slist_append(g_connectTo, (name + ":" + port + ":" + settings.serviceAt).c_str());
    curl_easy_setopt(g_curl, CURLOPT_CONNECT_TO, g_connectTo);
  }
}

void EndSession() {
  if (g_curl) curl_easy_cleanup(g_curl);
  g_curl = nullptr;
  curl_slist_free_all(g_connectTo);
  g_connectTo = nullptr;
  g_location.clear();
  g_failure.clear();
}

HttpReply Get(const std::string& address) { return Perform(Method::Get, address, {}); }
HttpReply Post(const std::string& address, const std::string& lines) {
  return Perform(Method::Post, address, FormBody(lines));
}
HttpReply Head(const std::string& address) { return Perform(Method::Head, address, {}); }

const std::string& LastLocation() { return g_location; }
const std::string& FirstFailure() { return g_failure; }

std::string FormBody(const std::string& lines) {
  constexpr std::string_view kSimple = "%simple%";
  std::string_view rest(lines);
  const bool simple = rest.starts_with(kSimple);
  if (simple) rest.remove_prefix(kSimple.size());
  const auto escape = [simple](std::string_view text) {
    if (simple) return std::string(text);
    char* escaped = curl_easy_escape(nullptr, text.data(), static_cast<int>(text.size()));
    std::string out = escaped ? escaped : "";
    curl_free(escaped);
    return out;
  };
  std::string body;
  while (true) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    const std::size_t eq = std::min(line.find('='), line.size());
    if (!body.empty()) body += '&';
    body += escape(line.substr(0, eq));
    if (eq < line.size()) body += "=" + escape(line.substr(eq + 1));
    if (end == rest.size()) break;
    rest.remove_prefix(end + 1);
  }
  return body;
}

}  // namespace zelvo::host
