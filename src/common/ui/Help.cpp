#include "common/ui/Help.h"

// Placeholder until the help window is built.
void OpenHelpTopic(const QString&) {}
