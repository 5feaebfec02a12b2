#!/usr/bin/env python3
"""The command-line contract of sorvanta-lookup on small hand-written modules.

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

from cases import main, read_cases, run

DATA = sys.argv[2]
ROOT = os.path.join(DATA, "root")
NO_BOOK = "Нету книг c таким сокращением или не выбран модуль\n"
NOT_FOUND = "Искомый отрывок не найден\n"
TOOL = sys.argv[1]
EMULATOR = sys.argv[3:]
SETTINGS_KEY = r"HKCU\Software\Sorvanta\sorvanta\Settings"


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


class LookupContract(unittest.TestCase):
    def test_each_run_of_the_table(self):
        for case in read_cases(DATA, "cli.tsv"):
            args = case["args"].split("|")
            result = run(["--directory", os.path.join(DATA, case["root"])] + args)
            stdout = case["stdout"].encode("cp1251" if "cp1251" in args else "utf-8")
            self.assertEqual((result.returncode, result.stdout), (int(case["status"]), stdout), case["where"])
            if case["status"] == "2":
                self.assertIn(case["stderr"], result.stderr.decode(), case["where"])
            else:
                self.assertEqual(result.stderr.decode(), case["stderr"], case["where"])

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

    def test_batch_mode_keeps_records_aligned(self):
        stdin = "Кн 1:1\r\n Кн 2:2 \nКн 9\n\nКн 1".encode()  # the last line without its end
        result = run(["--directory", ROOT, "--null"], stdin)
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
            # A NUL from the book, then one typed, an overlong NUL, an overlong
            # line feed and a surrogate: the verse is "2" and something, so its
            # number stays in the text.
            cases = [(b"", "Кн 1:1. Al?pha")] + [(tail, "Кн 1:2" + "?" * len(tail) + ". 2 Beta")
                                                  for tail in [b"\0", b"\xc0\x80", b"\xe0\x80\x8a", b"\xed\xa0\x80"]]
            stdin = b"".join(("Кн 1:1" if not tail else "Кн 1:2").encode() + tail + b"\n" for tail, _ in cases)
            result = run(["--directory", root, "--null"], stdin)
            self.assertEqual(result.stdout.split(b"\0"), [record.encode() for _, record in cases] + [b""])
            # Line-feed records keep a NUL, but no byte sequence becomes a line feed.
            self.assertEqual(len(run(["--directory", root], stdin).stdout.split(b"\n")), len(cases) + 1)

    def test_default_root_comes_from_the_desktop_profile_or_else_from_a_search(self):
        if EMULATOR:
            self.windows_default_root()
            return
        with tempfile.TemporaryDirectory() as home:
            modules = os.path.join(home, ".wine", "drive_c", "Program Files", "Orvanel", "Modules")
            shutil.copytree(os.path.join(ROOT, "a_kn"), os.path.join(modules, "a_kn"))
            os.symlink(home, os.path.join(home, "loop"))
            os.makedirs(os.path.join(home, ".config", "Sorvanta"))
            env = dict(os.environ, HOME=home, XDG_DATA_DIRS=os.path.join(home, "none"))
            for name in ["XDG_CONFIG_HOME", "XDG_DATA_HOME", "WINEPREFIX"]:
                env.pop(name, None)
            for profile in ["Directory=" + ROOT + "\n", "", "Directory=\n"]:
                with open(os.path.join(home, ".config", "Sorvanta", "sorvanta.conf"), "w") as conf:
                    conf.write("[Settings]\n" + profile + "ShowDlg=1\n")
                result = run(["Кн 2:1"], env=env)
                self.assertEqual((result.returncode, result.stdout.decode()), (0, "Кн 2:1. Delta\n"), profile)

    def windows_default_root(self):
        """The settings in the registry; with no directory there, a first start
        finds the modules below the host's folder that holds the program."""
        with tempfile.TemporaryDirectory() as folder:
            host = os.path.join(folder, "ORVANEL")
            shutil.copytree(os.path.join(ROOT, "a_kn"), os.path.join(host, "Modules", "a_kn"))
            os.makedirs(os.path.join(host, "Sorvanta"))
            shutil.copy(TOOL, os.path.join(host, "Sorvanta"))
            cases = [
                ([("Directory", "REG_SZ", ROOT)], TOOL, (0, "Кн 2:1. Delta\n")),
                # A value of another type is no directory: a first start, which finds nothing here.
                ([("Directory", "REG_DWORD", "1")], TOOL, (2, "")),
                ([("ShowDlg", "REG_DWORD", "1")], os.path.join(host, "Sorvanta", os.path.basename(TOOL)),
                 (0, "Кн 2:1. Delta\n")),
            ]
            for values, tool, expected in cases:
                windows_settings(*values)
                result = run(["Кн 2:1"], tool=tool)
                self.assertEqual((result.returncode, result.stdout.decode()), expected, values)
        windows_settings()

    def test_help_documents_the_contract(self):
        result = run(["--help"])
        self.assertEqual(result.returncode, 0)
        for word in ["--directory", "--module-index", "--encoding", "--null", "--list", "Exit status"]:
            self.assertIn(word, result.stdout.decode())

    def test_hostile_references_neither_crash_nor_hang_nor_write(self):
        before = tree_digest(ROOT)
        hostile = ["Кн " + "9" * 100000, "Кн 1:" + "9" * 5000 + "-" + "9" * 5000, "К" * 100000 + " 1:1",
                   "\x00\x01\x02 Кн 1:1", "Кн 1:1-" + "-" * 50000]
        result = run(["--directory", ROOT], "\n".join(hostile).encode() + b"\n\xff\xfe\xc0\n")
        self.assertEqual(result.returncode, 1)
        self.assertEqual(len(result.stdout.split(b"\n")), len(hostile) + 2)  # a record a line, then the final split
        self.assertEqual(before, tree_digest(ROOT))


if __name__ == "__main__":
    main()
