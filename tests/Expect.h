// The host calls that tests expect, written with UTF-8 texts where they carry Russian.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "AnsiText.h"
#include "FakeHost.h"

namespace zelvo::test::expect {

inline HostCall Log(std::string_view utf8) { return {"HostLog", {W(utf8)}}; }
inline HostCall SetResult(std::string_view utf8) { return {"HostSetResult", {W(utf8)}}; }
inline HostCall GetPage(std::string request) { return {"HostGetPage", {std::move(request), "reply"}}; }
inline HostCall SaveFile(std::string path, std::string content) {
  return {"HostSaveFile", {std::move(path), std::move(content)}};
}
inline HostCall ModQuery(std::string_view utf8) { return {"ModQuery", {W(utf8)}}; }
inline HostCall GetOption(char letter) {
  return {"GetOption", {"ZelvoDiskTrumo", std::string("NoDiscard_") + letter, "", "reply"}};
}
inline HostCall HTTPHead(std::string address) { return {"HTTPHead", {std::move(address), "reply"}}; }
inline HostCall GetLocation() { return {"GetLocation", {"reply"}}; }
inline HostCall ProgName() { return {"ProgName", {"reply"}}; }

// Concatenates pieces of a transcript.
inline Transcript Then(std::initializer_list<Transcript> pieces) {
  Transcript out;
  for (const auto& piece : pieces) out.insert(out.end(), piece.begin(), piece.end());
  return out;
}

// The option reads of one mirror test, from "a" up to the last letter asked.
inline Transcript MirrorReads(char last = 'g') {
  Transcript out;
  for (char letter = 'a'; letter <= last; ++letter) out.push_back(GetOption(letter));
  return out;
}

}  // namespace zelvo::test::expect
