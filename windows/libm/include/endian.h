/* Stands in for glibc's include/endian.h: x86-64 is little-endian, so the
   high 32 bits of a double are its second word.  */
#ifndef VANTOR_LIBM_ENDIAN_H
#define VANTOR_LIBM_ENDIAN_H
#define __LITTLE_ENDIAN 1234
#define __BIG_ENDIAN 4321
#define __BYTE_ORDER __LITTLE_ENDIAN
#define __FLOAT_WORD_ORDER __BYTE_ORDER
#undef BIG_ENDI
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0
#endif
