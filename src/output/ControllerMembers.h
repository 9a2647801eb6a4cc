// This subsystem's members of SKTWindowController. Included inside the class body of
// app/SKTWindowController.h, so it holds declarations only (no include guard, no includes).
