#pragma once
// Print profiles: one XML property list per profile in the "PrintProfile" folder of the per-user
// data, an array of 22 strings by position (columns, rows, gaps, margins, alignment, auto-centre,
// printer, paper name and size, paper width and height, orientation, and the option boxes as
// "Y"/"N"), and after them the label stock the profile was saved on (vendor and product; both empty
// for the manual layout). Profiles saved before name no stock.

#include <QString>
#include <QStringList>
#include <optional>

namespace printprofiles {

constexpr int FieldCount = 22;        // the fields every profile has
constexpr int Stock_Vendor = 22, Stock_Product = 23;
constexpr int StockFieldCount = 24;   // with the label stock
inline const QString Extension = QStringLiteral("qpf");
inline const QString Default_Name = QStringLiteral("Default");

struct Listing {
    QStringList names;   // the readable profiles, sorted by name
    QStringList bad;     // files that are no array of at least 22 strings, by name
};

// The profiles of the folder: every file whose extension is "qpf" in any case, by name without it.
Listing List_Profiles(const QString &folder);
// The file of a profile: the listed file of that name when there is one (whatever the case of its
// extension), else folder + "/" + name + ".qpf".
QString Profile_Path(const QString &folder, const QString &name);
// The first 24 strings of a profile, or 22 of one that names no stock; nothing when the file is
// missing, unreadable, no array of strings or shorter than 22.
std::optional<QStringList> Read_Profile(const QString &folder, const QString &name);
// Writes the 22 strings, or 24 with the stock, whole; the old file is replaced only once the new
// one is complete, and kept when the write fails. Answers success; error receives the reason of a
// failure, unsynced that of a folder sync that failed once the file was saved (platform::putInPlace).
bool Write_Profile(const QString &folder, const QString &name, const QStringList &fields, QString *error = nullptr,
                   QString *unsynced = nullptr);
// Deletes the profile's file; answers whether it is gone.
bool Delete_Profile(const QString &folder, const QString &name);

// A "Default" profile that cannot be read (unreadable, empty, damaged) written again from the one the
// application ships (seedFile), the file first kept beside it as "Default.qpf.damaged" (numbered when
// that is taken), a name no listing takes for a profile; a seed that is no profile itself moves
// nothing aside and writes nothing. A missing one is left to the start's seeding.
struct DefaultRepair {
    bool damaged = false;   // there, and not readable
    QString keptAs;         // the damaged file's name once moved aside
    // What keeps the application's own from replacing it (then the damaged file is left as it is):
    // none, missing, unreadable (seedError gives the system's reason) or damaged (no profile).
    enum class Seed { Fine, Missing, Unreadable, Damaged } seed = Seed::Fine;
    QString seedError;
    QString error;          // why it was not moved aside or written again; empty when it was
};
DefaultRepair Repair_Default(const QString &folder, const QString &seedFile);

// A Y/N position: anything but "Y" is off.
inline bool Is_Yes(const QString &flag) { return flag == QLatin1String("Y"); }
inline QString Yes_No(bool on) { return on ? QStringLiteral("Y") : QStringLiteral("N"); }

// The label stock a profile names: recorded by profiles saved with it (an empty vendor is the
// manual layout); older profiles record none.
struct Stock {
    bool recorded = false;
    QString vendor, product;
};
inline Stock Stock_Of(const QStringList &fields)
{
    if (fields.size() < StockFieldCount)
        return {};
    return {true, fields.at(Stock_Vendor), fields.at(Stock_Product)};
}

} // namespace printprofiles
