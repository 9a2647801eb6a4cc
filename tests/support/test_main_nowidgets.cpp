// One QCoreApplication per test binary that links no widgets, with a private data folder.

#include "support/TestMain.h"

#include <QCoreApplication>

int main(int argc, char **argv) { return testsupport::runTestBinary<QCoreApplication>(argc, argv); }
