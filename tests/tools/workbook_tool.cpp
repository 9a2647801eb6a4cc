// The workbook reader and writer from outside:
//
//   workbook_tool --dump FILE.xlsx [--sheet N]   the rows of sheet N (1 = the first of the workbook's
//                                                sheet list) as the second pass returns them, the
//                                                sheet's first row first: one row a line, cells
//                                                separated by TAB, dates as the reader formats them
//   workbook_tool --header FILE.xlsx [--sheet N] the header row as the column choosers show it
//   workbook_tool --sheets FILE.xlsx             the sheet names, one a line
//   workbook_tool --write IN.tsv OUT.xlsx        the lines of a UTF-8 file (fields separated by TAB)
//                                                written as a workbook by the exports' writer
//
// Exit status: 0 done; 2 and the application's message when the workbook cannot be read or written;
// 1 for usage errors.

#include "io/SpreadsheetWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: workbook_tool --dump FILE.xlsx [--sheet N] | --header FILE.xlsx [--sheet N] | "
                         "--sheets FILE.xlsx | --write IN.tsv OUT.xlsx\n");
    return 1;
}

int refused(const QString &message)
{
    std::printf("%s\n", message.toUtf8().constData());
    return 2;
}

void printRow(const QStringList &row)
{
    const QByteArray line = row.join(QLatin1Char('\t')).toUtf8();
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

int writeWorkbook(const QString &in, const QString &out)
{
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        return usage();
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    SpreadsheetWriter::Rows rows;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        rows.append(line.split(QLatin1Char('\t')));
    }
    if (!SpreadsheetWriter::WriteWorkbook(out, rows, false))
        return refused(QStringLiteral("Error in file accessing."));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args.at(0) == QLatin1String("--write"))
        return writeWorkbook(args.at(1), args.at(2));
    if (args.size() < 2)
        return usage();
    const QString command = args.takeFirst();
    const QString path = args.takeFirst();
    int sheetPosition = 1;
    if (args.size() == 2 && args.at(0) == QLatin1String("--sheet")) {
        bool ok = false;
        sheetPosition = args.at(1).toInt(&ok);
        if (!ok || sheetPosition < 1)
            return usage();
    } else if (!args.isEmpty()) {
        return usage();
    }
    if (command != QLatin1String("--dump") && command != QLatin1String("--header") && command != QLatin1String("--sheets"))
        return usage();

    SpreadsheetWriter::ReadWorkbook(path, true);
    if (SpreadsheetWriter::lastReadFailed())
        return refused(SpreadsheetWriter::unreadableMessage());
    const QList<SpreadsheetWriter::Sheet> sheets = SpreadsheetWriter::Read_Sheets();
    if (command == QLatin1String("--sheets")) {
        for (const SpreadsheetWriter::Sheet &s : sheets)
            printRow({s.name});
        return 0;
    }
    if (sheetPosition > sheets.size())
        return refused(SpreadsheetWriter::unreadableMessage());
    Excel_Sheet_Number = sheets.at(sheetPosition - 1).part;
    const SpreadsheetWriter::Rows header = SpreadsheetWriter::ReadData_only_column();
    if (SpreadsheetWriter::lastReadFailed())
        return refused(SpreadsheetWriter::unreadableMessage());
    if (command == QLatin1String("--header")) {
        for (const QStringList &row : header)
            printRow(row);
        return 0;
    }
    const SpreadsheetWriter::Rows rows = SpreadsheetWriter::ReadWorkbook(path, false);
    if (SpreadsheetWriter::lastReadFailed())
        return refused(SpreadsheetWriter::unreadableMessage());
    for (const QStringList &row : rows)
        printRow(row);
    return 0;
}
