#include "advqr/Edit_ADV_QR_Type.h"

#include "advqr/AdvQrController.h"
#include "advqr/QrPanelBase.h"
#include "advqr/QrPanelFields.h"
#include "advqr/QrPayload.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "core/QrCategoryImages.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"

#include "ui_Edit_ADV_QR_Type.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalBlocker>

#include <exception>

Edit_ADV_QR_Type *EDIT_QR_var = nullptr;

namespace {

void bindEditor(Edit_ADV_QR_Type &e, const Ui::Edit_ADV_QR_Type &ui)
{
    [[maybe_unused]] const auto &[layout_main, layout_body, qr_type_box, QR_Type_Grid, layout_input, Sel_Qr_Type_Label,
                                  Selected_Qr_Category, QR_Input_sclview, payload_caption, adv_qr_final_value,
                                  QR_Panel_Holder, layout_buttons, reset_button, spacer_buttons, cancel_button,
                                  ok_button] = ui;
    e.Sel_Qr_Type_Label = ui.Sel_Qr_Type_Label;
    e.Selected_Qr_Category = ui.Selected_Qr_Category;
    e.QR_Input_sclview = ui.QR_Input_sclview;
    e.QR_Panel_Holder = ui.QR_Panel_Holder;
    e.adv_qr_final_value = ui.adv_qr_final_value;
    e.reset_button = ui.reset_button;
    e.ok_button = ui.ok_button;
    e.cancel_button = ui.cancel_button;
}

AdvQrController *mode() { return AdvQrController::current(); }

QString reasonOf(const std::exception &e) { return QString::fromUtf8(e.what()); }

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
    window->setWindowModality(Qt::ApplicationModal);
    Ui::Edit_ADV_QR_Type ui;
    ui.setupUi(window);
    bindEditor(*this, ui);
    // The type buttons, three to a row; a button's title is its type.
    const QStringList titles = qr_category::titles();
    for (int i = 0; i < titles.size(); ++i) {
        const QString title = titles.at(i);
        QString name = QStringLiteral("QR_Type_") + title;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
        if (name.endsWith(QLatin1Char('_')))
            name.chop(1);
        auto *b = new QPushButton(title, ui.qr_type_box);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        ui.QR_Type_Grid->addWidget(b, i / 3, i % 3);
        QR_Type_Buttons << b;
        connect(b, &QPushButton::clicked, this, [this, title] { QR_Text_Clicked(title); });
    }
    ui.QR_Type_Grid->setRowStretch(int(titles.size()) / 3 + 1, 1);
    connect(ok_button, &QPushButton::clicked, this, &Edit_ADV_QR_Type::OK_Clicked);
    connect(cancel_button, &QPushButton::clicked, this, &Edit_ADV_QR_Type::Cancel_Clicked);
    connect(reset_button, &QPushButton::clicked, this, &Edit_ADV_QR_Type::ADV_QR_Reset_All_Clicked);
}

int Edit_ADV_QR_Type::Open_ADV_QR_EDIT_Window()
{
    AdvQrController *owner = mode();
    // The panels are the Advanced QR mode's too: what the user typed there comes back on closing.
    const qrpayload::QrFields modeFields = Read_QR_Panel_Fields();
    int result = 0;
    try {
        if (owner)
            owner->Release_Type_Panel();
        const QString title = Selected_Qr_Category->text();
        Sel_Qr_Type_Label->setText(QStringLiteral("Generate QR Code for %1").arg(title));
        // The Text panel first, showing the control of the type with its open-link button hidden.
        showPanel(Qr_Text_OBJ);
        if (Qr_Text_OBJ)
            Qr_Text_OBJ->Show_Hide_Open_URL_Button(true, title);
        ADV_QR_Var_loading = false;
        if (owner)
            owner->Reset_All_ADV_QR_Fields();
        else
            Empty_QR_Panels();
        AQR_Memory.clear();
        SEL_QR_DISPLAY_VALUE = QStringLiteral("");
        // A type outside the table parses and builds nothing: the stored payload and summary stay.
        if (qrpayload::Panel_For_Title(title) == qrpayload::QrPanel::None) {
            Set_Adv_Qr_Final_value(Final_adv_qr_val);
            SEL_QR_DISPLAY_VALUE = DisP_adv_qr_val;
        }
        Set_Text_On_Controls();
        // The parsed fields are built (and remembered) before the type's memory is loaded.
        Assign_QR_Value_Text_Acc_Type();
        Show_Hide_QR_Type_Panel();
        m_runEnded = false;
        m_runResult = 0;
        window->setResult(0);   // a window closed by other means than a button answers Cancel
        platform::runModal(*window);
        window->hide();
        if (m_runEnded && m_runResult == 1) {
            Assign_QR_Value_Text_Acc_Type();
            result = 1;
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
        result = 0;
    }
    // The mode's panel and fields come back as they were; its background well follows its box.
    releasePanel();
    Write_QR_Panel_Fields(modeFields, qrpayload::QrPanel::None);
    if (owner) {
        owner->Take_Back_Type_Panel();
        if (owner->ADV_QR_back_bg_clr)
            owner->ADV_QR_back_bg_clr->setEnabled(!(owner->ADV_QR_transp_bg_chk && owner->ADV_QR_transp_bg_chk->isChecked()));
    }
    return result;
}

void Edit_ADV_QR_Type::Set_Text_On_Controls()
{
    const QString title = Selected_Qr_Category->text();
    const qrpayload::QrPanel panel = qrpayload::Panel_For_Title(title);
    if (panel == qrpayload::QrPanel::None)
        return;
    Write_QR_Panel_Fields(qrpayload::Parse_QR_Payload(title, Final_adv_qr_val, DisP_adv_qr_val), panel);
}

void Edit_ADV_QR_Type::endRun(int code)
{
    m_runEnded = true;
    m_runResult = code;
    window->done(code);
}

void Edit_ADV_QR_Type::OK_Clicked()
{
    const QString title = Selected_Qr_Category->text();
    if (const std::optional<QString> failed = qrpayload::Validate_QR_Fields(title, Read_QR_Panel_Fields())) {
        Show_MessageBox(*failed);
        return;
    }
    endRun(1);
}

void Edit_ADV_QR_Type::Cancel_Clicked() { endRun(0); }

void Edit_ADV_QR_Type::ADV_QR_Reset_All_Clicked()
{
    try {
        if (Show_YES_NO_MessageBox(QStringLiteral("Do you want to reset all QR code settings to default?")) != 1)
            return;
        Set_Adv_Qr_Final_value(QStringLiteral("Sample Text"));
        Selected_Qr_Category->setText(QStringLiteral("Text"));
        Sel_Qr_Type_Label->setText(QStringLiteral("Generate QR Code for %1").arg(QStringLiteral("Text")));
        Configure_QR_Type_Panel(QStringLiteral("Text"));
        showPanel(Qr_Text_OBJ);
        if (AdvQrController *owner = mode())
            owner->Reset_All_ADV_QR_Fields();
        else
            Empty_QR_Panels();
        AQR_Memory.clear();
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Edit_ADV_QR_Type::QR_Text_Clicked(const QString &title)
{
    Selected_Qr_Category->setText(title);
    Sel_Qr_Type_Label->setText(QStringLiteral("Generate QR Code for %1").arg(title));
    Show_Hide_QR_Type_Panel();
}

void Edit_ADV_QR_Type::Show_Hide_QR_Type_Panel()
{
    try {
        ADV_QR_Var_loading = true;
        const QString title = Selected_Qr_Category->text();
        Load_Last_AQR_Values();
        Configure_QR_Type_Panel(title);
        if (QrPanelBase *panel = QR_Panel_Of(qrpayload::Panel_For_Title(title)))
            showPanel(panel);
        Assign_QR_Value_Text_Acc_Type();
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
    ADV_QR_Var_loading = false;
}

void Edit_ADV_QR_Type::Load_Last_AQR_Values() { AQR_Memory.load(Selected_Qr_Category->text()); }

void Edit_ADV_QR_Type::Save_Last_AQR_Values()
{
    if (!ADV_QR_Var_loading)
        AQR_Memory.save(Selected_Qr_Category->text());
}

void Edit_ADV_QR_Type::Assign_QR_Value_Text_Acc_Type()
{
    try {
        const QString title = Selected_Qr_Category->text();
        const qrpayload::Result built = qrpayload::Build_QR_Payload(title, Read_QR_Panel_Fields());
        if (!built.payload)
            return;   // an unknown type: payload and summary stay
        SEL_QR_DISPLAY_VALUE = built.summary;
        Set_Adv_Qr_Final_value(*built.payload);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void Edit_ADV_QR_Type::Set_Adv_Qr_Final_value(const QString &payload)
{
    const QString trimmed = Trim_Str(payload);
    m_payload = trimmed.isEmpty() ? QStringLiteral(" ") : trimmed;
    {
        const QSignalBlocker block(adv_qr_final_value);
        adv_qr_final_value->setPlainText(m_payload);
    }
    Save_Last_AQR_Values();
}

QString Edit_ADV_QR_Type::chosenType() const
{
    return Selected_Qr_Category ? Selected_Qr_Category->text() : QString();
}

void Edit_ADV_QR_Type::setChosenType(const QString &title)
{
    if (Selected_Qr_Category)
        Selected_Qr_Category->setText(title);
}

QString Edit_ADV_QR_Type::Get_Adv_QR_Final_Str_Value() const
{
    return m_payload.isNull() ? QStringLiteral("") : m_payload;
}

void Edit_ADV_QR_Type::showPanel(QWidget *panel)
{
    if (!panel || QR_Input_sclview->widget() == panel)
        return;
    releasePanel();   // the scroll view would delete the panel it gives up
    QR_Input_sclview->setWidget(panel);
    panel->show();
}

void Edit_ADV_QR_Type::releasePanel()
{
    if (QWidget *old = QR_Input_sclview->takeWidget()) {
        AdvQrController *owner = mode();
        old->setParent(owner && owner->QR_Panel_Holder ? owner->QR_Panel_Holder : QR_Panel_Holder);
        old->hide();
    }
}
