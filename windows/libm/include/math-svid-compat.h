/* No System V error-handling compatibility: a new program, no old ABI.  */
#define LIBM_SVID_COMPAT 0
