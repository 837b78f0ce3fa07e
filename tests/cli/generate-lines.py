#!/usr/bin/env python3
"""Writes expression lines for vantor-eval, one per line, to standard output.

    generate-lines.py SEED COUNT [--long N]

The same SEED, COUNT and N give the same bytes (on the same Python). COUNT
lines in all: most are short expressions from the calculator's grammar, well
formed or broken on purpose (every "Error. ..." message and every fault has
lines that give it); with --long N, N of them, at places the seed chooses, are
32,700 to 32,800 characters long around the 32,767-character limit (counted
without blanks, as the engine counts; a short expression among that many
blanks is one of them).

Standard library only, and fast: the pieces are built once per seed, and a
line is mostly a few of them put together.
"""

import argparse
import bisect
import random
import sys

FUNCTIONS = ("abs", "cos", "fac", "int", "log", "sin", "tan", "acos", "asin", "atan", "round")
OPERATORS = "+-*/%^"
# Division and the power fault more often than the rest: keep them rarer.
OPERATOR_WEIGHTS = "++++----****//%^"

# Names of the variable rows the comparison defines (in one set or another),
# names that are prefixes of each other or of functions, and names no row has.
COMMON_NAMES = ("x", "x", "x", "y", "y", "a", "ab", "abc", "t", "n", "big", "cost", "z", "w")
VARIABLE_NAMES = COMMON_NAMES + (
    "ba", "pix", "api", "sine", "e", "rate", "Rate", "myvar", "my var", "Y", "f(", "q", "xy",
    "foo", "xx", "ee",
)

# Characters outside ASCII: letters that lower-case (to ASCII, in a few
# cases), symbols, digits of other scripts, characters outside the 16-bit
# range, and bytes that are not UTF-8 at all (written as they are).
FOREIGN = (
    "é", "É", "Ä", "ä", "ß", "Σ", "σ", "π", "Π", "Ω", "ω", "Ж", "ж", "İ", "ı",
    "\u212a", "\ufb01", "１", "½", "²", "\u00a0", "\u0301", "ǅ", "\U0001f600",
    "\U0001d70b", "\u2212", "\u00d7", "\u00f7", "\udcff", "\udcc3", "\udce9",
)

STRAY = "abcdghjkmoqruvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_$#!?,;:'\"[]{}<>=&|~@\\\t"

# Values that fault or sit at the edge of faulting, and malformed texts close
# to them (a negative exponent in a number is malformed: 1e-320).
FAULTS = (
    "1/0", "0/0", "5%0", "1/(1-1)", "log(0)", "log(0-1)", "log(-1)", "acos(1)", "acos(2)",
    "asin(-1)", "asin(0-1)", "asin(1.5)", "fac(171)", "fac(170)", "fac(0-1)", "fac(2.5)",
    "fac(18)*1", "fac(18)", "fac(20)", "10^400", "10^308", "10^309", "2^1024", "2^1023",
    "(0-8)^(1/3)", "(0-8)^3", "(0-2)^0.5", "0^0", "0^(0-1)", "2)+(3", "2+", "+2", "*2",
    "1.2.3", "1..2", "sin(1e-5)", "cos(1e-5)", "sin(1/1e5)", "sin(10^(0-5))", "cos(1/1e5)",
    "tan(90)", "tan(270)", "tan(pi/2)", "1e400", "1e308*10", "1e308+1e308", "0-1e308*10",
    "atan(1e400)", "int(1e300)", "round(1e300)", "round(2.5)", "round(0-2.5)", "int(0-2.5)",
    "1e-320", "10^(0-320)", "1e-300*1e-20", "1/1e300/1e20", "10^(0-323)", "10^(0-324)",
    "2^(0-1074)", "2^(0-1075)", "5e-324", "1e-324", "2.2250738585072014e-308",
    "1.7976931348623157e308", "1.8e308", "log(1e-320)", "1/10^(0-320)", "1/10^(0-310)",
    "1/1e-310", "sin(1e300)", "cos(1e22)", "asin(1)", "acos(0-1)", "atan(0-1e308)",
    "abs(0-0)", "0-0", "-0", "fac(0)",
    "9" * 400, "0." + "0" * 398 + "1", "1" + "0" * 399 + ".5", "4" * 309, "1" * 308,
)

# Numbers at the 15-digit rounding and texts that must round the same way.
ROUNDING = (
    "1/3*3", "0.1+0.2-0.3", "0.1+0.2", "123456789012345678", "123456789012345",
    "1234567890123456", "999999999999999", "9999999999999995", "999999999999999.5",
    "99999999999999.95", "0.1*3", "1e15", "1e15+0.5", "1e14+0.5", "1e16", "1e-5", "1e-15",
    "1/1e5", "10^(0-15)", "1/3/1e10", "0.000001", "0.0000001", "1.0000000000000001", "2/3",
    "1/7", "22/7", "100000000000000000000", "0.30000000000000004", "1/3", "0-1/3",
    "10/3*3-10", "4.35*100", "1.005*1000", "0.5", "1.5", "2.675", "1e21", "1e20",
    "123456.7890123456", "pi*1e15", "pi/1e15", "pi^10", "2^53", "2^53+1", "2^63", "2^64",
)

# One exemplar line for each message, and a few near misses.
MESSAGES = (
    "", " ", "   ", "()", ")(", "(", ")", "(()", "())", "((1)", "(1))", "2+*3", "*", "+",
    "2*", "^2", "2^^3", "sin30", "sin", "cos x", "fac", "1e", "e5", "1e5e5", "1e+5",
    "1e-", "2E", "E2", ".e5", "1.e5", "1e.5", "foo", "qq", "x!", "2(3)", "(2)3", "(2)(3)",
    "2 3", "2pi", "pi2", "pipi", "2x3", "x2", "2x", "xpi", "sin()", "sin(())", "sin)(",
    "abs(1,2)", "1,5", "pi(2)", "(pi)", "round(1)2", "2.", ".", "..", "-", "--1", "-(-1)",
    "+-1", "-+1", "1-", "1--1", "1-(-1)", "(-1)", "(- 1)", "sin(-30)", "2*-3", "2^-1",
    "2/-2", "-2^2", "(-2)^2", "-pi", "-x", "-(x)", "x-", "-sin(30)",
)

NUMBER_SHAPES = (
    "{i}", "{i}", "{i}", "{i}", "{i}.{d}", "{i}.{d}", "{i}.{d}", ".{d}", "{i}.", "{i}e{s}",
    "{i}.{d}e{s}", "{i}E{s}", "{i}.{d}E{s}",
)
MALFORMED_NUMBER_SHAPES = (
    "{i}.{d}.{d}", "{i}e", "{i}e-", "e{s}", "{i}ee{s}", "{i}e{s}e{s}", "{i}e{s}.{d}",
    "{i}..{d}", ".{d}.", "{i}e+{s}", "{i}.e{s}", ".e{s}", "{i}e--{s}", "{i}E.{s}", "{i}e-{s}",
    "{i}.{d}E-{s}",
)
EXPONENTS = (0, 1, 1, 2, 2, 3, 3, 5, 6, 10, 14, 15, 16, 20, 100, 300, 308, 309, 400)
SMALL_INTEGERS = ("0", "1", "2", "3", "5", "7", "10", "30", "45", "60", "90", "180", "270", "360")


class Random(random.Random):
    """random.Random with a quicker choice."""

    def choice(self, seq):
        return seq[int(self.random() * len(seq))]


def build_numbers(rng, count):
    numbers = list(SMALL_INTEGERS) * 4
    for _ in range(count):
        r = rng.random()
        if r < 0.45:
            i = str(rng.randrange(0, 100))
        elif r < 0.75:
            i = str(rng.randrange(0, 100000))
        elif r < 0.92:
            i = str(rng.randrange(0, 10 ** rng.randrange(6, 21)))
        else:
            i = "0" * rng.randrange(1, 4) + str(rng.randrange(0, 1000))
        d = str(rng.randrange(0, 10 ** rng.randrange(1, 18))).rjust(rng.randrange(1, 4), "0")
        s = str(rng.choice(EXPONENTS))
        numbers.append(rng.choice(NUMBER_SHAPES).format(i=i, d=d, s=s))
    # Trigonometric arguments and values for asin and acos.
    numbers += ["0.%d" % rng.randrange(0, 1000) for _ in range(count // 8)]
    return numbers


def build_malformed_numbers(rng, count):
    out = []
    for _ in range(count):
        i = str(rng.randrange(0, 1000))
        d = str(rng.randrange(0, 1000))
        s = str(rng.randrange(0, 400))
        out.append(rng.choice(MALFORMED_NUMBER_SHAPES).format(i=i, d=d, s=s))
    return out


class Generator:
    def __init__(self, seed):
        rng = self.rng = Random(seed)
        self.numbers = build_numbers(rng, 4000)
        self.malformed_numbers = build_malformed_numbers(rng, 500)
        self.operators = OPERATOR_WEIGHTS
        # Expressions built from the grammar, then reused as parts of lines.
        self.pool = [self.expression(0) for _ in range(12000)]
        self.terms = [self.term(1) for _ in range(3000)]
        kinds = (
            (22, self.plain),
            (12, self.two_parts),
            (6, self.juxtaposed),
            (12, self.broken),
            (10, self.faulting),
            (7, self.rounding),
            (3, self.tiny),
            (4, self.nested),
            (5, self.unary_minus),
            (5, self.identifiers),
            (4, self.number_forms),
            (4, self.message),
            (2, self.huge),
            (2, self.variables),
        )
        total = 0
        self.bounds = []
        self.kinds = []
        for weight, kind in kinds:
            total += weight
            self.bounds.append(total)
            self.kinds.append(kind)
        self.total = total

    # --- the grammar ---------------------------------------------------------

    def atom(self):
        rng = self.rng
        r = rng.random()
        if r < 0.75:
            return rng.choice(self.numbers)
        if r < 0.85:
            return "pi"
        if r < 0.95:
            return rng.choice(COMMON_NAMES)
        if r < 0.97:
            return rng.choice(VARIABLE_NAMES)
        if r < 0.99:
            return rng.choice(FAULTS)
        return rng.choice(self.malformed_numbers)

    def term(self, depth):
        rng = self.rng
        r = rng.random()
        if depth >= 4 or r < 0.5:
            return self.atom()
        if r < 0.7:
            inner = self.expression(depth + 1)
            if rng.random() < 0.15:
                inner = "-" + inner
            return "(" + inner + ")"
        inner = self.expression(depth + 1)
        if rng.random() < 0.1:
            inner = "-" + inner
        return rng.choice(FUNCTIONS) + "(" + inner + ")"

    def expression(self, depth):
        rng = self.rng
        count = 1
        while count < 5 - depth and rng.random() < 0.45:
            count += 1
        parts = [self.term(depth)]
        for _ in range(count - 1):
            parts.append(rng.choice(self.operators))
            parts.append(self.term(depth))
        if depth == 0 and rng.random() < 0.08:
            parts.insert(0, "-")
        return "".join(parts)

    # --- kinds of line ---------------------------------------------------------

    def plain(self):
        return self.rng.choice(self.pool)

    def two_parts(self):
        rng = self.rng
        a = rng.choice(self.pool)
        b = rng.choice(self.pool)
        r = rng.random()
        if r < 0.6:
            return a + rng.choice(OPERATORS) + b
        if r < 0.8:
            return "(" + a + ")" + rng.choice(OPERATORS) + "(" + b + ")"
        return rng.choice(FUNCTIONS) + "(" + a + ")" + rng.choice(OPERATORS) + b

    def juxtaposed(self):
        # Two terms with no operator between them: 2x3, 2pi, pi2, (2)(3).
        rng = self.rng
        a = rng.choice(self.terms)
        b = rng.choice(self.terms)
        if rng.random() < 0.5:
            c = rng.choice(("x", "pi", "y", "ab", "e", "sin(30)", "(2)"))
            return a + c + b
        return a + b

    def broken(self):
        rng = self.rng
        text = rng.choice(self.pool)
        for _ in range(1 + (rng.random() < 0.3)):
            n = len(text)
            pos = rng.randrange(n + 1)
            r = rng.random()
            if r < 0.3:
                text = text[:pos] + rng.choice("+-*/%^().eE0123456789 xp") + text[pos:]
            elif r < 0.5 and n > 1:
                text = text[:pos] + text[pos + 1:]
            elif r < 0.6 and n > 1:
                text = text[:pos] + rng.choice("+-*/^.()e") + text[pos + 1:]
            elif r < 0.7:
                end = min(n, pos + rng.randrange(1, 6))
                text = text[:end] + text[pos:]
            elif r < 0.8:
                text = text[:pos]
            elif r < 0.9:
                i = text.find(")")
                text = text[:i] + text[i + 1:] if i >= 0 else "(" + text
            else:
                text = text[:pos] + rng.choice(OPERATORS) + rng.choice(OPERATORS) + text[pos:]
        return text

    def faulting(self):
        rng = self.rng
        f = rng.choice(FAULTS)
        r = rng.random()
        if r < 0.4:
            return f
        if r < 0.6:
            return rng.choice(self.terms) + rng.choice(OPERATORS) + f
        if r < 0.8:
            return f + rng.choice(OPERATORS) + rng.choice(self.terms)
        return rng.choice(FUNCTIONS) + "(" + f + ")"

    def rounding(self):
        rng = self.rng
        r = rng.random()
        if r < 0.4:
            return rng.choice(ROUNDING)
        if r < 0.6:
            a = rng.randrange(1, 1000)
            b = rng.randrange(1, 1000)
            return "%d/%d*%d" % (a, b, b) if rng.random() < 0.5 else "%d/%d" % (a, b)
        if r < 0.8:
            digits = str(rng.randrange(10 ** 13, 10 ** 19))
            cut = rng.randrange(0, len(digits) + 1)
            return (digits[:cut] + "." + digits[cut:]).rstrip(".") if cut else "0." + digits
        a = rng.randrange(1, 10)
        return "0.%d+0.%d-0.%d" % (a, rng.randrange(1, 10), a)

    def tiny(self):
        # Below the smallest normal number, down to nothing; a negative
        # exponent in a number is malformed, so most are quotients.
        rng = self.rng
        e = rng.randrange(290, 330)
        r = rng.random()
        if r < 0.1:
            return "%de-%d" % (rng.randrange(1, 10), e)
        if r < 0.35:
            return "10^(0-%d)" % e
        if r < 0.55:
            return "%d/1e%d/1e%d" % (rng.randrange(1, 10 ** 6), e - 300 + rng.randrange(0, 30), 300)
        if r < 0.75:
            return "%s/1e300/1e%d" % (rng.choice(self.numbers), e - 300)
        if r < 0.9:
            return "1/10^%d" % e
        return "%s*10^(0-%d)" % (rng.choice(self.terms), e)

    def nested(self):
        rng = self.rng
        depth = rng.randrange(1, 16)
        inner = rng.choice(self.pool) if rng.random() < 0.6 else rng.choice(self.numbers)
        heads = []
        tails = []
        for _ in range(depth):
            heads.append(rng.choice(FUNCTIONS) + "(")
            if rng.random() < 0.2:
                heads.append(rng.choice(self.numbers) + rng.choice(OPERATORS))
            tails.append(")")
        if rng.random() < 0.05:
            tails.pop()  # one bracket short
        return "".join(heads) + inner + "".join(tails)

    def unary_minus(self):
        rng = self.rng
        a = rng.choice(self.terms)
        b = rng.choice(self.terms)
        return rng.choice((
            "-" + a,
            "-" + a + rng.choice(OPERATORS) + b,
            "(-" + a + ")" + rng.choice(OPERATORS) + b,
            a + rng.choice(OPERATORS) + "(-" + b + ")",
            a + rng.choice(OPERATORS) + "-" + b,
            rng.choice(FUNCTIONS) + "(-" + a + ")",
            "--" + a,
            "-(-" + a + ")",
            a + "-" * rng.randrange(2, 4) + b,
            "-" + rng.choice(FUNCTIONS) + "(" + a + ")",
        ))

    def identifiers(self):
        rng = self.rng
        parts = []
        for _ in range(rng.randrange(1, 5)):
            r = rng.random()
            if r < 0.3:
                parts.append(rng.choice(FOREIGN))
            elif r < 0.55:
                parts.append(rng.choice(STRAY))
            elif r < 0.7:
                parts.append(rng.choice(VARIABLE_NAMES))
            elif r < 0.85:
                parts.append(rng.choice(self.terms))
            else:
                parts.append(rng.choice(OPERATORS))
        if rng.random() < 0.3:
            parts.insert(rng.randrange(len(parts) + 1), rng.choice(FUNCTIONS) + "(")
        text = "".join(parts)
        if rng.random() < 0.01:
            text += "\r"  # a CR line end: vantor-eval drops it
        elif rng.random() < 0.01:
            text += rng.choice(("\r", "\x0b", "\x00", "\x7f")) + "1"
        return text

    def number_forms(self):
        rng = self.rng
        n = rng.choice(self.numbers) if rng.random() < 0.6 else rng.choice(self.malformed_numbers)
        r = rng.random()
        if r < 0.5:
            return n
        if r < 0.75:
            return rng.choice(self.terms) + rng.choice(OPERATORS) + n
        return rng.choice(FUNCTIONS) + "(" + n + ")"

    def message(self):
        rng = self.rng
        m = rng.choice(MESSAGES)
        if rng.random() < 0.3:
            return rng.choice(self.terms) + rng.choice(OPERATORS) + m
        return m

    def huge(self):
        rng = self.rng
        n = rng.randrange(300, 420)
        digits = str(rng.randrange(10 ** n, 10 ** (n + 1)))
        r = rng.random()
        if r < 0.4:
            return digits
        if r < 0.6:
            return "0." + digits
        if r < 0.8:
            return "1/" + digits
        tail = rng.choice(("", "e-300", "e5", "*0"))
        return digits[:rng.randrange(1, n)] + "." + digits[:20] + tail

    def variables(self):
        rng = self.rng
        names = [rng.choice(VARIABLE_NAMES) for _ in range(rng.randrange(1, 4))]
        if rng.random() < 0.5:
            return rng.choice(OPERATORS).join(names)
        return "".join(names)

    # --- a line ------------------------------------------------------------------

    def deep(self):
        # Function calls nested around the engine's 1,000 levels (Out of stack
        # space), or thousands of brackets.
        rng = self.rng
        depth = rng.randrange(990, 1010)
        f = rng.choice(FUNCTIONS)
        if rng.random() < 0.5:
            return (f + "(") * depth + "1" + ")" * depth
        return "(" * (depth * 8) + "1" + ")" * (depth * 8)

    def line(self):
        rng = self.rng
        kind = self.kinds[bisect.bisect(self.bounds, rng.random() * self.total)]
        text = kind()
        r = rng.random()
        if r < 0.06:
            text = text.upper()
        elif r < 0.1:
            text = "".join(c.upper() if rng.random() < 0.5 else c for c in text)
        r = rng.random()
        if r < 0.05:
            for _ in range(rng.randrange(1, 4)):
                pos = rng.randrange(len(text) + 1)
                text = text[:pos] + " " * rng.randrange(1, 3) + text[pos:]
        elif r < 0.06:
            text = " ".join(text)
        elif r < 0.08:
            text = " " * rng.randrange(1, 8) + text + " " * rng.randrange(0, 8)
        return text


# --- long lines ------------------------------------------------------------------

# The limit is on the text without its blanks.
LIMIT = 32767


def repeated(unit, last, length):
    """unit repeated, then last, cut or padded with digits to length characters.
    The digits lengthen last when it ends in a number."""
    text = unit * ((length - len(last)) // len(unit)) + last
    return (text + "1" * length)[:length]


def nested_to(head, tail, middle, length):
    depth = (length - len(middle)) // (len(head) + len(tail))
    pad = length - len(middle) - depth * (len(head) + len(tail))
    # A longer number in the middle makes up the rest.
    return head * depth + middle + "1" * pad + tail * depth


def long_line(rng, length, pool):
    shape = rng.randrange(14)
    if shape == 0:
        return repeated("1+", "1", length)
    if shape == 1:
        return repeated("pi+", "pi+1", length)
    if shape == 2:
        return repeated(rng.choice(("x+", "x*", "ab-", "y+", "t+", "big+")), "1", length)
    if shape == 3:
        return nested_to(rng.choice(("abs(", "int(", "round(", "sin(")), ")", "1", length)
    if shape == 4:
        return nested_to("(", ")", "1", length)
    if shape == 5:
        # Blanks all round a short expression: short once they are removed.
        core = rng.choice(pool)
        left = rng.randrange(0, length - len(core) + 1)
        return " " * left + core + " " * max(0, length - left - len(core))
    if shape == 6:
        # Blanks between the terms: the limit counts only the rest.
        text = repeated("1+", "1", length)
        blanks = rng.randrange(0, 120)
        for _ in range(blanks):
            pos = rng.randrange(len(text))
            text = text[:pos] + " " + text[pos:]
        return text
    if shape == 7:
        return repeated("-1", "-1", length)
    if shape == 8:
        return "1" * length if rng.random() < 0.5 else "0." + "0" * (length - 3) + "1"
    if shape == 9:
        return repeated("2*", "1", length) if rng.random() < 0.5 else repeated("1/", "1", length)
    if shape == 10:
        return repeated("sin(30)+", "1", length)
    if shape == 11:
        return repeated("(1)+", "(1)+1", length)
    if shape == 12:
        return repeated("1+", "1", length - 1) + rng.choice("+*)(e")
    # Expressions from the pool until the length is reached.
    parts = []
    size = 0
    while size < length:
        p = rng.choice(pool)
        parts.append(p)
        size += len(p) + 1
    return "+".join(parts)[:length]


def long_lengths(rng, count):
    """The limit and its neighbours first, then lengths across 32,700..32,800."""
    fixed = [LIMIT - 1, LIMIT, LIMIT + 1, 32700, 32800]
    out = []
    for i in range(count):
        if i < len(fixed):
            out.append(fixed[i])
        elif rng.random() < 0.4:
            out.append(LIMIT + rng.randrange(-1, 2))
        else:
            out.append(rng.randrange(32700, 32801))
    return out


def main():
    parser = argparse.ArgumentParser(description="Writes vantor-eval input lines.")
    parser.add_argument("seed", type=int)
    parser.add_argument("count", type=int, help="lines in all")
    parser.add_argument("--long", type=int, default=0, metavar="N",
                        help="how many of them are 32,700 to 32,800 characters long")
    args = parser.parse_args()
    if args.count < 0 or not 0 <= args.long <= args.count:
        parser.error("need 0 <= N <= COUNT")

    gen = Generator(args.seed)
    rng = gen.rng
    long_rng = Random(args.seed * 7919 + 1)
    long_at = set(long_rng.sample(range(args.count), args.long))
    lengths = long_lengths(long_rng, args.long)
    out = sys.stdout.buffer
    line = gen.line
    batch = []
    for i in range(args.count):
        if i in long_at:
            batch.append(long_line(long_rng, lengths.pop(), gen.pool))
        elif rng.random() < 0.0005:
            batch.append(gen.deep())
        else:
            batch.append(line())
        if len(batch) == 8192:
            batch.append("")
            out.write("\n".join(batch).encode("utf-8", "surrogateescape"))
            batch = []
    if batch:
        batch.append("")
        out.write("\n".join(batch).encode("utf-8", "surrogateescape"))
    out.flush()


if __name__ == "__main__":
    main()
