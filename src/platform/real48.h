#pragma once
// The compact six-byte real: 40-bit mantissa, 8-bit exponent, range about 2.9E-39 to 1.7E38.
// Values are held widened to extended precision and rounded on every store.

namespace kalo {

long double RoundToReal48(long double x);

class Real48 {
 public:
  Real48() = default;
  Real48(long double x) : value_(RoundToReal48(x)) {}  // NOLINT: stores as a six-byte real does
  operator long double() const { return value_; }      // NOLINT: widened for every use

 private:
  long double value_ = 0;
};

}  // namespace kalo
