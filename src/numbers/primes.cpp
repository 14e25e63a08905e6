#include "numbers/primes.h"

namespace qvk::numbers {

void declare_primes(WindowModel&) {}
void register_primes(Registry&) {}

} // namespace qvk::numbers
