#pragma once
// File names of the image exports (and of the PDF export): the naming tokens of the barcode and the
// label exports, the final path and the free-name rule. Pure functions: whether a path is taken is
// asked of the caller, so that a batch can count the paths it has claimed but not written yet.

#include <QString>

#include <functional>

namespace exportnaming {

// Whether something already has that path (a file on disk, or a path an earlier record claimed).
using TakenTest = std::function<bool(const QString &path)>;

// What the export dialogs left for the naming (the export globals, copied once per run).
struct Settings {
    QString token;           // "<DEF>", "<BV>", ... or the custom name
    QString prefix, suffix;  // trimmed, "" when not used
    QString folder;          // where the files go
    QString ext;             // the extension, as the export uses it ("jpg", or "JPG" in a batch)
    int exportCounter = 0;   // records passed so far (export_card_counter)
    bool advancedQr = false; // the Advanced QR mode (the default names the QR type)
    QString qrTypeName;      // the shown name of the chosen QR type
    int pdfOption = 0;       // the PDF export's output option (2: one file per label)
};

// Whether a file of the path's folder has the path's name, its extension compared in any case.
// With folder (a descriptor; -1: none) the path names an entry of the folder open there (the export
// folder as checked), looked at there, whatever holds that folder's name now.
bool File_Name_Taken(const QString &path, int folder = -1);

// A name as a file name: the reserved characters cleaned away (dots and slashes inside become
// underscores) and every control character (NUL included) an underscore.
QString cleanName(const QString &name);

// The first free path: the path with its extension in upper case when that is free, else
// "name (k).EXT" for k = counter (0 counts as 1), counter + 1, ...
QString Check_Exist_Path_and_Create_New(const QString &path, int counter, const TakenTest &taken);

// The path of a named file in the folder: the name cleaned (a name left empty takes standIn with
// the counter); with useCounter the counter (when above 0) is appended and the path made free.
QString Create_And_Check_File_Name(const QString &folder, const QString &name, bool useCounter, int counter,
                                   const QString &ext, const TakenTest &taken,
                                   const QString &standIn = QStringLiteral("Barcode"));

// The barcode exports' path for a record: value, header, footer, series name and the record's
// number (counter).
QString barcodeName(const Settings &s, const QString &value, const QString &header, const QString &footer,
                    const QString &series, int counter, bool barcodeMode, const TakenTest &taken);

// The label export's path for a record: value, series (or column title) and the record's number;
// columnValue is the record's value of the chosen spreadsheet column ("<ECOL>").
QString labelName(const Settings &s, const QString &value, const QString &series, const QString &columnValue,
                  int counter, const TakenTest &taken);

// Whether a file of the folder has the path's name, its extension compared in any case; folder as
// for File_Name_Taken().
bool fileNameTakenOnDisk(const QString &path, int folder = -1);

} // namespace exportnaming
