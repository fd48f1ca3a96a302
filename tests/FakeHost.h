// A host for the tests: it offers every callback and service (any of them can be left out),
// answers from a script, and records every call the plug-in makes, in order, with its arguments.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::test {

// One call of a host entry: its name and its arguments as the plug-in passed them. A null text
// is recorded as "<null>", the plug-in's reply callback as "reply", a pixel array as "array".
struct HostCall {
  std::string name;
  std::vector<std::string> args;
  bool operator==(const HostCall&) const = default;
};
using Transcript = std::vector<HostCall>;
void PrintTo(const HostCall& call, std::ostream* os);

// What a service does with the reply callback during one call: one entry per call of it, in
// order; std::nullopt calls it with a null pointer. An empty Reply never calls it.
using Reply = std::vector<std::optional<std::string>>;

class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Binds the plug-in with PlgInit and hands back the calls that made, leaving calls empty.
  Transcript Init(uint32_t mode = 0, const char* folder = "");

  // Entries left out: callbacks by their names ("HostLog", ...), services by theirs ("GetOption").
  std::set<std::string> missing;
  // Scripted replies of an entry, used up one per call; when none is left the entry answers by
  // its default: GetOption the stored option or the default it was given, others nothing.
  std::map<std::string, std::deque<Reply>> replies;
  std::map<std::string, std::string> options;  // the option store of GetOption and SetOption
  int32_t showMsgResult = 0;
  // Runs after a call has been recorded and before it replies (to write a file, for instance).
  std::function<void(const HostCall&)> onCall;

  Transcript calls;
  // The pixel array slots that the picture services received, and what each held on arrival.
  // SetArrLen puts a block of the host's into the slot, and takes it out again for 0 and 0.
  std::vector<const TDArray*> arraySlots;
  std::vector<TDArray> arrayContents;
  std::list<int> arrayBlocks;
  // Set when the plug-in passed anything but its one reply callback.
  bool foreignReplyCallback = false;

  // Helpers for the entries themselves.
  static FakeHost& Current();
  void Record(HostCall call, TReplyCallback reply);
  THostProc Lookup(const std::string& name);

 private:
  TReplyCallback replyCallback_ = nullptr;
};

}  // namespace zelvo::test
