#include "advqr/Edit_ADV_QR_Type.h"

#include "barcodemode/QrCategoryImages.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/ComboItems.h"
#include "platform/Dialogs.h"

#include "ui_Edit_ADV_QR_Type.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <exception>

Edit_ADV_QR_Type *EDIT_QR_var = nullptr;

namespace {
void bindEditor(Edit_ADV_QR_Type &e, const Ui::Edit_ADV_QR_Type &ui)
{
    e.Sel_Qr_Type_Label = ui.Sel_Qr_Type_Label;
    e.Selected_Qr_Category = ui.Selected_Qr_Category;
    e.qr_type_list = ui.qr_type_list;
    e.adv_qr_final_value = ui.adv_qr_final_value;
    e.ok_button = ui.ok_button;
    e.cancel_button = ui.cancel_button;
}
} // namespace

Edit_ADV_QR_Type *Edit_ADV_QR_Type::defaultInstance()
{
    if (!EDIT_QR_var)
        EDIT_QR_var = new Edit_ADV_QR_Type;   // lives for the whole process
    return EDIT_QR_var;
}

Edit_ADV_QR_Type::Edit_ADV_QR_Type() { awakeFromNib(); }

void Edit_ADV_QR_Type::awakeFromNib()
{
    window = new QDialog;
    Ui::Edit_ADV_QR_Type ui;
    ui.setupUi(window);
    bindEditor(*this, ui);
    platform::ui::fillCombo(qr_type_list, qr_category::titles());
    connect(qr_type_list, &QComboBox::activated, this, [this] { QR_Text_Clicked(qr_type_list->currentText()); });
    // The payload is its own summary: it follows every keystroke.
    connect(adv_qr_final_value, &QPlainTextEdit::textChanged, this,
            [this] { SEL_QR_DISPLAY_VALUE = Trim_Str(adv_qr_final_value->toPlainText()); });
    connect(ok_button, &QPushButton::clicked, this, &Edit_ADV_QR_Type::OK_Clicked);
    connect(cancel_button, &QPushButton::clicked, this, &Edit_ADV_QR_Type::Cancel_Clicked);
}

int Edit_ADV_QR_Type::Open_ADV_QR_EDIT_Window()
{
    try {
        SEL_QR_DISPLAY_VALUE.clear();
        QR_Text_Clicked(Selected_Qr_Category->text());
        adv_qr_final_value->setPlainText(Final_adv_qr_val);
        Assign_QR_Value_Text_Acc_Type();
        m_runEnded = false;
        m_runResult = 0;
        platform::runModal(*window);
        window->hide();
        if (m_runEnded && m_runResult == 1) {
            Assign_QR_Value_Text_Acc_Type();
            return 1;
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return 0;
}

void Edit_ADV_QR_Type::endRun(int code)
{
    m_runEnded = true;
    m_runResult = code;
    window->done(code);
}

void Edit_ADV_QR_Type::OK_Clicked()
{
    if (Trim_Str(adv_qr_final_value->toPlainText()).isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter text."));
        return;
    }
    endRun(1);
}

void Edit_ADV_QR_Type::Cancel_Clicked() { endRun(0); }

void Edit_ADV_QR_Type::QR_Text_Clicked(const QString &title)
{
    const QString type = title.isEmpty() ? QStringLiteral("Text") : title;
    Selected_Qr_Category->setText(type);
    Sel_Qr_Type_Label->setText(QStringLiteral("Generate QR Code for %1").arg(type));
    const int item = qr_type_list->findText(type);
    if (item >= 0)
        qr_type_list->setCurrentIndex(item);
}

void Edit_ADV_QR_Type::Assign_QR_Value_Text_Acc_Type()
{
    const QString payload = Trim_Str(adv_qr_final_value->toPlainText());
    SEL_QR_DISPLAY_VALUE = payload;
    Set_Adv_Qr_Final_value(payload);
}

void Edit_ADV_QR_Type::Set_Adv_Qr_Final_value(const QString &payload)
{
    const QString trimmed = Trim_Str(payload);
    const QString shown = trimmed.isEmpty() ? QStringLiteral(" ") : trimmed;
    if (adv_qr_final_value->toPlainText() != shown)
        adv_qr_final_value->setPlainText(shown);
}

QString Edit_ADV_QR_Type::Get_Adv_QR_Final_Str_Value() const
{
    return adv_qr_final_value ? adv_qr_final_value->toPlainText() : QString();
}
