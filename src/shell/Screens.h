#pragma once

// Creates every screen once, in start-up order (main menu, thermal input, design
// input, thermal results, design results, then the design dialogs), and sets
// the global instances. The splash screen is created before, by main().
void CreateScreens();

// Deletes the screens created by CreateScreens (tests call it between cases).
void DestroyScreens();
