#pragma once
// A Designing-mode batch card: 60 x 40 mm with a text and a Code 128 both bound to the series "codes",
// which holds the given records; the record list is taken from it.

#include <QStringList>

class SKTWindowController;

namespace testsupport {

void bindCardBatch(SKTWindowController &c, const QStringList &records);

} // namespace testsupport
