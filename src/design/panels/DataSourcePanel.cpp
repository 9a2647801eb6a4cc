#include "design/panels/DataSourcePanel.h"

#include "core/DateText.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "model/DesignGlobals.h"
#include "core/Long_SMS_Dlg.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/panels/PanelControls.h"
#include "model/SKTGraphic.h"
#include "platform/ComboItems.h"
#include "platform/FormBinding.h"
#include "platform/TextNotifications.h"

#include "ui_DataSourcePanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>
#include <exception>

using namespace panelcontrols;

namespace {

void bind(DataSourcePanel &c, const Ui::DataSourcePanel &ui)
{
    // Not outlets: the page's layout, scroll area, scrolling content and the content's layout and
    // stretch, the layouts of the four boxes and the text view, four labels, six rows with their
    // layouts and the stretches in four of them.
    designform::bindForm<30>(
        ui, FORM_OUTLET(data_source_title), FORM_OUTLET(Data_source_box_DES), FORM_OUTLET(Data_source_type),
        FORM_OUTLET(Batch_Series), FORM_OUTLET(view_series_btn), FORM_OUTLET(data_source_help_btn),
        FORM_OUTLET(manual_brws_box), FORM_OUTLET(Manual_image_path), FORM_OUTLET(manual_browse_btn),
        FORM_OUTLET(library_browse_btn), FORM_OUTLET(text_value_scrollView), FORM_OUTLET(text_value_lbl),
        FORM_OUTLET(Text_value_Edit), FORM_OUTLET(Text_Date_Time_Box), FORM_OUTLET(Text_Date_style),
        FORM_OUTLET(insert_date_btn), FORM_OUTLET(Text_Time_style), FORM_OUTLET(insert_time_btn),
        FORM_OUTLET(insert_template_btn), FORM_OUTLET(design_browse_excel_box), FORM_OUTLET(excel_path_field),
        FORM_OUTLET(excel_browse_btn), FORM_OUTLET(view_excel_btn));
}

// The value editor keeps this many characters.
constexpr int kMaximumValueLength = 250;

void selectFirst(QComboBox *list)
{
    if (list->count() > 0)
        list->setCurrentIndex(0);
}

// The text at the value editor's selection (or caret).
void insertAtSelection(QPlainTextEdit *editor, const QString &text)
{
    QTextCursor cursor = editor->textCursor();
    cursor.insertText(text);
    editor->setTextCursor(cursor);
}

QString chosenPattern(const QComboBox *list)
{
    return list->currentIndex() >= 0 ? Trim_Str(list->currentText()) : QString();
}

} // namespace

DataSourcePanel::DataSourcePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::DataSourcePanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    platform::ui::fillCombo(Text_Date_style, {QStringLiteral("M-d-yyyy"), QStringLiteral("M-d-yy"), QStringLiteral("MM-dd-yy"),
                                              QStringLiteral("MM-dd-yyyy"), QStringLiteral("yy-MM-dd"), QStringLiteral("yyyy-MM-dd"),
                                              QStringLiteral("dd-MMM-yy"), QStringLiteral("dd-MM-yyyy"), QStringLiteral("d-M-yy")});
    selectFirst(Text_Date_style);
    platform::ui::fillCombo(Text_Time_style, {QStringLiteral("h:mm:ss a"), QStringLiteral("hh:mm:ss a"),
                                              QStringLiteral("H:mm:ss"), QStringLiteral("HH:mm:ss")});
    selectFirst(Text_Time_style);
    // The QR edition links no spreadsheet, and its file choice sits under the source box.
    design_browse_excel_box->setVisible(!ONLY_QR_MODE);
    if (ONLY_QR_MODE)
        manual_brws_box->move(Data_source_box_DES->pos() + QPoint(0, 80));

    onClick(manual_browse_btn, this, [this] { Manual_Image_Browse_Btn(); });
    onClick(library_browse_btn, this, [this] { Manual_Library_Browse_Btn(); });
    onClick(insert_date_btn, this, [this] { Text_Insert_Date(); });
    onClick(insert_time_btn, this, [this] { Text_Insert_Time(); });
    onClick(view_series_btn, this, [this] { View_batch_Series_Button(); });
    onClick(data_source_help_btn, this, [this] { Data_Source_Help_Button(); });
    onClick(excel_browse_btn, this, [this] { emit excelBrowseRequested(); });
    onClick(view_excel_btn, this, [this] { emit excelViewRequested(); });
    onSelection({Data_source_type, Batch_Series, Text_Date_style, Text_Time_style}, this,
                [this](QComboBox *list) { comboBoxSelectionDidChange(list); });
    connect(&platform::TextNotifications::instance(), &platform::TextNotifications::textDidChange, this,
            &DataSourcePanel::textDidChange);
    connect(&platform::TextNotifications::instance(), &platform::TextNotifications::textDidEndEditing, this,
            [this](QObject *view) {
                if (view == Text_value_Edit)
                    emit textValueEditingEnded();
            });
}

DataSourcePanel::~DataSourcePanel() = default;

void DataSourcePanel::Show_Text_Source_Tab()
{
    data_source_title->setText(QStringLiteral("Text Source"));
    shown({manual_brws_box}, false);
    shown({Text_Date_Time_Box, Text_value_Edit, text_value_lbl, text_value_scrollView}, true);
    Set_Text_Value_Editable();
}

void DataSourcePanel::Show_Image_Source_Tab()
{
    data_source_title->setText(QStringLiteral("Image Source"));
    shown({manual_brws_box}, true);
    // A picture has no text value of its own.
    shown({Text_Date_Time_Box, Text_value_Edit, text_value_lbl, text_value_scrollView}, false);
    if (ONLY_QR_MODE)
        shown({Data_source_box_DES}, false);
}

void DataSourcePanel::Set_Text_Value_Editable()
{
    Text_value_Edit->setReadOnly(Data_source_type->currentText() != QLatin1String("Manual"));
}

void DataSourcePanel::Set_Bound_Source_Controls(bool bound)
{
    view_series_btn->setEnabled(bound);
    Batch_Series->setEnabled(bound);
    Text_value_Edit->setReadOnly(bound);
    insert_template_btn->setEnabled(!bound);
    SetObjEnabled(manual_brws_box, !bound);
    SetObjEnabled(Text_Date_Time_Box, !bound);
}

namespace {

// The source type of the object, when the list holds it; the list's own handling follows.
void chooseSourceType(QComboBox *list, const SKTGraphic &g)
{
    if (g.data_source_type >= 0 && g.data_source_type < list->count())
        list->setCurrentIndex(g.data_source_type);
}

} // namespace

void DataSourcePanel::Fill_Text_Source(const SKTGraphic &g)
{
    Text_value_Edit->setPlainText(g._Text_contents ? g._Text_contents->characters : g.Text_Value);
    // The selector's own handling fills the series list for the source (the window relies on it).
    chooseSourceType(Data_source_type, g);
    const QSignalBlocker block(Batch_Series);
    if (g.data_source_type == 1) {
        Batch_Series->setCurrentIndex(-1);
        if (g.batch_list_name.isEmpty())
            Batch_Series->setCurrentIndex(Batch_Series->count() > 0 ? 0 : -1);   // the placeholder
        else
            Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
    } else if (g.data_source_type == 2) {
        Batch_Series->setCurrentIndex(g.excel_col_indx < 0 ? 0 : g.excel_col_indx);
    }
}

void DataSourcePanel::Fill_Image_Source(const SKTGraphic &g)
{
    Manual_image_path->setPlainText(g._file_path);
    chooseSourceType(Data_source_type, g);
    const QSignalBlocker block(Batch_Series);
    if (g.data_source_type == 1) {
        Batch_Series->setCurrentIndex(-1);   // a picture without a series shows none
        if (!g.batch_list_name.isEmpty())
            Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
    } else if (g.data_source_type == 2 && g.excel_col_indx != -1) {
        Batch_Series->setCurrentIndex(g.excel_col_indx);
    }
}

void DataSourcePanel::Fill_Sign_Source(const SKTGraphic &g)
{
    chooseSourceType(Data_source_type, g);
    if (!g.batch_list_name.isEmpty()) {
        const QSignalBlocker block(Batch_Series);
        Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
    }
}

void DataSourcePanel::Show_Excel_Link(bool linked)
{
    view_excel_btn->setEnabled(linked);
    if (linked)
        return;
    excel_path_field->setEnabled(true);
    excel_browse_btn->setEnabled(true);
}

void DataSourcePanel::Manual_Image_Browse_Btn() { emit pictureBrowseRequested(); }

void DataSourcePanel::Manual_Library_Browse_Btn() { emit libraryBrowseRequested(); }

void DataSourcePanel::Text_Insert_Date()
{
    const QString pattern = chosenPattern(Text_Date_style);
    if (pattern.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select Date format."));
        return;
    }
    insertAtSelection(Text_value_Edit, Get_date_Value(pattern));
    emit transferRequested();
}

void DataSourcePanel::Text_Insert_Time()
{
    const QString pattern = chosenPattern(Text_Time_style);
    if (pattern.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select Time format."));
        return;
    }
    insertAtSelection(Text_value_Edit, Get_time_Value(pattern));
    emit transferRequested();
}

void DataSourcePanel::View_batch_Series_Button(QObject *)
{
    const QString title = Data_source_type->currentText();
    if (title == QLatin1String("Manual"))
        return;
    if (title == QLatin1String("Series")) {
        const QString name = Trim_Str(Batch_Series->currentText());
        if (name.isEmpty() || name == combo_first_Select) {
            Show_MessageBox(QStringLiteral("Please select the series."));
            return;
        }
        emit seriesViewRequested(name);
        return;
    }
    emit excelDataViewRequested();
}

void DataSourcePanel::Data_Source_Help_Button(QObject *)
{
    Long_SMS_Dlg *dialog = Long_SMS_Dlg::defaultInstance();
    dialog->title_val = QStringLiteral("Batch Processing Settings Help :");
    dialog->msg_val_str = QStringLiteral("Select Data Source as 'Manual' to enter value manually.\n"
                                         "Select 'Series' to fetch the value from the list of existing Batch "
                                         "Processing Series.");
    dialog->show_single_button = true;
    dialog->apply_chk_show = false;
    dialog->Open_Long_sms_Dialog();
}

void DataSourcePanel::comboBoxSelectionDidChange(QComboBox *combo)
{
    if (combo == Data_source_type)
        emit dataSourceChosen();
    else if (combo == Batch_Series && !data_source_change_main)
        emit seriesOrColumnChosen();
}

void DataSourcePanel::textDidChange(QObject *view)
{
    if (view != Text_value_Edit)
        return;
    try {
        if (Text_value_Edit->toPlainText().size() > kMaximumValueLength) {
            // Keep the first characters, and the cursor where the typing was.
            const int cursor = std::min(Text_value_Edit->textCursor().position(), kMaximumValueLength);
            Text_value_Edit->setPlainText(Text_value_Edit->toPlainText().left(kMaximumValueLength));
            QTextCursor c = Text_value_Edit->textCursor();
            c.setPosition(cursor);
            Text_value_Edit->setTextCursor(c);
        }
        emit textValueEdited(Text_value_Edit->toPlainText());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

#include "moc_DataSourcePanel.cpp"
