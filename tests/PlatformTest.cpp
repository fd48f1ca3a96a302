// The platform calls: the same expectations hold for the real Windows calls (under Wine with
// code page 1251) and for the stand-in of the native build.
#include <gtest/gtest.h>

#include <filesystem>

#include "AnsiText.h"
#include "BaseUtils/Platform.h"
#include "TempFolder.h"

namespace zelvo::test {
namespace {

using platform::AnsiToUtf8;
using platform::ToUpperAnsi;
using platform::Utf8ToAnsi;

TEST(Platform, AnsiCodePageIs1251) {
  // Under Wine this fails unless the test runs with LC_ALL=ru_RU.CP1251.
  EXPECT_EQ(platform::AnsiCodePage(), 1251u);
}

TEST(Platform, EveryByteSurvivesTheRoundTripThroughUtf8) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(byte)), byte) << "byte " << b;
  }
}

TEST(Platform, AnsiToUtf8GivesTheCodePagesCharacters) {
  EXPECT_EQ(AnsiToUtf8(W("Файл удален")), "Файл удален");
  EXPECT_EQ(AnsiToUtf8("\x88\xB9\x96"), "€№–");
  EXPECT_EQ(AnsiToUtf8(""), "");
}

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::string ansi;
};

void PrintTo(const Utf8Case& row, std::ostream* os) { *os << row.name; }

class Utf8ToAnsiCases : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToAnsiCases, Converts) { EXPECT_EQ(Utf8ToAnsi(GetParam().utf8), GetParam().ansi); }

INSTANTIATE_TEST_SUITE_P(Platform, Utf8ToAnsiCases,
                         testing::Values(Utf8Case{"Cyrillic", "Привет, Ёж", W("Привет, Ёж")},
                                         Utf8Case{"Punctuation", "„€“ № ‰", "\x84\x88\x93 \xB9 \x89"},
                                         Utf8Case{"NoBestFitForAccentedLatin", "café", "caf?"},
                                         Utf8Case{"NoFormForGreek", "αβ", "??"},
                                         Utf8Case{"OutsideTheBmpGivesOneQuestionMarkPerUtf16Half", "a😀b",
                                                  "a??b"},
                                         Utf8Case{"LoneLeadByte", "a\xC0z", "a?z"},
                                         Utf8Case{"StrayContinuationBytes", "\x80\x80", "??"},
                                         Utf8Case{"TruncatedSequenceBeforeAscii",
                                                  "\xE2\x82"
                                                  "A",
                                                  "?A"},
                                         Utf8Case{"Windows1251LettersAreNotUtf8", "\xD4 \xE0 ok", "? ? ok"},
                                         Utf8Case{"Empty", "", ""}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Platform, ToUpperAnsiFollowsTheLocale) {
  EXPECT_EQ(ToUpperAnsi("zdisk.Example/Disk/"), "ZDISK.EXAMPLE/DISK/");
  EXPECT_EQ(ToUpperAnsi(W("абвгдеёжзийклмнопрстуфхцчшщъыьэюя")), W("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"));
  EXPECT_EQ(ToUpperAnsi(W("ђѓљњќћџўјґєїіѕ")), W("ЂЃЉЊЌЋЏЎЈҐЄЇІЅ"));
  // No capital in the code page: µ stays, and so do digits, signs and capitals.
  EXPECT_EQ(ToUpperAnsi(W("µ 09 «ЯZ» %#")), W("µ 09 «ЯZ» %#"));
  EXPECT_EQ(ToUpperAnsi(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(Platform, FileExistsOnlyForFiles) {
  TempFolder folder;
  EXPECT_TRUE(platform::FileExists(folder.MakeFile("present.txt")));
  EXPECT_FALSE(platform::FileExists(folder.MakeFolder("folder.txt")));
  EXPECT_FALSE(platform::FileExists(folder.Path("absent.txt")));
  EXPECT_FALSE(platform::FileExists(""));
}

TEST(Platform, RemoveFileDeletesFilesAndIgnoresEverythingElse) {
  TempFolder folder;
  const std::string file = folder.MakeFile("ZelvoDisk1.html");
  platform::RemoveFileQuietly(file);
  EXPECT_FALSE(std::filesystem::exists(file));

  const std::string sub = folder.MakeFolder("ZelvoDisk2.html");
  platform::RemoveFileQuietly(sub);
  EXPECT_TRUE(std::filesystem::is_directory(sub));
  platform::RemoveFileQuietly(folder.Path("absent.html"));
  platform::RemoveFileQuietly("");
}

}  // namespace
}  // namespace zelvo::test
