// The network side of a job: one libcurl session that keeps its cookies, never follows a
// redirect, and can send every request for the service's hosts to one address instead.
#pragma once

#include <string>

namespace zelvo::host {

struct HttpSettings {
  std::string serviceAt;  // "HOST:PORT" that stands in for the service's hosts, or empty
  long timeoutSeconds = 30;
};

struct HttpReply {
  bool delivered = false;  // false: the transport failed, see error
  long status = 0;
  std::string headers;
  std::string body;
  std::string error;
};

void StartSession(const HttpSettings& settings);
void EndSession();

HttpReply Get(const std::string& address);
// The body as the plug-in built it: name=value lines (see the ABI header for "%simple%").
HttpReply Post(const std::string& address, const std::string& lines);
HttpReply Head(const std::string& address);

// The Location header of the last response, empty when it had none.
const std::string& LastLocation();

// The first transport failure of the session, empty when there was none.
const std::string& FirstFailure();

// The form body for a post: the lines joined by "&". After a leading "%simple%" the plug-in
// vouches that names and values need no escaping and they go as they are; otherwise each name
// and value is percent-encoded.
std::string FormBody(const std::string& lines);

}  // namespace zelvo::host
