#pragma once
// LibreOffice as the tests' converter of files made by another program. Tests that use it skip when
// program() is empty.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

namespace libreoffice {

// The installed program, or empty.
QString program();

// Converts files headless (`--convert-to format`, such as "xlsx" or "csv:Text - txt - csv
// (StarCalc):44,34,76") into outdir, each with the format's extension, with a profile of its own
// under work; extra comes before the conversion (an input filter). Succeeds when every converted
// file is there; a failure carries what LibreOffice said.
::testing::AssertionResult convert(const QString &work, const QString &format, const QStringList &files,
                                   const QString &outdir, const QStringList &extra = {});

} // namespace libreoffice
