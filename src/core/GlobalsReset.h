#pragma once
// Putting the shared state back as a program starts it: each owner's file of globals registers the
// reset of its own once, and tests put every one back between cases.

// Puts every global back to its initial value, those of the subsystems' own files too (tests).
void resetGlobalsForTests();
// A subsystem's file of globals registers its reset once, as the program starts; answers true.
bool registerGlobalsReset(void (*reset)());
