#!/usr/bin/env python3
"""Writes the seed corpus of the fuzzers from the test suite's scenarios.

Each seed is parts joined by "\\n@@\\n" (see FuzzHost.h). Run it again after changing a scenario;
the seeds are kept in the repository.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SEP = b"\n@@\n"
LINK = b"http://zelvodisk.example/disk/4711.html"
LOCATION = b"http://c-zelvodisk.example/f/4711/file"


def w(text):
    return text.encode("cp1251")


def page(body, charset="windows-1251"):
    text = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=%s">'
            "<title>ZelvoDisk</title></head><body>%s</body></html>" % (charset, body))
    return text.encode("utf-8") if charset == "utf-8" else w(text)


def name_block(name):
    return '<dl><dt class="name"><i class="icon-file"></i>%s</dt><dd>12,5 МБ</dd></dl>' % name


def start(mirror="c"):
    return ('<a class="start" href="http://zelvodisk.example/disk/start/%s-zelvodisk.example/4711/file.zip">'
            "Скачать файл</a>" % mirror)


PUBLIC = page(name_block("report.zip") + start())
FINISH = [b"1"] * 7 + [b"", LOCATION]  # the seven options, HTTPHead, GetLocation
CAPTCHA = page(name_block("big.iso") + "<form>Пожалуйста, введите число с картинки</form>")
PASSWORD = page(name_block("secret.rar") + "<form>Чтобы скачать файл, нужно ввести пароль:</form>")
DESCRIPTION = b'<response><capcha url="http://zelvodisk.example/disk/capcha/?key=7f3a9c"></capcha></response>'

DIRECT_LINK = {
    "public": [b"\x00", LINK, PUBLIC] + FINISH,
    "debug": [b"\x01", b"https://zelvodisk.example/disk/4711.html", PUBLIC, b""] + FINISH,
    "legacy": [b"\x00", b"http://ZDISK.example/disk/4711.html#x", PUBLIC] + FINISH,
    "password": [b"\x00", b"http://pw@zelvodisk.example/disk/4711.html", PASSWORD, PUBLIC] + FINISH,
    "password-wrong": [b"\x00", b"http://pw@zelvodisk.example/disk/4711.html", PASSWORD,
                       page("Введите пароль")],
    "captcha": [b"\x02", LINK, CAPTCHA, DESCRIPTION, b"", b"4|4", b"1234|x", PUBLIC] + FINISH,
    "captcha-password": [b"\x02", b"http://pw@zelvodisk.example/disk/4711.html",
                         page(name_block("a.rar") + "ввести пароль введите число"), DESCRIPTION, b"", b"4|4",
                         b"1234", PUBLIC] + FINISH,
    "deleted": [b"\x00", LINK, page("<h1>Файл удален</h1>")],
    "blocked": [b"\x00", LINK, page("<h1>Файл заблокирован</h1>")],
    "missing": [b"\x00", LINK, page("<h1>Несуществующая страница</h1>")],
    "internal": [b"\x00", LINK, page("<h1>Внутренняя ошибка сервиса</h1>")],
    "gateway": [b"\x00", LINK, b"<html><head><title>504 Gateway Time-out</title></head></html>"],
    "utf8": [b"\x00", LINK, page(name_block("Отчёт &amp; фото &#1071;.zip") + start(), "utf-8")] + FINISH,
    "avoided": [b"\x00", LINK, PUBLIC, b"1", b"1", b"0", PUBLIC, b"1", b"1", b"1", b"1", b"1", b"1", b"1",
                b"", LOCATION],
    "hostile-name": [b"\x00", LINK, page(name_block("..\\..\\CON .%20|0|1") + start())] + FINISH,
    "no-replies": [b"\x00", LINK, b"@@none", b"@@null"],
}

OPTIONS = {
    "saved": [b"1", b"0", b"", b"1", b"x|y", b"1", b"0",
              b"NoDiscard_a=1\nNoDiscard_b=0\nNoDiscard_c=1\nNoDiscard_d=1\nNoDiscard_e=1\nNoDiscard_f=1\nNoDiscard_g=0"],
    "cancelled": [b"1"] * 7 + [b""],
    "silent": [b"1"] * 7 + [b"@@none"],
    "short": [b""] * 7 + [b"NoDiscard_a=0\nbroken\n=\n"],
}

HOOKS = {
    "success": [b"\x00", page(name_block("Отчёт.zip") + start()), b"", b"", b"file.bin", w("Отчёт.zip\nОтчёт_1.zip")]
    + FINISH,
    "escaped-blanks": [b"\x00", page(name_block("my%20report%20.zip") + start()), b"", b"", b"my%20report%20.zip",
                       b"my report.zip"] + FINISH,
    "error-debug": [b"\x01", PUBLIC, b"Downloaded html", b"<h1>416 Requested Range Not Satisfiable</h1>",
                    b"file.bin", b""] + FINISH,
    "error-504": [b"\x01", PUBLIC, b"Downloaded html", b"504 Gateway Time-out", b"x", b""] + FINISH,
}

# Texts for the page scan: pages, and near matches of every marker around the real ones.
MARKERS = {
    "public": PUBLIC,
    "captcha": CAPTCHA,
    "password": PASSWORD,
    "verdicts": page("Файл удале Файл удален Несуществующая страниц Файл заблокирова Внутренняя ошибка сервиса"),
    "server-errors": b"500 INTERNAL SERVER ERRO 503 Service Temporarily Unavailable 504 gateway time-ou Fatal Error",
    "many-names": page('<dt class="name">x</dt>' * 40 + name_block("a.zip") + "/disk/start" * 20 + start()),
}


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, parts in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(SEP.join(parts))


write("direct_link", DIRECT_LINK)
write("options", OPTIONS)
write("hooks", HOOKS)
write("markers", {name: [text] for name, text in MARKERS.items()})
