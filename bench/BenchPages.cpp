#include "BenchPages.h"

#include <array>
#include <stdexcept>

#include "Iconv.h"

namespace zelvo::bench {
namespace {

constexpr std::string_view kFiller =
    "<div class=\"comment\"><p>Файл проверен антивирусом, скачивание начнётся через несколько секунд. "
    "Пожалуйста, подождите.</p><a href=\"/catalog/\">Каталог</a> <span>12,5 МБ</span></div>\n";

// The markers the plug-in looks for, as the page would hold them (UTF-8 here).
constexpr std::array<std::string_view, 17> kMarkers = {
    "Файл удален",
    "Несуществующая страница",
    "Внутренняя ошибка сервиса",
    "Файл заблокирован",
    "введите число",
    "ввести пароль",
    "Введите пароль",
    "<dt class=\"name\"><i class=\"",
    "\"></i>",
    "</dt>",
    "/disk/start/",
    "500 internal server error",
    "503 service temporarily unavailable",
    "504 gateway time-out",
    "fatal error",
    "charset=utf-8",
    "charset=\"utf-8",
};

// Each marker without its last character (UTF-8 characters are one to three bytes here).
std::string MarkerPrefixes() {
  std::string out;
  for (std::string_view marker : kMarkers) {
    std::size_t cut = marker.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(marker[cut]) & 0xC0) == 0x80) --cut;
    out.append(marker.substr(0, cut)).append(" ");
  }
  return out;
}

std::string FillerOf(Kind kind) {
  switch (kind) {
    case Kind::Prefixes:
      return MarkerPrefixes();
    case Kind::ManyMatches:
      return "<dt class=\"name\">файл</dt><a href=\"/disk/start/\">старт</a>\n";
    case Kind::InvalidUtf8:
      return "ok \xFF\xFE \xC3( \xE2\x82 \xED\xA0\x80 \xF4\x90\x80\x80 \x80\xBF \xC0\xAF текст\n";
    default:
      return std::string(kFiller);
  }
}

std::string Head(Charset charset) {
  return std::string("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=") +
         (charset == Charset::Utf8 ? "utf-8" : "windows-1251") + "\"><title>ZelvoDisk</title></head><body>\n";
}

std::string NameBlock(std::string_view name) {
  return std::string("<dl><dt class=\"name\"><i class=\"icon-file\"></i>") + std::string(name) +
         "</dt><dd>12,5 МБ</dd></dl>";
}

constexpr std::string_view kStartAnchor =
    "<a class=\"start\" href=\"http://zelvodisk.example/disk/start/c-zelvodisk.example/4711/file.zip\">"
    "Скачать файл</a>";

// Head, the filler repeated, and the tail, in the charset, at least size bytes in all.
std::string Build(Charset charset, const std::string& fillerUtf8, const std::string& tailUtf8,
                  std::size_t size) {
  const auto encode = [charset](const std::string& utf8) {
    return charset == Charset::Utf8 ? utf8 : hostkit::Cp1251FromUtf8(utf8);
  };
  std::string page = encode(Head(charset));
  const std::string filler = encode(fillerUtf8);
  const std::string tail = encode(tailUtf8 + "</body></html>\n");
  page.reserve(size + filler.size() + tail.size());
  while (page.size() + tail.size() < size) page += filler;
  return page + tail;
}

}  // namespace

Script MakeScript(const Case& c, std::size_t size) {
  const std::string filler = FillerOf(c.kind);
  const std::string publicTail = NameBlock("report.zip") + std::string(kStartAnchor);
  Script script;
  switch (c.kind) {
    case Kind::Captcha:
      script.page =
          Build(c.charset, filler,
                NameBlock("report.zip") + "<form>Пожалуйста, введите число с картинки</form>", size);
      script.description = "<captcha url=\"http://zelvodisk.example/captcha.gif?key=7f3a9c\"></captcha>";
      script.postReply = Build(c.charset, filler, publicTail, size);
      break;
    case Kind::EncodedBlanks: {
      std::string name = "report";
      for (std::size_t i = 0; i < size / 8; ++i) name += "%20";
      script.page = Build(c.charset, filler, NameBlock(name + ".zip") + std::string(kStartAnchor), size);
      break;
    }
    default:
      script.page = Build(c.charset, filler, publicTail, size);
  }
  return script;
}

}  // namespace zelvo::bench
