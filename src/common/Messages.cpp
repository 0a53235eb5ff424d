#include "common/Messages.h"

#include "common/FloatingPoint.h"

namespace calvora {

void ShowChecked(Messages& sink, MessageKind kind, const std::string& text) {
  CheckArithmetic();
  sink.show(kind, text);
}

}  // namespace calvora
