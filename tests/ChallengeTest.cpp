// Jobs whose page asks for a password, a captcha or both: the posts byte for byte, the captcha
// picture and prompt, and the answers when the service does not accept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Jobs.h"
#include "Pages.h"
#include "PluginTest.h"
#include "TempFolder.h"

namespace zelvo::test {
namespace {

using namespace expect;
using namespace jobs;
using pages::StartLink;

const std::string kPasswordLink = "http://tajna@zelvodisk.example/disk/4711.html";
const std::string kDescriptionUrl = "http://zelvodisk.example/disk/getcapchaxml/";
const std::string kPictureUrl = "http://zelvodisk.example/capcha.php?key=4f2a9";
// The key behind the address end is not the picture's.
const std::string kDescription =
    "<?xml version=\"1.0\"?><captcha url=\"" + kPictureUrl + "\"> key=wrong</captcha>";
const char* const kWithoutEmulation = "Без эмуляции Балмор.Бара обход выбранных сетей не работает.";

// The plug-in folder of every job here: the captcha picture lands in it.
const TempFolder& Folder() {
  static const TempFolder folder;
  return folder;
}
std::string Picture() { return Folder().Prefix() + "ZelvoDisk.gif"; }

std::vector<std::string> CaptchaPages(const std::string& challenge,
                                      const std::string& description = kDescription) {
  return {challenge, description, "GIF89a"};
}

HostCall Post(const std::string& body) { return {"HostPostPage", {kLink, body, "reply"}}; }

// The description, the picture request and the prompt of one captcha (size 100 x 40).
Transcript CaptchaRound(const std::string& pictureUrl = kPictureUrl, bool pictureThere = true) {
  Transcript out = {GetPage(kDescriptionUrl), GetPage(pictureUrl + "|" + Picture())};
  if (!pictureThere) return out;
  const std::string bmp = Folder().Prefix() + "ZelvoDisk.bmp";
  return Then({out,
               {{"GetPicSize", {Picture(), "reply"}},
                {"SetArrLen", {"array", "300", "40"}},
                {"PicToArr", {Picture(), "array", "100", "40"}},
                {"ArrToPic", {bmp, "array", "100", "40"}},
                {"SetArrLen", {"array", "0", "0"}},
                {"ShowHAWindow", {Picture() + "|" + W("Введите текст с изображения:"), "60", "reply"}}}});
}

const std::string kBoth = pages::Page(pages::NameBlock("big.iso") + "Нужно ввести пароль и введите число");
const std::string kAccepted = pages::Public("report.zip", 'c');

struct ChallengeJob {
  std::string name;
  std::vector<std::string> pages;  // the replies to the page requests, in order
  std::vector<std::string> posts;  // the replies to the posts
  Transcript expected;
  std::string link = kLink;
  std::string window = "x7Kp";  // what the user types into the prompt window
  bool pictureArrives = true;   // the host stores a picture for the picture request
  bool pictureBefore = false;   // a picture of an earlier captcha is there
  std::map<char, std::string> options = {};
  uint32_t mode = 0;
};

void PrintTo(const ChallengeJob& row, std::ostream* os) { *os << row.name; }

const std::string kPasswordBody = "passwd=tajna\naction=sendpw";
const std::string kCaptchaBody = "%simple%action=sendcapcha\nkey=4f2a9\nrep=x7Kp";

// A job that posts the password of kPasswordLink, then goes on as the outcome says.
Transcript PasswordJob(const Transcript& outcome) {
  return Then({Opening(kPasswordLink), {GetPage(kLink), Log(kEmulation), Post(kPasswordBody)}, outcome});
}

// A job that answers a captcha with the body, then goes on as the outcome says.
Transcript CaptchaJob(const Transcript& outcome, const std::string& body = kCaptchaBody,
                      const std::string& reported = kLink, const Transcript& round = CaptchaRound()) {
  return Then({Opening(reported), {GetPage(kLink)}, round, {Post(body)}, outcome});
}

std::vector<ChallengeJob> Jobs() {
  const Transcript download = Then({MirrorReads(), Download(StartLink('c'), 'c')});
  const std::string gatewayError = "<html><head><title>504 Gateway Time-out</title></head></html>";
  const Transcript gatewayAnswer = {SetResult("%504 Gateway Time-out (шлюз не отвечает).")};
  const Transcript wrongCode = {SetResult("%Ошибка в вводе кода безопасности.")};
  return {
      {.name = "PasswordAccepted",
       .pages = {pages::PasswordChallenge()},
       .posts = {kAccepted},
       .expected = PasswordJob(download),
       .link = kPasswordLink},
      {.name = "PasswordGoesInUtf8AsItStands",
       .pages = {pages::PasswordChallenge()},
       .posts = {kAccepted},
       .expected = Then({Opening("http://тай на&1@zelvodisk.example/disk/4711.html"),
                         {GetPage(kLink), Log(kEmulation), Post("passwd=тай на&1\naction=sendpw")},
                         download}),
       .link = "http://тай на&1@zelvodisk.example/disk/4711.html"},
      {.name = "PasswordAcceptedInDebugModeCopiesBothPages",
       .pages = {pages::PasswordChallenge()},
       .posts = {kAccepted},
       .expected =
           Then({Opening(kPasswordLink),
                 {GetPage(kLink), SaveFile(Folder().Prefix() + "ZelvoDisk1.html", pages::PasswordChallenge()),
                  Log(kEmulation), Post(kPasswordBody),
                  SaveFile(Folder().Prefix() + "ZelvoDisk2.html", kAccepted), Log("Имя файла: report.zip")},
                 download}),
       .link = kPasswordLink,
       .mode = 1},
      {.name = "WrongPassword",
       .pages = {pages::PasswordChallenge()},
       .posts = {pages::Page("Неверный пароль. Введите пароль ещё раз")},
       .expected = PasswordJob({SetResult("%Ошибка в пароле.")}),
       .link = kPasswordLink},
      {.name = "OnlyTheCapitalWordingRejectsAPassword",
       .pages = {pages::PasswordChallenge()},
       .posts = {pages::Page(pages::NameBlock("report.zip") + "ввести пароль" + pages::StartAnchor('c'))},
       .expected = PasswordJob(download),
       .link = kPasswordLink},
      {.name = "PasswordPostMeetsAServerError",
       .pages = {pages::PasswordChallenge()},
       .posts = {gatewayError + W("Введите пароль")},
       .expected = PasswordJob(gatewayAnswer),
       .link = kPasswordLink},
      {.name = "EmptyReplyToThePasswordPost",
       .pages = {pages::PasswordChallenge()},
       .posts = {""},
       .expected = PasswordJob({}),
       .link = kPasswordLink},
      {.name = "CaptchaAccepted",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {kAccepted},
       .expected = CaptchaJob(download)},
      {.name = "CaptchaAndPasswordInOnePost",
       .pages = CaptchaPages(kBoth),
       .posts = {kAccepted},
       .expected =
           CaptchaJob(download, "action=sendcapcha\nkey=4f2a9\nrep=x7Kp\npasswd=tajna", kPasswordLink),
       .link = kPasswordLink},
      {.name = "CaptchaWithoutPasswordMarkerLeavesThePasswordOut",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {pages::CaptchaChallenge()},
       .expected = CaptchaJob({SetResult("%Ошибка в пароле или в вводе кода безопасности.")}, kCaptchaBody,
                              kPasswordLink),
       .link = kPasswordLink},
      {.name = "WrongCode",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {pages::CaptchaChallenge()},
       .expected = CaptchaJob(wrongCode)},
      {.name = "PasswordMarkerAfterTheCaptchaPostIsAFailureToo",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {pages::PasswordChallenge()},
       .expected = CaptchaJob(wrongCode)},
      {.name = "CaptchaPostMeetsAServerError",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {gatewayError + W("введите число")},
       .expected = CaptchaJob(gatewayAnswer)},
      {.name = "EmptyReplyToTheCaptchaPost",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {""},
       .expected = CaptchaJob({})},
      {.name = "KeyAndAnswerGoUnchanged",
       .pages = CaptchaPages(pages::CaptchaChallenge(), "<c url=\"http://zelvodisk.example/c?key=k 1&x=%\">"),
       .posts = {kAccepted},
       .expected = CaptchaJob(download, "%simple%action=sendcapcha\nkey=k 1&x=%\nrep=a b&c=d", kLink,
                              CaptchaRound("http://zelvodisk.example/c?key=k 1&x=%")),
       .window = "a b&c=d|rest"},
      {.name = "NoPictureMeansTheEmptyAnswer",
       .pages = CaptchaPages(pages::CaptchaChallenge(), ""),
       .posts = {pages::CaptchaChallenge()},
       .expected =
           CaptchaJob(wrongCode, "%simple%action=sendcapcha\nkey=\nrep=", kLink, CaptchaRound("", false)),
       .pictureArrives = false},
      {.name = "AnAddressWithoutItsEndIsEmpty",
       .pages = CaptchaPages(pages::CaptchaChallenge(), "<c url=\"http://zelvodisk.example/c?key=1"),
       .posts = {kAccepted},
       .expected =
           CaptchaJob(download, "%simple%action=sendcapcha\nkey=\nrep=x7Kp", kLink, CaptchaRound(""))},
      {.name = "AnEarlierPictureIsShownWhenNoneArrives",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {kAccepted},
       .expected = CaptchaJob(download),
       .pictureArrives = false,
       .pictureBefore = true},
      {.name = "BehindACaptchaAnUnwantedMirrorIsTaken",
       .pages = CaptchaPages(pages::CaptchaChallenge()),
       .posts = {kAccepted},
       .expected =
           CaptchaJob(Then({MirrorReads('c'), {Log(kWithoutEmulation)}, Download(StartLink('c'), 'c')})),
       .options = {{'c', "0"}}},
  };
}

class ChallengeJobs : public PluginTest, public testing::WithParamInterface<ChallengeJob> {};

TEST_P(ChallengeJobs, Resolve) {
  const ChallengeJob& s = GetParam();
  std::filesystem::remove(Picture());
  if (s.pictureBefore) std::ofstream(Picture()) << "GIF89a";
  host.Init(s.mode, Folder().Prefix().c_str());
  if (s.pictureArrives) {
    // The host stores the response of an "address|path" request in the file at path.
    host.onCall = [](const HostCall& call) {
      const std::size_t bar = call.args.front().find('|');
      if (call.name == "HostGetPage" && bar != std::string::npos)
        std::ofstream(call.args.front().substr(bar + 1), std::ios::binary) << "GIF89a";
    };
  }
  for (const auto& page : s.pages) host.replies["HostGetPage"].push_back({page});
  for (const auto& page : s.posts) host.replies["HostPostPage"].push_back({page});
  for (const auto& [letter, value] : s.options)
    host.options[std::string("ZelvoDiskTrumo/NoDiscard_") + letter] = value;
  host.replies["GetPicSize"] = {{"100|40"}};
  host.replies["ShowHAWindow"] = {{s.window}};
  host.replies["GetLocation"] = {{MirrorTarget('c')}};

  PlgGetDirectLink(W(s.link).c_str());

  EXPECT_EQ(host.calls, s.expected);
}

INSTANTIATE_TEST_SUITE_P(PlgGetDirectLink, ChallengeJobs, testing::ValuesIn(Jobs()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace zelvo::test
