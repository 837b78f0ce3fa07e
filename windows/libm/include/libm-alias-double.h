/* The DLL's exported names are made in dispatch.c, not by aliases.  */
#define libm_alias_double(from, to)
#define libm_alias_double_other(from, to)
