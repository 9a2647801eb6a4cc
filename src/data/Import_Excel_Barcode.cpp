#include "data/Import_Excel_Barcode.h"

#include "core/Messages.h"
#include "data/Import_From_Txt_File.h"
#include "data/SheetColumnPicker.h"
#include "data/ValueListHost.h"
#include "io/ExcelRowLimit.h"
#include "platform/Dialogs.h"

#include "ui_Import_Excel_Barcode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <exception>

Import_Excel_Barcode::Import_Excel_Barcode(ValueListHost &list, QWidget *parent)
    : QDialog(parent), m_list(list)
{
    Ui::Import_Excel_Barcode ui;
    ui.setupUi(this);
    file_path = ui.file_path;
    contains_header = ui.contains_header;
    Sheet_ComboBox = ui.Sheet_ComboBox;
    chk_value = ui.chk_value;
    chk_header = ui.chk_header;
    chk_footer = ui.chk_footer;
    chk_pq = ui.chk_pq;
    value_ComboBox = ui.value_ComboBox;
    header_ComboBox = ui.header_ComboBox;
    footer_ComboBox = ui.footer_ComboBox;
    pq_ComboBox = ui.pq_ComboBox;
    radioButton_At_Start = ui.radioButton_At_Start;
    radioButton_At_End = ui.radioButton_At_End;
    okButton = ui.OKPressed;
    cancelButton = ui.CancelPressed;

    connect(okButton, &QPushButton::clicked, this, &Import_Excel_Barcode::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Import_Excel_Barcode::CancelPressed);
    connect(radioButton_At_Start, &QRadioButton::clicked, this, &Import_Excel_Barcode::Start_Radio_Pressed);
    connect(radioButton_At_End, &QRadioButton::clicked, this, &Import_Excel_Barcode::End_Radio_Pressed);
    connect(chk_value, &QCheckBox::clicked, this, &Import_Excel_Barcode::VAL_Chkbox_Checked);
    connect(chk_header, &QCheckBox::clicked, this, &Import_Excel_Barcode::HDR_Chkbox_Checked);
    connect(chk_footer, &QCheckBox::clicked, this, &Import_Excel_Barcode::FTR_Chkbox_Checked);
    connect(chk_pq, &QCheckBox::clicked, this, &Import_Excel_Barcode::PQT_Chkbox_Checked);
    for (QComboBox *combo : {Sheet_ComboBox, value_ComboBox, header_ComboBox, footer_ComboBox, pq_ComboBox})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
}

void Import_Excel_Barcode::Open_excel_Wnd(const QString &path)
{
    // The workbook's unpacked parts hold the user's values: they go however the window ends.
    const struct ReadEnds {
        ~ReadEnds() { SpreadsheetWriter::EndRead(); }
    } readEnds;
    Excel_Sheet_Number = 1;
    file_path->setText(path);
    contains_header->setChecked(true);
    radioButton_At_Start->setChecked(true);
    radioButton_At_End->setChecked(false);
    for (QCheckBox *box : {chk_value, chk_header, chk_footer, chk_pq})
        box->setChecked(false);
    {
        const QSignalBlocker block(Sheet_ComboBox);
        Sheet_ComboBox->clear();
    }
    Refresh_Column_Combo();
    for (QComboBox *combo : {value_ComboBox, header_ComboBox, footer_ComboBox, pq_ComboBox})
        combo->setEnabled(false);
    val_col = hdr_col = ftr_col = pq_col = -1;
    excel_content.clear();
    sheets.clear();
    if (!Load_file_Func(path)) {
        Show_MessageBox(Workbook_Refusal(path));
        return;
    }
    m_handled = false;
    platform::runModal(*this);
    if (!m_handled)
        CancelPressed();
    hide();
}

bool Import_Excel_Barcode::Load_file_Func(const QString &path)
{
    ValueListHost::WaitSheet sheet(m_list);
    // Unpacked off the GUI thread, so that the please-wait sheet paints meanwhile.
    runOffGuiThread([&path] { SpreadsheetWriter::ReadWorkbook(path, true); });
    if (SpreadsheetWriter::lastReadFailed() || !spreadsheet)
        return false;
    if (!QFileInfo(spreadsheet->tmpDir + QStringLiteral("/xl/worksheets")).isDir())
        return false;
    sheets = SpreadsheetWriter::Read_Sheets();
    if (sheets.isEmpty())
        return false;
    {
        const QSignalBlocker block(Sheet_ComboBox);
        for (const SpreadsheetWriter::Sheet &s : sheets)
            Sheet_ComboBox->addItem(s.name);
        Sheet_ComboBox->setCurrentIndex(-1);
    }
    sheet.hide();
    Sheet_ComboBox->setCurrentIndex(0);   // reads the first sheet's titles
    return true;
}

void Import_Excel_Barcode::Refresh_Column_Combo()
{
    for (QComboBox *combo : {value_ComboBox, header_ComboBox, footer_ComboBox, pq_ComboBox}) {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->setEditText(QString());
    }
    val_col = hdr_col = ftr_col = pq_col = -1;
}

void Import_Excel_Barcode::comboBoxSelectionDidChange(QComboBox *combo)
{
    try {
        if (combo == Sheet_ComboBox) {
            const int index = Sheet_ComboBox->currentIndex();
            if (index < 0 || index >= sheets.size())
                return;
            Excel_Sheet_Number = sheets.at(index).part;
            Refresh_Column_Combo();
            const SpreadsheetWriter::Rows header = SpreadsheetWriter::ReadData_only_column();
            if (SpreadsheetWriter::lastReadFailed()) {
                Show_MessageBox(SpreadsheetWriter::unreadableMessage());
                return;
            }
            if (header.isEmpty() || header.first().isEmpty())
                return;
            for (QComboBox *column : {value_ComboBox, header_ComboBox, footer_ComboBox, pq_ComboBox}) {
                column->addItems(header.first());
                column->setCurrentIndex(0);
            }
            return;
        }
        const int index = combo->currentIndex();
        if (combo == value_ComboBox)
            val_col = index;
        else if (combo == header_ComboBox)
            hdr_col = index;
        else if (combo == footer_ComboBox)
            ftr_col = index;
        else if (combo == pq_ComboBox)
            pq_col = index;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Import_Excel_Barcode::VAL_Chkbox_Checked() { value_ComboBox->setEnabled(chk_value->isChecked()); }
void Import_Excel_Barcode::HDR_Chkbox_Checked() { header_ComboBox->setEnabled(chk_header->isChecked()); }
void Import_Excel_Barcode::FTR_Chkbox_Checked() { footer_ComboBox->setEnabled(chk_footer->isChecked()); }
void Import_Excel_Barcode::PQT_Chkbox_Checked() { pq_ComboBox->setEnabled(chk_pq->isChecked()); }

void Import_Excel_Barcode::Start_Radio_Pressed()
{
    radioButton_At_Start->setChecked(true);
    radioButton_At_End->setChecked(false);
}

void Import_Excel_Barcode::End_Radio_Pressed()
{
    radioButton_At_End->setChecked(true);
    radioButton_At_Start->setChecked(false);
}

void Import_Excel_Barcode::OKPressed()
{
    try {
        if (!chk_value->isChecked() && !chk_header->isChecked() && !chk_footer->isChecked() && !chk_pq->isChecked()) {
            Show_MessageBox(QStringLiteral("Please select at least one from 'Create List Option'."));
            chk_value->setFocus();
            return;
        }
        const struct {
            QCheckBox *box;
            QComboBox *column;
            const char *message;
        } checks[] = {
            {chk_value, value_ComboBox, "Please select column for 'Barcode Value' list."},
            {chk_header, header_ComboBox, "Please select column for 'Barcode Header' list."},
            {chk_footer, footer_ComboBox, "Please select column for 'Barcode Footer' list."},
            {chk_pq, pq_ComboBox, "Please select column for 'Barcode Print Quantity' list."},
        };
        for (const auto &check : checks)
            if (check.box->isChecked() && check.column->currentIndex() < 0) {
                Show_MessageBox(QString::fromLatin1(check.message));
                return;
            }
        overwrite_text_load_row = radioButton_At_Start->isChecked() && !radioButton_At_End->isChecked();
        Insert_file_Func(file_path->text());
        excel_content.clear();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        finish(1);
    }
}

void Import_Excel_Barcode::Insert_file_Func(const QString &path)
{
    try {
        ValueListHost::WaitSheet sheet(m_list);
        runOffGuiThread([this, &path] { excel_content = SpreadsheetWriter::ReadWorkbook(path, false); });
        if (SpreadsheetWriter::lastReadFailed()) {
            sheet.hide();
            Show_MessageBox(SpreadsheetWriter::unreadableMessage());
            finish(1);
            return;
        }
        const int R = checkMaxExcelRowCount(int(excel_content.size()));
        const QList<ValueRecord> &records = m_list.records();
        const int L = int(records.size());
        int w = L;
        if (overwrite_text_load_row) {
            w = 0;
            m_list.setPrevListItemCount(0);
        }
        const bool ticked[4] = {chk_value->isChecked(), chk_header->isChecked(), chk_footer->isChecked(),
                                chk_pq->isChecked()};
        const int column[4] = {val_col, hdr_col, ftr_col, pq_col};
        for (int i = contains_header->isChecked() ? 1 : 0; i < R; ++i) {
            const QStringList &row = excel_content.at(i);
            if (row.isEmpty())
                continue;
            QString values[4];
            if (w < L) {
                const ValueRecord &own = records.at(w);
                values[0] = own.value(value_list::kValue);
                values[1] = own.value(value_list::kHeader);
                values[2] = own.value(value_list::kFooter);
                values[3] = own.value(value_list::kPQ);
            }
            for (int f = 0; f < 4; ++f)
                if (ticked[f] && column[f] >= 0 && column[f] < row.size())
                    values[f] = row.at(column[f]);
            if (w < L)
                m_list.Replace_Item_List(values[0], values[1], values[2], values[3], w);
            else   // after the last row: at the end, also when a row before was refused
                m_list.Create_Item_List(values[0], values[1], values[2], values[3], int(records.size()));
            ++w;
        }
        m_list.Reload_List();
        sheet.hide();
        const int count = int(records.size());
        if (count == 0 || count == m_list.prevListItemCount())
            Show_MessageBox(SpreadsheetWriter::unreadableMessage());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    finish(1);
}

void Import_Excel_Barcode::CancelPressed()
{
    excel_content.clear();
    finish(0);
}

void Import_Excel_Barcode::finish(int code)
{
    m_handled = true;
    done(code);
}
