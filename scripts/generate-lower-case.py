#!/usr/bin/env python3
"""Writes engine/lower_case_table.h, the table the engine lowers non-ASCII letters by.

Run from the top of the checkout:

    python3 scripts/generate-lower-case.py [UnicodeData.txt] > engine/lower_case_table.h

The data defaults to /usr/share/unicode/UnicodeData.txt (Debian's unicode-data
package); the Unicode version is read from the ReadMe.txt beside it. With
--check FILE nothing is written: the exit status is 0 when FILE is what would
be written, 1 when it is not and 77 when the data is missing.

The engine lowers each 16-bit character on its own, so the table holds the
simple lower-case mapping (field 13) of the characters up to U+FFFF. Mapped
characters are grouped into runs: first, first + step, ... up to last lower to
lower, lower + step, ..., with step 1 (A-Z) or 2 (alternating capital and
small letters, as in Latin Extended-A). A run may hold a single character.
"""

import re
import sys
from pathlib import Path

DEFAULT_DATA = "/usr/share/unicode/UnicodeData.txt"
COMMAND = "python3 scripts/generate-lower-case.py > engine/lower_case_table.h"


def read_mappings(data):
    """Returns {code point: (lower-case code point, name)} up to U+FFFF."""
    mappings = {}
    with open(data, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split(";")
            code, lower = int(fields[0], 16), fields[13]
            if code <= 0xFFFF and lower:
                mappings[code] = (int(lower, 16), fields[1])
    return mappings


def unicode_version(data):
    readme = Path(data).with_name("ReadMe.txt")
    found = readme.exists() and re.search(r"Version (\d+\.\d+\.\d+)", readme.read_text(encoding="utf-8"))
    return found.group(1) if found else "(version unknown)"


def extended_step(run, code, lower):
    """The step of run once code, lowering to lower, joins it; None if it cannot."""
    first, last, first_lower, step = run
    if lower - code != first_lower - first:
        return None
    if first == last and code - last <= 2:
        return code - last
    return step if code - last == step else None


def group_runs(mappings):
    """Returns [first, last, lower, step] lists, sorted and disjoint."""
    runs = []
    for code in sorted(mappings):
        lower = mappings[code][0]
        step = extended_step(runs[-1], code, lower) if runs else None
        if step is None:
            runs.append([code, code, lower, 1])
        else:
            runs[-1][1], runs[-1][3] = code, step
    return runs


def run_line(run, mappings):
    first, last, lower, step = run
    line = f"    {{0x{first:04X}, 0x{last:04X}, 0x{lower:04X}, {step}}}, // {mappings[first][1]}"
    count = (last - first) // step + 1
    if count > 1:
        line += f", {count} characters"
    return line


def table(data):
    mappings = read_mappings(data)
    lines = [
        f"// Generated from UnicodeData.txt of Unicode {unicode_version(data)} by",
        f"//   {COMMAND}",
        "// Do not edit: run the command again.",
        "#pragma once",
        "",
        "namespace vantor::lower_case {",
        "",
        "// The characters first, first + step, ... up to last lower to lower,",
        "// lower + step, ... Runs are sorted and disjoint; a character outside",
        "// every run is its own lower case.",
        "struct Run {",
        "    char16_t first;",
        "    char16_t last;",
        "    char16_t lower;",
        "    char16_t step;",
        "};",
        "",
        "inline constexpr Run kRuns[] = {",
    ]
    lines += [run_line(run, mappings) for run in group_runs(mappings)]
    lines += ["};", "", "} // namespace vantor::lower_case", ""]
    return "\n".join(lines)


def main(arguments):
    check = None
    if len(arguments) >= 2 and arguments[0] == "--check":
        check = Path(arguments[1])
        arguments = arguments[2:]
    data = arguments[0] if arguments else DEFAULT_DATA
    if check is None:
        sys.stdout.write(table(data))
        return 0
    if not Path(data).exists():
        print(f"{data} is missing (Debian package unicode-data): not checked")
        return 77
    if check.exists() and check.read_text(encoding="utf-8") == table(data):
        return 0
    print(f"{check} is not what {data} gives; regenerate it:\n  {COMMAND}")
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
