#pragma once

namespace vantor::linkcheck {

double sine(double x);
double cosine(double x);
double tangent(double x);
double arcTangent(double x);
double exponential(double x);
double logarithm(double x);
double power(double x, double y);
double squareRoot(double x);
double nearest(double x);

} // namespace vantor::linkcheck
