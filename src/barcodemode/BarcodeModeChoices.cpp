// The window's combo-box delegate and text notifications, the Barcode mode's part: what a
// selection in one of the page's lists, or an edit of one of its fields, means.

#include "barcodemode/BarcodeModePanel.h"

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

bool ticked(const QAbstractButton *box) { return box && box->isChecked(); }

} // namespace

bool BarcodeModePanel::isSymbologyList(const QComboBox *combo) const { return combo == c.barcodeTypePopup; }

bool BarcodeModePanel::seriesComboChosen(QComboBox *C)
{
    BarcodeModeController &bm = c;
    // Barcode-mode series combos, while the batch takes its rows from series.
    if (!(ticked(bm.data_source_chkbox) && bm.Data_Set_Sheet_RD && bm.Data_Set_Sheet_RD->isChecked()))
        return false;
    struct Row {
        QCheckBox *check;
        QComboBox *list;
        QComboBox *value;
        QLineEdit *name;
        void (BarcodeModeController::*bind)();
        int code;
    };
    const Row rows[3] = {{bm.barcode_value_chk, bm.val_combo_list, bm.val_combo_value, bm.val_list_name_txt,
                          &BarcodeModeController::Bind_Data_with_Barcode_VALUE_For_Series, 0},
                         {bm.barcode_header_chk, bm.hdr_combo_list, bm.hdr_combo_value, bm.hdr_list_name_txt,
                          &BarcodeModeController::Bind_Data_with_Barcode_HEADER_For_Series, 1},
                         {bm.barcode_footer_chk, bm.ftr_combo_list, bm.ftr_combo_value, bm.ftr_list_name_txt,
                          &BarcodeModeController::Bind_Data_with_Barcode_FOOTER_For_Series, 2}};
    for (const Row &row : rows) {
        if (!ticked(row.check))
            continue;
        if (C == row.list) {
            bm.host().seriesListChosen(row.list, row.value, row.name);
            return true;
        }
        if (C == row.value) {
            if (C->currentIndex() >= 0)
                Last_Selected_Index = C->currentIndex();
            bm.Combo_Selection_Change(row.code);
            (bm.*row.bind)();
            bm.set_list_value_to_text_box();
            return true;
        }
    }
    return false;
}

bool BarcodeModePanel::resolutionComboChosen(QComboBox *C)
{
    if (C != c.DPI_ComboBox)
        return false;
    c.Resolution_Choice_Changed();
    return true;
}

void BarcodeModePanel::symbolComboChosen(QComboBox *C)
{
    BarcodeModeController &bm = c;
    // The symbol options, in every mode.
    if (bm.liner_or_2D_font != 0) {
        if (C == bm.qr_enc_mode_ComboBox) {
            QR_Enc_Mode_Val = C->currentIndex();
        } else if (C == bm.qr_version_ComboBox) {
            QR_Version_Val = C->currentIndex();
            bm.Check_And_Set_QR_size_Acc_Version(QR_Version_Val);
            if (QR_Version_Val == 0)
                QR_Version_Val = -1;
        } else if (C == bm.qr_ec_lvl_ComboBox) {
            QR_EC_Level_Val = C->currentIndex();
        } else if (C == bm.dm_format_ComboBox) {
            bm.data_matrix_barcode_size_acc_format();
        } else if (C != bm.dm_encoding_ComboBox) {
            return;
        }
        bm.goButtonActionPerformed();
        return;
    }
    if (!bm.testBarcode)
        return;
    if (C == bm.align_hdr_combo || C == bm.align_ftr_combo || C == bm.bar_orient_combo) {
        bm.Get_Image_From_Barcode(bm.testBarcode.get(), true, false);
    } else if (C == bm.bar_align_combo) {
        static const QStringList names = {QStringLiteral("Center"), QStringLiteral("Top"), QStringLiteral("TopLeft"),
                                          QStringLiteral("TopRight"), QStringLiteral("Left"), QStringLiteral("Bottom"),
                                          QStringLiteral("BottomLeft"), QStringLiteral("BottomRight"), QStringLiteral("Right")};
        static const Qt::Alignment alignments[] = {
            Qt::AlignCenter, Qt::AlignTop | Qt::AlignHCenter, Qt::AlignTop | Qt::AlignLeft,
            Qt::AlignTop | Qt::AlignRight, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignBottom | Qt::AlignHCenter,
            Qt::AlignBottom | Qt::AlignLeft, Qt::AlignBottom | Qt::AlignRight, Qt::AlignRight | Qt::AlignVCenter};
        const int i = int(names.indexOf(C->currentText()));
        if (i >= 0)
            bm.barcodeImage->setImageAlignment(alignments[i]);
    }
}

bool BarcodeModePanel::isValueField(const QObject *field) const
{
    return field && (field == c.dataText || field == c.HeaderText || field == c.FooterText || field == c.dataText_2D);
}

bool BarcodeModePanel::isTwoDValueField(const QObject *field) const { return field && field == c.dataText_2D; }

bool BarcodeModePanel::showsDataMatrix() const
{
    return c.barcodeTypePopup && c.barcodeTypePopup->currentText() == QStringLiteral("DataMatrix");
}
