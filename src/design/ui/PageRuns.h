#pragma once

// One function per page of the design screen: reads the page and its dialogs
// into the analysis' input record, runs the analysis with the given message
// sink and, when its results flag is still set, shows the results screen.
// ConversionError, MathError and SelectionError pass through to the design
// screen's OK handler, which shows their messages.
namespace calvora {
class Messages;
}

void RunDoublePipePage(calvora::Messages& messages);
void RunCrossFlowPage(calvora::Messages& messages);
void RunShellAndTubePage(calvora::Messages& messages);
void RunCompactPage(calvora::Messages& messages);
