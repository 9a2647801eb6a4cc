#include "platform/PrintDestination.h"

#include "platform/Dialogs.h"
#include "platform/PageSetupControls.h"

#include <QDialog>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <dlfcn.h>
#include <unistd.h>

namespace platform {

namespace {

// The page's paper, orientation and margins (points) set one by one: a printer refuses a whole
// layout whose margins are below what it can mark, and keeps its own default paper.
void setPage(QPrinter &printer, const QPageLayout &page, const QMarginsF &margins)
{
    printer.setPageSize(page.pageSize());
    printer.setPageOrientation(page.orientation());
    printer.setPageMargins(margins, QPageLayout::Point);
}

QMarginsF atLeast(const QMarginsF &m, const QMarginsF &least)
{
    return QMarginsF(std::max(m.left(), least.left()), std::max(m.top(), least.top()), std::max(m.right(), least.right()),
                     std::max(m.bottom(), least.bottom()));
}

QMutex pdfFileMutex;
QString pdfFile;

bool installed(const QString &printerName)
{
    return !printerName.isEmpty() && printerName != Pdf_Destination_Name && !QPrinterInfo::printerInfo(printerName).isNull();
}

// Whether the printer turns a landscape page onto its paper the other way: the page's top on the
// paper's right edge ("Minus90" in its description) rather than on its left edge (the rule when the
// description says nothing). The description comes from CUPS, whose library Qt's print support
// loads, as a file of our own to remove once read; it is asked for once per printer (of the
// scheduler in use), since a remote queue's costs a round trip to its server.
bool turnsMinus90(const QString &printerName)
{
    static QMutex cacheMutex;
    static QHash<QString, bool> cache;
    const QString key = QString::fromLocal8Bit(qgetenv("CUPS_SERVER")) + QLatin1Char('\n') + printerName;
    {
        QMutexLocker lock(&cacheMutex);
        if (const auto known = cache.constFind(key); known != cache.constEnd())
            return *known;
    }
    void *library = dlopen("libcups.so.2", RTLD_LAZY);
    const auto getPpd = library ? reinterpret_cast<const char *(*)(const char *)>(dlsym(library, "cupsGetPPD")) : nullptr;
    const char *file = getPpd ? getPpd(printerName.toUtf8().constData()) : nullptr;
    bool minus = false;
    if (file) {
        QFile ppd(QString::fromLocal8Bit(file));
        if (ppd.open(QIODevice::ReadOnly)) {
            while (!ppd.atEnd()) {
                const QByteArray line = ppd.readLine(4096);
                if (line.startsWith("*LandscapeOrientation:")) {
                    minus = line.contains("Minus90");
                    break;
                }
            }
        }
        ::unlink(file);
    }
    if (library)
        dlclose(library);
    if (file) {
        QMutexLocker lock(&cacheMutex);
        cache.insert(key, minus);
    }
    return minus;
}

// The margins of a portrait page as they lie on that page turned to landscape.
QMarginsF turnedMargins(const QMarginsF &portrait, bool minus90)
{
    const QMarginsF &p = portrait;
    return minus90 ? QMarginsF(p.top(), p.right(), p.bottom(), p.left()) : QMarginsF(p.bottom(), p.left(), p.top(), p.right());
}

// The turn back: the portrait margins of a landscape page's margins.
QMarginsF unturnedMargins(const QMarginsF &landscape, bool minus90)
{
    const QMarginsF &l = landscape;
    return minus90 ? QMarginsF(l.bottom(), l.left(), l.top(), l.right()) : QMarginsF(l.top(), l.right(), l.bottom(), l.left());
}

// The page moved to the paper in the printer's tray, or the one nearest it (paperInTray).
QPageLayout movedPage(const QString &printerName, const QPageLayout &page)
{
    const QPrinterInfo printer = QPrinterInfo::printerInfo(printerName);
    return paperInTray(printer.supportedPageSizes(), printer.defaultPageSize(), page);
}

// What a move says: the printer, the page (a custom one by its size alone: Qt's name of it carries
// a size too, untouched by the turn) and the paper it is now on, turned when it was.
QString movedMessage(const QString &printerName, const QPageLayout &from, const QPageLayout &to)
{
    const QPageSize page = from.pageSize(), paper = to.pageSize();
    const QString size = sizeText(page, from.orientation());
    QString said = page.id() == QPageSize::Custom
                       ? QStringLiteral("The printer \"%1\" has no paper for a custom page (%2)").arg(printerName, size)
                       : QStringLiteral("The printer \"%1\" has no paper \"%2\" (%3)").arg(printerName, page.name(), size);
    said += QStringLiteral(": the page is now its paper \"%1\" (%2)").arg(paper.name(), sizeText(paper, to.orientation()));
    if (to.orientation() != from.orientation())
        said += to.orientation() == QPageLayout::Landscape ? QStringLiteral(", turned to landscape")
                                                           : QStringLiteral(", turned to portrait");
    return said + QLatin1Char('.');
}

} // namespace

QStringList availablePrinterNames()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names << Pdf_Destination_Name;
    return names;
}

void setPrintToPdfFile(const QString &path)
{
    QMutexLocker lock(&pdfFileMutex);
    pdfFile = path;
}

QString printToPdfFile()
{
    QMutexLocker lock(&pdfFileMutex);
    return pdfFile;
}

QString startingPrinter(const QString &named, const QStringList &listed)
{
    if (!named.isEmpty() && listed.contains(named))
        return named;
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (!fallback.isEmpty() && listed.contains(fallback))
        return fallback;
    return listed.value(0);
}

std::optional<QMarginsF> printerMargins(const QString &printerName, const QPageLayout &page)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (printerName.isEmpty() || info.isNull())
        return std::nullopt;
    // Qt gives the portrait page's margins whatever the orientation.
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(page.pageSize());
    QPageLayout portrait = printer.pageLayout();
    portrait.setUnits(QPageLayout::Point);
    const QMarginsF least = portrait.minimumMargins();
    return page.orientation() == QPageLayout::Landscape ? turnedMargins(least, turnsMinus90(printerName)) : least;
}

bool takesPaper(const QString &printerName, const QPageSize &paper)
{
    if (!installed(printerName))
        return true;
    const QPrinterInfo printer = QPrinterInfo::printerInfo(printerName);
    const QList<QPageSize> papers = printer.supportedPageSizes();
    if (std::any_of(papers.begin(), papers.end(), [&](const QPageSize &p) { return p.isEquivalentTo(paper); }))
        return true;
    if (!printer.supportsCustomPageSizes())
        return false;
    const QSizeF want = portraitSidesMM(paper), least = portraitSidesMM(printer.minimumPhysicalPageSize()),
                 most = portraitSidesMM(printer.maximumPhysicalPageSize());
    return (!least.isValid() || (want.width() >= least.width() && want.height() >= least.height()))
           && (most.isEmpty() || (want.width() <= most.width() && want.height() <= most.height()));
}

PrintInfo forPrinter(const PrintInfo &info, const QString &printerName, QString *moved)
{
    if (moved)
        moved->clear();
    PrintInfo result = info;
    result.printerName = printerName;
    const QPageSize paper = info.pageLayout.pageSize();
    if (!takesPaper(printerName, paper)) {
        result.pageLayout = movedPage(printerName, info.pageLayout);
        if (moved)
            *moved = movedMessage(printerName, info.pageLayout, result.pageLayout);
    }
    const std::optional<QMarginsF> margins = printerName == Pdf_Destination_Name
                                                 ? std::optional(PrintInfo::defaultMargins())
                                                 : printerMargins(printerName, result.pageLayout);
    if (margins) {
        result.pageLayout.setUnits(QPageLayout::Point);
        result.pageLayout.setMinimumMargins(QMarginsF());
        result.pageLayout.setMargins(*margins);
    }
    return result;
}

PrintInfo namedFor(const PrintInfo &info, const QString &printerName)
{
    PrintInfo named = info;
    named.printerName = printerName;
    const QMarginsF least = printerMargins(printerName, info.pageLayout).value_or(QMarginsF());
    const QMarginsF margins = info.pageLayout.margins(QPageLayout::Point);
    named.pageLayout.setUnits(QPageLayout::Point);
    named.pageLayout.setMinimumMargins(QMarginsF());
    named.pageLayout.setMargins(atLeast(margins, least));
    return named;
}

PrintInfo turned(const PrintInfo &info, QPageLayout::Orientation orientation)
{
    const QPageLayout &page = info.pageLayout;
    if (page.orientation() == orientation)
        return info;
    const QString name = info.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : info.printerName;
    const bool minus90 = installed(name) && turnsMinus90(name);
    const QMarginsF before = page.margins(QPageLayout::Point);
    const QMarginsF onPaper = page.orientation() == QPageLayout::Landscape ? unturnedMargins(before, minus90) : before;
    PrintInfo result = info;
    result.pageLayout = QPageLayout(page.pageSize(), orientation, QMarginsF(), QPageLayout::Point);
    const QMarginsF turnedOnPaper = orientation == QPageLayout::Landscape ? turnedMargins(onPaper, minus90) : onPaper;
    result.pageLayout.setMargins(atLeast(turnedOnPaper, installed(name) ? printerMargins(name, result.pageLayout).value_or(QMarginsF())
                                                                        : QMarginsF()));
    return result;
}

QString destinationName(const PrintInfo &info)
{
    const QString file = printToPdfFile();
    if (!file.isEmpty())
        return file;
    if (!info.printerName.isEmpty())
        return info.printerName;
    const QString fallback = QPrinterInfo::defaultPrinterName();
    return fallback.isEmpty() ? QStringLiteral("the default printer") : fallback;
}

std::unique_ptr<QPrinter> makePrinter(const PrintInfo &info, QString *error, bool preview)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString name = info.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : info.printerName;
    const bool onPrinter = installed(name);
    const bool takes = takesPaper(name, info.pageLayout.pageSize());
    if (preview && (!onPrinter || !takes)) {
        printer->setOutputFormat(QPrinter::PdfFormat);   // only its page is used
    } else if (!onPrinter) {
        if (error)
            *error = name.isEmpty() ? QStringLiteral("no printer is installed") : QStringLiteral("the printer is not installed");
        return nullptr;
    } else if (!takes) {
        // CUPS would print the page centred, or shrunk, on a paper of the printer's.
        if (error)
            *error = QStringLiteral("the printer has no paper \"%1\"").arg(info.pageLayout.pageSize().name());
        return nullptr;
    } else {
        printer->setPrinterName(name);
    }
    // The job places everything on the paper itself: the whole page, no margins.
    printer->setFullPage(true);
    setPage(*printer, info.pageLayout, QMarginsF(0, 0, 0, 0));
    return printer;
}

bool runPageSetup(PrintInfo &info, QWidget *parent, QString *refused)
{
    if (refused)
        refused->clear();
    // The panel lists the papers of the page setup's printer (of the default one when it names none);
    // "PDF File" or a printer that is gone gets every paper and no printer's margins.
    const QString name = info.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : info.printerName;
    const bool onPrinter = installed(name);
    QPrinter printer(QPrinter::HighResolution);
    if (onPrinter)
        printer.setPrinterName(name);
    else
        printer.setOutputFormat(QPrinter::PdfFormat);
    const auto least = [&](const QPageLayout &page) {
        return onPrinter ? printerMargins(name, page).value_or(QMarginsF()) : QMarginsF();
    };
    // A paper the printer does not list, nor takes as a size of its own, cannot be shown: the panel
    // opens on the one a job would move it to, its margins kept on their edges of the paper.
    PrintInfo start = info;
    if (onPrinter && !takesPaper(name, info.pageLayout.pageSize())) {
        const QPageLayout moved = movedPage(name, info.pageLayout);
        const QMarginsF margins = turned(info, moved.orientation()).pageLayout.margins(QPageLayout::Point);
        start.pageLayout = QPageLayout(moved.pageSize(), moved.orientation(), QMarginsF(), QPageLayout::Point);
        start.pageLayout.setMargins(atLeast(margins, least(start.pageLayout)));
    }
    setPage(printer, start.pageLayout, atLeast(start.pageLayout.margins(QPageLayout::Point), least(start.pageLayout)));

    QPageSetupDialog panel(&printer, parent);
    const PageSetupControls controls(panel);
    // What is chosen is read from the panel's controls: its printer's layout keeps its old paper
    // when the margins chosen are below what the printer can mark.
    if (!controls.complete()) {
        if (refused)
            *refused = QStringLiteral("The page layout panel of this system is not one this application can read; the page "
                                      "setup is unchanged.");
        return false;
    }
    controls.prepare();
    controls.show(start.pageLayout, [start](const QPageLayout &page) {
        PrintInfo shown = start;
        shown.pageLayout = page;
        const bool landscape = page.orientation() == QPageLayout::Landscape;
        return turned(shown, landscape ? QPageLayout::Portrait : QPageLayout::Landscape).pageLayout.margins(QPageLayout::Point);
    });
    if (runModal(panel) != QDialog::Accepted)
        return false;
    const QPageLayout chosen = controls.chosen();
    // Margins below what the printer can mark are raised to it, never a reason to drop the paper.
    const QMarginsF margins = atLeast(chosen.margins(QPageLayout::Point), least(chosen));
    const QSizeF paper = chosen.fullRect(QPageLayout::Point).size();
    if (margins.left() + margins.right() >= paper.width() || margins.top() + margins.bottom() >= paper.height()) {
        if (refused)
            *refused = QStringLiteral("The margins chosen leave nothing of the paper \"%1\" to print on; the page setup "
                                      "is unchanged.")
                           .arg(chosen.pageSize().name());
        return false;
    }
    info.pageLayout = QPageLayout(chosen.pageSize(), chosen.orientation(), QMarginsF(), QPageLayout::Point);
    info.pageLayout.setMargins(margins);
    return true;
}

} // namespace platform
