"""What the command-line tests share: the tool under test (the first argument
of each; any arguments after the second are the emulator that runs it) and
the case files under tests/data/cases, read as the C++ tests
read them: a header line naming the columns, then one case a line, fields
split by tabs, with \\t \\r \\n \\\\ and \\xHH escapes; blank lines and #
lines are skipped."""
import os
import re
import subprocess
import sys
import unittest

ESCAPE = re.compile(rb"\\(x[0-9a-fA-F]{2}|.)")
SIMPLE = {b"t": b"\t", b"r": b"\r", b"n": b"\n"}


def unescape(field):
    """\\xHH is a byte, as in the C++ reader: "\\xc2\\xa0" is one no-break space."""
    def one(match):
        code = match.group(1)
        return bytes([int(code[1:], 16)]) if code[:1] == b"x" else SIMPLE.get(code, code)
    return ESCAPE.sub(one, field.encode()).decode()


def read_cases(data, name):
    """The rows of DATA/cases/NAME as dictionaries, each with its "where"."""
    with open(os.path.join(data, "cases", name), encoding="utf-8", newline="\n") as lines:
        rows = [(n, line.rstrip("\n")) for n, line in enumerate(lines, 1) if line.strip() and line[0] != "#"]
    assert len(rows) > 1, "no case in " + name
    columns = rows[0][1].split("\t")
    return [dict(zip(columns, map(unescape, line.split("\t"))), where=f"{name}:{n}") for n, line in rows[1:]]


def run(args, stdin=b"", env=None, tool=None):
    """sorvanta-lookup (or TOOL) with ARGS, its standard input STDIN."""
    return subprocess.run(sys.argv[3:] + [tool or sys.argv[1]] + args, input=stdin, capture_output=True, env=env,
                          timeout=120)


def main():
    unittest.main(argv=sys.argv[:1], verbosity=2)
