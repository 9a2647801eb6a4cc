#pragma once
// The pictures that stand for the QR payload categories: one file in the resource folder per
// category title.

#include <QString>
#include <QStringList>

namespace qr_category {

// The picture file of a category title, compared exactly (case counts); "textQR.png" for a title
// outside the table.
QString imageFileFor(const QString &title);
// The category titles of the table, in its order.
QStringList titles();

} // namespace qr_category
