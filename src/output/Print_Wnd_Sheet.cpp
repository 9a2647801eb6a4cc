// The print dialog's sheet layout: the fit of the grid from its fields, the page setup read into the
// dialog and the layout, the printer chosen, and the preview of the sheet.

#include "output/Print_Wnd.h"

#include "core/Globals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "outputjobs/Print_Wnd_PaperNames.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/Sample_Preview.h"
#include "outputjobs/SheetFit.h"
#include "outputjobs/SheetLayout.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

float Print_Wnd::MM_to_Points_Convert(float millimetres) { return ::MM_to_Points_Convert(millimetres); }

float Print_Wnd::Points_to_MM_Convert(float points) { return ::Points_to_MM_Convert(points); }

double Print_Wnd::Product_Page_MM(bool across) const
{
    // As the page shows it; else (a file edited by hand) the page the sheet is laid out on.
    const double shown = platform::fieldValue(across ? page_width_pre : page_height_pre);
    return shown > 0 ? shown : double(Points_to_MM_Convert(across ? predef_page_wdt : predef_page_hgt));
}

sheetfit::Fields Print_Wnd::Fit_Fields() const
{
    const bool predefined = Manual_or_Pre == 1;
    sheetfit::Fields f;
    f.manualWidth = float(width_Stepper->doubleValue());
    f.manualHeight = float(height_Stepper->doubleValue());
    f.cellWidth = float(width_Stepper_pre->doubleValue());
    f.cellHeight = float(height_Stepper_pre->doubleValue());
    f.horzGap = (predefined ? horz_mar_Text_pre : horz_mar_Text)->text();
    f.vertGap = (predefined ? vert_mar_Text_pre : vert_mar_Text)->text();
    f.horzGapInUse = float((predefined ? horz_mar_Stepper_pre : horz_mar_Stepper)->doubleValue());
    f.vertGapInUse = float((predefined ? vert_mar_Stepper_pre : vert_mar_Stepper)->doubleValue());
    f.rows = (predefined ? Row_Text_pre : Row_Text)->text();
    f.cols = (predefined ? Col_Text_pre : Col_Text)->text();
    f.leftMargin = left_mar_pre->text();
    f.topMargin = top_mar_pre->text();
    f.autoCentre = Auto_Center_chk_bx->isChecked();
    return f;
}

QSizeF Print_Wnd::Gap_Most() const { return GapFields::Most(sheetfit::Gap_Extent(SheetLayout::fromGlobals(), Fit_Fields())); }

void Print_Wnd::Check_Max_Cell_Value() { Fit_Sheet(false); }

void Print_Wnd::Fit_Grid_Edit() { Fit_Sheet(true); }

void Print_Wnd::Fit_Sheet(bool settle)
{
    const bool centred = Manual_or_Pre == 0 && Auto_Center_chk_bx->isChecked() && !Fit_Picture_To_Frame;
    gapFields.beforeFit(centred);
    const sheetfit::Fields fields = Fit_Fields();
    sheetfit::Result fit = sheetfit::Check_Max_Cell_Value(SheetLayout::fromGlobals(), fields);
    if (!fit.ran)
        return;
    if (settle) {
        const sheetfit::Fields shown = sheetfit::Shown_Fields(fields, fit, centred);
        fit = sheetfit::Settled(fit, sheetfit::Check_Max_Cell_Value(fit.layout, shown));
    }
    fit.layout.toGlobals();
    gapFields.afterFit(centred, fit.layout.horz_mar, fit.layout.vert_mar);
    const bool predefined = Manual_or_Pre == 1;
    if (fit.writeCols) {
        (predefined ? Col_Text_pre : Col_Text)->setText(QString::number(fit.cols));
        (predefined ? Col_Stepper_pre : Col_Stepper)->setIntValue(fit.cols);
    }
    if (fit.writeRows) {
        (predefined ? Row_Text_pre : Row_Text)->setText(QString::number(fit.rows));
        (predefined ? Row_Stepper_pre : Row_Stepper)->setIntValue(fit.rows);
    }
    GapFields::showCuts(predefined ? horz_mar_Text_pre : horz_mar_Text, predefined ? horz_mar_Stepper_pre : horz_mar_Stepper,
                        fit.horzGapShown, predefined ? vert_mar_Text_pre : vert_mar_Text,
                        predefined ? vert_mar_Stepper_pre : vert_mar_Stepper, fit.vertGapShown);
    Refresh_Preview();
}

void Print_Wnd::Set_values_From_Printer()
{
    const PaperSetup setup = PaperSetup::of(printInfo.get());
    const QString widthMM = QString::asprintf("%.2f", setup.paperMM.width());
    const QString heightMM = QString::asprintf("%.2f", setup.paperMM.height());
    QString paperName = Find_Papaer_Name_From_Size(widthMM, heightMM);
    if (paperName.isEmpty() && printInfo)
        paperName = printInfo->pageLayout.pageSize().name();
    Paper_id->setText(paperName);
    const bool catalogue = Manual_or_Pre == 1 && cus_or_pre == QLatin1String("P");
    if (!catalogue)
        Set_Preview_Size(setup.paper);
    const QString sizeText = QString::asprintf("%.2f x %.2f", setup.paperMM.width(), setup.paperMM.height());
    Size_id->setText(sizeText);

    const float PW = float(setup.paper.width()), PH = float(setup.paper.height());
    const QRectF area = setup.imageable;
    Left_Mar = float(area.x());
    Rite_Mar = PW - float(area.x()) - float(area.width());
    Top_Mar = PH - float(area.y()) - float(area.height());
    Bot_Mar = float(area.y());
    l_mar_id->setText(Margin_Text(Left_Mar));
    r_mar_id->setText(Margin_Text(Rite_Mar));
    t_mar_id->setText(Margin_Text(Top_Mar));
    b_mar_id->setText(Margin_Text(Bot_Mar));
    const bool landscape = printInfo && printInfo->pageLayout.orientation() == QPageLayout::Landscape;
    {
        const QSignalBlocker block(Orient_ComboBox);
        Orient_ComboBox->setCurrentIndex(landscape ? 1 : 0);
    }

    if (Manual_or_Pre == 1) {
        if (!catalogue) {
            // A custom product takes the printer's page and margins.
            predef_page_wdt = PW;
            predef_page_hgt = PH;
            platform::showStored(left_mar_pre, l_mar_id->text());
            platform::showStored(top_mar_pre, t_mar_id->text());
            paper_used_pre->setText(paperName);
            page_size_pre->setText(sizeText);
            orientation_pre->setText(landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
            platform::showStored(page_width_pre, widthMM);
            platform::showStored(page_height_pre, heightMM);
            layout_group_pre->setText(QStringLiteral("Custom"));
            description_pre->setText(QStringLiteral("Custom"));
        } else {
            Left_Mar = MM_to_Points_Convert(float(platform::leadingDecimal(left_mar_pre->text(), Points_to_MM_Convert(Left_Mar))));
            Top_Mar = MM_to_Points_Convert(float(platform::leadingDecimal(top_mar_pre->text(), Points_to_MM_Convert(Top_Mar))));
            Rite_Mar = Bot_Mar = 0;
        }
    }
    Refresh_Preview();
}

void Print_Wnd::Store_Print_Info(const platform::PrintInfo &info)
{
    if (m_output)
        m_output->sources().host->setPrintInfo(info);
    else
        printInfo = std::make_shared<platform::PrintInfo>(info);
}

void Print_Wnd::Use_Printer(const QString &name)
{
    QString moved;
    Store_Print_Info(platform::forPrinter(printInfo ? *printInfo : platform::PrintInfo::sharedPrintInfo(), name, &moved));
    if (moved.isEmpty())
        return;
    // A paper the printer does not take moved to one it does: the window shows it, laid out, as
    // the message says why, before anything is sent.
    Set_values_From_Printer();
    Check_Max_Cell_Value();
    Show_MessageBox(moved);
}

void Print_Wnd::Set_Preview_Size(const QSizeF &points)
{
    const QSize size(int(std::ceil(points.width())), int(std::ceil(points.height())));
    PrintView->resize(size);
    preview_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    preview_image.fill(Qt::white);
}

void Print_Wnd::Refresh_Preview()
{
    if (!printInfo)
        return;
    Print_sclview->verticalScrollBar()->setValue(0);
    PrintView->update();
    const QImage sheet = PrintView->imageRepresentation();
    test_image_view->setPixmap(QPixmap::fromImage(sheet));
    test_image_view->resize(sheet.size());
    test_image_view->setFocus();
}
