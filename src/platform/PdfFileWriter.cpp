#include "platform/PdfFileWriter.h"

#include "platform/EpsPaintEngine.h"
#include "platform/Files.h"
#include "platform/Log.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

const QByteArray kMediaBox = QByteArrayLiteral("/MediaBox [");

// The page size QPdfWriter accepts: nothing under one point (the box is corrected afterwards).
QPageSize pageSizeOf(const QSizeF &points)
{
    const QSizeF page(std::max(points.width(), 1.0), std::max(points.height(), 1.0));
    return QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch);
}

// A PDF text string: UTF-16BE with its byte order mark, in hex so that no character needs escaping.
QByteArray pdfText(const QString &text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xFF));
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

// The box of a page QPdfWriter wrote as "0 0 W H" (whole points, content flipped about H): the top
// edge stays where the content starts, the bottom moves to the exact height. Padded to the old
// length so that no byte offset of the file changes. Empty when it does not fit.
QByteArray exactBox(const QByteArray &numbersText, const QSizeF &points)
{
    const QList<QByteArray> numbers = numbersText.simplified().split(' ');
    if (numbers.size() != 4)
        return {};
    bool ok = false;
    const double top = numbers[3].toDouble(&ok);
    if (!ok)
        return {};
    QByteArray box = "0 " + epsNumber(top - points.height()) + ' ' + epsNumber(points.width()) + ' ' + epsNumber(top);
    if (box.size() > numbersText.size())
        return {};
    box.append(QByteArray(numbersText.size() - box.size(), ' '));
    return box;
}

// The text between the first "<<" and the last ">>" of a dictionary.
QByteArray dictBody(const QByteArray &text)
{
    const qsizetype open = text.indexOf("<<");
    const qsizetype close = text.lastIndexOf(">>");
    if (open < 0 || close < open)
        return {};
    return text.mid(open + 2, close - open - 2);
}

} // namespace

PdfFileWriter::PdfFileWriter(const QString &finalPath, const Info &info) : m_finalPath(finalPath), m_info(info) {}

PdfFileWriter::PdfFileWriter(int folder, const QString &finalPath, const Info &info)
    : m_finalPath(finalPath), m_info(info), m_base(folder >= 0 ? ::fcntl(folder, F_DUPFD_CLOEXEC, 0) : -1)
{
}

PdfFileWriter::~PdfFileWriter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_writer.reset();
    dropTemporary();
}

void PdfFileWriter::dropTemporary()
{
    // The temporary file goes unless it was renamed.
    if (m_file) {
        m_file->close();
        unlinkHeld(m_folder.fd, QFile::encodeName(m_temporary), m_made);
    }
    m_file.reset();
}

QString PdfFileWriter::writeFailure() const
{
    // The temporary, one byte longer, is dropped anyway.
    const QString reason = writeCutShortReason(m_file->handle());
    return reason.isEmpty() ? m_file->errorString() : reason;
}

void PdfFileWriter::fail(const QString &why)
{
    if (!m_failed)
        m_error = why;
    m_failed = true;
    // Nothing of a failed file stays behind.
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_writer.reset();
    dropTemporary();
}

bool PdfFileWriter::begin(const QSizeF &firstPage)
{
    // As every writer does: reached once, through a link only by the rule, never over a file this
    // process may not write; then everything in the folder so reached, whatever takes its name
    // meanwhile. An export's file is reached from the export folder checked for the whole run.
    QString why;
    Place place;
    if (!reachFile(m_base.fd >= 0 ? QFileInfo(m_finalPath).fileName() : m_finalPath, &place, &why, m_base.fd >= 0 ? m_base.fd : AT_FDCWD,
                   QFileInfo(m_finalPath).absolutePath())) {
        fail(why);
        return false;
    }
    m_target = place.path;
    m_name = place.name;
    m_folder = std::move(place.folder);
    removeStaleTemporariesOnce(m_folder.fd);
    // A name of this process's own: an exclusive create never takes someone else's file. Readable by
    // its owner only from the start: an open descriptor keeps the access it was opened with.
    for (int attempt = 0;; ++attempt) {
        m_temporary = temporaryPath(m_target, QStringLiteral("part"));
        const int fd = ::openat(m_folder.fd, entryName(QFile::encodeName(m_temporary)).constData(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST && attempt < 63)
            continue;
        if (fd < 0) {
            fail(errorText(errno));
            return false;
        }
        m_made = writtenFile(fd);
        m_file = std::make_unique<QFile>();
        if (!m_file->open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            fail(m_file->errorString());
            return false;
        }
        break;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(72);   // one painter unit is one point
    m_writer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    m_writer->setPageSize(pageSizeOf(firstPage));
    m_writer->setTitle(m_info.title);
    m_writer->setCreator(m_info.creator);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        fail(QStringLiteral("The PDF writer could not start."));
        return false;
    }
    // Bitmaps (symbols among them) must not be JPEG-compressed.
    m_painter->setRenderHint(QPainter::LosslessImageRendering, true);
    m_pages.push_back(firstPage);
    return true;
}

bool PdfFileWriter::newPage(const QSizeF &page)
{
    if (m_failed || !m_painter || !m_painter->isActive())
        return false;
    m_writer->setPageSize(pageSizeOf(page));
    if (!m_writer->newPage()) {
        // The writer refuses a page when its file could not take the last one: the system says why.
        fail(m_file->error() != QFileDevice::NoError ? writeFailure()
                                                     : QStringLiteral("The PDF writer could not begin a page."));
        return false;
    }
    m_pages.push_back(page);
    if (m_file->error() != QFileDevice::NoError) {
        fail(writeFailure());
        return false;
    }
    return true;
}

bool PdfFileWriter::finish()
{
    if (!m_painter || m_failed) {
        if (!m_failed)
            fail(QStringLiteral("The PDF file was not begun."));
        return false;
    }
    m_painter->end();
    m_painter.reset();
    m_writer.reset();
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError) {
        fail(writeFailure());
        return false;
    }
    const bool moreInfo = !m_info.author.isEmpty() || !m_info.subject.isEmpty() || !m_info.keywords.isEmpty();
    if (!setExactMediaBoxes(*m_file, m_pages) || (moreInfo && !appendInfo(*m_file, m_info)) || !m_file->flush() ||
        m_file->error() != QFileDevice::NoError) {
        fail(m_file->error() != QFileDevice::NoError ? writeFailure() : QStringLiteral("The PDF file is damaged."));
        return false;
    }
    // On the disk before it takes the name, as every other writer's file.
    if (::fsync(m_file->handle()) != 0) {
        fail(errorText(errno));
        return false;
    }
    // Only a complete file replaces one of the same name.
    QString why;
    const bool placed = putInPlace(m_folder.fd, m_file->handle(), m_temporary, m_name, m_target, &why, &m_unsynced);
    m_file->close();
    m_file.reset();   // renamed, removed by putInPlace, or no longer under its name
    if (!placed) {
        fail(why);
        return false;
    }
    // The log keeps it for a caller that does not say it (a print to a file).
    if (!m_unsynced.isEmpty())
        logLine(unsyncedWarning(QFileInfo(m_finalPath).fileName(), m_unsynced));
    return true;
}

bool PdfFileWriter::setExactMediaBoxes(QFile &file, const std::vector<QSizeF> &pages)
{
    // In chunks, so that a long document is never held whole; a box starting in a chunk ends in
    // its overlap.
    constexpr qint64 chunk = 1 << 20, overlap = 128;
    const qint64 size = file.size();
    size_t page = 0;
    for (qint64 pos = 0; pos < size; pos += chunk) {
        if (!file.seek(pos))
            return false;
        QByteArray buffer = file.read(chunk + overlap);
        qsizetype at = 0;
        while ((at = buffer.indexOf(kMediaBox, at)) >= 0 && at < chunk) {
            const qsizetype open = at + kMediaBox.size();
            const qsizetype close = buffer.indexOf(']', open);
            if (close < 0 || page >= pages.size())
                return false;
            const QByteArray box = exactBox(buffer.mid(open, close - open), pages[page++]);
            if (box.isEmpty())
                return false;
            if (!file.seek(pos + open) || file.write(box) != box.size())
                return false;
            at = close;
        }
    }
    return page == pages.size();
}

bool PdfFileWriter::appendInfo(QFile &file, const Info &info)
{
    const qint64 size = file.size();
    const qint64 tailStart = std::max<qint64>(0, size - 4096);
    if (!file.seek(tailStart))
        return false;
    const QByteArray tail = file.read(size - tailStart);
    const qsizetype trailerAt = tail.lastIndexOf("trailer");
    const qsizetype startxrefAt = tail.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt)
        return false;
    const QByteArray trailer = dictBody(tail.mid(trailerAt, startxrefAt - trailerAt));
    bool ok = false;
    const qint64 xref = tail.mid(startxrefAt + 9).split('%').value(0).trimmed().toLongLong(&ok);
    if (!ok || trailer.isEmpty())
        return false;
    const qsizetype infoKey = trailer.indexOf("/Info");
    if (infoKey < 0)
        return false;
    const int infoObject = trailer.mid(infoKey + 5).trimmed().split(' ').value(0).toInt(&ok);
    if (!ok || infoObject <= 0)
        return false;

    // The Info object's offset from the xref table: "xref", "0 N", then 20 bytes an entry.
    if (!file.seek(xref))
        return false;
    const QByteArray head = file.read(64);
    const qsizetype firstLine = head.indexOf('\n');
    const qsizetype secondLine = firstLine < 0 ? -1 : head.indexOf('\n', firstLine + 1);
    if (!head.startsWith("xref") || secondLine < 0)
        return false;
    if (!file.seek(xref + secondLine + 1 + 20LL * infoObject))
        return false;
    const qint64 infoOffset = file.read(20).left(10).toLongLong(&ok);
    if (!ok || !file.seek(infoOffset))
        return false;
    const QByteArray object = file.read(16384);
    const qsizetype end = object.indexOf("endobj");
    if (end < 0)
        return false;
    const QByteArray infoBody = dictBody(object.left(end));
    if (infoBody.isEmpty())
        return false;

    QByteArray update;
    update += '\n';
    const qint64 objectAt = size + 1;
    update += QByteArray::number(infoObject) + " 0 obj\n<<" + infoBody + "\n/Author " + pdfText(info.author) +
              "\n/Subject " + pdfText(info.subject) + "\n/Keywords " + pdfText(info.keywords) + "\n>>\nendobj\n";
    const qint64 xrefAt = size + update.size();
    update += "xref\n" + QByteArray::number(infoObject) + " 1\n" +
              QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<" + trailer + "\n/Prev " + QByteArray::number(xref) + "\n>>\nstartxref\n" +
              QByteArray::number(xrefAt) + "\n%%EOF\n";
    return file.seek(size) && file.write(update) == update.size();
}

} // namespace platform
