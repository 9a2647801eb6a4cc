#pragma once
// The user's own label-sheet layouts ("Custom Product Number"): one XML property list per product in
// the "CustomProductLabel" folder of the per-user data, an array of 15 strings by position (columns,
// rows, left and top margin, horizontal and vertical gap, label width and height, paper name,
// orientation, page size, page width, page height, layout group, description).

#include <QString>
#include <QStringList>
#include <optional>

namespace customproducts {

constexpr int FieldCount = 15;
inline const QString Extension = QStringLiteral("qpf");

// The product names of the folder: every file (not folder) whose extension is "qpf" in any case,
// without it, sorted by name.
QStringList Product_Names(const QString &folder);
// The file of a product: the listed file of that name when there is one (whatever the case of its
// extension), else folder + "/" + name + ".qpf".
QString Product_Path(const QString &folder, const QString &name);
// The 15 strings of a product; nothing when the file is missing, is no array of strings or holds
// fewer than 15.
std::optional<QStringList> Read_Product(const QString &folder, const QString &name);
// Writes the 15 strings whole, replacing the old file only once the new one is complete. Answers
// success; error receives the reason of a failure, unsynced that of a folder sync that failed once
// the file was saved (platform::putInPlace).
bool Write_Product(const QString &folder, const QString &name, const QStringList &fields, QString *error = nullptr,
                   QString *unsynced = nullptr);
// Deletes the product's file; answers whether it is gone.
bool Delete_Product(const QString &folder, const QString &name);

} // namespace customproducts
