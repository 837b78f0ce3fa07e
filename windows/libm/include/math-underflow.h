#include <math/math-underflow.h>
