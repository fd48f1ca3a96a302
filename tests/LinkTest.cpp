// The job's link: the legacy host rewrite, the password, the cut after ".html", and the page
// link in UTF-8 with its escapes.
#include <gtest/gtest.h>

#include "LinkNormalise.h"
#include "PluginTest.h"

namespace zelvo::test {
namespace {

struct LinkCase {
  const char* name;
  std::string link;      // as the user typed it (UTF-8 here; the host hands it in Windows-1251)
  std::string reported;  // the canonical link of ModQuery (UTF-8 here)
  std::string pageLink;  // PageLink: UTF-8 bytes, escaped
  std::string password;  // Password: UTF-8 bytes
};

void PrintTo(const LinkCase& row, std::ostream* os) { *os << row.name; }

class Links : public PluginTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(Links, Normalise) {
  const LinkCase& c = GetParam();
  host.Init();
  const NormalisedLink result = NormaliseLink(W(c.link));
  EXPECT_EQ(host.calls, Transcript{expect::ModQuery(c.reported)});
  EXPECT_EQ(result.pageLink, c.pageLink);
  EXPECT_EQ(result.password, c.password);
}

INSTANTIATE_TEST_SUITE_P(
    LinkNormalise, Links,
    testing::Values(
        LinkCase{"Canonical", "http://zelvodisk.example/disk/abc.html",
                 "http://zelvodisk.example/disk/abc.html", "http://zelvodisk.example/disk/abc.html", ""},
        LinkCase{"LegacyHostInCapitals", "http://ZDisk.EXAMPLE/DISK/abc.html",
                 "http://zelvodisk.example/disk/abc.html", "http://zelvodisk.example/disk/abc.html", ""},
        LinkCase{"OnlyTheFirstLegacyAddressIsRewritten",
                 "http://zdisk.example/disk/a.html?r=zdisk.example/disk/",
                 "http://zelvodisk.example/disk/a.html", "http://zelvodisk.example/disk/a.html", ""},
        LinkCase{"NameAfterHtmlIsCut", "http://zelvodisk.example/disk/abc.html/Мой файл.zip",
                 "http://zelvodisk.example/disk/abc.html", "http://zelvodisk.example/disk/abc.html", ""},
        LinkCase{"Password", "http://тайна 1@zdisk.example/disk/abc.html/name",
                 "http://тайна 1@zelvodisk.example/disk/abc.html", "http://zelvodisk.example/disk/abc.html",
                 "тайна 1"},
        LinkCase{"AtRightAfterTheScheme", "http://@zelvodisk.example/disk/abc.html",
                 "http://zelvodisk.example/disk/abc.html", "http://zelvodisk.example/disk/abc.html", ""},
        LinkCase{"AtInThePathIsThePasswordSeparator", "http://zelvodisk.example/disk/a@b.html",
                 "http://zelvodisk.example/disk/a@b.html", "http://b.html", "zelvodisk.example/disk/a"},
        LinkCase{"PasswordWithoutTheScheme", "pass1234@zelvodisk.example/disk/a.html",
                 "http://4@zelvodisk.example/disk/a.html", "http://zelvodisk.example/disk/a.html", "4"},
        LinkCase{"EscapesAndUtf8", "http://zelvodisk.example/disk/Фото 100%#1.html",
                 "http://zelvodisk.example/disk/Фото 100%#1.html",
                 "http://zelvodisk.example/disk/\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE%20100%%231.html", ""},
        LinkCase{"CaseMattersForTheCut", "http://zelvodisk.example/disk/A.HTML/x.html/y",
                 "http://zelvodisk.example/disk/A.HTML/x.html", "http://zelvodisk.example/disk/A.HTML/x.html",
                 ""},
        // Nothing to cut: the link goes on whole.
        LinkCase{"WithoutHtml", "http://zelvodisk.example/disk/abc", "http://zelvodisk.example/disk/abc",
                 "http://zelvodisk.example/disk/abc", ""},
        LinkCase{"Empty", "", "", "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LinkNormaliseWithoutHost, ReportsNothingWithoutModQuery) {
  ResetPluginState();
  const NormalisedLink result = NormaliseLink("http://zdisk.example/disk/x.html");
  EXPECT_EQ(result.pageLink, "http://zelvodisk.example/disk/x.html");
}

}  // namespace
}  // namespace zelvo::test
