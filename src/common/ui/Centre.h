#pragma once

class QWidget;

// Moves a top-level window to the centre of the screen it is on (or the primary
// screen), using its current frame size.
void CentreOnScreen(QWidget* window);
