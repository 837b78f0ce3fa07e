/* Stands in for glibc's sysdeps/x86/fpu/fenv_private.h, of which these
   functions use SET_RESTORE_ROUND and SET_RESTORE_ROUND_53BIT only.  On
   x86-64 doubles are computed in SSE registers, so both act on MXCSR alone,
   as glibc's libc_feholdsetround_sse_ctx and libc_feresetround_sse_ctx do:
   set the rounding-control bits for the rest of the block if they differ,
   and put the caller's back when the block is left.  */
#ifndef VANTOR_LIBM_FENV_PRIVATE_H
#define VANTOR_LIBM_FENV_PRIVATE_H

#include <fenv.h>
#include <stdbool.h>

struct vantor_rounding_context
{
  unsigned int mxcsr;
  bool updated;
};

static __always_inline void
vantor_hold_rounding (struct vantor_rounding_context *ctx, int mode)
{
  unsigned int mxcsr, wanted;
  __asm__ ("stmxcsr %0" : "=m" (mxcsr));
  wanted = (mxcsr & ~0x6000u) | ((unsigned int) mode << 3);
  ctx->mxcsr = mxcsr;
  ctx->updated = wanted != mxcsr;
  if (__glibc_unlikely (ctx->updated))
    __asm__ __volatile__ ("ldmxcsr %0" : : "m" (wanted));
}

static __always_inline void
vantor_restore_rounding (struct vantor_rounding_context *ctx)
{
  if (__glibc_unlikely (ctx->updated))
    {
      unsigned int mxcsr;
      __asm__ ("stmxcsr %0" : "=m" (mxcsr));
      mxcsr = (mxcsr & ~0x6000u) | (ctx->mxcsr & 0x6000u);
      __asm__ __volatile__ ("ldmxcsr %0" : : "m" (mxcsr));
    }
}

#define SET_RESTORE_ROUND(mode)                                             \
  struct vantor_rounding_context vantor_rounding_context                    \
    __attribute__ ((cleanup (vantor_restore_rounding)));                    \
  vantor_hold_rounding (&vantor_rounding_context, (mode))

#define SET_RESTORE_ROUND_53BIT(mode) SET_RESTORE_ROUND (mode)

#endif
