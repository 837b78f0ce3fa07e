#!/usr/bin/env python3
"""Writes engine/lower_case_table.h, the table the engine lowers non-ASCII letters by.

Run from the top of the checkout:

    python3 scripts/generate-lower-case.py [UnicodeData.txt] > engine/lower_case_table.h

The data defaults to /usr/share/unicode/UnicodeData.txt (Debian's unicode-data
package); its Unicode version, which the table gives as kUnicodeVersion, is
read from the first line of the DerivedAge.txt beside it.

With --check FILE nothing is written: FILE is compared with the data. The
table stays at its Unicode version whatever data a machine has, so the
characters a later version added (by their age in DerivedAge.txt) are left out
of the comparison: FILE must be, byte for byte, what would be written from the
others, and a mapping that a later version changed is reported as such. The
exit status is 0 when FILE passes, 1 when it does not and 77 when the data is
missing or older than the table.

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


def read_data(data):
    """Returns {code point: lower-case code point} and {code point: name} up to U+FFFF."""
    lowers, names = {}, {}
    with open(data, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split(";")
            code, lower = int(fields[0], 16), fields[13]
            if code <= 0xFFFF:
                names[code] = fields[1]
                if lower:
                    lowers[code] = int(lower, 16)
    return lowers, names


def version_key(version):
    return tuple(int(part) for part in version.split("."))


def data_version(data):
    """The Unicode version of data, from the DerivedAge.txt beside it; None without one."""
    ages = Path(data).with_name("DerivedAge.txt")
    if not ages.exists():
        return None
    with open(ages, encoding="utf-8") as lines:
        found = re.fullmatch(r"# DerivedAge-(\d+\.\d+\.\d+)\.txt\s*", lines.readline())
    return found.group(1) if found else None


def added_after(data, version):
    """The characters up to U+FFFF that a Unicode later than version added, by DerivedAge.txt."""
    added = set()
    with open(Path(data).with_name("DerivedAge.txt"), encoding="utf-8") as lines:
        for line in lines:
            found = re.match(r"([0-9A-F]+)(?:\.\.([0-9A-F]+))?\s*;\s*(\d+\.\d+)", line)
            if found and version_key(found.group(3)) > version_key(version)[:2]:
                first, last = int(found.group(1), 16), int(found.group(2) or found.group(1), 16)
                added.update(range(first, min(last, 0xFFFF) + 1))
    return added


def extended_step(run, code, lower):
    """The step of run once code, lowering to lower, joins it; None if it cannot."""
    first, last, first_lower, step = run
    if lower - code != first_lower - first:
        return None
    if first == last and code - last <= 2:
        return code - last
    return step if code - last == step else None


def group_runs(lowers):
    """Returns [first, last, lower, step] lists, sorted and disjoint."""
    runs = []
    for code in sorted(lowers):
        lower = lowers[code]
        step = extended_step(runs[-1], code, lower) if runs else None
        if step is None:
            runs.append([code, code, lower, 1])
        else:
            runs[-1][1], runs[-1][3] = code, step
    return runs


def run_line(run, names):
    first, last, lower, step = run
    line = f"    {{0x{first:04X}, 0x{last:04X}, 0x{lower:04X}, {step}}}, // {names[first]}"
    count = (last - first) // step + 1
    if count > 1:
        line += f", {count} characters"
    return line


def table(lowers, names, version):
    lines = [
        f"// Generated from UnicodeData.txt of Unicode {version} by",
        f"//   {COMMAND}",
        "// Do not edit: run the command again.",
        "#pragma once",
        "",
        "namespace vantor::lower_case {",
        "",
        "// The Unicode version the table is of. The table stays at it whatever data",
        "// a machine has, so that the engine lowers alike everywhere; its check",
        "// against later data leaves out the characters added since.",
        f'inline constexpr char kUnicodeVersion[] = "{version}";',
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
    lines += [run_line(run, names) for run in group_runs(lowers)]
    lines += ["};", "", "} // namespace vantor::lower_case", ""]
    return "\n".join(lines)


def written_lowers(text):
    """{code point: lower-case code point} by the runs of a written table."""
    lowers = {}
    for run in re.findall(r"\{0x([0-9A-F]{4}), 0x([0-9A-F]{4}), 0x([0-9A-F]{4}), (\d+)\}", text):
        first, last, lower = (int(field, 16) for field in run[:3])
        for code in range(first, last + 1, int(run[3])):
            lowers[code] = lower + code - first
    return lowers


def lowered(lowers, code):
    lower = lowers.get(code, code)
    return "itself" if lower == code else f"U+{lower:04X}"


def check_table(path, data):
    """The exit status of --check, having said why the table fails or is not checked."""
    if not Path(data).exists():
        print(f"{data} is missing (Debian package unicode-data): not checked")
        return 77
    installed = data_version(data)
    if installed is None:
        print(f"{data} has no DerivedAge.txt beside it to tell its Unicode version: not checked")
        return 77
    text = path.read_text(encoding="utf-8") if path.exists() else ""
    found = re.search(r'kUnicodeVersion\[\] = "(\d+\.\d+\.\d+)";', text)
    if not found:
        print(f"{path} does not say its Unicode version; regenerate it:\n  {COMMAND}")
        return 1
    version = found.group(1)
    if version_key(installed) < version_key(version):
        print(f"{data} is of Unicode {installed}, older than the table's {version}: not checked")
        return 77
    added = added_after(data, version)
    lowers, names = read_data(data)
    lowers = {code: lower for code, lower in lowers.items() if code not in added}
    written = written_lowers(text)
    changed = sorted(c for c in written.keys() | lowers.keys() if written.get(c, c) != lowers.get(c, c))
    later = version_key(installed) > version_key(version)
    changed_by = f": Unicode {installed} changed it, and the table is from Unicode {version}" if later else ""
    for code in changed[:10]:
        print(f"U+{code:04X} {names.get(code, '')} lowers to {lowered(written, code)} in {path}"
              f" and to {lowered(lowers, code)} in {data}{changed_by}")
    if len(changed) > 10:
        print(f"... and {len(changed) - 10} more")
    if changed and later:
        return 1
    if changed or text != table(lowers, names, version):
        print(f"{path} is not what {data} gives; regenerate it:\n  {COMMAND}")
        return 1
    if later:
        print(f"{data} is of Unicode {installed}, the table of {version}: the {len(added)} characters")
        print("up to U+FFFF added since are left out")
    return 0


def main(arguments):
    check = None
    if len(arguments) >= 2 and arguments[0] == "--check":
        check = Path(arguments[1])
        arguments = arguments[2:]
    data = arguments[0] if arguments else DEFAULT_DATA
    if check is not None:
        return check_table(check, data)
    version = data_version(data)
    if version is None:
        print(f"{data} has no DerivedAge.txt beside it to tell its Unicode version", file=sys.stderr)
        return 1
    sys.stdout.write(table(*read_data(data), version))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
