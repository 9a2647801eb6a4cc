#include "output/Export_Barcode.h"

#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "output/OutputSources.h"
#include "output/RecordRange.h"
#include "output/Send_Modeless.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"

#include "ui_Export_Barcode.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <algorithm>
#include <exception>

namespace {

const QStringList formats = {QStringLiteral("jpg"), QStringLiteral("tiff"), QStringLiteral("bmp"),
                             QStringLiteral("png"), QStringLiteral("eps"),  QStringLiteral("gif")};
const QStringList tokens = {QStringLiteral("<DEF>"), QStringLiteral("<BV>"), QStringLiteral("<BS>"),
                            QStringLiteral("<BSV>"), QStringLiteral("<BH>"), QStringLiteral("<BF>")};

// A typed record number: empty and 0 are the first record.
int typedRecord(const QLineEdit *field) { return recordrange::Typed_Record(field->text()); }

void mirror(QObject *sender, QLineEdit *field, platform::Stepper *stepper)
{
    if (sender == stepper)
        field->setText(QString::number(stepper->intValue()));
    else
        stepper->setIntValue(field->text().trimmed().toInt());
}

QPointer<Export_Barcode> instance;

} // namespace

Export_Barcode *Export_Barcode::defaultInstance()
{
    if (!instance)
        instance = new Export_Barcode;   // lives for the whole process
    return instance;
}

Export_Barcode::Export_Barcode(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::Export_Barcode>())
{
    setWindowModality(Qt::ApplicationModal);
    ui->setupUi(this);
    ex_bar_image_type_combo = ui->ex_bar_image_type_combo;
    ex_bar_matrix_file_name = ui->ex_bar_matrix_file_name;
    exp_rad_def = ui->exp_rad_def;
    exp_rad_sv = ui->exp_rad_sv;
    exp_rad_sn = ui->exp_rad_sn;
    exp_rad_snv = ui->exp_rad_snv;
    exp_rad_hdr = ui->exp_rad_hdr;
    exp_rad_ftr = ui->exp_rad_ftr;
    exp_rad_cus = ui->exp_rad_cus;
    ex_bar_cus_name = ui->ex_bar_cus_name;
    prefix_suffix_chk_box = ui->prefix_suffix_chk_box;
    prefix_sufix_box = ui->prefix_sufix_box;
    ex_bar_prefix = ui->ex_bar_prefix;
    ex_bar_suffix = ui->ex_bar_suffix;
    All_print_rd = ui->All_print_rd;
    Sel_print_rd = ui->Sel_print_rd;
    from_Stepper = ui->from_Stepper;
    To_Stepper = ui->To_Stepper;
    Total_Stepper = ui->Total_Stepper;
    from_Text = ui->from_Text;
    To_Text = ui->To_Text;
    Total_Text = ui->Total_Text;
    from_label = ui->from_label;
    to_label = ui->to_label;
    tot_label = ui->tot_label;
    export_range_box = ui->export_range_box;
    skip_inavlid_chk = ui->skip_inavlid_chk;
    Export_barcode_Dest_Path = ui->Export_barcode_Dest_Path;
    Export_barcode_Dest_Path_btn = ui->Export_barcode_Dest_Path_btn;
    export_btn_on_export_image = ui->export_btn_on_export_image;
    export_cancel_btn = ui->export_cancel_btn;
    series_radio_box = ui->series_radio_box;
    lower_path_btn_box = ui->lower_path_btn_box;
    const QList<QRadioButton *> rows = {exp_rad_def, exp_rad_sv, exp_rad_sn, exp_rad_snv, exp_rad_hdr, exp_rad_ftr, exp_rad_cus};
    for (int i = 0; i < rows.size(); ++i)
        ex_bar_matrix_file_name->setId(rows[i], i);
    for (platform::Stepper *s : {Total_Stepper, from_Stepper, To_Stepper}) {
        s->setMinValue(1);
        s->setIncrement(1);
    }
    wire();
}

Export_Barcode::~Export_Barcode() = default;

void Export_Barcode::wire()
{
    connect(export_btn_on_export_image, &QPushButton::clicked, this, [this] { OKPressed(); });
    connect(export_cancel_btn, &QPushButton::clicked, this, [this] { CancelPressed(); });
    connect(Export_barcode_Dest_Path_btn, &QPushButton::clicked, this, [this] { Export_Barcode_Dest_Path_Clicked(); });
    connect(prefix_suffix_chk_box, &QCheckBox::clicked, this, [this] { Prefix_suffix_Chk_Cliecked(); });
    connect(exp_rad_def, &QRadioButton::clicked, this, [this] { exp_rad_def_rd_clicked(); });
    connect(exp_rad_sv, &QRadioButton::clicked, this, [this] { exp_rad_sv_rd_clicked(); });
    connect(exp_rad_sn, &QRadioButton::clicked, this, [this] { exp_rad_sn_rd_clicked(); });
    connect(exp_rad_snv, &QRadioButton::clicked, this, [this] { exp_rad_snv_rd_clicked(); });
    connect(exp_rad_hdr, &QRadioButton::clicked, this, [this] { exp_rad_hdr_rd_clicked(); });
    connect(exp_rad_ftr, &QRadioButton::clicked, this, [this] { exp_rad_ftr_rd_clicked(); });
    connect(exp_rad_cus, &QRadioButton::clicked, this, [this] { exp_rad_cus_rd_clicked(); });
    connect(All_print_rd, &QRadioButton::clicked, this, [this] { All_print_RD_Clicked(All_print_rd); });
    connect(Sel_print_rd, &QRadioButton::clicked, this, [this] { Sel_Print_RD_Clicked(Sel_print_rd); });
    connect(Total_Stepper, &platform::Stepper::stepped, this, [this] { Total_Val_Changed(Total_Stepper); });
    connect(from_Stepper, &platform::Stepper::stepped, this, [this] { From_Stepper_Changed(from_Stepper); });
    connect(To_Stepper, &platform::Stepper::stepped, this, [this] { To_Stepper_Changed(To_Stepper); });
    connect(skip_inavlid_chk, &QCheckBox::clicked, this, [this] { Skip_Inavlid_Checked(); });
    // The user's entry in the range fields once its typing ends (never text set by code).
    recordrange::Connect_Fields(rangeChoice().range, this, [this](QLineEdit *field) { controlTextDidChange(field); });
}

Export_Barcode::OpenState Export_Barcode::stateOf(const BarcodeModeOutput &barcode)
{
    OpenState s;
    s.advancedQr = Barcode_Setting_Or_Designing_Mode == 2;
    s.batch = !s.advancedQr && Use_Data_Sheet_Values;
    if (!s.advancedQr) {
        const BarcodeModeOutput::BatchState b = barcode.Batch_State();
        s.fromSeries = b.batchOn && b.fromSeries && b.valueFromBatch;
    }
    return s;
}

int Export_Barcode::Open_Export_Dialog(const OpenState &state)
{
    try {
        m_batch = state.batch;
        Show_Hide_Range_Box(state.batch, state.fromSeries);
        Export_barcode_Dest_Path->clear();
        skip_invalid_barcode = false;
        skip_inavlid_chk->setChecked(false);
        recordrange::Select_All(rangeChoice());
        Total_Text->setHidden(true);
        from_Stepper->setIntValue(1);
        from_Text->setText(QStringLiteral("1"));
        Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        To_Stepper->setIntValue(Total_Stepper->intValue());
        To_Text->setText(QString::number(Total_Stepper->intValue()));
        exp_rad_sn->setEnabled(state.fromSeries);
        exp_rad_snv->setEnabled(state.fromSeries);
        exp_rad_sv->setEnabled(!state.advancedQr);
        exp_rad_def->setText(state.advancedQr ? QStringLiteral("Default")
                                              : QStringLiteral("Default (e.g: Barcode 1, Barcode 2, Barcode 3 ...)"));
        selectRow(0);
        ex_bar_image_type_combo->setCurrentIndex(0);
        prefix_suffix_chk_box->setChecked(false);
        ex_bar_prefix->clear();
        ex_bar_suffix->clear();
        ex_bar_cus_name->clear();
        prefix_sufix_box->setEnabled(false);
        recordrange::Set_Range_Box(export_range_box, rangeChoice(), state.batch);
        export_btn_on_export_image->setFocus();
        const int result = Run_Dialog ? Run_Dialog(*this) : platform::runModal(*this);
        hide();
        return result;
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        return 0;
    }
}

void Export_Barcode::Show_Hide_Range_Box(bool batch, bool fromSeries)
{
    // The groups sit in one column: hiding a group lets the ones below move up.
    series_radio_box->setVisible(batch && fromSeries);
    export_range_box->setVisible(batch);
    layout()->activate();
    resize(width(), sizeHint().height());
}

void Export_Barcode::selectRow(int row)
{
    if (QAbstractButton *b = ex_bar_matrix_file_name->button(row))
        b->setChecked(true);
    export_barcode_file_name_CellClick();
}

void Export_Barcode::exp_rad_def_rd_clicked(QObject *) { selectRow(0); }
void Export_Barcode::exp_rad_sv_rd_clicked(QObject *) { selectRow(1); }
void Export_Barcode::exp_rad_sn_rd_clicked(QObject *) { selectRow(2); }
void Export_Barcode::exp_rad_snv_rd_clicked(QObject *) { selectRow(3); }
void Export_Barcode::exp_rad_hdr_rd_clicked(QObject *) { selectRow(4); }
void Export_Barcode::exp_rad_ftr_rd_clicked(QObject *) { selectRow(5); }
void Export_Barcode::exp_rad_cus_rd_clicked(QObject *) { selectRow(6); }

void Export_Barcode::export_barcode_file_name_CellClick(QObject *)
{
    const bool custom = ex_bar_matrix_file_name->checkedId() == 6;
    ex_bar_cus_name->setVisible(custom);
    ex_bar_cus_name->setEnabled(custom);
}

void Export_Barcode::Prefix_suffix_Chk_Cliecked(QObject *)
{
    prefix_sufix_box->setEnabled(prefix_suffix_chk_box->isChecked());
}

void Export_Barcode::Export_Barcode_Dest_Path_Clicked(QObject *)
{
    try {
        platform::OpenPanelRequest request;
        request.canChooseFiles = false;
        request.canChooseDirectories = true;
        request.allowsMultipleSelection = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (!chosen.isEmpty())
            Export_barcode_Dest_Path->setText(QUrl::fromLocalFile(chosen.first()).toLocalFile());
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

recordrange::Choice Export_Barcode::rangeChoice() const
{
    return {All_print_rd, Sel_print_rd, tot_label, from_label, to_label,
            {Total_Text, Total_Stepper, from_Text, from_Stepper, To_Text, To_Stepper}};
}

void Export_Barcode::All_print_RD_Clicked(QObject *) { recordrange::Select_All(rangeChoice()); }

void Export_Barcode::Sel_Print_RD_Clicked(QObject *) { recordrange::Select_Range(rangeChoice()); }

void Export_Barcode::From_Stepper_Changed(QObject *sender) { mirror(sender, from_Text, from_Stepper); }
void Export_Barcode::To_Stepper_Changed(QObject *sender) { mirror(sender, To_Text, To_Stepper); }
void Export_Barcode::Total_Val_Changed(QObject *sender) { mirror(sender, Total_Text, Total_Stepper); }

void Export_Barcode::Set_Tot_Value(int value, int max, const QString &setFor)
{
    recordrange::Set_Tot_Value(rangeChoice().range, m_batch, value, max, setFor);
}

void Export_Barcode::controlTextDidChange(QObject *field)
{
    try {
        const int count = Total_Batch_Excel_Card;
        auto clamped = [count](const QLineEdit *f) { return std::min(typedRecord(f), std::max(count, 1)); };
        if (field == Total_Text) {
            const int v = clamped(Total_Text);
            Total_Text->setText(QString::number(v));
            Set_Tot_Value(v, count, QStringLiteral("TOT"));
        } else if (field == To_Text) {
            const int v = clamped(To_Text);
            To_Text->setText(QString::number(v));
            Set_Tot_Value(v, count, QStringLiteral("TO"));
        } else if (field == from_Text) {
            const int v = clamped(from_Text);
            from_Text->setText(QString::number(v));
            from_Stepper->setIntValue(v);
        }
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void Export_Barcode::Skip_Inavlid_Checked(QObject *) { skip_invalid_barcode = skip_inavlid_chk->isChecked(); }

void Export_Barcode::OKPressed(QObject *)
{
    try {
        // A record number still being typed is taken first; a refused one exports nothing.
        if (!recordrange::End_Typing(rangeChoice().range))
            return;
        file_path_ext = formats.value(ex_bar_image_type_combo->currentIndex(), formats.first());
        const int row = ex_bar_matrix_file_name->checkedId();
        if (row == 6) {
            const QString name = Trim_Str(Remove_Reserve_Char_In_File_Name(ex_bar_cus_name->text()));
            if (name.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter valid file name."));
                return;
            }
            file_name_exported = name;
        } else {
            file_name_exported = tokens.value(row, tokens.first());
        }
        if (prefix_suffix_chk_box->isChecked()) {
            const QString prefix = Trim_Str(ex_bar_prefix->text());
            const QString suffix = Trim_Str(ex_bar_suffix->text());
            if (prefix.isEmpty() && suffix.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter prefix or suffix value."));
                return;
            }
            file_prefix_exported = prefix;
            file_sufix_exported = suffix;
        } else {
            file_prefix_exported = QString();
            file_sufix_exported = QString();
        }
        if (Sel_print_rd->isChecked()) {
            // Text, 0 and negatives are the first record; past the count, the last.
            const int last = m_batch ? std::max(Total_Batch_Excel_Card, 1) : recordrange::Most_Records;
            const int from = std::min(typedRecord(from_Text), last);
            const int to = std::min(typedRecord(To_Text), last);
            if (from > to) {
                Show_MessageBox(QStringLiteral("Please select valid range."));
                return;
            }
            Print_Start = from - 1;
            Print_End = to;
            show_count = to - from + 1;
        } else {
            Print_Start = 0;
            Print_End = Total_Batch_Excel_Card;
            show_count = Total_Batch_Excel_Card;
        }
        Total_Label = Print_End;
        const QString destination = Trim_Str(Export_barcode_Dest_Path->text());
        if (destination.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select destination path."));
            return;
        }
        file_export_Path = destination;
        done(1);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void Export_Barcode::CancelPressed(QObject *)
{
    file_name_exported = QString();
    file_prefix_exported = QString();
    file_sufix_exported = QString();
    file_path_ext = QString();
    done(0);
}
