/* Read before every glibc source file that goes into vantor-libm.dll.
   glibc takes these definitions from its own build (sys/cdefs.h,
   libc-symbols.h, include/errno.h, math.h); the Windows headers lack them.  */
#ifndef VANTOR_LIBM_GLIBC_GLUE_H
#define VANTOR_LIBM_GLIBC_GLUE_H

#include <errno.h>

#define __glibc_unlikely(cond) __builtin_expect ((cond), 0)
#define __glibc_likely(cond) __builtin_expect ((cond), 1)

#ifndef __always_inline
# define __always_inline __inline __attribute__ ((__always_inline__))
#endif

/* The DLL exports only what vantor-libm.def names, so nothing needs
   hiding.  */
#define attribute_hidden

#define __set_errno(value) (errno = (value))

/* Type-generic dispatch as glibc's math.h does it (only the double case
   is used here).  */
#define __MATH_TG(TG_ARG, FUNC, ARGS)                                      \
  _Generic ((TG_ARG), float: FUNC##f ARGS, default: FUNC ARGS,              \
            long double: FUNC##l ARGS)

#endif
