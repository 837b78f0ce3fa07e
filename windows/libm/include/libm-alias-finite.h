/* No __*_finite entry points: only the names in vantor-libm.def.  */
#define libm_alias_finite(from, to)
