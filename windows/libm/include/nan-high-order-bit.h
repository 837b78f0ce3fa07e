#include <sysdeps/generic/nan-high-order-bit.h>
