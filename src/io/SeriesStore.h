#pragma once
// The series files: one UTF-8 text file per series in the series folder (Data_Folder_Path), named
// after the series with the extension "txt", each value followed by a line feed. The folder is the
// catalogue. Every reader and writer of series goes through here.
//
// Series files are untrusted: a missing file, one that is not UTF-8 or that holds binary data has
// no values, and a series name never reaches outside the series folder.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace series_store {

// A series file larger than this is no series: reading it whole could exhaust memory.
constexpr qint64 kMaxSeriesBytes = qint64(256) * 1024 * 1024;

// The catalogue: the series names, sorted (Get_datasheet_File_Name_Array).
QStringList names();
// Every series file of the folder, each its own path, sorted as the catalogue: X.txt and X.TXT are
// two files though the catalogue lists the name X once.
QStringList files();
// The position of a name in the catalogue, names compared in lower case; -1 when absent.
int indexOf(const QString &name);

// The file of an existing series in the series folder: the name with the series extension in any
// case, the exact spelling of the name preferred, then any case of it; "" when there is none. A
// name with a "/" or one that leads outside the folder never resolves.
QString pathOf(const QString &name);

// The values of a series: the whole file as UTF-8, trimmed at both ends, split at line feeds (an
// empty line inside is an empty value; a file of white space is one empty value). Nothing (0
// values) for a missing or unreadable file, bytes that are not UTF-8 or binary data.
std::optional<QStringList> read(const QString &name);
// The number of values (0 for none), and the first value trimmed ("" for none).
int count(const QString &name);
QString firstValue(const QString &name);

// Writers. Each writes the whole new file beside the old one and puts it in place only when all of
// it is written, so a failed write leaves the old series as it was.
enum class WriteResult {
    Written,
    InvalidName,   // "Please enter valid series name."
    Declined,      // the user kept the existing series
    AccessError,   // "Error in file accessing."
    Abandoned,     // the values could not be made; the reason was shown
};
// Create or replace, as the writers with a name field do: the typed name cleaned (an empty result
// refused), an existing series of that name replaced only after the user says Yes, then the values
// written. Shows the messages (a series saved whose folder could not be synced too:
// platform::unsyncedWarning); *writtenName receives the cleaned name.
WriteResult createOrReplace(const QString &typedName, const QStringList &values, QString *writtenName = nullptr);
// A writer that makes its values as it goes hands each to the sink, which answers false once the
// file takes no more; the producer answers false to give up, with the reason in *reason.
using ValueSink = std::function<bool(const QString &value)>;
using ValueProducer = std::function<bool(const ValueSink &sink, QString *reason)>;
// Create or replace as above, the values written one by one as the producer makes them: nothing is
// collected first. A failed write or a producer that gives up commits nothing; the old series stays.
WriteResult createOrReplaceStreamed(const QString &typedName, const ValueProducer &producer, QString *writtenName = nullptr);

// Whether a series of that exact name has a file (its extension in any case).
bool exists(const QString &name);

// Writes the values as the series of that exact name, replacing it without a question; false when
// the file could not be written. unsynced: as platform::writeFileAtomically says, for the window's
// warning.
bool write(const QString &name, const QStringList &values, QString *unsynced = nullptr);
// Adds the values to the end of the series (a new series when there is none); false when the file
// could not be read or written. unsynced as write() says.
bool append(const QString &name, const QStringList &values, QString *unsynced = nullptr);
// What the windows say of series saved whose folder could not be synced (platform::unsyncedWarning).
QString unsyncedWarning(const QStringList &names, const QString &why);
// Removes a series file; false when there was none or it stayed.
bool remove(const QString &name);
// Removes the whole series folder and makes it again, empty; false with the reason when it is not
// empty afterwards.
bool removeAll(QString *reason = nullptr);

// The bytes a series file holds for the values.
QByteArray fileBytes(const QStringList &values);

} // namespace series_store
