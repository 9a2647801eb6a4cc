#pragma once
// Which test cases build the main window: the application environment notes each main window
// controller it makes, and whether the window's widgets were loaded by the time it went; when
// TAGORA_WINDOW_TEST_REPORT names a file, a listener appends one line per finished test case to
// it: the case's full name, then, each after a tab, 1 or 0 for: it built a main window controller;
// it loaded that window's widgets too; it was skipped (in an edition without what it tests).

namespace testsupport {

// The running test case built a main window controller.
void noteMainWindowBuilt();
// The running test case loaded the main window's widgets.
void noteMainWindowLoaded();

// Installs the listener if the environment asks for the report; called once by every test main.
void installWindowReport();

} // namespace testsupport
