/* Stands in for glibc's math_private.h: the functions built here use none
   of its word-access macros, only what it includes and NOINLINE.  */
#ifndef VANTOR_LIBM_MATH_PRIVATE_H
#define VANTOR_LIBM_MATH_PRIVATE_H
#include <math.h>
#include <stdbool.h>
#include <stdint.h>
#include <math-barriers.h>

#define NOINLINE __attribute__ ((noinline))
#endif
