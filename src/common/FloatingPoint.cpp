#include "common/FloatingPoint.h"

#include "common/Errors.h"

namespace calvora {

void ClearArithmeticFailure() {
  std::feclearexcept(FE_ALL_EXCEPT);
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

FloatingPointGuard::FloatingPointGuard() {
  std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
  std::feclearexcept(FE_ALL_EXCEPT);
}

FloatingPointGuard::~FloatingPointGuard() {
  std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
}

PreservedArithmeticFlags::PreservedArithmeticFlags() {
  std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
}

PreservedArithmeticFlags::~PreservedArithmeticFlags() {
  std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
}

}  // namespace calvora
