#include <include/math-narrow-eval.h>
