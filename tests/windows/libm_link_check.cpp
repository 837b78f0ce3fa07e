// Checks that a Windows program linked as the project links gets its
// mathematics from vantor-libm.dll: each value below is what the Linux
// C library computes (with every variant it picks from), and one that the
// mingw-w64 C runtime computes differently, so a call bound to the runtime
// fails. Built natively it checks the values against Linux itself. Prints
// "N passed, N failed".

#include "libm_link_calls.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

double fromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Read at run time, so that the compiler computes none of the results.
volatile std::uint64_t argumentBits[2];

struct Case {
    const char* what;
    double (*unary)(double);
    double (*binary)(double, double);
    std::uint64_t x, y;
    std::uint64_t expected;
};

using namespace vantor::linkcheck;

const Case kCases[] = {
    // The runtime's sin and cos use the x87 instruction, wrong for huge arguments.
    {"sin(1e22)", sine, nullptr, 0x4480f0cf064dd592, 0, 0xbfeb453ab76bf397},
    {"cos(1e22)", cosine, nullptr, 0x4480f0cf064dd592, 0, 0x3fe0be2cef01c8f4},
    {"sin(1e20)", sine, nullptr, 0x4415af1d78b58c40, 0, 0xbfe4a5e605fd6450},
    // sin(pi) with the calculator's pi, 3.14159265: 3.58979302984161E-09.
    {"sin(3.14159265)", sine, nullptr, 0x400921fb53c8d4f1, 0, 0x3e2ed609d1a62633},
    // Arguments the calculator makes from degrees, and others, that the
    // runtime's functions round to the other neighbour.
    {"cos(-42.4115756454783)", cosine, nullptr, 0xc04534ae82c09467, 0, 0x3f139d3872858938},
    {"tan(-22.6432156695294)", tangent, nullptr, 0xc036a4a9c838e74d, 0, 0xbfe86e5b3655404d},
    {"atan(0.0160564269282385)", arcTangent, nullptr, 0x3f90711892308920, 0, 0x3f9070bbfc902f72},
    {"exp(30.8267370479649)", exponential, nullptr, 0x403ed3a50a07669d, 0, 0x42b63781c1d03ac3},
    {"log(1 - 3 * 2^-51)", logarithm, nullptr, 0x3feffffffffffff4, 0, 0xbcd8000000000005},
    {"pow(1027.44598620695, -38)", nullptr, power, 0x40900dc8b09bb545, 0xc043000000000000, 0x282c2a2ee7094ef8},
    // Rounded once, as the SSE2 instruction does; the runtime's library
    // function rounds twice.
    {"sqrt(1.8466018451440595e33)", squareRoot, nullptr, 0x46d6c2d9175a19a1, 0, 0x4363155cdeee4029},
    // Halves go to the even neighbour.
    {"nearbyint(2.5)", nearest, nullptr, 0x4004000000000000, 0, 0x4000000000000000},
    {"nearbyint(-3.5)", nearest, nullptr, 0xc00c000000000000, 0, 0xc010000000000000},
};

} // namespace

int main()
{
    int passed = 0, failed = 0;
    for (const Case& c : kCases) {
        argumentBits[0] = c.x;
        argumentBits[1] = c.y;
        const double x = fromBits(argumentBits[0]), y = fromBits(argumentBits[1]);
        const std::uint64_t result = bitsOf(c.unary ? c.unary(x) : c.binary(x, y));
        const bool ok = result == c.expected;
        (ok ? passed : failed)++;
        std::printf("%-5s %-28s %016llx%s", ok ? "ok" : "FAIL", c.what, static_cast<unsigned long long>(result),
                    ok ? "\n" : "");
        if (!ok)
            std::printf(", expected %016llx\n", static_cast<unsigned long long>(c.expected));
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
