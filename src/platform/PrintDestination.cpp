#include "platform/PrintDestination.h"

#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QMutex>
#include <QMutexLocker>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

QMutex pdfFileMutex;
QString pdfFile;

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

std::optional<QMarginsF> printerMargins(const QString &printerName, const QPageLayout &page)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (printerName.isEmpty() || info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(page.orientation());
    printer.setPageSize(page.pageSize());
    return printer.pageLayout().minimumMargins();
}

PrintInfo forPrinter(const PrintInfo &info, const QString &printerName)
{
    PrintInfo moved = info;
    moved.printerName = printerName;
    const std::optional<QMarginsF> margins = printerName == Pdf_Destination_Name
                                                 ? std::optional(PrintInfo::defaultMargins())
                                                 : printerMargins(printerName, info.pageLayout);
    if (margins) {
        moved.pageLayout.setUnits(QPageLayout::Point);
        moved.pageLayout.setMinimumMargins(QMarginsF());
        moved.pageLayout.setMargins(*margins);
    }
    return moved;
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
    const bool installed = !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
    if (preview && !installed) {
        printer->setOutputFormat(QPrinter::PdfFormat);   // only its page is used
    } else if (!installed) {
        if (error)
            *error = name.isEmpty() ? QStringLiteral("no printer is installed") : QStringLiteral("the printer is not installed");
        return nullptr;
    } else {
        printer->setPrinterName(name);
    }
    // The job places everything on the paper itself: the whole page, no margins. Paper, orientation
    // and margins are set one by one: a printer refuses a whole layout whose margins are below what
    // it can mark, and would then print on its own default paper.
    printer->setFullPage(true);
    printer->setPageSize(info.pageLayout.pageSize());
    printer->setPageOrientation(info.pageLayout.orientation());
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return printer;
}

namespace {

// The page layout panel's own controls (Qt's form), where its choice is read: on OK the panel hands
// its printer a layout with the margins typed there, which a printer refuses when they are below
// what it can mark, leaving its old paper without a word.
struct PanelControls {
    explicit PanelControls(QPageSetupDialog &panel)
        : size(panel.findChild<QComboBox *>(QStringLiteral("pageSizeCombo"))),
          unit(panel.findChild<QComboBox *>(QStringLiteral("unitCombo"))),
          portrait(panel.findChild<QRadioButton *>(QStringLiteral("portrait"))),
          landscape(panel.findChild<QRadioButton *>(QStringLiteral("landscape"))),
          width(panel.findChild<QDoubleSpinBox *>(QStringLiteral("pageWidth"))),
          height(panel.findChild<QDoubleSpinBox *>(QStringLiteral("pageHeight")))
    {
        for (const char *name : {"leftMargin", "topMargin", "rightMargin", "bottomMargin"})
            margins.push_back(panel.findChild<QDoubleSpinBox *>(QLatin1String(name)));
    }
    bool complete() const
    {
        return size && unit && portrait && landscape && width && height
               && std::all_of(margins.begin(), margins.end(), [](const QDoubleSpinBox *m) { return m != nullptr; });
    }

    // The panel opens on the page setup's paper, orientation and margins, not on the printer's
    // default paper with none.
    void show(const QPageLayout &page) const
    {
        for (int i = 0; i < size->count(); ++i) {
            if (qvariant_cast<QPageSize>(size->itemData(i)).isEquivalentTo(page.pageSize())) {
                size->setCurrentIndex(i);
                break;
            }
        }
        (page.orientation() == QPageLayout::Landscape ? landscape : portrait)->click();
        QPageLayout shown = page;
        shown.setUnits(qvariant_cast<QPageLayout::Unit>(unit->currentData()));
        const QMarginsF m = shown.margins();
        const double sides[] = {m.left(), m.top(), m.right(), m.bottom()};
        for (size_t i = 0; i < margins.size(); ++i)
            margins[i]->setValue(sides[i]);
    }

    // What the panel shows: its paper (a custom one as typed, in the panel's orientation), its
    // orientation and margins, in points.
    QPageLayout chosen() const
    {
        const auto units = qvariant_cast<QPageLayout::Unit>(unit->currentData());
        const QPageLayout::Orientation orientation = landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
        QPageSize paper = qvariant_cast<QPageSize>(size->currentData());
        if (!paper.isValid()) {
            const QSizeF typed = orientation == QPageLayout::Landscape ? QSizeF(height->value(), width->value())
                                                                       : QSizeF(width->value(), height->value());
            paper = QPageSize(typed, QPageSize::Unit(units));
        }
        QPageLayout layout(paper, orientation,
                           QMarginsF(margins[0]->value(), margins[1]->value(), margins[2]->value(), margins[3]->value()), units);
        layout.setUnits(QPageLayout::Point);
        return layout;
    }

    QComboBox *size, *unit;
    QRadioButton *portrait, *landscape;
    QDoubleSpinBox *width, *height;
    std::vector<QDoubleSpinBox *> margins;
};

QMarginsF atLeast(const QMarginsF &m, const QMarginsF &least)
{
    return QMarginsF(std::max(m.left(), least.left()), std::max(m.top(), least.top()), std::max(m.right(), least.right()),
                     std::max(m.bottom(), least.bottom()));
}

} // namespace

bool runPageSetup(PrintInfo &info, QWidget *parent, QString *refused)
{
    if (refused)
        refused->clear();
    // The panel lists the papers of the page setup's printer (of the default one when it names none);
    // "PDF File" or a printer that is gone gets every paper and no printer's margins.
    QString name = info.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : info.printerName;
    const bool installed = !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
    QPrinter printer(QPrinter::HighResolution);
    if (installed)
        printer.setPrinterName(name);
    else
        printer.setOutputFormat(QPrinter::PdfFormat);
    const auto least = [&](const QPageLayout &page) {
        return installed ? printerMargins(name, page).value_or(QMarginsF()) : QMarginsF();
    };
    printer.setPageSize(info.pageLayout.pageSize());
    printer.setPageOrientation(info.pageLayout.orientation());
    printer.setPageMargins(atLeast(info.pageLayout.margins(QPageLayout::Point), least(info.pageLayout)), QPageLayout::Point);

    QPageSetupDialog panel(&printer, parent);
    const PanelControls controls(panel);
    if (controls.complete())
        controls.show(info.pageLayout);
    if (runModal(panel) != QDialog::Accepted)
        return false;
    QPageLayout chosen = controls.complete() ? controls.chosen() : printer.pageLayout();
    chosen.setUnits(QPageLayout::Point);
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
