/* The entry points of vantor-libm.dll.

   The DLL holds glibc's double-precision sin, cos, tan, atan, exp, log and
   pow, compiled from Debian's glibc source once for each instruction-set
   variant that glibc builds for x86-64 (sysdeps/x86_64/fpu/multiarch): the
   plain SSE2 code, the same code encoded with AVX (-msse2avx), and builds
   with -mfma4 and with -mfma -mavx2, where the compiler fuses multiplies
   and adds.  The fused builds can round the last bit differently, so this
   file picks the variant by the processor's features exactly as glibc's
   ifunc selectors do (ifunc-avx-fma4.h; pow uses ifunc-fma4.h, which has no
   AVX variant), and a Windows program gets the bits a Linux program gets
   on the same machine.

   sqrt is here too: glibc's is the SSE2 instruction, which rounds
   correctly, while the C runtime's rounds twice (x87 extended, then double)
   and is one unit in the last place off about three times in 10,000.

   VANTOR_LIBM_HWCAPS turns features off as glibc's GLIBC_TUNABLES=
   glibc.cpu.hwcaps does, with the same spelling ("-AVX2,-FMA"), so that
   every variant can be compared on one machine.  */

#include <errno.h>
#include <stdlib.h>
#include <string.h>

typedef double unary (double);
typedef double binary (double, double);

#define DECLARE_VARIANT(v)                                                 \
  extern unary __sin_##v, __cos_##v, __tan_##v, __atan_##v;              \
  extern unary __ieee754_exp_##v, __ieee754_log_##v

DECLARE_VARIANT (sse2);
DECLARE_VARIANT (avx);
DECLARE_VARIANT (fma);
DECLARE_VARIANT (fma4);
extern binary __ieee754_pow_sse2, __ieee754_pow_fma, __ieee754_pow_fma4;

struct variant
{
  const char *name;
  unary *sin, *cos, *tan, *atan, *exp, *log;
  binary *pow;
};

#define VARIANT(v, pow_variant)                                            \
  {                                                                        \
    #v, __sin_##v, __cos_##v, __tan_##v, __atan_##v, __ieee754_exp_##v,   \
      __ieee754_log_##v, __ieee754_pow_##pow_variant                       \
  }

static const struct variant sse2 = VARIANT (sse2, sse2);
/* glibc has no AVX build of pow: a processor with AVX but neither FMA4
   nor FMA with AVX2 runs the SSE2 one.  */
static const struct variant avx = VARIANT (avx, sse2);
static const struct variant fma = VARIANT (fma, fma);
static const struct variant fma4 = VARIANT (fma4, fma4);

enum
{
  FEATURE_AVX = 1,
  FEATURE_AVX2 = 2,
  FEATURE_FMA = 4,
  FEATURE_FMA4 = 8
};

/* What VANTOR_LIBM_HWCAPS turns off: a comma-separated list of -NAME.  */
static int
masked_features (void)
{
  static const struct
  {
    const char *name;
    int feature;
  } names[] = { { "AVX", FEATURE_AVX },
                { "AVX2", FEATURE_AVX2 },
                { "FMA", FEATURE_FMA },
                { "FMA4", FEATURE_FMA4 } };
  const char *list = getenv ("VANTOR_LIBM_HWCAPS");
  int masked = 0;
  while (list != NULL && *list != '\0')
    {
      size_t length = strcspn (list, ",");
      if (list[0] == '-')
        for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
          if (strlen (names[i].name) == length - 1
              && strncmp (list + 1, names[i].name, length - 1) == 0)
            masked |= names[i].feature;
      list += length;
      if (*list == ',')
        ++list;
    }
  return masked;
}

/* The processor's features that the operating system lets a program use:
   libgcc counts AVX, AVX2, FMA and FMA4 only when the system saves the
   YMM registers, as glibc's CPU_FEATURE_USABLE does.  */
static int
usable_features (void)
{
  __builtin_cpu_init ();
  int features = 0;
  if (__builtin_cpu_supports ("avx"))
    features |= FEATURE_AVX;
  if (__builtin_cpu_supports ("avx2"))
    features |= FEATURE_AVX2;
  if (__builtin_cpu_supports ("fma"))
    features |= FEATURE_FMA;
  if (__builtin_cpu_supports ("fma4"))
    features |= FEATURE_FMA4;
  return features & ~masked_features ();
}

/* glibc's order of preference.  */
static const struct variant *
choose (void)
{
  const int features = usable_features ();
  if ((features & FEATURE_FMA) && (features & FEATURE_AVX2))
    return &fma;
  if (features & FEATURE_FMA4)
    return &fma4;
  if (features & FEATURE_AVX)
    return &avx;
  return &sse2;
}

static const struct variant *chosen;

/* Chosen on the first call, so that the choice does not depend on the
   order in which DLLs are initialised; two threads racing here choose the
   same.  */
static inline const struct variant *
variant (void)
{
  const struct variant *v = __atomic_load_n (&chosen, __ATOMIC_ACQUIRE);
  if (__builtin_expect (v == NULL, 0))
    {
      v = choose ();
      __atomic_store_n (&chosen, v, __ATOMIC_RELEASE);
    }
  return v;
}

double sin (double x) { return variant ()->sin (x); }
double cos (double x) { return variant ()->cos (x); }
double tan (double x) { return variant ()->tan (x); }
double atan (double x) { return variant ()->atan (x); }
double exp (double x) { return variant ()->exp (x); }
double log (double x) { return variant ()->log (x); }
double pow (double x, double y) { return variant ()->pow (x, y); }

/* As glibc's math/w_sqrt_template.c around its x86-64 __ieee754_sqrt,
   which is the instruction.  */
double
sqrt (double x)
{
  if (__builtin_isless (x, 0.0))
    errno = EDOM;
  double root;
  __asm__ ("sqrtsd %1, %0" : "=x" (root) : "x" (x));
  return root;
}

/* "sse2", "avx", "fma4" or "fma": which build the functions above run.  */
const char *vantor_libm_variant (void) { return variant ()->name; }
