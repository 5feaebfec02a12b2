"""What the command-line tests share: the tool under test (the first argument
of each) and the case files under tests/data/cases, read as the C++ tests
read them: a header line naming the columns, then one case a line, fields
split by tabs, with \\t \\r \\n \\\\ and \\xHH escapes; blank lines and #
lines are skipped."""
import os
import re
import subprocess
import sys
import unittest

ESCAPE = re.compile(r"\\(x[0-9a-fA-F]{2}|.)")


def unescape(field):
    def one(match):
        code = match.group(1)
        return chr(int(code[1:], 16)) if code[0] == "x" else {"t": "\t", "r": "\r", "n": "\n"}.get(code, code)
    return ESCAPE.sub(one, field)


def read_cases(data, name):
    """The rows of DATA/cases/NAME as dictionaries, each with its "where"."""
    with open(os.path.join(data, "cases", name), encoding="utf-8", newline="\n") as lines:
        rows = [(n, line.rstrip("\n")) for n, line in enumerate(lines, 1) if line.strip() and line[0] != "#"]
    assert len(rows) > 1, "no case in " + name
    columns = rows[0][1].split("\t")
    return [dict(zip(columns, map(unescape, line.split("\t"))), where=f"{name}:{n}") for n, line in rows[1:]]


def run(args, stdin=b"", env=None):
    """sorvanta-lookup with ARGS, its standard input STDIN."""
    return subprocess.run([sys.argv[1]] + args, input=stdin, capture_output=True, env=env, timeout=120)


def main():
    unittest.main(argv=sys.argv[:1], verbosity=2)
