#pragma once
// Where a real job's pages go: a printer, whose spool is handed over as the job ends (a printer
// takes what was drawn, stopped or not), or a PDF file written beside its target and put in its
// place only once the job ended, so that a failure keeps the file that was there.

#include "platform/PdfFileWriter.h"

#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Begins the first page; the painter draws in points from the paper's top-left. Null, with
    // the reason, when the job cannot start.
    virtual QPainter *begin(QString *error) = 0;
    virtual bool newPage(QString *error) = 0;
    // Ends the job. keep NO: nothing of it should remain (a file is dropped; a printer is asked to
    // abort, which most ignore). NO with the reason when it failed.
    virtual bool finish(bool keep, QString *error) = 0;
};

class PrinterTarget final : public PrintTarget {
public:
    explicit PrinterTarget(QPrinter &printer);
    ~PrinterTarget() override;
    QPainter *begin(QString *error) override;
    bool newPage(QString *error) override;
    bool finish(bool keep, QString *error) override;

private:
    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
};

class PdfFileTarget final : public PrintTarget {
public:
    PdfFileTarget(const QString &path, const QSizeF &paper, const platform::PdfFileWriter::Info &info);
    ~PdfFileTarget() override;
    QPainter *begin(QString *error) override;
    bool newPage(QString *error) override;
    bool finish(bool keep, QString *error) override;

private:
    QSizeF m_paper;
    std::unique_ptr<platform::PdfFileWriter> m_writer;
};
