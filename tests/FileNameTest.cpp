// The file name from the service page: character references decoded, then made safe for the
// host's answer and for a path in the download's folder.
#include <gtest/gtest.h>

#include "AnsiText.h"
#include "FileName.h"

namespace zelvo::test {
namespace {

TEST(DecodeHtmlText, DecodesTheReferencesThatPagesUseForNames) {
  struct Row {
    std::string in, out;  // UTF-8
  };
  const Row rows[] = {
      {"Tom &amp; Jerry", "Tom & Jerry"},
      {"&lt;b&gt; &quot;x&quot; &#39;y&#39; &apos;z&apos;", "<b> \"x\" 'y' 'z'"},
      {"&#1060;&#x430;&#X439;&#x043B;", "Файл"},
      {"&#8470; &#x20AC;", "№ €"},
      // No form in the code page, or not a reference at all: left as written.
      {"caf&#233; &#x1F600; &#xZZ; &#; &#12 &copy; & &amp",
       "caf&#233; &#x1F600; &#xZZ; &#; &#12 &copy; & &amp"},
      {"&#63;", "?"},
      {"&amp;amp;", "&amp;"},  // one level only
  };
  for (const Row& row : rows) EXPECT_EQ(Readable(DecodeHtmlText(W(row.in))), row.out) << row.in;
}

TEST(SanitiseFileName, MakesHostileNamesHarmless) {
  struct Row {
    std::string in, out;  // UTF-8
  };
  const Row rows[] = {
      {"report.zip", "report.zip"},
      {"Отчёт за 2026 год.pdf", "Отчёт за 2026 год.pdf"},
      {"..\\..\\Windows\\system32\\evil.dll", ".._.._Windows_system32_evil.dll"},
      {"../../etc/passwd", ".._.._etc_passwd"},
      {"C:\\boot.ini", "C__boot.ini"},
      {"a|0|1", "a_0_1"},
      {"x*?\"<>:y", "x______y"},
      {std::string("tab\there\nnew\x01"
                   "end"),
       "tab_here_new_end"},
      {"name. . ", "name"},
      {"...", ""},
      {" . ", ""},
      {"CON", "_CON"},
      {"con.txt", "_con.txt"},
      {"Lpt9.tar.gz", "_Lpt9.tar.gz"},
      {"NUL .txt", "_NUL .txt"},
      {"COM0.txt", "COM0.txt"},
      {"CONSOLE.txt", "CONSOLE.txt"},
      {"aux_file", "aux_file"},
      {"", ""},
  };
  for (const Row& row : rows) {
    const std::string once = SanitiseFileName(W(row.in));
    EXPECT_EQ(Readable(once), row.out) << row.in;
    EXPECT_EQ(SanitiseFileName(once), once) << "not stable: " << row.in;
  }
}

TEST(FileNameFromPage, TakesTheNameBehindTheIconTag) {
  struct Row {
    std::string page, name;  // UTF-8
  };
  const Row rows[] = {
      {R"(<dt class="name"><i class="icon-zip"></i>Фото &amp; видео.zip</dt>)", "Фото & видео.zip"},
      {R"(<dt class="name"><i class="x"></i>..\..\a.exe</dt><dt class="name"><i class="x"></i>b</dt>)",
       ".._.._a.exe"},
      {R"(<dt class="name"><i class="x"></i>&lt;evil&gt;|0|1</dt>)", "_evil__0_1"},
      // The block never closes: no name.
      {R"(<dt class="name"><i class="x"></i>open.zip)", ""},
      // Markup without the icon tag: no name rather than a guess.
      {R"(<dt class="name"><i class="x">plain.zip</dt>)", ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Readable(FileNameFromPage(W(row.page)).value_or("<no name block>")), row.name) << row.page;
  EXPECT_EQ(FileNameFromPage("<dt>plain.zip</dt>"), std::nullopt);
}

}  // namespace
}  // namespace zelvo::test
