// Compares the mathematics of two builds of this file, bit for bit: one
// native, against the Linux C library, and one cross-compiled for Windows,
// against vantor-libm.dll or against the C runtime alone, run under wine.
//
//   libm_compare arguments FILE [SCALE]   writes the arguments (on Linux)
//   libm_compare run ARGUMENTS RESULTS    computes every function on them
//   libm_compare compare ARGUMENTS REFERENCE OTHER [SHOWN]
//                                          counts what differs, per function
//                                          and per kind of argument
//   libm_compare dump ARGUMENTS RESULTS FUNCTION
//                                          prints one function's arguments and
//                                          results, in hex and to 15 digits
//
// Arguments are made once, on Linux, and read by both builds, so that both
// compute from the same bits; all text is written on Linux, so that no C
// runtime's printf takes part in the comparison. A result counts as
// different at 15 digits when printf("%.14e") writes the two differently.
// compare exits with 1 when any result differs in its bits.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Unary = double (*)(double);
using Binary = double (*)(double, double);
using LongUnary = long double (*)(long double);

// Taken through volatile pointers, so that each call reaches the library
// and none is computed by the compiler or replaced by an instruction.
Unary volatile sinFunction = static_cast<Unary>(std::sin);
Unary volatile cosFunction = static_cast<Unary>(std::cos);
Unary volatile tanFunction = static_cast<Unary>(std::tan);
Unary volatile atanFunction = static_cast<Unary>(std::atan);
Unary volatile expFunction = static_cast<Unary>(std::exp);
Unary volatile logFunction = static_cast<Unary>(std::log);
Binary volatile powFunction = static_cast<Binary>(std::pow);
Unary volatile sqrtFunction = static_cast<Unary>(std::sqrt);
Unary volatile floorFunction = static_cast<Unary>(std::floor);
Unary volatile nearbyintFunction = static_cast<Unary>(std::nearbyint);
LongUnary volatile floorlFunction = static_cast<LongUnary>(std::floor);

enum class Kind { Unary, Binary, LongUnary };

struct Function {
    const char* name;
    Kind kind;
    Unary volatile* unary;
    Binary volatile* binary;
    LongUnary volatile* longUnary;
};

const Function kFunctions[] = {
    {"sin", Kind::Unary, &sinFunction, nullptr, nullptr},
    {"cos", Kind::Unary, &cosFunction, nullptr, nullptr},
    {"tan", Kind::Unary, &tanFunction, nullptr, nullptr},
    {"atan", Kind::Unary, &atanFunction, nullptr, nullptr},
    {"exp", Kind::Unary, &expFunction, nullptr, nullptr},
    {"log", Kind::Unary, &logFunction, nullptr, nullptr},
    {"pow", Kind::Binary, nullptr, &powFunction, nullptr},
    {"sqrt", Kind::Unary, &sqrtFunction, nullptr, nullptr},
    {"floor", Kind::Unary, &floorFunction, nullptr, nullptr},
    {"nearbyint", Kind::Unary, &nearbyintFunction, nullptr, nullptr},
    {"floorl", Kind::LongUnary, nullptr, nullptr, &floorlFunction},
};
constexpr std::size_t kFunctionCount = sizeof kFunctions / sizeof kFunctions[0];

// One argument or one result: a double in the first word (and the
// exponent of pow in the second), or the ten bytes of an x87 long double.
struct Slot {
    std::uint64_t word[2] = {0, 0};
};

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleOf(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

Slot slotOf(double x, double y = 0)
{
    return Slot{{bitsOf(x), bitsOf(y)}};
}

Slot slotOf(long double x)
{
    Slot slot;
    std::memcpy(slot.word, &x, 10); // the x87 format: 64-bit mantissa, then sign and exponent
    return slot;
}

long double longOf(const Slot& slot)
{
    long double value = 0;
    std::memcpy(&value, slot.word, 10);
    return value;
}

// Arguments of one function, all made the same way.
struct Block {
    std::uint32_t function = 0;
    std::string set;
    std::vector<Slot> slots;
};

// The file formats: a count of blocks, then for each its function, the
// length of its name, the name, its count of slots and the slots.
bool writeBlocks(const char* path, const std::vector<Block>& blocks)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const std::uint64_t count = blocks.size();
    bool ok = std::fwrite(&count, sizeof count, 1, file) == 1;
    for (const Block& block : blocks) {
        const std::uint32_t length = static_cast<std::uint32_t>(block.set.size());
        const std::uint64_t slots = block.slots.size();
        ok = ok && std::fwrite(&block.function, sizeof block.function, 1, file) == 1 &&
             std::fwrite(&length, sizeof length, 1, file) == 1 &&
             std::fwrite(block.set.data(), 1, length, file) == length &&
             std::fwrite(&slots, sizeof slots, 1, file) == 1 &&
             std::fwrite(block.slots.data(), sizeof(Slot), slots, file) == slots;
    }
    return std::fclose(file) == 0 && ok;
}

bool readBlocks(const char* path, std::vector<Block>& blocks)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    std::uint64_t count = 0;
    bool ok = std::fread(&count, sizeof count, 1, file) == 1 && count < 1000;
    for (std::uint64_t i = 0; ok && i < count; ++i) {
        Block block;
        std::uint32_t length = 0;
        std::uint64_t slots = 0;
        ok = std::fread(&block.function, sizeof block.function, 1, file) == 1 &&
             block.function < kFunctionCount && std::fread(&length, sizeof length, 1, file) == 1 &&
             length < 100;
        if (ok) {
            block.set.resize(length);
            ok = std::fread(block.set.data(), 1, length, file) == length &&
                 std::fread(&slots, sizeof slots, 1, file) == 1 && slots < (1u << 28);
        }
        if (ok) {
            block.slots.resize(slots);
            ok = std::fread(block.slots.data(), sizeof(Slot), slots, file) == slots;
        }
        blocks.push_back(std::move(block));
    }
    std::fclose(file);
    return ok;
}

// ---------------------------------------------------------------------------
// Making the arguments (on Linux only: std::strtod and printf are exact there)

class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }
    double uniform(double low, double high) { return low + (high - low) * unit(); }
    std::int64_t integer(std::int64_t low, std::int64_t high)
    {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool coin() { return next() >> 63; }
    // 10^e for e uniform in [low, high): spread evenly over the decades.
    double decades(double low, double high) { return std::pow(10.0, uniform(low, high)); }
    // Any double whose binary exponent lies in [low, high], mantissa at random;
    // exponents below -1022 give subnormals.
    double binade(int low, int high, bool positive = false)
    {
        const int exponent = static_cast<int>(integer(low, high));
        const std::uint64_t mantissa = next() >> 12;
        double value;
        if (exponent < -1022)
            value = std::ldexp(static_cast<double>(mantissa >> (-1022 - exponent)), -1074);
        else
            value = doubleOf(static_cast<std::uint64_t>(exponent + 1023) << 52 | mantissa);
        return positive || coin() ? value : -value;
    }

private:
    std::uint64_t m_state;
};

// The value written with 15 significant digits and read back: the values
// the calculator works with.
double fifteen(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr);
}

constexpr double kDegreesToRadians = 0.0174532925; // the calculator's factor
constexpr double kPi = 3.14159265;                 // and its pi

std::uint32_t indexOf(std::string_view name)
{
    for (std::uint32_t i = 0; i < kFunctionCount; ++i)
        if (name == kFunctions[i].name)
            return i;
    std::fprintf(stderr, "libm_compare: no function %.*s\n", static_cast<int>(name.size()), name.data());
    std::exit(2);
}

class Maker {
public:
    explicit Maker(double scale) : m_scale(scale) {}

    // count is per 1,000,000 arguments at scale 1.
    template <typename Make>
    void add(std::string_view function, const char* set, double count, Make make)
    {
        Block block{indexOf(function), set, {}};
        const auto n = static_cast<std::size_t>(std::max(1.0, count * m_scale));
        block.slots.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            block.slots.push_back(make(i));
        m_blocks.push_back(std::move(block));
    }
    // The same set for several functions of one argument.
    template <typename Make>
    void addEach(std::initializer_list<std::string_view> functions, const char* set, double count, Make make)
    {
        for (std::string_view function : functions)
            add(function, set, count, make);
    }
    std::vector<Block>& blocks() { return m_blocks; }

private:
    double m_scale;
    std::vector<Block> m_blocks;
};

std::vector<Block> makeArguments(double scale)
{
    Random r(20240601);
    Maker m(scale);
    const auto trig = {std::string_view("sin"), std::string_view("cos"), std::string_view("tan")};

    // The calculator in degrees: the angle cut to 15 digits, times its factor, cut again.
    m.addEach(trig, "degrees, 15 digits", 200'000, [&](std::size_t) {
        return slotOf(fifteen(fifteen(r.uniform(-3600, 3600)) * kDegreesToRadians));
    });
    m.addEach(trig, "degrees, tenths", 50'000, [&](std::size_t i) {
        const double degrees = static_cast<double>(static_cast<std::int64_t>(i % 72'001) - 36'000) / 10;
        return slotOf(fifteen(degrees * kDegreesToRadians));
    });
    m.addEach(trig, "radians, 15 digits", 200'000, [&](std::size_t) {
        return slotOf(fifteen(r.uniform(-10, 10)));
    });
    m.addEach(trig, "multiples of pi", 50'000, [&](std::size_t i) {
        const double k = static_cast<double>(r.integer(-10'000, 10'000));
        const double divisor = static_cast<double>(1 + i % 12);
        return slotOf(i % 2 ? k * kPi / divisor : fifteen(k * kPi / divisor));
    });
    m.addEach(trig, "2^-30 to 2^10", 250'000, [&](std::size_t) { return slotOf(r.binade(-30, 10)); });
    m.addEach(trig, "2^10 to 2^1023", 150'000, [&](std::size_t) { return slotOf(r.binade(10, 1023)); });
    m.addEach(trig, "huge, 15 digits", 50'000, [&](std::size_t i) {
        return slotOf(i < 600 ? std::pow(10.0, static_cast<double>(i % 300 + 1)) * (i < 300 ? 1 : -1)
                              : fifteen(r.decades(5, 300)));
    });
    m.addEach(trig, "below 2^-30", 50'000, [&](std::size_t) { return slotOf(r.binade(-1074, -31)); });

    m.add("atan", "15 digits", 250'000, [&](std::size_t) {
        const double value = fifteen(r.decades(-20, 20));
        return slotOf(r.coin() ? value : -value);
    });
    // asin and acos: x / sqrt(1 - x²), as the calculator forms it.
    m.add("atan", "asin and acos quotients", 250'000, [&](std::size_t) {
        const double x = fifteen(r.uniform(-1, 1));
        const double s = std::sqrt(-x * x + 1);
        return slotOf(s == 0 ? x : x / s);
    });
    m.add("atan", "every binade", 500'000, [&](std::size_t) { return slotOf(r.binade(-1074, 1023)); });

    m.add("exp", "-745 to 710", 500'000, [&](std::size_t) { return slotOf(r.uniform(-745, 710)); });
    m.add("exp", "15 digits", 250'000, [&](std::size_t) { return slotOf(fifteen(r.uniform(-50, 50))); });
    m.add("exp", "2^-60 to 2^4", 250'000, [&](std::size_t) { return slotOf(r.binade(-60, 4)); });

    m.add("log", "near 1", 250'000, [&](std::size_t i) {
        const double offset = r.decades(-16, -1) * (r.coin() ? 1 : -1);
        return slotOf(i % 2 ? 1 + offset : fifteen(1 + offset));
    });
    m.add("log", "15 digits", 250'000, [&](std::size_t) { return slotOf(fifteen(r.decades(-300, 300))); });
    m.add("log", "every binade", 500'000, [&](std::size_t) { return slotOf(r.binade(-1074, 1023, true)); });

    m.add("pow", "whole exponents", 250'000, [&](std::size_t) {
        const double base = fifteen(r.decades(-5, 5));
        return slotOf(r.coin() ? base : -base, static_cast<double>(r.integer(-40, 40)));
    });
    m.add("pow", "fractional exponents", 250'000, [&](std::size_t) {
        return slotOf(r.decades(-10, 10), fifteen(r.uniform(-10, 10)));
    });
    m.add("pow", "15 digits", 200'000, [&](std::size_t) {
        return slotOf(fifteen(r.decades(-3, 3)), fifteen(r.uniform(-100, 100)));
    });
    m.add("pow", "powers of 10 and 2", 50'000, [&](std::size_t i) {
        const double exponent = i % 2 ? static_cast<double>(r.integer(-330, 330)) : fifteen(r.uniform(-330, 330));
        return slotOf(i % 4 < 2 ? 10 : 2, exponent);
    });
    m.add("pow", "roots", 150'000, [&](std::size_t i) {
        static const double roots[] = {0.5, fifteen(1.0 / 3), 0.25, fifteen(1.0 / 7), -0.5};
        return slotOf(r.binade(-1074, 1023, true), roots[i % 5]);
    });
    m.add("pow", "near overflow and underflow", 100'000, [&](std::size_t) {
        const double base = r.uniform(1.5, 10);
        const double limit = (r.coin() ? 308.25 : -307.65) / std::log10(base);
        return slotOf(base, fifteen(limit * (1 + r.uniform(-1e-3, 1e-3))));
    });

    m.add("sqrt", "every binade", 500'000, [&](std::size_t) { return slotOf(r.binade(-1074, 1023, true)); });
    m.add("sqrt", "15 digits", 250'000, [&](std::size_t) { return slotOf(fifteen(r.decades(-300, 300))); });
    m.add("sqrt", "squares and neighbours", 250'000, [&](std::size_t i) {
        const double root = static_cast<double>(r.integer(1, 94'906'265)); // its square is below 2^53
        const double square = root * root;
        return slotOf(i % 3 == 0 ? square : std::nextafter(square, i % 3 == 1 ? 0.0 : 1e300));
    });

    for (const char* rounding : {"floor", "nearbyint"}) {
        m.add(rounding, "2^-10 to 2^60", 500'000, [&](std::size_t) { return slotOf(r.binade(-10, 60)); });
        m.add(rounding, "15 digits", 250'000, [&](std::size_t) {
            const double value = fifteen(r.decades(-5, 17));
            return slotOf(r.coin() ? value : -value);
        });
        m.add(rounding, "halves and neighbours", 250'000, [&](std::size_t i) {
            const double half = static_cast<double>(r.integer(-1'000'000'000, 1'000'000'000)) + 0.5;
            return slotOf(i % 3 == 0 ? half : std::nextafter(half, i % 3 == 1 ? -1e300 : 1e300));
        });
    }
    // What the calculator's decimal writing floors: a value scaled to about 1E+14.
    m.add("floorl", "scaled to 15 digits", 500'000, [&](std::size_t) {
        const long double scaled =
            static_cast<long double>(fifteen(r.decades(-13, 41))) * std::pow(10.0L, static_cast<int>(r.integer(-40, 27)));
        return slotOf(std::fmod(std::fabs(scaled), 1e18L) * (r.coin() ? 1 : -1));
    });
    m.add("floorl", "2^-10 to 2^70", 500'000, [&](std::size_t) {
        const long double value = std::ldexp(static_cast<long double>(r.next()), static_cast<int>(r.integer(-74, 6)));
        return slotOf(r.coin() ? value : -value);
    });
    return std::move(m.blocks());
}

// ---------------------------------------------------------------------------
// Computing

Slot compute(const Function& function, const Slot& argument)
{
    switch (function.kind) {
    case Kind::Unary:
        return slotOf((*function.unary)(doubleOf(argument.word[0])));
    case Kind::Binary:
        return slotOf((*function.binary)(doubleOf(argument.word[0]), doubleOf(argument.word[1])));
    case Kind::LongUnary:
        return slotOf((*function.longUnary)(longOf(argument)));
    }
    return {};
}

std::vector<Block> computeAll(const std::vector<Block>& arguments)
{
    std::vector<Block> results;
    for (const Block& block : arguments) {
        Block result{block.function, block.set, {}};
        result.slots.reserve(block.slots.size());
        for (const Slot& argument : block.slots)
            result.slots.push_back(compute(kFunctions[block.function], argument));
        results.push_back(std::move(result));
    }
    return results;
}

// ---------------------------------------------------------------------------
// Comparing and printing (on Linux)

std::string digits15(const Function& function, const Slot& slot)
{
    char text[48];
    if (function.kind == Kind::LongUnary)
        std::snprintf(text, sizeof text, "%.14Le", longOf(slot));
    else
        std::snprintf(text, sizeof text, "%.14e", doubleOf(slot.word[0]));
    return text;
}

std::string hexOf(const Function& function, const Slot& slot, bool withSecond)
{
    char text[64];
    if (function.kind == Kind::LongUnary)
        std::snprintf(text, sizeof text, "%04llx%016llx", static_cast<unsigned long long>(slot.word[1] & 0xffff),
                      static_cast<unsigned long long>(slot.word[0]));
    else if (withSecond)
        std::snprintf(text, sizeof text, "%016llx,%016llx", static_cast<unsigned long long>(slot.word[0]),
                      static_cast<unsigned long long>(slot.word[1]));
    else
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(slot.word[0]));
    return text;
}

bool sameBits(const Function& function, const Slot& a, const Slot& b)
{
    if (function.kind == Kind::LongUnary)
        return a.word[0] == b.word[0] && (a.word[1] & 0xffff) == (b.word[1] & 0xffff);
    return a.word[0] == b.word[0];
}

// Units in the last place between two doubles of one sign; large when they differ more.
long long ulpsApart(const Slot& a, const Slot& b)
{
    const auto ordered = [](std::uint64_t bits) {
        return bits >> 63 ? -static_cast<long long>(bits & ~(1ull << 63)) : static_cast<long long>(bits);
    };
    const long long difference = ordered(a.word[0]) - ordered(b.word[0]);
    return difference < 0 ? -difference : difference;
}

std::string argumentText(const Function& function, const Slot& argument)
{
    char text[80];
    if (function.kind == Kind::LongUnary)
        std::snprintf(text, sizeof text, "%.21Lg", longOf(argument));
    else if (function.kind == Kind::Binary)
        std::snprintf(text, sizeof text, "%.17g, %.17g", doubleOf(argument.word[0]), doubleOf(argument.word[1]));
    else
        std::snprintf(text, sizeof text, "%.17g", doubleOf(argument.word[0]));
    return text;
}

struct Tally {
    std::size_t values = 0, bits = 0, digits = 0;
    long long widest = 0; // in units in the last place
};

// The widest difference, or "many" past a million units (a wrong sign, say).
std::string widestText(long long ulps)
{
    return ulps > 1'000'000 ? "many" : std::to_string(ulps);
}

int compareFiles(const char* argumentsPath, const char* referencePath, const char* otherPath, int shown)
{
    std::vector<Block> arguments, reference, other;
    if (!readBlocks(argumentsPath, arguments) || !readBlocks(referencePath, reference) ||
        !readBlocks(otherPath, other)) {
        std::fprintf(stderr, "libm_compare: cannot read %s, %s or %s\n", argumentsPath, referencePath, otherPath);
        return 2;
    }
    if (arguments.size() != reference.size() || arguments.size() != other.size()) {
        std::fprintf(stderr, "libm_compare: the files hold different blocks\n");
        return 2;
    }
    std::map<std::uint32_t, Tally> perFunction;
    std::printf("%-10s %-28s %9s %9s %9s %6s\n", "function", "arguments", "N", "bits", "15 digits", "ulps");
    for (std::size_t b = 0; b < arguments.size(); ++b) {
        const Block& block = arguments[b];
        const Function& function = kFunctions[block.function];
        if (reference[b].slots.size() != block.slots.size() || other[b].slots.size() != block.slots.size() ||
            reference[b].function != block.function || other[b].function != block.function) {
            std::fprintf(stderr, "libm_compare: block %zu does not match its arguments\n", b);
            return 2;
        }
        Tally tally;
        for (std::size_t i = 0; i < block.slots.size(); ++i) {
            const Slot& x = reference[b].slots[i];
            const Slot& y = other[b].slots[i];
            ++tally.values;
            if (sameBits(function, x, y))
                continue;
            ++tally.bits;
            const std::string textX = digits15(function, x), textY = digits15(function, y);
            if (textX != textY)
                ++tally.digits;
            if (function.kind != Kind::LongUnary)
                tally.widest = std::max(tally.widest, ulpsApart(x, y));
            if (shown > 0) {
                --shown;
                std::printf("  %s(%s) [%s]: %s %s, other %s %s\n", function.name,
                            argumentText(function, block.slots[i]).c_str(),
                            hexOf(function, block.slots[i], function.kind == Kind::Binary).c_str(),
                            hexOf(function, x, false).c_str(), textX.c_str(), hexOf(function, y, false).c_str(),
                            textY.c_str());
            }
        }
        std::printf("%-10s %-28s %9zu %9zu %9zu %6s\n", function.name, block.set.c_str(), tally.values, tally.bits,
                    tally.digits, widestText(tally.widest).c_str());
        Tally& sum = perFunction[block.function];
        sum.values += tally.values;
        sum.bits += tally.bits;
        sum.digits += tally.digits;
        sum.widest = std::max(sum.widest, tally.widest);
    }
    std::printf("\n%-10s %9s %9s %9s %6s\n", "function", "N", "bits", "15 digits", "ulps");
    std::size_t differing = 0;
    for (const auto& [index, sum] : perFunction) {
        std::printf("%-10s %9zu %9zu %9zu %6s\n", kFunctions[index].name, sum.values, sum.bits, sum.digits,
                    widestText(sum.widest).c_str());
        differing += sum.bits;
    }
    return differing == 0 ? 0 : 1;
}

int dump(const char* argumentsPath, const char* resultsPath, std::string_view name)
{
    std::vector<Block> arguments, results;
    if (!readBlocks(argumentsPath, arguments) || !readBlocks(resultsPath, results) ||
        arguments.size() != results.size())
        return 2;
    const std::uint32_t wanted = indexOf(name);
    const Function& function = kFunctions[wanted];
    for (std::size_t b = 0; b < arguments.size(); ++b) {
        if (arguments[b].function != wanted || results[b].slots.size() != arguments[b].slots.size())
            continue;
        for (std::size_t i = 0; i < arguments[b].slots.size(); ++i)
            std::printf("%s\t%s\t%s\t%s\n", arguments[b].set.c_str(),
                        hexOf(function, arguments[b].slots[i], function.kind == Kind::Binary).c_str(),
                        hexOf(function, results[b].slots[i], false).c_str(),
                        digits15(function, results[b].slots[i]).c_str());
    }
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: libm_compare arguments FILE [SCALE]\n"
                         "       libm_compare run ARGUMENTS RESULTS\n"
                         "       libm_compare compare ARGUMENTS REFERENCE OTHER [SHOWN]\n"
                         "       libm_compare dump ARGUMENTS RESULTS FUNCTION\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "arguments" && (argc == 3 || argc == 4)) {
        const double scale = argc == 4 ? std::strtod(argv[3], nullptr) : 1.0;
        if (!(scale > 0 && scale <= 64))
            return usage();
        const std::vector<Block> blocks = makeArguments(scale);
        std::size_t count = 0;
        for (const Block& block : blocks)
            count += block.slots.size();
        if (!writeBlocks(argv[2], blocks))
            return 2;
        std::printf("%zu arguments in %zu blocks\n", count, blocks.size());
        return 0;
    }
    if (command == "run" && argc == 4) {
        std::vector<Block> arguments;
        if (!readBlocks(argv[2], arguments)) {
            std::fprintf(stderr, "libm_compare: cannot read %s\n", argv[2]);
            return 2;
        }
        return writeBlocks(argv[3], computeAll(arguments)) ? 0 : 2;
    }
    if (command == "compare" && (argc == 5 || argc == 6))
        return compareFiles(argv[2], argv[3], argv[4], argc == 6 ? std::atoi(argv[5]) : 10);
    if (command == "dump" && argc == 5)
        return dump(argv[2], argv[3], argv[4]);
    return usage();
}
