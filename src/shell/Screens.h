#pragma once

// Creates every screen once, in start-up order (main menu, thermal input, design
// input, thermal results, design results, then the design dialogs), and sets
// the global instances. The splash screen is created before, by main().
void CreateScreens();

// Deletes the screens created by CreateScreens (tests call it between cases).
void DestroyScreens();

class QString;

// Opens a case file: when the whole file is sound, its input screen is filled
// with it and shown (the main menu and the other screens hidden), ready for
// OK; otherwise a message names the file, the key and the fault, and no
// screen changes.
bool OpenCaseFile(const QString& path);
