// Workbook reading: the first pass (unpack, shared strings, styles), the sheet list, the header row
// and the second pass.

#include "data/SpreadsheetWriter.h"

#include "core/Messages.h"
#include "data/SSZipArchive.h"
#include "data/XmlStream.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <pugixml.hpp>

#include <cstring>

int Excel_Sheet_Number = 1;
int Excel_Sheet_Columns = 1;
SpreadsheetWriter *spreadsheet = nullptr;

namespace {

bool s_failed = false;
QString s_error;

void readSucceeded()
{
    s_failed = false;
    s_error.clear();
}

void readFailed(const QString &reason)
{
    s_failed = true;
    s_error = reason;
    Show_NSLog_Message(QStringLiteral("Error: %1").arg(reason));
}

constexpr int kMaxColumns = 16384;   // XFD

std::string_view localOf(const char *name)
{
    std::string_view n(name);
    const std::size_t colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

QString toQString(const std::string &s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return QString::fromUtf8(s.data(), qsizetype(s.size()));
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Text of a workbook string: characters XML cannot carry are written "_xHHHH_".
QString decodeXString(const std::string &utf8)
{
    QString text = toQString(utf8);
    if (utf8.find("_x") == std::string::npos)
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() && text.at(i + 1) == QLatin1Char('x')
            && text.at(i + 6) == QLatin1Char('_')) {
            int value = 0;
            bool hex = true;
            for (int k = 2; k < 6 && hex; ++k) {
                const int h = hexValue(text.at(i + k));
                hex = h >= 0;
                value = value * 16 + h;
            }
            if (hex) {
                out += QChar(char16_t(value));
                i += 7;
                continue;
            }
        }
        out += text.at(i++);
    }
    return out;
}

// The leading decimal digits of a text, saturating; 0 without any.
qint64 leadingIndex(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    qint64 v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > (qint64(1) << 40))
            return v;
    }
    return v;
}

int columnOf(std::string_view reference)
{
    int value = 0;
    std::size_t i = 0;
    for (; i < reference.size(); ++i) {
        char c = reference[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        value = value * 26 + (c - 'A' + 1);
        if (value > kMaxColumns)
            return -1;
    }
    return i == 0 ? -1 : value - 1;
}

bool isPlainNumber(const std::string &text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, digits = true;
    }
    if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        bool exp = false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, exp = true;
        digits = exp;
    }
    return digits && i == text.size();
}

} // namespace

const QString &SpreadsheetWriter::unreadableMessage()
{
    static const QString message = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");
    return message;
}

bool SpreadsheetWriter::lastReadFailed() { return s_failed; }
QString SpreadsheetWriter::lastReadError() { return s_error; }

SpreadsheetWriter::SpreadsheetWriter()
{
    tmpDir = platform::privateTempPath(QStringLiteral("ziptmp"));
    QDir(tmpDir).removeRecursively();
    QDir().mkpath(tmpDir);
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
        return s.ReadData(QStringLiteral("%1/xl/worksheets/sheet%2.xml").arg(s.tmpDir).arg(Excel_Sheet_Number));

    Excel_Sheet_Columns = 1;
    s.sharedStrings.clear();
    s.Styles.clear();
    s.Styles_Fmt_Code.clear();
    s.m_dateStylesReady = false;
    // A fresh folder for every workbook, so that nothing of an earlier one is read.
    QDir(s.tmpDir).removeRecursively();
    QDir().mkpath(s.tmpDir);
    ZipError error;
    if (!SSZipArchive::unzipFileAtPath(path, s.tmpDir, true, QString(), &error)) {
        QDir(s.tmpDir).removeRecursively();
        QDir().mkpath(s.tmpDir);
        readFailed(error.description.isEmpty() ? QStringLiteral("the workbook cannot be unpacked")
                                               : error.description);
        return s.data;
    }
    if (!s.ReadSharedStrings(s.tmpDir + QStringLiteral("/xl/sharedStrings.xml")))
        return s.data;
    if (!s.Read_All_Styles(s.tmpDir + QStringLiteral("/xl/styles.xml")))
        return s.data;
    readSucceeded();
    return s.data;
}

SpreadsheetWriter::Rows SpreadsheetWriter::ReadData_only_column()
{
    if (!spreadsheet)
        spreadsheet = new SpreadsheetWriter;
    SpreadsheetWriter &s = *spreadsheet;
    return s.ReadData(QStringLiteral("%1/xl/worksheets/sheet%2.xml").arg(s.tmpDir).arg(Excel_Sheet_Number), true);
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
    if (!spreadsheet)
        return sheets;
    const QString base = spreadsheet->tmpDir + QStringLiteral("/xl/");
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
    static const QRegularExpression worksheetPart(QStringLiteral("(^|/)worksheets/sheet([0-9]+)\\.xml$"),
                                                  QRegularExpression::CaseInsensitiveOption);
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
            const QRegularExpressionMatch m = worksheetPart.match(targets.value(id));
            if (!m.hasMatch())
                continue;   // a chart sheet or a part this reader cannot name
            sheet.part = m.captured(2).toInt();
        }
        sheets << sheet;
    }
    return sheets;
}

SpreadsheetWriter::Rows SpreadsheetWriter::ReadData(const QString &path, bool headerOnly)
{
    data.clear();
    if (!m_dateStylesReady)
        prepareDateStyles();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        readFailed(QStringLiteral("%1 cannot be loaded").arg(path));
        return data;
    }
    XmlStream xml(file);
    const qsizetype stringCount = sharedStrings.size();

    int width = headerOnly ? 0 : qMax(0, Excel_Sheet_Columns);
    bool dimensionSeen = false;
    int sheetDataDepth = 0;   // the first sheetData only
    bool sheetDataDone = false;
    bool inRow = false;
    QStringList row;
    int lastColumn = -1;
    // The cell being read.
    bool inCell = false;
    int cellColumn = 0;
    std::string cellType;
    int cellStyle = -1;
    std::string value, inlineText;
    int valueDepth = 0, inlineDepth = 0, tDepth = 0, phoneticDepth = 0;
    QString failure;

    auto fail = [&](const QString &why) {
        failure = why;
        return false;
    };
    auto widen = [&](int needed) {
        if (needed <= width)
            return true;
        if (qint64(needed) * qMax<qint64>(1, data.size() + 1) > kMaxCells)
            return fail(QStringLiteral("the sheet has more than %1 cells").arg(kMaxCells));
        if (headerOnly)
            for (int c = width; c < needed; ++c)
                row.append(QStringLiteral("Untitled Column %1").arg(c + 1));
        width = needed;
        return true;
    };
    auto finishCell = [&]() -> bool {
        if (!widen(cellColumn + 1))
            return false;
        QString text;
        if (cellType == "s") {
            const qint64 index = leadingIndex(value);
            if (index < stringCount)
                text = sharedStrings.at(index);
        } else if (cellType == "b") {
            text = headerOnly ? toQString(value) : (leadingIndex(value) == 1 && !value.empty() ? QStringLiteral("true")
                                                                                                : QStringLiteral("false"));
        } else if (cellType == "inlineStr") {
            text = decodeXString(inlineText);
        } else {
            text = cellType == "str" ? decodeXString(value) : toQString(value);
            if (!headerOnly && !text.isEmpty() && cellStyle >= 0 && std::size_t(cellStyle) < m_dateStyles.size()
                && m_dateStyles[std::size_t(cellStyle)].date && isPlainNumber(value)) {
                const QString date = Excel_Xml_Date_To_String(text, m_dateStyles[std::size_t(cellStyle)].pattern);
                if (!date.isEmpty())
                    text = date;
            }
        }
        if (!text.isEmpty()) {
            while (row.size() <= cellColumn)
                row.append(QString());
            row[cellColumn] = text;
        }
        return true;
    };

    bool stop = false;
    while (!stop) {
        const XmlStream::Event e = xml.next();
        if (e == XmlStream::EndDocument)
            break;
        if (e == XmlStream::Error) {
            failure = xml.errorString();
            break;
        }
        const int depth = xml.depth();
        if (e == XmlStream::StartElement) {
            const std::string_view name = xml.localName();
            if (depth == 2) {
                if (name == "dimension" && !dimensionSeen) {
                    dimensionSeen = true;
                    if (headerOnly) {
                        // The last reference of the range, counted from column A.
                        const std::string ref = xml.attribute("ref");
                        const std::size_t colon = ref.rfind(':');
                        const std::string last = colon == std::string::npos ? ref : ref.substr(colon + 1);
                        const int column = columnOf(last);
                        width = column >= 0 ? column + 1 : 0;
                    }
                } else if (name == "sheetData" && !sheetDataDone) {
                    sheetDataDepth = depth;
                }
            } else if (sheetDataDepth && depth == sheetDataDepth + 1 && name == "row") {
                inRow = true;
                lastColumn = -1;
                row = QStringList(qsizetype(headerOnly ? 0 : width));
                if (headerOnly)
                    for (int c = 0; c < width; ++c)
                        row.append(QStringLiteral("Untitled Column %1").arg(c + 1));
            } else if (inRow && depth == sheetDataDepth + 2 && name == "c") {
                inCell = true;
                std::string_view raw;
                if (xml.rawAttribute("r", raw)) {
                    cellColumn = columnOf(raw);
                    if (cellColumn < 0) {
                        failure = QStringLiteral("a cell reference names no column");
                        break;
                    }
                } else {
                    cellColumn = lastColumn + 1;   // a cell without a reference follows the one before
                    if (cellColumn >= kMaxColumns) {
                        failure = QStringLiteral("a row has more than %1 columns").arg(kMaxColumns);
                        break;
                    }
                }
                lastColumn = cellColumn;
                cellType = xml.rawAttribute("t", raw) ? std::string(raw) : std::string();
                cellStyle = -1;
                if (xml.rawAttribute("s", raw)) {
                    cellStyle = 0;
                    for (char ch : raw) {
                        if (ch < '0' || ch > '9' || cellStyle > 1000000)
                            break;
                        cellStyle = cellStyle * 10 + (ch - '0');
                    }
                }
                value.clear();
                inlineText.clear();
                valueDepth = inlineDepth = tDepth = phoneticDepth = 0;
            } else if (inCell && depth == sheetDataDepth + 3) {
                if (name == "v")
                    valueDepth = depth;
                else if (name == "is")
                    inlineDepth = depth;
            } else if (inlineDepth && depth > inlineDepth) {
                if (name == "rPh" && !phoneticDepth)
                    phoneticDepth = depth;
                else if (name == "t" && !phoneticDepth)
                    tDepth = depth;
            }
        } else if (e == XmlStream::EndElement) {
            if (tDepth && depth < tDepth)
                tDepth = 0;
            if (phoneticDepth && depth < phoneticDepth)
                phoneticDepth = 0;
            if (valueDepth && depth < valueDepth)
                valueDepth = 0;
            if (inlineDepth && depth < inlineDepth)
                inlineDepth = 0;
            if (inCell && depth == sheetDataDepth + 1) {
                inCell = false;
                if (!finishCell())
                    break;
            } else if (inRow && depth == sheetDataDepth) {
                inRow = false;
                if ((qint64(data.size()) + 1) * qint64(qMax(width, 1)) > kMaxCells) {
                    failure = QStringLiteral("the sheet has more than %1 cells").arg(kMaxCells);
                    break;
                }
                data.append(row);
                if (headerOnly)
                    stop = true;
            } else if (sheetDataDepth && depth < sheetDataDepth) {
                sheetDataDepth = 0;
                sheetDataDone = true;
                if (headerOnly)
                    stop = true;
            }
        } else if (e == XmlStream::Text) {
            if (valueDepth && depth == valueDepth) {
                if (!xml.appendText(value)) {
                    failure = xml.errorString();
                    break;
                }
            } else if (tDepth && depth == tDepth) {
                if (!xml.appendText(inlineText)) {
                    failure = xml.errorString();
                    break;
                }
            }
        }
    }
    if (!failure.isEmpty()) {
        data.clear();
        readFailed(QStringLiteral("%1 cannot be read: %2").arg(path, failure));
        return data;
    }
    // Every row as wide as the widest.
    for (QStringList &r : data)
        while (r.size() < width)
            r.append(QString());
    Excel_Sheet_Columns = width;
    if (width <= 0)
        data.clear();
    readSucceeded();
    return data;
}
