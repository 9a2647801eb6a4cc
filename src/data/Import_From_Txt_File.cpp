#include "data/Import_From_Txt_File.h"

#include "core/Messages.h"
#include "platform/Dialogs.h"

#include "ui_Import_From_Txt_File.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

std::atomic<bool> overwrite_text_load_row{false};
std::atomic<int> Import_Error_Rerult{0};
Import_From_Txt_File *Import_From_Txt_File::imp_txt_Window = nullptr;

Import_From_Txt_File::Import_From_Txt_File(QWidget *parent) : QDialog(parent)
{
    Ui::Import_From_Txt_File ui;
    ui.setupUi(this);
    file_path = ui.file_path;
    chk_value = ui.chk_value;
    chk_header = ui.chk_header;
    chk_footer = ui.chk_footer;
    chk_pq = ui.chk_pq;
    radioButton_At_Start = ui.radioButton_At_Start;
    radioButton_At_End = ui.radioButton_At_End;
    browseButton = ui.BrowsePressed;
    okButton = ui.OKPressed;
    cancelButton = ui.CancelPressed;
    radioButton_At_Start->setChecked(true);
    connect(okButton, &QPushButton::clicked, this, &Import_From_Txt_File::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Import_From_Txt_File::CancelPressed);
    connect(browseButton, &QPushButton::clicked, this, &Import_From_Txt_File::BrowsePressed);
    connect(radioButton_At_Start, &QRadioButton::clicked, this, &Import_From_Txt_File::Start_Radio_Pressed);
    connect(radioButton_At_End, &QRadioButton::clicked, this, &Import_From_Txt_File::End_Radio_Pressed);
    if (!imp_txt_Window)
        imp_txt_Window = this;
}

Import_From_Txt_File::~Import_From_Txt_File()
{
    if (imp_txt_Window == this)
        imp_txt_Window = nullptr;
}

int Import_From_Txt_File::runWindow()
{
    m_handled = false;
    m_result = 0;
    platform::runModal(*this);
    if (!m_handled)
        CancelPressed();
    hide();
    return m_result;
}

void Import_From_Txt_File::OKPressed()
{
    try {
        if (!chk_value->isChecked() && !chk_header->isChecked() && !chk_footer->isChecked() && !chk_pq->isChecked()) {
            Show_MessageBox(QStringLiteral("Please select at least one from 'Create List Option'."));
            chk_value->setFocus();
            return;
        }
        overwrite_text_load_row = radioButton_At_Start->isChecked() && !radioButton_At_End->isChecked();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    m_handled = true;
    m_result = 1;
    done(1);
}

void Import_From_Txt_File::CancelPressed()
{
    m_handled = true;
    m_result = 0;
    done(0);
}

void Import_From_Txt_File::Start_Radio_Pressed()
{
    radioButton_At_Start->setChecked(true);
    radioButton_At_End->setChecked(false);
}

void Import_From_Txt_File::End_Radio_Pressed()
{
    radioButton_At_End->setChecked(true);
    radioButton_At_Start->setChecked(false);
}

void Import_From_Txt_File::BrowsePressed()
{
    platform::OpenPanelRequest request;
    request.extensions = {QStringLiteral("txt"), QStringLiteral("TXT"), QStringLiteral("rtf"),
                          QStringLiteral("RTF"), QStringLiteral("csv"), QStringLiteral("CSV")};
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        file_path->setText(chosen.first());
}
