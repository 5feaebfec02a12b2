#!/usr/bin/env python3
"""The command-line contract of sorvanta-lookup on small hand-written modules,
its citation formats and HTML output included.

Usage: cli_contract_test.py SORVANTA_LOOKUP DATA_DIR [EMULATOR...]

With an emulator (a Windows build under Wine: the command that runs it), the
same cases give the same bytes; only where the settings live and where a first
start looks differ, and those cases take the Windows forms.
"""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from cases import read_cases

TOOL = None
ROOT = None
EMULATOR = []
SETTINGS_KEY = r"HKCU\Software\Sorvanta\sorvanta\Settings"


def run(args, stdin=b"", env=None, tool=None):
    return subprocess.run(EMULATOR + [tool or TOOL] + args, input=stdin, capture_output=True, env=env, timeout=60)


def windows_settings(*values):
    """Replaces the desktop program's registry settings by the given (name, type, data) values."""
    subprocess.run(EMULATOR + ["reg.exe", "delete", r"HKCU\Software\Sorvanta", "/f"], capture_output=True)
    for name, kind, data in values:
        subprocess.run(EMULATOR + ["reg.exe", "add", SETTINGS_KEY, "/v", name, "/t", kind, "/d", data, "/f"],
                       capture_output=True, check=True)


def tree_digest(root):
    digest = hashlib.sha256()
    for folder, _, files in sorted(os.walk(root)):
        for name in sorted(files):
            path = os.path.join(folder, name)
            with open(path, "rb") as content:
                digest.update(path.encode() + content.read() + str(os.stat(path).st_mtime_ns).encode())
    return digest.hexdigest()


NO_BOOK = "Нету книг c таким сокращением или не выбран модуль\n"
NOT_FOUND = "Искомый отрывок не найден\n"


class LookupContract(unittest.TestCase):
    def lookup(self, args, stdin=b""):
        return run(["--directory", ROOT] + args, stdin)

    def test_list_prints_names_in_catalogue_order(self):
        names = ["Пример перевода", "Главы и стихи", "Главы и стихи (второе имя)"]
        cases = [
            ([], "".join(n + "\n" for n in names).encode()),
            (["--null"], "".join(n + "\0" for n in names).encode()),
            (["--encoding", "cp1251"], "".join(n + "\n" for n in names).encode("cp1251")),
        ]
        for extra, expected in cases:
            result = self.lookup(["--list"] + extra)
            self.assertEqual((result.returncode, result.stdout, result.stderr), (0, expected, b""), extra)

    def test_each_request_of_the_lookup_table(self):
        """The requests to one module in one start, as a batch: a record and its messages each."""
        streams = {"found": lambda q: (q, ""), "not-found": lambda q: ("", NOT_FOUND + (q and q + "\n")),
                   "no-book": lambda q: ("", NO_BOOK + NOT_FOUND)}
        batches = {}
        for case in read_cases(DATA, "lookup.tsv"):
            batches.setdefault((case["root"], case["module"]), []).append(case)
        for (root, module), cases in batches.items():
            result = run(["--directory", os.path.join(DATA, root), "--module-index", module, "--null"],
                         "".join(case["typed"] + "\n" for case in cases).encode())
            expected = [streams[case["outcome"]](case["quotation"]) for case in cases]
            for case, record, (quotation, _) in zip(cases, result.stdout.decode().split("\0"), expected):
                self.assertEqual(record, quotation, case["where"])
            self.assertEqual((result.returncode, result.stdout.count(b"\0"), result.stderr.decode()),
                             (int(any(messages for _, messages in expected)), len(cases),
                              "".join(messages for _, messages in expected)), cases[0]["where"])

    def test_references_as_arguments(self):
        cases = [
            (["Кн 3", "Кн 1:1"], 1, "Кн 1:1. Alpha\n", NOT_FOUND + "В книге глав: 2.\n"),
            (["--module", "Главы и стихи (второе имя)", "ин 1:3"], 0, "ин 1:3. Все чрез Него начало быть.\n", ""),
            (["--format", "reference-first", "Кн 2:1-2"], 0, "Кн 2:1-2. Delta\r\n2 Epsilon\n", ""),
            (["--format", "quoted", "Кн 1:1-3"], 0, "«Alpha\r\n2 Beta\r\n3 Gamma» (Кн 1:1-3)\n", ""),
            (["--format=reference-last", "--no-verse-numbers", "--join", "Кн 1"], 0, "Глава 1 Alpha Beta Gamma (Кн 1)\n",
             ""),
            (["--html", "--format", "quoted", "Кн 2:1-2"], 0,
             '<meta charset="utf-8">«Delta<br><sup>2</sup> Epsilon» (<b>Кн 2:1-2</b>)\n', ""),
        ]
        for args, status, out, err in cases:
            result = self.lookup(args)
            self.assertEqual((result.returncode, result.stdout.decode(), result.stderr.decode()),
                             (status, out, err), args)

    def test_modules_in_utf8_and_in_code_page_1251_side_by_side(self):
        root = os.path.join(DATA, "encodings")
        names = ["Синодальный", "Юникод с меткой", "Keyed", "Юникод без метки"]
        cases = [
            (["--list"], "".join(n + "\n" for n in names).encode()),
            (["--list", "--encoding", "cp1251"], "".join(n + "\n" for n in names).encode("cp1251")),
            (["--module-index", "1", "--encoding", "cp1251", "кн 1:2"], "кн 1:2. Оно было в начале.\n".encode("cp1251")),
            (["--module", "Юникод без метки", "иоан 1:1−2"],
             "иоан 1:1−2. Вначале было Слово,\n2 Оно было в начале у Бога.\n".encode()),
            (["--module-index", "3", "--encoding", "cp1251", "Ин\u00a01:3"],
             "Ин\u00a01:3. Всё через Него начало быть.\n".encode("cp1251")),
        ]
        for args, expected in cases:
            result = run(["--directory", root] + args)
            self.assertEqual((result.returncode, result.stdout, result.stderr), (0, expected, b""), args)

    def test_batch_mode_keeps_records_aligned(self):
        stdin = "Кн 1:1\r\n Кн 2:2 \nКн 9\n\nКн 1".encode()  # the last line without its end
        result = self.lookup(["--null"], stdin)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout.decode().split("\0"), [
            "Кн 1:1. Alpha", " Кн 2:2 . Epsilon", "", "", "Кн 1. Глава 1\r\n1 Alpha\r\n2 Beta\r\n3 Gamma", ""])
        self.assertEqual(result.stderr.decode(), NOT_FOUND + "В книге глав: 2.\n" + NO_BOOK + NOT_FOUND)

    def test_null_records_never_hold_a_nul_and_broken_utf8_reads_as_question_marks(self):
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "m"))
            with open(os.path.join(root, "m", "orvanel.ini"), "wb") as ini:
                ini.write("BibleName = N\r\nChapterSign = <h4>\r\nVerseSign = <p>\r\nF = kn.htm\r\nQ\r\nA = Кн\r\n"
                          .encode("cp1251"))
            with open(os.path.join(root, "m", "kn.htm"), "wb") as book:
                book.write(b"<h4>1<p>1 Al\0pha<p>2 Beta")
            # The verse is "2" and something, so its number stays in the text.
            cases = [
                ("Кн 1:1".encode(), "Кн 1:1. Al?pha"),                        # a NUL from the book
                ("Кн 1:2".encode() + b"\0", "Кн 1:2?. 2 Beta"),                 # a NUL typed
                ("Кн 1:2".encode() + b"\xc0\x80", "Кн 1:2??. 2 Beta"),          # overlong NUL
                ("Кн 1:2".encode() + b"\xe0\x80\x8a", "Кн 1:2???. 2 Beta"),     # overlong line feed
                ("Кн 1:2".encode() + b"\xed\xa0\x80", "Кн 1:2???. 2 Beta"),     # a surrogate
            ]
            stdin = b"\n".join(line for line, _ in cases) + b"\n"
            result = run(["--directory", root, "--null"], stdin)
            self.assertEqual(result.stdout.split(b"\0"), [record.encode() for _, record in cases] + [b""])
            # Line-feed records keep a NUL, but no byte sequence becomes a line feed.
            self.assertEqual(len(run(["--directory", root], stdin).stdout.split(b"\n")), len(cases) + 1)

    def test_unusable_root_or_choice_and_usage_errors_exit_2(self):
        cases = [
            (["--directory", ROOT + "/c_nomodule", "Кн 1"], "В каталоге " + ROOT + "/c_nomodule модули не были найдены\n"),
            (["--directory", ROOT, "--module", "Нет такого", "Кн 1"], "no module named"),
            (["--directory", ROOT, "--module-index", "3", "Кн 1"], "beyond the 3 modules"),
            (["--bogus"], "unknown option"),
            (["--encoding"], "needs a value"),
            (["--format"], "needs a value"),
            (["--format", "short", "Кн 1"], 'not "short"'),
            (["--join=yes", "Кн 1"], "takes no value"),
            (["--html", "--encoding", "cp1251", "Кн 1"], "excludes --encoding cp1251"),
        ]
        for args, message in cases:
            result = run(args)
            self.assertEqual(result.returncode, 2, args)
            self.assertIn(message, result.stderr.decode(), args)
            self.assertEqual(result.stdout, b"", args)

    def test_default_root_comes_from_the_desktop_profile(self):
        if EMULATOR:
            cases = [
                ([("Directory", "REG_SZ", ROOT)], (0, "Кн 2:1. Delta\n")),
                # A value of another type is no directory: a first start, which finds nothing here.
                ([("Directory", "REG_DWORD", "1")], (2, "")),
            ]
            for values, expected in cases:
                windows_settings(*values)
                result = run(["Кн 2:1"])
                self.assertEqual((result.returncode, result.stdout.decode()), expected, values)
            windows_settings()
            return
        with tempfile.TemporaryDirectory() as config:
            os.makedirs(os.path.join(config, "Sorvanta"))
            with open(os.path.join(config, "Sorvanta", "sorvanta.conf"), "w", encoding="utf-8") as profile:
                profile.write("[Settings]\nDirectory=" + ROOT + "\nShowDlg=1\n")
            env = dict(os.environ, XDG_CONFIG_HOME=config)
            result = run(["Кн 2:1"], env=env)
            self.assertEqual((result.returncode, result.stdout.decode()), (0, "Кн 2:1. Delta\n"))

    def test_without_a_directory_in_the_profile_the_modules_found_are_used(self):
        if EMULATOR:  # the program in the host's folder finds the modules below it
            windows_settings(("ShowDlg", "REG_DWORD", "1"))
            with tempfile.TemporaryDirectory() as folder:
                host = os.path.join(folder, "ORVANEL")
                shutil.copytree(os.path.join(ROOT, "a_kn"), os.path.join(host, "Modules", "a_kn"))
                os.makedirs(os.path.join(host, "Sorvanta"))
                shutil.copy(TOOL, os.path.join(host, "Sorvanta"))
                result = run(["Кн 2:1"], tool=os.path.join(host, "Sorvanta", os.path.basename(TOOL)))
            windows_settings()
            self.assertEqual((result.returncode, result.stdout.decode()), (0, "Кн 2:1. Delta\n"))
            return
        with tempfile.TemporaryDirectory() as home:
            modules = os.path.join(home, ".wine", "drive_c", "Program Files", "Orvanel", "Modules")
            shutil.copytree(os.path.join(ROOT, "a_kn"), os.path.join(modules, "a_kn"))
            os.symlink(home, os.path.join(home, "loop"))
            os.makedirs(os.path.join(home, ".config", "Sorvanta"))
            env = dict(os.environ, HOME=home, XDG_DATA_DIRS=os.path.join(home, "none"))
            for name in ["XDG_CONFIG_HOME", "XDG_DATA_HOME", "WINEPREFIX"]:
                env.pop(name, None)
            for profile in ["[Settings]\nShowDlg=1\n", "[Settings]\nDirectory=\nShowDlg=1\n"]:
                with open(os.path.join(home, ".config", "Sorvanta", "sorvanta.conf"), "w") as conf:
                    conf.write(profile)
                result = run(["Кн 2:1"], env=env)
                self.assertEqual((result.returncode, result.stdout.decode()), (0, "Кн 2:1. Delta\n"), profile)

    def test_help_documents_the_contract(self):
        result = run(["--help"])
        self.assertEqual(result.returncode, 0)
        for word in ["--directory", "--module-index", "--encoding", "--null", "--list", "Exit status"]:
            self.assertIn(word, result.stdout.decode())

    def test_hostile_references_neither_crash_nor_hang_nor_write(self):
        before = tree_digest(ROOT)
        hostile = [
            "Кн " + "9" * 100000,
            "Кн 1:" + "9" * 5000 + "-" + "9" * 5000,
            "К" * 100000 + " 1:1",
            "\x00\x01\x02 Кн 1:1",
            "Кн 1:1-" + "-" * 50000,
        ]
        stdin = "\n".join(hostile).encode() + b"\n\xff\xfe\xc0\n"
        result = self.lookup([], stdin)
        self.assertEqual(result.returncode, 1)
        records = result.stdout.split(b"\n")
        self.assertEqual(len(records), len(hostile) + 2)  # one record per line, then the final split
        self.assertEqual(before, tree_digest(ROOT))


if __name__ == "__main__":
    TOOL, DATA, EMULATOR = sys.argv[1], sys.argv[2], sys.argv[3:]
    ROOT = os.path.join(DATA, "root")
    unittest.main(argv=sys.argv[:1], verbosity=2)
