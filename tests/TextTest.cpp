// The text helpers: search, escaping and the recognition of server error pages.
#include <gtest/gtest.h>

#include "AnsiText.h"
#include "BaseUtils/ServerError.h"
#include "BaseUtils/Text.h"
#include "LinkNormalise.h"

namespace zelvo::test {
namespace {

TEST(Text, SearchesFindTheFirstOccurrenceOnly) {
  EXPECT_EQ(After("a=b=c", "="), "b=c");
  EXPECT_EQ(Before("a=b=c", "="), "a");
  EXPECT_EQ(After("abc", "x"), "");
  EXPECT_EQ(Before("abc", "x"), "");
  EXPECT_FALSE(Contains("abc", ""));
  EXPECT_FALSE(Contains("ab", "abc"));
  EXPECT_TRUE(Contains("Abc", "bc"));
  EXPECT_FALSE(Contains("Abc", "ab"));  // letter case matters
  EXPECT_EQ(Find("aaab", "aab"), 1u);
}

TEST(Text, LowerAsciiLeavesCyrillicAlone) {
  EXPECT_EQ(LowerAscii(W("CHARSET=UTF-8 ФАЙЛ")), W("charset=utf-8 ФАЙЛ"));
}

TEST(EscapeUrl, EscapesExactlyFiveCharacters) {
  struct Row {
    std::string in, out;
  };
  const Row rows[] = {
      {"a b#c^d`e~f", "a%20b%23c%5Ed%60e%7Ef"},
      {"100% /?&=:@!$'()*+,;[]{}|\\\"<>", "100%%20/?&=:@!$'()*+,;[]{}|\\\"<>"},
      {"\xD1\x84\xC3", "\xD1\x84\xC3"},
      {"", ""},
      {"  ", "%20%20"},
  };
  for (const Row& row : rows) EXPECT_EQ(EscapeUrl(row.in), row.out) << row.in;
}

TEST(ServerErrorText, RecognisesTheFourErrorPagesInTableOrder) {
  struct Row {
    const char* page;
    const char* message;  // UTF-8; empty when the page is not an error page
  };
  const Row rows[] = {
      {"<h1>500 INTERNAL SERVER ERROR</h1>", "500 Internal Server Error (внутренняя ошибка сервера)."},
      {"HTTP/1.1 503 Service Temporarily Unavailable",
       "503 Service Temporarily Unavailable (сервис недоступен)."},
      {"<title>504 Gateway Time-out</title>", "504 Gateway Time-out (шлюз не отвечает)."},
      {"PHP Fatal error: out of memory", "Fatal error (ошибка cервера)."},
      {"3 fatal errors", "Fatal error (ошибка cервера)."},
      // The table decides, not the position in the page.
      {"Fatal error ... 504 Gateway Time-out", "504 Gateway Time-out (шлюз не отвечает)."},
      {"503 Service Unavailable", ""},
      {"504 Gateway Timeout", ""},
      {"500 internal  server error", ""},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Readable(ServerErrorText(row.page)), row.message) << row.page;
}

TEST(ServerErrorText, TheFatalErrorGlossCarriesALatinC) {
  const std::string message = ServerErrorText("fatal error");
  EXPECT_NE(message.find(" c\xE5\xF0\xE2\xE5\xF0\xE0)."), std::string::npos);
}

}  // namespace
}  // namespace zelvo::test
