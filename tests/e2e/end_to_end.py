"""End to end: zelvo-service on a free loopback port, zelvo-host resolving its scenarios.

Every test starts its own service, so that the mirror rotation starts afresh, and gives the host
fresh configuration and cache folders. Nothing leaves loopback: the host sends every request for
the service's hosts to the emulator.
"""
import os
import socket
import subprocess
import sys
import tempfile
import threading
import unittest

HOST = os.environ["ZT_HOST"]
SERVICE = os.environ["ZT_SERVICE"]
SITE = "http://zelvodisk.example/disk/"


def file_bytes(scenario):
    line = ("ZelvoDisk test file: %s\n" % scenario).encode()
    data = b""
    while len(data) < 64 * 1024:
        data += line
    return data


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.env = dict(os.environ, XDG_CONFIG_HOME=self.path("config"), XDG_CACHE_HOME=self.path("cache"))
        self.service = subprocess.Popen([SERVICE, "--port", "0", "--quiet"], stdout=subprocess.PIPE, text=True)
        first = self.service.stdout.readline()
        self.assertTrue(first.startswith("listening on 127.0.0.1:"), first)
        self.address = first.split()[-1]

    def tearDown(self):
        self.service.terminate()
        self.service.wait(timeout=10)
        self.service.stdout.close()
        self.folder.cleanup()

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def host(self, *arguments, service_at=None, stdin=None, timeout=60):
        command = [HOST, "--service-at", service_at or self.address] + list(arguments)
        return subprocess.run(command, env=self.env, input=stdin, capture_output=True, text=True, timeout=timeout)

    def options(self, **values):
        os.makedirs(self.path("config/zelvo-host"), exist_ok=True)
        with open(self.path("config/zelvo-host/options.ini"), "w") as f:
            f.write("[ZelvoDiskTrumo]\n")
            for name, value in values.items():
                f.write("%s=%s\n" % (name, value))

    def resolve(self, link, *arguments, **kwargs):
        return self.host(*arguments, "resolve", link, **kwargs)

    def assertDownloaded(self, result, scenario, mirror, name):
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, "http://%s-zelvodisk.example/f/%s/file.bin#/%s|0|1\n" % (mirror, scenario, name))
        self.assertIn("Скачиваю с подсети %s-zelvodisk.example" % mirror, result.stderr)
        with open(self.path("downloads/" + name), "rb") as f:
            self.assertEqual(f.read(), file_bytes(scenario))

    def assertFailure(self, result, answer, code=1):
        self.assertEqual(result.returncode, code, result.stderr)
        self.assertEqual(result.stdout, answer + "\n" if answer else "")

    # --- files that can be downloaded ---

    def test_public(self):
        result = self.resolve(SITE + "public.html", "--download", self.path("downloads"))
        self.assertDownloaded(result, "public", "a", "Отчёт за 2026 год.zip")
        self.assertTrue(result.stderr.startswith("Плагин ZelvoDiskTrumo. Версия 1.0 QRT. Автор: Trumo.\n"))
        self.assertIn("Режим эмуляции Балмор.Бара.", result.stderr)

    def test_legacy_host_link(self):
        result = self.resolve("http://ZDISK.example/disk/public.html", "--download", self.path("downloads"))
        self.assertDownloaded(result, "public", "a", "Отчёт за 2026 год.zip")
        self.assertIn("the job's link is now http://zelvodisk.example/disk/public.html", result.stderr)

    def test_utf8_page(self):
        result = self.resolve(SITE + "utf8.html", "--download", self.path("downloads"))
        self.assertDownloaded(result, "utf8", "a", "Летние фотографии & видео.zip")

    def test_password(self):
        result = self.resolve("http://черепаха7@zelvodisk.example/disk/password.html", "--download",
                              self.path("downloads"))
        self.assertDownloaded(result, "password", "a", "Тайное письмо.rar")

    def test_captcha(self):
        result = self.resolve(SITE + "captcha.html", "--captcha-answer", "3816", "--download", self.path("downloads"))
        self.assertDownloaded(result, "captcha", "a", "Большой архив.iso")
        # The picture was fetched into the plug-in's folder and turned into a BMP by the host.
        self.assertTrue(os.path.getsize(self.path("cache/zelvo-host/ZelvoDisk.bmp")) > 1000)

    def test_captcha_typed_on_standard_input(self):
        result = self.resolve(SITE + "utf8-captcha.html", "--download", self.path("downloads"), stdin="7150\n")
        self.assertDownloaded(result, "utf8-captcha", "a", "Карта города.pdf")
        self.assertIn("Введите текст с изображения:", result.stderr)

    def test_captcha_and_password(self):
        result = self.resolve("http://ключ42@zelvodisk.example/disk/captcha-password.html", "--captcha-answer",
                              "5027", "--download", self.path("downloads"))
        self.assertDownloaded(result, "captcha-password", "a", "Семейные фото.7z")

    def test_an_avoided_mirror_is_left_for_the_next(self):
        self.options(NoDiscard_a="0")
        result = self.resolve(SITE + "public.html", "--download", self.path("downloads"))
        self.assertDownloaded(result, "public", "b", "Отчёт за 2026 год.zip")
        self.assertIn("Отбрасываю ссылку: http://zelvodisk.example/disk/start/a-zelvodisk.example/public/file.bin",
                      result.stderr)

    def test_a_mirror_that_cannot_be_avoided_is_used_after_three_attempts(self):
        self.options(NoDiscard_c="0")
        result = self.resolve(SITE + "mirror-c.html", "--download", self.path("downloads"))
        self.assertDownloaded(result, "mirror-c", "c", "Дистрибутив.iso")
        self.assertEqual(result.stderr.count("Отбрасываю ссылку:"), 2)
        self.assertIn("Обойти выбранные подсети не удалось.", result.stderr)

    def test_debug_mode_keeps_page_copies(self):
        result = self.resolve(SITE + "public.html", "--debug")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("Имя файла: Отчёт за 2026 год.zip", result.stderr)
        with open(self.path("cache/zelvo-host/ZelvoDisk1.html"), "rb") as f:
            self.assertIn("Отчёт за 2026 год.zip".encode("cp1251"), f.read())

    # --- answers that end the job ---

    def test_failure_answers(self):
        cases = [
            ("deleted", "%deleted%"),
            ("blocked", "%deleted%"),
            ("missing", "%notfound%"),
            ("internal-error", "%Внутренняя ошибка сервиса."),
            ("gateway-error", "%504 Gateway Time-out (шлюз не отвечает)."),
            ("password", "%Для скачивания файла требуется ввести ссылку содержащую пароль."),
        ]
        for scenario, answer in cases:
            with self.subTest(scenario):
                self.assertFailure(self.resolve(SITE + scenario + ".html"), answer)

    def test_wrong_answers_to_challenges(self):
        cases = [
            ("http://wrong@zelvodisk.example/disk/password.html", [], "%Ошибка в пароле."),
            (SITE + "captcha.html", ["--captcha-answer", "1111"], "%Ошибка в вводе кода безопасности."),
            ("http://ключ42@zelvodisk.example/disk/captcha-password.html", ["--captcha-answer", "1111"],
             "%Ошибка в пароле или в вводе кода безопасности."),
            ("http://wrong@zelvodisk.example/disk/captcha-password.html", ["--captcha-answer", "5027"],
             "%Ошибка в пароле или в вводе кода безопасности."),
        ]
        for link, arguments, answer in cases:
            with self.subTest(link=link, arguments=arguments):
                self.assertFailure(self.resolve(link, *arguments), answer)

    # --- the options form and the hooks ---

    def test_options_form_stores_the_checklist(self):
        result = self.host("options", stdin="1 3\n\n")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("1. [x] не отбрасывать http://*a-zelvodisk.example.", result.stderr)
        with open(self.path("config/zelvo-host/options.ini")) as f:
            stored = f.read()
        self.assertIn("NoDiscard_a=0\nNoDiscard_b=1\nNoDiscard_c=0\n", stored)
        # Cancelling stores nothing and says so.
        result = self.host("options", stdin="2\nq\n")
        self.assertIn("Данные не сохранены.", result.stderr)
        with open(self.path("config/zelvo-host/options.ini")) as f:
            self.assertEqual(f.read(), stored)

    def test_error_hook_in_debug_mode(self):
        with open(self.path("page.html"), "w") as f:
            f.write("<h1>416 Requested Range Not Satisfiable</h1>")
        result = self.host("--debug", "on-error", "Downloaded html", self.path("page.html"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("СКОРЕЕ ВСЕГО ФАЙЛ УЖЕ ПОЛНОСТЬЮ СКАЧАН.", result.stderr)

    # --- the network failing under the plug-in ---

    def assertNetworkFailure(self, result, words):
        self.assertEqual(result.returncode, 3, result.stderr)
        self.assertEqual(result.stdout, "")
        self.assertIn("zelvo-host: the job failed on the network: GET http://zelvodisk.example/disk/public.html",
                      result.stderr)
        self.assertIn(words, result.stderr)

    def test_connection_refused(self):
        closed = socket.socket()
        closed.bind(("127.0.0.1", 0))
        port = closed.getsockname()[1]
        closed.close()
        result = self.resolve(SITE + "public.html", service_at="127.0.0.1:%d" % port)
        self.assertNetworkFailure(result, "Couldn't connect to server")

    def serve_raw(self, respond):
        """A listener of our own that answers every connection with respond(connection)."""
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(4)
        self.addCleanup(listener.close)

        def run():
            while True:
                try:
                    connection, _ = listener.accept()
                except OSError:
                    return
                respond(connection)

        threading.Thread(target=run, daemon=True).start()
        return "127.0.0.1:%d" % listener.getsockname()[1]

    def test_timed_out(self):
        held = []
        address = self.serve_raw(held.append)  # accepted, never answered
        self.addCleanup(lambda: [c.close() for c in held])
        result = self.resolve(SITE + "public.html", "--timeout", "1", service_at=address)
        self.assertNetworkFailure(result, "Timeout was reached")

    def test_truncated_body(self):
        def respond(connection):
            connection.recv(4096)
            connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n<html>cut short")
            connection.close()

        result = self.resolve(SITE + "public.html", service_at=self.serve_raw(respond))
        self.assertNetworkFailure(result, "Transferred a partial file")

    def test_connection_reset(self):
        def respond(connection):
            connection.recv(4096)
            connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\x00\x00\x00\x00\x00\x00\x00")
            connection.close()  # with linger 0: a reset

        result = self.resolve(SITE + "public.html", service_at=self.serve_raw(respond))
        self.assertEqual(result.returncode, 3, result.stderr)
        self.assertIn("zelvo-host: the job failed on the network:", result.stderr)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[1:])
