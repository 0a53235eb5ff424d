#pragma once

#include <cfenv>

namespace calvora {

// The IEEE flags that end a calculation. Underflow and inexact results do not:
// underflow simply gives zero.
constexpr int kFailureFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Clears the failure flags; call when a calculation starts.
void ClearArithmeticFailure();

// True when a failure flag has been raised since the last clear.
bool ArithmeticFailed();

// Throws MathError when a failure flag has been raised since the last clear.
void CheckArithmetic();

// Clears the flags on construction, so a calculation starts clean; restores the
// caller's flags on destruction, so a calculation leaves no trace outside.
class FloatingPointGuard {
 public:
  FloatingPointGuard();
  ~FloatingPointGuard();
  FloatingPointGuard(const FloatingPointGuard&) = delete;
  FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

  void check() const { CheckArithmetic(); }

 private:
  int saved_ = 0;  // the raised flags, as std::fetestexcept reports them
};

// Keeps the calculation's flags unchanged across work that is not part of it,
// such as showing a message box (whose drawing code may raise flags of its own).
class PreservedArithmeticFlags {
 public:
  PreservedArithmeticFlags();
  ~PreservedArithmeticFlags();
  PreservedArithmeticFlags(const PreservedArithmeticFlags&) = delete;
  PreservedArithmeticFlags& operator=(const PreservedArithmeticFlags&) = delete;

 private:
  int saved_ = 0;  // the raised flags, as std::fetestexcept reports them
};

}  // namespace calvora
