# What a Windows build does differently, all in one place. It is built on
# Debian with mingw-w64 (the toolchain file beside this one) and its programs
# run under wine.

# The PE forms of the Linux build's hardening: address-space randomisation
# and no-execute data. The stack protector's runtime comes with the link.
add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--high-entropy-va)

# Main threads get as much stack as cEvaluate::kStackBytes instead of 1 MB:
# the programs evaluate on threads of that size, the engine's tests on the
# main thread.
add_link_options(-Wl,--stack,16777216)

# Tests run under wine, one process a test program: wine starts in about a
# second, too slow for a process per test case.
set(VANTOR_TEST_PER_PROGRAM ON)
