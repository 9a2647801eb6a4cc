// One QApplication per test binary, offscreen unless told otherwise, with a private data folder.

#include "support/TestMain.h"

#include <QApplication>

int main(int argc, char **argv) { return testsupport::runTestBinary<QApplication>(argc, argv); }
