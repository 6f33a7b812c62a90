#include "calc/calculation.h"

#include "app/context.h"

namespace kalo {

// Placeholder until the calculation lands.
void Calculate(Context&) {}

long double GetMasseR(MessageCollection&, long double, long double, long double, long double) { return 0; }

long double GetJR(MessageCollection&, long double, long double, long double, long double) { return 0; }

}  // namespace kalo
