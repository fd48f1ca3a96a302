// The pages of the benchmark: one per case and size, in the case's code page, built once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ScriptedHost.h"

namespace zelvo::bench {

enum class Charset { Cp1251, Utf8 };

enum class Kind {
  Public,         // markers at the very end
  Captcha,        // a captcha page, then the public page as the post's reply
  Prefixes,       // every marker but its last byte, over and over
  ManyMatches,    // thousands of start paths and name tags before the real ones
  EncodedBlanks,  // a file name that is a long run of "%20"
  InvalidUtf8,    // malformed sequences throughout a page that declares UTF-8
};

struct Case {
  std::string_view name;
  Kind kind;
  Charset charset;
  // The plain case of the same charset that an adversarial case is held against, or empty.
  std::string_view plain;
};

// The script of a whole job on a page of about the given size.
Script MakeScript(const Case& c, std::size_t size);

}  // namespace zelvo::bench
