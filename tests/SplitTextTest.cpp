// The parser of host replies, against the cases its callers meet.
#include <gtest/gtest.h>

#include <vector>

#include "BaseUtils/SplitText.h"

namespace zelvo::test {
namespace {

struct SplitCase {
  const char* name;
  std::string text;
  char separator;
  std::vector<std::string> expected;  // its size is the number of parts asked for
};

void PrintTo(const SplitCase& row, std::ostream* os) { *os << row.name; }

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, Parts) {
  const SplitCase& c = GetParam();
  std::vector<std::string> parts(c.expected.size(), "stale");
  SplitText(c.text, parts, c.separator);
  EXPECT_EQ(parts, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SplitText, Split,
    testing::Values(
        SplitCase{"EmptyText", "", '|', {"", ""}}, SplitCase{"SizeReply", "120|50", '|', {"120", "50"}},
        SplitCase{"ThirdFieldIsDropped", "120|50|7", '|', {"120", "50"}},
        SplitCase{"RestOfTheLastPartIsDropped", "a=b=c", '=', {"a", "b"}},
        SplitCase{"NoSeparator", "whole", '|', {"whole", ""}},
        SplitCase{"ClosingSeparatorSetsNoPart", "text|", '|', {"text", ""}},
        SplitCase{"OpeningSeparator", "|answer|rest", '|', {"", "answer"}},
        SplitCase{"TwoSeparatorsInARow", "a||b", '|', {"a", "", "b"}},
        SplitCase{"OnlySeparators", "|||", '|', {"", "", ""}},
        SplitCase{"ThreeLinesOfSeven", "a=1\nb=2\nc=3", '\n', {"a=1", "b=2", "c=3", "", "", "", ""}},
        SplitCase{"CarriageReturnStays", "a=1\r\nb=2\r\n", '\n', {"a=1\r", "b=2\r", "", "", "", "", ""}},
        SplitCase{"OnePart", "a|b", '|', {"a"}}, SplitCase{"SingleCharacter", "x", '|', {"x", ""}},
        SplitCase{"HighBytesCompareAsBytes", "\xE0\xFF\xE0", '\xFF', {"\xE0", "\xE0"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zelvo::test
