#pragma once
// A check of property-list bytes before they reach libplist: version 2.2 aborts the process (an
// assertion) on a string that holds a NUL character, which any file can contain. plistFromData asks
// this before parsing, so every reader of property lists refuses such bytes.

#include <QByteArray>

namespace platform {

// False when a string of the property list (XML or binary) would hold a NUL character, or a
// binary list's object table cannot be read.
bool plistStringsAreSafe(const QByteArray &bytes);

} // namespace platform
