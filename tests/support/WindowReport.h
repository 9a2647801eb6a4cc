#pragma once
// Which test cases build the main window: the application environment notes each window it builds,
// and, when TAGORA_WINDOW_TEST_REPORT names a file, a listener appends one line per finished test
// case to it: the case's full name, a tab, and 1 if it built a main window, else 0.

namespace testsupport {

// The running test case built a main window controller.
void noteMainWindowBuilt();

// Installs the listener if the environment asks for the report; called once by every test main.
void installWindowReport();

} // namespace testsupport
