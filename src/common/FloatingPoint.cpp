#include "common/FloatingPoint.h"

#if defined(__SSE2__) && (defined(__x86_64__) || defined(__i386__))
#include <xmmintrin.h>
#define CALVORA_SSE_FLAGS 1
#endif

#include "common/Errors.h"

namespace calvora {
namespace {

int RaisedFlags() {
  return std::fetestexcept(FE_ALL_EXCEPT);
}

// Makes the raised flags exactly `flags` (as std::fetestexcept reports them).
// Double arithmetic on x86 raises its flags in the SSE control register, which
// is rewritten in a few cycles; the C library's own functions reload the whole
// x87 environment as well, which costs more than a short calculation, so they
// are called only when the x87 unit holds flags of its own (long double work).
void SetRaisedFlags(int flags) {
#ifdef CALVORA_SSE_FLAGS
  const unsigned all = FE_ALL_EXCEPT;
  _mm_setcsr((_mm_getcsr() & ~all) | static_cast<unsigned>(flags));
  if (RaisedFlags() == flags)
    return;
  std::feclearexcept(FE_ALL_EXCEPT);
  _mm_setcsr((_mm_getcsr() & ~all) | static_cast<unsigned>(flags));
#else
  std::feclearexcept(FE_ALL_EXCEPT & ~flags);
  if (flags != 0)
    std::feraiseexcept(flags);
#endif
}

}  // namespace

void ClearArithmeticFailure() {
  SetRaisedFlags(0);
}

bool ArithmeticFailed() {
  return std::fetestexcept(kFailureFlags) != 0;
}

void CheckArithmetic() {
  const int raised = std::fetestexcept(kFailureFlags);
  if (raised == 0)
    return;
  if (raised & FE_DIVBYZERO)
    throw MathError("division by zero");
  if (raised & FE_INVALID)
    throw MathError("invalid operation");
  throw MathError("overflow");
}

FloatingPointGuard::FloatingPointGuard() : saved_(RaisedFlags()) {
  SetRaisedFlags(0);
}

FloatingPointGuard::~FloatingPointGuard() {
  SetRaisedFlags(saved_);
}

PreservedArithmeticFlags::PreservedArithmeticFlags() : saved_(RaisedFlags()) {}

PreservedArithmeticFlags::~PreservedArithmeticFlags() {
  SetRaisedFlags(saved_);
}

}  // namespace calvora
