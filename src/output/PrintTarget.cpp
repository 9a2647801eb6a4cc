#include "output/PrintTarget.h"

#include <QPainter>
#include <QPrinter>

PrinterTarget::PrinterTarget(QPrinter &printer) : m_printer(printer) {}

PrinterTarget::~PrinterTarget()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QPainter *PrinterTarget::begin(QString *error)
{
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        if (error)
            *error = QStringLiteral("the printer could not be started");
        m_painter.reset();
        return nullptr;
    }
    // One painter unit is one point of the paper, whatever the printer's resolution.
    const double scale = m_printer.resolution() / 72.0;
    m_painter->scale(scale, scale);
    return m_painter.get();
}

bool PrinterTarget::newPage(QString *error)
{
    if (m_printer.newPage())
        return true;
    if (error)
        *error = QStringLiteral("the printer refused a new page");
    return false;
}

bool PrinterTarget::finish(bool keep, QString *error)
{
    if (!m_painter)
        return false;
    if (!keep)
        m_printer.abort();
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!ended || m_printer.printerState() == QPrinter::Error) {
        if (error)
            *error = QStringLiteral("the printer did not accept the job");
        return false;
    }
    return true;
}

PdfFileTarget::PdfFileTarget(const QString &path, const QSizeF &paper, const platform::PdfFileWriter::Info &info)
    : m_paper(paper), m_writer(std::make_unique<platform::PdfFileWriter>(path, info))
{
}

PdfFileTarget::~PdfFileTarget() = default;

QPainter *PdfFileTarget::begin(QString *error)
{
    if (m_writer->begin(m_paper))
        return m_writer->painter();
    if (error)
        *error = m_writer->errorString();
    return nullptr;
}

bool PdfFileTarget::newPage(QString *error)
{
    if (m_writer->newPage(m_paper))
        return true;
    if (error)
        *error = m_writer->errorString();
    return false;
}

bool PdfFileTarget::finish(bool keep, QString *error)
{
    if (!keep) {
        m_writer.reset();   // its temporary goes; the file there stays as it was
        return true;
    }
    if (m_writer->finish())
        return true;
    if (error)
        *error = m_writer->errorString();
    return false;
}
