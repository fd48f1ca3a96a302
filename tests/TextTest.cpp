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

// The searches pick a byte of the pattern to look for first and change method when that byte
// turns out to be common; whatever the text, they must agree with the plain definition.
TEST(Text, SearchesAgreeWithTheirDefinitionOnDenseAndSparseTexts) {
  const std::string alphabet = W("aA8-= Фф\"");
  const std::string patterns[] = {"a", "aA", "8-a", "=a=", W("Фа8"), "charset=utf-8", "Aa8", W("ф ф")};
  unsigned seed = 12345;
  const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (int round = 0; round < 400; ++round) {
    std::string text(next() % 3000, ' ');
    // Some texts are almost all one letter, so that the first pick is everywhere.
    const bool dense = round % 2 == 0;
    for (char& c : text) c = dense && next() % 8 ? 'a' : alphabet[next() % alphabet.size()];
    for (const std::string& pattern : patterns) {
      const std::size_t from = round % 5 == 0 ? next() % (text.size() + 2) : 0;
      const std::size_t expected = from > text.size() ? std::string::npos : text.find(pattern, from);
      ASSERT_EQ(Find(text, pattern, from), expected) << "round " << round << " " << pattern;
      const std::size_t expectedIgnoringCase =
          from > text.size() ? std::string::npos : LowerAscii(text).find(LowerAscii(pattern), from);
      ASSERT_EQ(FindIgnoringCase(text, pattern, from), expectedIgnoringCase)
          << "round " << round << " " << pattern;
    }
  }
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
