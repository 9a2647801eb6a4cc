// Reading one worksheet: a single streamed pass over the part collects each cell's column, kind,
// style and raw value; the cells then become the rows' texts, on several threads for a large sheet
// (dates are the costly part), each thread filling whole rows of its own.

#include "io/SpreadsheetWriter.h"

#include "io/WorkbookText.h"
#include "io/XmlStream.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

using namespace workbook_text;

namespace {

struct RawCell {
    std::uint32_t column;
    std::uint32_t offset;   // of the value's text in the pool
    std::uint32_t length;
    std::int32_t style;     // -1 without one
    char kind;              // 's' shared string, 'b' boolean, 'i' inline string, 't' text formula, 'n' other
};

struct RawSheet {
    std::vector<RawCell> cells;
    std::vector<std::uint32_t> rowStart;   // first cell of each row; one more entry at the end
    std::string pool;
    int width = 0;
    QString failure;
};

char kindOf(std::string_view t)
{
    if (t == "s")
        return 's';
    if (t == "b")
        return 'b';
    if (t == "inlineStr")
        return 'i';
    if (t == "str")
        return 't';
    return 'n';
}

// The single pass over the part. headerOnly stops after the first row and takes the width from the
// dimension's last reference; otherwise the width starts at Excel_Sheet_Columns. A cell past the
// width widens the sheet; a cell without a reference follows the one before it.
RawSheet scanSheet(QFile &file, bool headerOnly, qint64 maxCells, qint64 rowLimit)
{
    RawSheet raw;
    XmlStream xml(file);
    raw.width = headerOnly ? 0 : qMax(0, Excel_Sheet_Columns);
    bool dimensionSeen = false;
    int sheetDataDepth = 0;   // the first sheetData only
    bool sheetDataDone = false;
    bool inRow = false, inCell = false;
    int lastColumn = -1;
    RawCell cell{};
    std::string inlineText;
    int valueDepth = 0, inlineDepth = 0, tDepth = 0, phoneticDepth = 0;

    auto fits = [&](qint64 rows, qint64 width) {
        if (rows * qMax<qint64>(width, 1) <= maxCells)
            return true;
        raw.failure = QStringLiteral("the sheet has more than %1 cells").arg(maxCells);
        return false;
    };

    for (;;) {
        const XmlStream::Event e = xml.next();
        if (e == XmlStream::EndDocument)
            break;
        if (e == XmlStream::Error) {
            raw.failure = xml.errorString();
            break;
        }
        const int depth = xml.depth();
        if (e == XmlStream::StartElement) {
            const std::string_view name = xml.localName();
            if (depth == 2) {
                if (name == "dimension" && !dimensionSeen) {
                    dimensionSeen = true;
                    if (headerOnly) {
                        const std::string ref = xml.attribute("ref");
                        const std::size_t colon = ref.rfind(':');
                        const int column = columnOf(colon == std::string::npos ? std::string_view(ref)
                                                                               : std::string_view(ref).substr(colon + 1));
                        raw.width = column >= 0 ? column + 1 : 0;
                    }
                } else if (name == "sheetData" && !sheetDataDone) {
                    sheetDataDepth = depth;
                }
            } else if (sheetDataDepth && depth == sheetDataDepth + 1 && name == "row") {
                // One row past the limit says that more exist; nothing after it is read.
                if (rowLimit >= 0 && qint64(raw.rowStart.size()) > rowLimit)
                    break;
                inRow = true;
                lastColumn = -1;
                raw.rowStart.push_back(std::uint32_t(raw.cells.size()));
                if (!fits(qint64(raw.rowStart.size()), raw.width))
                    break;
            } else if (inRow && depth == sheetDataDepth + 2 && name == "c") {
                inCell = true;
                std::string_view value;
                int column;
                if (xml.rawAttribute("r", value)) {
                    column = columnOf(value);
                    if (column < 0) {
                        raw.failure = QStringLiteral("a cell reference names no column");
                        break;
                    }
                } else {
                    column = lastColumn + 1;
                    if (column >= kMaxColumns) {
                        raw.failure = QStringLiteral("a row has more than %1 columns").arg(kMaxColumns);
                        break;
                    }
                }
                lastColumn = column;
                if (column >= raw.width) {
                    raw.width = column + 1;
                    if (!fits(qint64(raw.rowStart.size()), raw.width))
                        break;
                }
                cell.column = std::uint32_t(column);
                cell.kind = xml.rawAttribute("t", value) ? kindOf(value) : 'n';
                cell.style = -1;
                if (xml.rawAttribute("s", value)) {
                    int style = 0;
                    for (char ch : value) {
                        if (ch < '0' || ch > '9' || style > 1000000)
                            break;
                        style = style * 10 + (ch - '0');
                    }
                    cell.style = style;
                }
                cell.offset = std::uint32_t(raw.pool.size());
                inlineText.clear();
                valueDepth = inlineDepth = tDepth = phoneticDepth = 0;
            } else if (inCell && depth == sheetDataDepth + 3) {
                if (name == "v")
                    valueDepth = depth;
                else if (name == "is")
                    inlineDepth = depth;
            } else if (inlineDepth && depth > inlineDepth) {
                if (name == "rPh" && !phoneticDepth)
                    phoneticDepth = depth;   // a reading aid, not part of the text
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
                // An inline string is its text; every other cell its value.
                if (cell.kind == 'i') {
                    raw.pool.resize(cell.offset);
                    raw.pool += inlineText;
                }
                cell.length = std::uint32_t(raw.pool.size() - cell.offset);
                raw.cells.push_back(cell);
            } else if (inRow && depth == sheetDataDepth) {
                inRow = false;
                if (headerOnly)
                    break;
            } else if (sheetDataDepth && depth < sheetDataDepth) {
                sheetDataDepth = 0;
                sheetDataDone = true;
                if (headerOnly)
                    break;
            }
        } else if (e == XmlStream::Text) {
            bool ok = true;
            if (valueDepth && depth == valueDepth)
                ok = xml.appendText(raw.pool);
            else if (tDepth && depth == tDepth)
                ok = xml.appendText(inlineText);
            if (!ok) {
                raw.failure = xml.errorString();
                break;
            }
        }
    }
    raw.rowStart.push_back(std::uint32_t(raw.cells.size()));
    return raw;
}

} // namespace

SpreadsheetWriter::Rows SpreadsheetWriter::ReadData(const QString &path, bool headerOnly, qint64 rowLimit)
{
    data.clear();
    if (!m_dateStylesReady)
        prepareDateStyles();
    QFile file(path);
    if (path.isEmpty()) {
        readFailed(QStringLiteral("no workbook is being read"));
        return data;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        readFailed(QStringLiteral("%1 cannot be loaded").arg(path));
        return data;
    }
    const RawSheet raw = scanSheet(file, headerOnly, kMaxCells, rowLimit < 0 ? -1 : rowLimit + 1);
    if (!raw.failure.isEmpty()) {
        readFailed(QStringLiteral("%1 cannot be read: %2").arg(path, raw.failure));
        return data;
    }
    const int width = raw.width;
    const qsizetype rowCount = qsizetype(raw.rowStart.size()) - 1;
    Excel_Sheet_Columns = width;
    if (width <= 0 || rowCount <= 0) {
        readSucceeded();
        return data;
    }

    const qsizetype stringCount = sharedStrings.size();
    const QLocale locale;
    auto textOf = [&](const RawCell &c) -> QString {
        const std::string_view value(raw.pool.data() + c.offset, c.length);
        switch (c.kind) {
        case 's': {
            const qint64 index = leadingIndex(value);
            return index < stringCount ? sharedStrings.at(index) : QString();
        }
        case 'b':
            if (headerOnly)
                return toQString(value);
            return leadingIndex(value) == 1 && !value.empty() ? QStringLiteral("true") : QStringLiteral("false");
        case 'i':
        case 't':
            return decodeXString(value);
        default:
            break;
        }
        if (!headerOnly && !value.empty() && c.style >= 0 && std::size_t(c.style) < m_dateStyles.size()
            && m_dateStyles[std::size_t(c.style)].date && isPlainNumber(value))
            return dateText(std::size_t(c.style), toQString(value), locale);
        return toQString(value);
    };

    Rows rows(rowCount);
    QStringList *out = rows.data();
    auto fillRows = [&](qsizetype from, qsizetype to) {
        for (qsizetype r = from; r < to; ++r) {
            QStringList row(width);
            if (headerOnly)
                for (int c = 0; c < width; ++c)
                    row[c] = QStringLiteral("Untitled Column %1").arg(c + 1);
            for (std::uint32_t i = raw.rowStart[std::size_t(r)]; i < raw.rowStart[std::size_t(r) + 1]; ++i) {
                const RawCell &c = raw.cells[i];
                QString text = textOf(c);
                if (!text.isEmpty())
                    row[c.column] = std::move(text);
            }
            out[r] = std::move(row);
        }
    };
    // Large sheets are converted on several threads, each with whole rows of its own.
    const unsigned threads =
        raw.cells.size() < 50000 ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    if (threads <= 1) {
        fillRows(0, rowCount);
    } else {
        std::vector<std::thread> workers;
        const qsizetype chunk = (rowCount + threads - 1) / threads;
        for (unsigned t = 1; t < threads; ++t) {
            const qsizetype from = qMin(rowCount, chunk * t), to = qMin(rowCount, chunk * (t + 1));
            if (from < to)
                workers.emplace_back(fillRows, from, to);
        }
        fillRows(0, qMin(rowCount, chunk));
        for (std::thread &w : workers)
            w.join();
    }
    data = std::move(rows);
    readSucceeded();
    return data;
}

bool SpreadsheetWriter::ReadRows(int limit, const RowVisitor &visit, bool *more)
{
    if (more)
        *more = false;
    if (!spreadsheet)
        spreadsheet = new SpreadsheetWriter;
    SpreadsheetWriter &s = *spreadsheet;
    Rows rows = s.ReadData(s.sheetPartPath(), false, qMax(0, limit));
    s.data.clear();
    if (lastReadFailed())
        return false;
    const qsizetype kept = qMin<qsizetype>(rows.size(), qMax(0, limit));
    if (more)
        *more = rows.size() > kept;
    for (qsizetype r = 0; r < kept; ++r) {
        visit(int(r), rows.at(r));
        rows[r] = QStringList();   // the caller keeps what it needs; the rest goes at once
    }
    return true;
}
