// Calls the mathematics as the engine does, through the <cmath> overloads,
// from a static library of its own: linked like the engine, its calls show
// which library the link binds them to.

#include "libm_link_calls.h"

#include <cmath>

namespace vantor::linkcheck {

double sine(double x) { return std::sin(x); }
double cosine(double x) { return std::cos(x); }
double tangent(double x) { return std::tan(x); }
double arcTangent(double x) { return std::atan(x); }
double exponential(double x) { return std::exp(x); }
double logarithm(double x) { return std::log(x); }
double power(double x, double y) { return std::pow(x, y); }
double squareRoot(double x) { return std::sqrt(x); }
double nearest(double x) { return std::nearbyint(x); }

} // namespace vantor::linkcheck
