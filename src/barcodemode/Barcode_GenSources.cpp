// Where a barcode object takes its value, header and footer from: typed (manual), series files or
// columns of the linked spreadsheet. The data-source combo, the three binding rows (combo, box and
// view button), the load and write-back of the binding, and the window's combo-box delegate, which
// also serves the resolution, the 2D option combos and the alignment combos.

#include "barcodemode/Barcode_Gen.h"

#include "core/Globals.h"
#include "core/Long_SMS_Dlg.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "engines/linear/NKDBarcode.h"
#include "io/SeriesStore.h"
#include "model/SKTGraphic.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <exception>
#include <optional>

namespace {

const QString kManual = QStringLiteral("Manual");
const QString kSeries = QStringLiteral("Batch Processing Series");

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

QString reasonOf(const std::exception &e) { return QString::fromUtf8(e.what()); }

// A series file of that name exists in the series folder; a name that could reach outside the
// folder never names one.
bool seriesExists(const QString &name)
{
    if (name.isEmpty() || name == combo_first_Select || name.contains(QLatin1Char('/')) ||
        name.contains(QStringLiteral("..")))
        return false;
    return !series_store::pathOf(name).isEmpty();
}

// The item whose text is the name (its exact spelling first, then any case of it); -1 for none.
int itemNamed(const QComboBox *combo, const QString &name)
{
    const int exact = combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return exact >= 0 ? exact : combo->findText(name, Qt::MatchFixedString);
}

// The image view's alignment of a preview alignment title; nothing for another title.
std::optional<Qt::Alignment> previewAlignment(const QString &title)
{
    static const QList<QPair<QString, Qt::Alignment>> table = {
        {QStringLiteral("Center"), Qt::AlignCenter},
        {QStringLiteral("Top"), Qt::AlignTop | Qt::AlignHCenter},
        {QStringLiteral("TopLeft"), Qt::AlignTop | Qt::AlignLeft},
        {QStringLiteral("TopRight"), Qt::AlignTop | Qt::AlignRight},
        {QStringLiteral("Left"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Bottom"), Qt::AlignBottom | Qt::AlignHCenter},
        {QStringLiteral("BottomLeft"), Qt::AlignBottom | Qt::AlignLeft},
        {QStringLiteral("BottomRight"), Qt::AlignBottom | Qt::AlignRight},
        {QStringLiteral("Right"), Qt::AlignRight | Qt::AlignVCenter},
    };
    for (const auto &entry : table)
        if (entry.first == title)
            return entry.second;
    return std::nullopt;
}

} // namespace

// ---- The delegate ----

void Barcode_Gen::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (!combo)
        return;
    try {
        if (combo == DPI_ComboBox) {
            Resolution_Choice_Changed();
        } else if (combo == Data_source_type) {
            dataSourceChanged();
        } else if (combo == Batch_Series || combo == hdr_combo_list || combo == ftr_combo_list) {
            if (!data_source_change)
                bindingRowChosen(combo);
        } else if (liner_or_2D_font != 0) {
            twoDChoiceChanged(combo);
        } else if (testBarcode) {
            linearChoiceChanged(combo);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::twoDChoiceChanged(QComboBox *combo)
{
    const int index = combo->currentIndex();
    if (index < 0)
        return;
    if (combo == qr_enc_mode_ComboBox) {
        DES_QR_Enc_Mode_Val = index;
    } else if (combo == qr_version_ComboBox) {
        DES_QR_Version_Val = index;
        Check_And_Set_QR_size_Acc_Version(index);
        if (DES_QR_Version_Val == 0)
            DES_QR_Version_Val = -1;   // automatic
    } else if (combo == qr_ec_lvl_ComboBox) {
        DES_QR_EC_Level_Val = index;
    } else if (combo == dm_format_ComboBox) {
        data_matrix_barcode_size_acc_format();
    } else if (combo != dm_encoding_ComboBox) {
        return;
    }
    goButtonActionPerformed();
}

void Barcode_Gen::linearChoiceChanged(QComboBox *combo)
{
    if (combo == align_hdr_combo || combo == align_ftr_combo || combo == bar_orient_combo) {
        Get_Image_From_Barcode(testBarcode.get(), true, false);
    } else if (combo == bar_align_combo) {
        if (const std::optional<Qt::Alignment> alignment = previewAlignment(combo->currentText()))
            barcodeImage->setImageAlignment(*alignment);
    }
}

void Barcode_Gen::dataSourceChanged()
{
    if (Data_source_type->currentIndex() < 0)
        return;
    Refresh_batch_combos();
    const QString title = Data_source_type->currentText();
    if (title == kManual) {
        Enable_Disable_Series_Control(false);
        Show_Hide_Series_Control(true);
        if (pass_barcode_control)
            pass_barcode_control->Set_Data_source_type(0);
    } else {
        data_source_change = true;
        for (QCheckBox *box : {use_value_series_chk, use_hdr_series_chk, use_ftr_series_chk})
            box->setChecked(true);
        Enable_Disable_Series_Control(true);
        Show_Hide_Series_Control(false);
        if (pass_barcode_control) {
            pass_barcode_control->Set_Batch_List_Name(QStringLiteral(""));
            pass_barcode_control->Set_Batch_List_Index(-1);
            pass_barcode_control->Set_Hdr_Batch_List_Name(QStringLiteral(""));
            pass_barcode_control->Set_Hdr_Batch_List_Index(-1);
            pass_barcode_control->Set_Ftr_Batch_List_Name(QStringLiteral(""));
            pass_barcode_control->Set_Ftr_Batch_List_Index(-1);
        }
        for (QComboBox *combo : {Batch_Series, hdr_combo_list, ftr_combo_list})
            combo->clear();
        if (title == kSeries) {
            const QStringList names = series_store::names();
            for (QComboBox *combo : {Batch_Series, hdr_combo_list, ftr_combo_list}) {
                combo->addItem(combo_first_Select);
                combo->addItems(names);
            }
            if (names.isEmpty()) {
                dataText->setText(QString());
                Set_Two_D_Value_in_Field(QString());
                data_source_change = false;
                return;
            }
            for (QComboBox *combo : {Batch_Series, hdr_combo_list, ftr_combo_list})
                combo->setCurrentIndex(0);
            if (pass_barcode_control)
                pass_barcode_control->Set_Data_source_type(1);
        } else {
            view_series_btn->setEnabled(true);
            Batch_Series->setEnabled(true);
            dataText->setReadOnly(true);
            dataText_2D->setReadOnly(true);
            DesignBarcodeMode &dsg = design();
            for (QComboBox *combo : {Batch_Series, hdr_combo_list, ftr_combo_list})
                dsg.Fill_Excel_Col_Name_In_Combo(combo);
            const int column = pass_barcode_control ? pass_barcode_control->excel_col_indx : -1;
            Batch_Series->setCurrentIndex(column >= 0 && column < Batch_Series->count() ? column : 0);
            hdr_combo_list->setCurrentIndex(0);
            ftr_combo_list->setCurrentIndex(0);
            if (pass_barcode_control)
                pass_barcode_control->Set_Data_source_type(2);
        }
    }
    data_source_change = false;
    goButtonActionPerformed();
}

void Barcode_Gen::bindingRowChosen(QComboBox *combo)
{
    const QString source = dataSourceTitle();
    if (source.isEmpty() || source == kManual || combo->currentIndex() < 0 || !pass_barcode_control)
        return;
    const QString chosen = Trim_Str(combo->currentText());
    if (chosen.isEmpty() || chosen == combo_first_Select)
        return;
    const int i = combo->currentIndex();
    SKTGraphic &copy = *pass_barcode_control;
    DesignBarcodeMode &dsg = design();
    QString value;
    if (source == kSeries) {
        copy.Set_Data_source_type(1);
        const QString name = combo->currentText();
        if (combo == Batch_Series) {
            copy.Set_Batch_List_Name(name);
            copy.Set_Batch_List_Index(i - 1);
        } else if (combo == hdr_combo_list) {
            copy.Set_Hdr_Batch_List_Name(name);
            copy.Set_Hdr_Batch_List_Index(i - 1);
        } else {
            copy.Set_Ftr_Batch_List_Name(name);
            copy.Set_Ftr_Batch_List_Index(i - 1);
        }
        value = seriesExists(name) ? dsg.Get_First_Value_Of_Dataset(name) : QString();
    } else {
        copy.Set_Data_source_type(2);
        if (combo == Batch_Series)
            copy.Set_Excel_binding_Index(i);
        else if (combo == hdr_combo_list)
            copy.Set_Hdr_Batch_List_Index(i);
        else
            copy.Set_Ftr_Batch_List_Index(i);
        value = dsg.Get_First_Value_Of_Excel_Binding(i);
    }
    if (combo == Batch_Series && ticked(use_value_series_chk)) {
        dataText->setText(value);
        Set_Two_D_Value_in_Field(value);
    } else if (combo == hdr_combo_list && ticked(use_hdr_series_chk)) {
        HeaderText->setText(value);
    } else if (combo == ftr_combo_list && ticked(use_ftr_series_chk)) {
        FooterText->setText(value);
    }
    goButtonActionPerformed();
    dsg.Refresh_Canvas();
}

// ---- The binding controls ----

void Barcode_Gen::Refresh_batch_combos()
{
    for (QComboBox *combo : {Batch_Series, hdr_combo_list, ftr_combo_list})
        if (combo)
            combo->update();
}

void Barcode_Gen::Enable_Disable_Series_Control(bool on)
{
    dataText->setReadOnly(on);
    dataText_2D->setReadOnly(on);
    HeaderText->setReadOnly(on);
    FooterText->setReadOnly(on);
    for (QWidget *w : std::initializer_list<QWidget *>{Batch_Series, hdr_combo_list, ftr_combo_list, use_value_series_chk,
                                                      use_hdr_series_chk, use_ftr_series_chk, view_series_btn,
                                                      view_hdr_series_btn, view_ftr_series_btn})
        w->setEnabled(on);
}

void Barcode_Gen::Show_Hide_Series_Control(bool hide)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Batch_Series, hdr_combo_list, ftr_combo_list, use_value_series_chk,
                                                      use_hdr_series_chk, use_ftr_series_chk, view_series_btn,
                                                      view_hdr_series_btn, view_ftr_series_btn})
        w->setVisible(!hide);
}

void Barcode_Gen::viewRow(QComboBox *combo)
{
    try {
        const QString source = dataSourceTitle();
        if (source == kManual)
            return;
        if (source == kSeries) {
            const QString name = combo->currentIndex() < 0 ? QString() : Trim_Str(combo->currentText());
            if (name.isEmpty() || name == combo_first_Select)
                Show_MessageBox(QStringLiteral("Please select the series."));
            else
                design().Open_Series_Value_Box(name);
        } else {
            design().Open_Excel_Data_Box();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::View_batch_Series_Button(QObject *) { viewRow(Batch_Series); }
void Barcode_Gen::View_Hedaer_Series_Button(QObject *) { viewRow(hdr_combo_list); }
void Barcode_Gen::View_Footer_Series_Button(QObject *) { viewRow(ftr_combo_list); }

void Barcode_Gen::seriesBoxChanged(Row row, bool regenerateAfter)
{
    try {
        QCheckBox *box = row == Row::Value ? use_value_series_chk : row == Row::Header ? use_hdr_series_chk : use_ftr_series_chk;
        QComboBox *combo = row == Row::Value ? Batch_Series : row == Row::Header ? hdr_combo_list : ftr_combo_list;
        QPushButton *view = row == Row::Value ? view_series_btn : row == Row::Header ? view_hdr_series_btn : view_ftr_series_btn;
        const bool on = ticked(box);
        if (row == Row::Value) {
            dataText->setReadOnly(on);
            dataText_2D->setReadOnly(on);
        } else {
            (row == Row::Header ? HeaderText : FooterText)->setReadOnly(on);
        }
        view->setEnabled(on);
        combo->setEnabled(on);
        if (on && combo->currentIndex() > 0) {
            // Chosen again, so that the row's value is taken into its field.
            const int chosen = combo->currentIndex();
            combo->setCurrentIndex(-1);
            combo->setCurrentIndex(chosen);
        }
        if (regenerateAfter)
            goButtonActionPerformed();
        barcodeImage->setFocus();
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Barcode_Gen::Use_Value_Series_Chk(QObject *) { seriesBoxChanged(Row::Value, true); }
void Barcode_Gen::Use_Hedaer_Series_Chk(QObject *) { seriesBoxChanged(Row::Header, false); }
void Barcode_Gen::Use_Footer_Series_Chk(QObject *) { seriesBoxChanged(Row::Footer, false); }

void Barcode_Gen::Batch_Help_Button(QObject *)
{
    try {
        Cutom_Msg_Title = QStringLiteral("Batch Processing Settings Help :");
        Cutom_Msg_Val = QStringLiteral("Select these option to fetch the barcode value from the list of existing Batch "
                                       "Processing Series.\nor\nRemained unselect to enter barcode value manually. ");
        Long_SMS_Dlg *dialog = Long_SMS_Dlg::defaultInstance();
        dialog->title_val = QString();
        dialog->apply_chk_show = false;
        dialog->Open_Long_sms_Dialog();
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

// ---- Load and write-back of the binding ----

void Barcode_Gen::loadBinding(const SKTGraphic &object)
{
    const int type = object.data_source_type;
    if (type < 0 || type >= Data_source_type->count()) {
        // A spreadsheet binding while no spreadsheet is linked (or no known source): no source is
        // chosen and the binding stays as it is until the user chooses one; OK asks for one.
        Data_source_type->setCurrentIndex(-1);
        for (QCheckBox *box : {use_value_series_chk, use_hdr_series_chk, use_ftr_series_chk})
            box->setChecked(false);
        Enable_Disable_Series_Control(false);
        Show_Hide_Series_Control(true);
        return;
    }
    selectFromCode(Data_source_type, type);
    struct RowLoad {
        Row row;
        QCheckBox *box;
        QComboBox *combo;
    };
    const RowLoad rows[] = {{Row::Value, use_value_series_chk, Batch_Series},
                            {Row::Header, use_hdr_series_chk, hdr_combo_list},
                            {Row::Footer, use_ftr_series_chk, ftr_combo_list}};
    const auto unbind = [this, &object](const RowLoad &r) {
        r.combo->setCurrentIndex(-1);
        r.box->setChecked(false);
        seriesBoxChanged(r.row, r.row == Row::Value);
        if (r.row == Row::Value) {
            dataText->setText(object.linear_font_val);
            Set_Two_D_Value_in_Field(object.two_d_font_val);
        }
    };
    if (type == 1) {
        const QString names[] = {object.batch_list_name, object.batch_hdr_list_name, object.batch_ftr_list_name};
        for (int k = 0; k < 3; ++k) {
            const RowLoad &r = rows[k];
            if (!seriesExists(names[k])) {
                unbind(r);
                continue;
            }
            r.box->setChecked(true);
            r.combo->setCurrentIndex(-1);
            r.combo->setCurrentIndex(itemNamed(r.combo, names[k]));
        }
    } else if (type == 2) {
        const int columns[] = {object.excel_col_indx, object.batch_hdr_list_index, object.batch_ftr_list_index};
        for (int k = 0; k < 3; ++k) {
            const RowLoad &r = rows[k];
            if (columns[k] < 0) {
                unbind(r);
                continue;
            }
            r.box->setChecked(true);
            r.combo->setCurrentIndex(columns[k] < r.combo->count() ? columns[k] : -1);
        }
    }
}

void Barcode_Gen::writeBinding(SKTGraphic &copy) const
{
    const QString source = dataSourceTitle();
    if (source == kManual) {
        copy.Set_Data_source_type(0);
    } else if (source == kSeries) {
        copy.Set_Data_source_type(1);
        const struct {
            QCheckBox *box;
            QComboBox *combo;
            void (SKTGraphic::*setName)(const QString &);
            void (SKTGraphic::*setIndex)(int);
        } rows[] = {
            {use_value_series_chk, Batch_Series, &SKTGraphic::Set_Batch_List_Name, &SKTGraphic::Set_Batch_List_Index},
            {use_hdr_series_chk, hdr_combo_list, &SKTGraphic::Set_Hdr_Batch_List_Name, &SKTGraphic::Set_Hdr_Batch_List_Index},
            {use_ftr_series_chk, ftr_combo_list, &SKTGraphic::Set_Ftr_Batch_List_Name, &SKTGraphic::Set_Ftr_Batch_List_Index},
        };
        for (const auto &row : rows) {
            if (ticked(row.box)) {
                (copy.*row.setName)(row.combo->currentIndex() < 0 ? QString() : row.combo->currentText());
                (copy.*row.setIndex)(row.combo->currentIndex() - 1);
            } else {
                (copy.*row.setName)(QStringLiteral(""));
            }
        }
    } else if (source == QLatin1String("Excel")) {
        copy.Set_Data_source_type(2);
        copy.Set_Excel_binding_Index(ticked(use_value_series_chk) ? Batch_Series->currentIndex() : -1);
        copy.Set_Hdr_Batch_List_Index(ticked(use_hdr_series_chk) ? hdr_combo_list->currentIndex() : -1);
        copy.Set_Ftr_Batch_List_Index(ticked(use_ftr_series_chk) ? ftr_combo_list->currentIndex() : -1);
    }
}
