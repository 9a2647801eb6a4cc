// Workbook reading: the first pass (unpack, shared strings, styles), the sheet list, the header row
// and the second pass.

#include "io/SpreadsheetWriter.h"

#include "core/FileServices.h"
#include "core/Messages.h"
#include "io/SSZipArchive.h"
#include "io/WorkbookText.h"
#include "io/XmlStream.h"
#include "platform/Temporaries.h"
#include "platform/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <pugixml.hpp>

#include <cstring>

int Excel_Sheet_Number = 1;
int Excel_Sheet_Columns = 1;
SpreadsheetWriter *spreadsheet = nullptr;

using namespace workbook_text;

namespace {

bool s_failed = false;

} // namespace

void workbook_text::readSucceeded()
{
    s_failed = false;
}

void workbook_text::readFailed(const QString &reason)
{
    s_failed = true;
    Show_NSLog_Message(QStringLiteral("Error: %1").arg(reason));
}

const QString &SpreadsheetWriter::unreadableMessage()
{
    static const QString message = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");
    return message;
}

bool SpreadsheetWriter::lastReadFailed() { return s_failed; }

SpreadsheetWriter::SpreadsheetWriter() = default;

QString SpreadsheetWriter::partPath(const QString &part) const
{
    return tmpDir.isEmpty() ? QString() : tmpDir + QLatin1Char('/') + part;
}

QString SpreadsheetWriter::sheetPartPath() const
{
    return partPath(QStringLiteral("xl/worksheets/sheet%1.xml").arg(Excel_Sheet_Number));
}

void SpreadsheetWriter::EndRead()
{
    if (!spreadsheet || spreadsheet->tmpDir.isEmpty())
        return;
    platform::removeOwnEntry(spreadsheet->tmpDir);
    spreadsheet->tmpDir.clear();
}

QString Get_Column_Char_Str(const QString &reference)
{
    qsizetype i = 0;
    while (i < reference.size() && reference.at(i).isLetter() && reference.at(i).unicode() < 0x80)
        ++i;
    return reference.left(i);
}

int Get_Col_index(const QString &letters, int base)
{
    const QByteArray latin = letters.toLatin1();
    const int position = columnOf(std::string_view(latin.constData(), std::size_t(latin.size())));
    if (position < 0 || latin.size() != letters.size() || Get_Column_Char_Str(letters).size() != letters.size())
        return -1;
    return position + 65 - base;
}

int Asc_Val(const QString &text) { return text.isEmpty() ? 0 : int(text.at(0).unicode() & 0xFF); }

SpreadsheetWriter::Rows SpreadsheetWriter::ReadWorkbook(const QString &path, bool only_col)
{
    if (!spreadsheet)
        spreadsheet = new SpreadsheetWriter;
    SpreadsheetWriter &s = *spreadsheet;
    if (!only_col)
        return s.ReadData(s.sheetPartPath());

    Excel_Sheet_Columns = 1;
    s.sharedStrings.clear();
    s.Styles.clear();
    s.Styles_Fmt_Code.clear();
    s.m_dateStylesReady = false;
    // A fresh folder for every workbook, so that nothing of an earlier one is read. It holds the
    // user's values: it goes when the read ends (EndRead, a failed first pass, the next read or
    // write, the exit), and what a killed run left goes at the next start (workbookPartsTarget).
    EndRead();
    // The zip reader opens the path itself: a FIFO or a device would hold it for ever.
    if (!platform::isRegularFile(path)) {
        readFailed(QStringLiteral("%1 is not a regular file").arg(path));
        return s.data;
    }
    QString why;
    s.tmpDir = platform::makeTemporaryFolder(workbookPartsTarget(), QStringLiteral("read"), &why);
    if (s.tmpDir.isEmpty()) {
        readFailed(QStringLiteral("the workbook cannot be unpacked: %1").arg(why));
        return s.data;
    }
    static const struct EndAtExit {
        ~EndAtExit() { EndRead(); }
    } endAtExit;
    ZipError error;
    if (!SSZipArchive::unzipFileAtPath(path, s.tmpDir, true, QString(), &error)) {
        EndRead();
        readFailed(error.description.isEmpty() ? QStringLiteral("the workbook cannot be unpacked")
                                               : error.description);
        return s.data;
    }
    if (!s.ReadSharedStrings(s.partPath(QStringLiteral("xl/sharedStrings.xml")))
        || !s.Read_All_Styles(s.partPath(QStringLiteral("xl/styles.xml")))) {
        EndRead();
        return s.data;
    }
    readSucceeded();
    return s.data;
}

SpreadsheetWriter::Rows SpreadsheetWriter::ReadData_only_column()
{
    if (!spreadsheet)
        spreadsheet = new SpreadsheetWriter;
    SpreadsheetWriter &s = *spreadsheet;
    return s.ReadData(s.sheetPartPath(), true);
}

bool SpreadsheetWriter::ReadSharedStrings(const QString &path)
{
    sharedStrings.clear();
    QFile file(path);
    if (!file.exists())
        return true;   // a workbook without texts
    if (!file.open(QIODevice::ReadOnly)) {
        readFailed(QStringLiteral("%1 cannot be loaded").arg(path));
        return false;
    }
    XmlStream xml(file);
    std::string text;
    int siDepth = 0;
    int tDepth = 0;
    int phoneticDepth = 0;
    for (;;) {
        const XmlStream::Event e = xml.next();
        if (e == XmlStream::EndDocument)
            return true;
        if (e == XmlStream::Error) {
            sharedStrings.clear();
            readFailed(QStringLiteral("%1 cannot be loaded: %2").arg(path, xml.errorString()));
            return false;
        }
        const int depth = xml.depth();
        if (e == XmlStream::StartElement) {
            const std::string_view name = xml.localName();
            if (depth == 2 && name == "si") {
                siDepth = depth;
                text.clear();
            } else if (siDepth && name == "rPh" && !phoneticDepth) {
                phoneticDepth = depth;   // a reading aid, not part of the text
            } else if (siDepth && name == "t" && !phoneticDepth) {
                tDepth = depth;
            }
        } else if (e == XmlStream::EndElement) {
            if (tDepth && depth < tDepth)
                tDepth = 0;
            if (phoneticDepth && depth < phoneticDepth)
                phoneticDepth = 0;
            if (siDepth && depth < siDepth) {
                siDepth = 0;
                if (sharedStrings.size() >= kMaxCells) {
                    sharedStrings.clear();
                    readFailed(QStringLiteral("too many shared strings"));
                    return false;
                }
                sharedStrings.append(decodeXString(text));
            }
        } else if (e == XmlStream::Text && tDepth && depth == tDepth) {
            if (!xml.appendText(text)) {
                sharedStrings.clear();
                readFailed(QStringLiteral("%1 cannot be loaded: %2").arg(path, xml.errorString()));
                return false;
            }
        }
    }
}

bool SpreadsheetWriter::Read_All_Styles(const QString &path)
{
    Styles.clear();
    Styles_Fmt_Code.clear();
    m_dateStylesReady = false;
    if (!QFileInfo::exists(path))
        return true;   // plain cells only
    pugi::xml_document doc;
    const pugi::xml_parse_result result = doc.load_file(QFile::encodeName(path).constData());
    if (!result) {
        readFailed(QStringLiteral("%1 cannot be loaded: %2").arg(path, QString::fromLatin1(result.description())));
        return false;
    }
    // Every cellXfs and numFmts element, wherever it is, in document order.
    std::vector<pugi::xml_node> xfs, fmts;
    for (pugi::xpath_node n : doc.select_nodes("//*[local-name()='cellXfs']"))
        xfs.push_back(n.node());
    for (pugi::xpath_node n : doc.select_nodes("//*[local-name()='numFmts']"))
        fmts.push_back(n.node());
    for (const pugi::xml_node &x : xfs)
        for (pugi::xml_node child : x.children())
            if (child.type() == pugi::node_element) {
                const pugi::xml_attribute id = child.attribute("numFmtId");
                Styles.append(id ? QString::fromUtf8(id.value()) : QStringLiteral("0"));
            }
    for (const pugi::xml_node &f : fmts)
        for (pugi::xml_node child : f.children())
            if (child.type() == pugi::node_element)
                Styles_Fmt_Code.append({QString::fromUtf8(child.attribute("numFmtId").value()),
                                        QString::fromUtf8(child.attribute("formatCode").value())});
    return true;
}

QStringList SpreadsheetWriter::Read_Sheet_Name()
{
    QStringList names;
    for (const Sheet &sheet : Read_Sheets())
        names << sheet.name;
    return names;
}

QList<SpreadsheetWriter::Sheet> SpreadsheetWriter::Read_Sheets()
{
    QList<Sheet> sheets;
    if (!spreadsheet || spreadsheet->tmpDir.isEmpty())
        return sheets;
    const QString base = spreadsheet->partPath(QStringLiteral("xl/"));
    pugi::xml_document workbook;
    if (!workbook.load_file(QFile::encodeName(base + QStringLiteral("workbook.xml")).constData()))
        return sheets;
    // The relationships name each sheet's part; a workbook without them is read by position.
    QHash<QString, QString> targets;
    pugi::xml_document rels;
    const bool haveRels = rels.load_file(QFile::encodeName(base + QStringLiteral("_rels/workbook.xml.rels")).constData());
    if (haveRels)
        for (pugi::xml_node r : rels.document_element().children())
            if (localOf(r.name()) == "Relationship")
                targets.insert(QString::fromUtf8(r.attribute("Id").value()), QString::fromUtf8(r.attribute("Target").value()));
    // A target names a part of the package: absolute from the package's root, else relative to
    // "xl/". One that leads outside the package, or to a part the reader does not read, is no sheet.
    static const QRegularExpression worksheetPart(QStringLiteral("^xl/worksheets/sheet([0-9]+)\\.xml$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    const auto partOf = [](const QString &target) -> QString {
        if (target.isEmpty() || target.contains(QLatin1Char('\\')) || target.contains(QLatin1Char(':')))
            return QString();
        const QString joined = target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
        const QString clean = QDir::cleanPath(joined);
        if (clean.startsWith(QLatin1String("..")) || clean.startsWith(QLatin1Char('/')))
            return QString();
        return clean;
    };
    int position = 0;
    for (pugi::xpath_node found : workbook.select_nodes("//*[local-name()='sheet']")) {
        const pugi::xml_node node = found.node();
        ++position;
        Sheet sheet{QString::fromUtf8(node.attribute("name").value()), position};
        if (haveRels) {
            QString id;
            for (pugi::xml_attribute a : node.attributes())
                if (localOf(a.name()) == "id" && std::strchr(a.name(), ':'))
                    id = QString::fromUtf8(a.value());
            const QRegularExpressionMatch m = worksheetPart.match(partOf(targets.value(id)));
            if (!m.hasMatch())
                continue;   // a chart sheet, or a part outside the package or the worksheets folder
            sheet.part = m.captured(1).toInt();
        }
        sheets << sheet;
    }
    return sheets;
}
