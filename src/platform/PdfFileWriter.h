#pragma once
// A multi-page PDF file written safely: the pages go to a temporary file in the destination folder
// (named as platform/Temporaries.h says; those that ended processes left there go first),
// every page box is made exact to the hundredth of a point once the writer has closed, the
// document information that the PDF writer cannot set itself (Author, Subject, Keywords), when
// given, is appended as an incremental update, the file is synced, and only then does it take its final name. A failed
// create, write or close leaves no file behind and the old file (if any) untouched. As every writer
// of the application (platform::reachFile, putInPlace), it writes through a link only by the rule
// for links, refuses a file there that this process may not write, and
// keeps its temporary private (0600) from its creation until it takes its name.
//
// Owned by one thread at a time: the export worker creates, paints and finishes it.

#include "platform/Files.h"

#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QFile;
class QPainter;
class QPdfWriter;

namespace platform {

class PdfFileWriter {
public:
    struct Info {
        QString title, creator, author, subject, keywords;
    };

    PdfFileWriter(const QString &finalPath, const Info &info);
    // A file of an export folder open at folder (openWritableFolder), finalPath naming it there: the
    // file is reached from that very folder, never again by the folder's name.
    PdfFileWriter(int folder, const QString &finalPath, const Info &info);
    // Abandons an unfinished file: the temporary file is removed.
    ~PdfFileWriter();

    // Creates the temporary file and begins the first page of that size (points). NO with
    // errorString() when the file cannot be created or the one there may not be replaced.
    bool begin(const QSizeF &firstPage);
    // The painter of the current page: one unit is one point, origin at the page's top-left.
    QPainter *painter() const { return m_painter.get(); }
    // Ends the current page and begins one of that size.
    bool newPage(const QSizeF &page);
    // Closes the document, checks that everything was written, corrects the page boxes, adds the
    // rest of the document information and gives the file its final name (replacing a file
    // there). NO with errorString() on any failure; no file is left then.
    bool finish();

    int pageCount() const { return int(m_pages.size()); }
    QString errorString() const { return m_error; }
    // After a finish() that answered YES: the system's reason when the folder could not be synced
    // once the file had its name (putInPlace; the file is there, and may not outlast a power cut).
    QString unsynced() const { return m_unsynced; }
    QString finalPath() const { return m_finalPath; }

    // The pieces of finish() that rework a closed file, open for checks: both answer NO when the
    // file is not as QPdfWriter writes it.
    static bool setExactMediaBoxes(QFile &file, const std::vector<QSizeF> &pages);
    static bool appendInfo(QFile &file, const Info &info);

private:
    void fail(const QString &why);
    // Why the temporary file could not be written, as the system says it.
    QString writeFailure() const;
    void dropTemporary();

    QString m_finalPath;
    QString m_target;   // the file written: m_finalPath with its links followed
    QByteArray m_name;  // its entry in m_folder, as the file system spells it
    Info m_info;
    QString m_temporary;             // the temporary file beside the final path
    std::unique_ptr<QFile> m_file;   // open on it
    WrittenFile m_made;              // what it is, so that only it is dropped
    Descriptor m_base{-1};           // the export folder the file is reached from, if any
    Descriptor m_folder{-1};         // the folder written into, reached once (reachFile)
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    std::vector<QSizeF> m_pages;
    QString m_error;
    QString m_unsynced;
    bool m_failed = false;
};

} // namespace platform
