/* Stands in for glibc's math_private.h: the functions built here use none
   of its word-access macros, only what it includes.  */
#ifndef VANTOR_LIBM_MATH_PRIVATE_H
#define VANTOR_LIBM_MATH_PRIVATE_H
#include <math.h>
#include <stdint.h>
#include <math-barriers.h>
#endif
