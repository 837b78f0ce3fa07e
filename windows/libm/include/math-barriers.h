#include <sysdeps/x86/fpu/math-barriers.h>
