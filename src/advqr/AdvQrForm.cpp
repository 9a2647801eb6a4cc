// The Advanced QR mode's part of the window description "DrawWindow": the page frame, the type bar,
// the input area, the preview and the settings column, each from its form.
//
// Each binding function names every member of its form once, in the form's order, through a
// structured binding: a widget added to a form and not bound (or listed as not an outlet) fails to
// compile, and so does an outlet the form lacks.

#include "advqr/AdvQrPanel.h"

#include "advqr/AdvQrController.h"


#include "advqr/QrPanelBase.h"
#include "platform/ComboItems.h"
#include "platform/WheelGuard.h"

#include "ui_AdvQrPage.h"
#include "ui_QrFooterBox.h"
#include "ui_QrHeaderBox.h"
#include "ui_QrInputArea.h"
#include "ui_QrLogoBox.h"
#include "ui_QrMarginBox.h"
#include "ui_QrPreview.h"
#include "ui_QrSettings.h"
#include "ui_QrSymbolBox.h"
#include "ui_QrTypeBar.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The type buttons' titles, in the bar's order (three to a row). The titles name the types in code,
// so a button's text is never read back.
const QStringList &qrTypeTitles()
{
    static const QStringList titles = {
        QStringLiteral("Text"),      QStringLiteral("Call"),       QStringLiteral("URL"),
        QStringLiteral("Review"),    QStringLiteral("Meeting"),    QStringLiteral("Mobile App"),
        QStringLiteral("File"),      QStringLiteral("Spotify"),    QStringLiteral("Send SMS"),
        QStringLiteral("WhatsApp"),  QStringLiteral("Coupon"),     QStringLiteral("Contact"),
        QStringLiteral("Facebook"),  QStringLiteral("Snapchat"),   QStringLiteral("Threads"),
        QStringLiteral("Instagram"), QStringLiteral("LinkedIn"),   QStringLiteral("Quora"),
        QStringLiteral("X(Twitter)"), QStringLiteral("Twitter"),   QStringLiteral("YouTube"),
        QStringLiteral("Telegram"),  QStringLiteral("Email"),      QStringLiteral("Feedback"),
        QStringLiteral("Zoom"),      QStringLiteral("WIFI"),       QStringLiteral("Location"),
        QStringLiteral("Event"),     QStringLiteral("UPI"),        QStringLiteral("Bitcoin"),
        QStringLiteral("Crypto")};
    return titles;
}

// ---- Bindings: one per form ----

void bindInputArea(AdvQrController &c, const Ui::QrInputArea &ui)
{
    [[maybe_unused]] const auto &[Selected_Qr_Category, QR_Panel_Holder, Qr_SMS, Qr_Email, Qr_Event, Qr_Wifi, Qr_Social,
                                  Qr_Location, Qr_vCard, Qr_Zoom, Qr_UPI, Qr_Bitcoin, column, Sel_Qr_Type_Label,
                                  QR_Input_sclview, Qr_Text, adv_qr_final_value_lbl, adv_qr_final_value] = ui;
    c.Selected_Qr_Category = ui.Selected_Qr_Category;
    c.QR_Panel_Holder = ui.QR_Panel_Holder;
    c.Qr_SMS = ui.Qr_SMS;
    c.Qr_Email = ui.Qr_Email;
    c.Qr_Event = ui.Qr_Event;
    c.Qr_Wifi = ui.Qr_Wifi;
    c.Qr_Social = ui.Qr_Social;
    c.Qr_Location = ui.Qr_Location;
    c.Qr_vCard = ui.Qr_vCard;
    c.Qr_Zoom = ui.Qr_Zoom;
    c.Qr_UPI = ui.Qr_UPI;
    c.Qr_Bitcoin = ui.Qr_Bitcoin;
    c.Sel_Qr_Type_Label = ui.Sel_Qr_Type_Label;
    c.QR_Input_sclview = ui.QR_Input_sclview;
    c.Qr_Text = ui.Qr_Text;
    c.adv_qr_final_value = ui.adv_qr_final_value;
}

void bindPreview(AdvQrController &c, const Ui::QrPreview &ui)
{
    [[maybe_unused]] const auto &[column, QR_image_scroll, QR_barcodeImage, ADV_QR_barcode_error_label, adv_qr_commands,
                                  commandRow, ADV_QR_Reset_btn, commandStretch, Copy_QR_Code_btn,
                                  Use_ADV_QR_in_Design_btn] = ui;
    c.QR_image_scroll = ui.QR_image_scroll;
    c.QR_barcodeImage = ui.QR_barcodeImage;
    c.ADV_QR_barcode_error_label = ui.ADV_QR_barcode_error_label;
    c.ADV_QR_Reset_btn = ui.ADV_QR_Reset_btn;
    c.Copy_QR_Code_btn = ui.Copy_QR_Code_btn;
    c.Use_ADV_QR_in_Design_btn = ui.Use_ADV_QR_in_Design_btn;
}

void bindSettings(AdvQrController &c, const Ui::QrSettings &ui)
{
    [[maybe_unused]] const auto &[column, ADV_QR_hideHeaderCheckbox, ADV_QR_hdr_box, ADV_QR_hideFooterCheckbox,
                                  ADV_QR_ftr_box, adv_qr_symbol_box, adv_qr_margin_box, ADV_QR_Use_Logo_chk,
                                  ADV_QR_Use_logo_box, bottomStretch] = ui;
    c.ADV_QR_hideHeaderCheckbox = ui.ADV_QR_hideHeaderCheckbox;
    c.ADV_QR_hdr_box = ui.ADV_QR_hdr_box;
    c.ADV_QR_hideFooterCheckbox = ui.ADV_QR_hideFooterCheckbox;
    c.ADV_QR_ftr_box = ui.ADV_QR_ftr_box;
    c.ADV_QR_Use_Logo_chk = ui.ADV_QR_Use_Logo_chk;
    c.ADV_QR_Use_logo_box = ui.ADV_QR_Use_logo_box;
}

void bindHeaderBox(AdvQrController &c, const Ui::QrHeaderBox &ui)
{
    [[maybe_unused]] const auto &[hdrGrid, ADV_QR_HeaderText_lbl, ADV_QR_HeaderText, ADV_QR_header_font_lbl,
                                  ADV_QR_header_font_row, ADV_QR_header_font_layout, ADV_QR_header_font_value,
                                  ADV_QR_hdr_font_btn, ADV_QR_align_hdr_lbl, ADV_QR_align_hdr_combo,
                                  ADV_QR_bar_hdr_clr_lbl, ADV_QR_bar_hdr_clr] = ui;
    c.ADV_QR_HeaderText = ui.ADV_QR_HeaderText;
    c.ADV_QR_header_font_value = ui.ADV_QR_header_font_value;
    c.ADV_QR_hdr_font_btn = ui.ADV_QR_hdr_font_btn;
    c.ADV_QR_align_hdr_combo = ui.ADV_QR_align_hdr_combo;
    c.ADV_QR_bar_hdr_clr = ui.ADV_QR_bar_hdr_clr;
}

void bindFooterBox(AdvQrController &c, const Ui::QrFooterBox &ui)
{
    [[maybe_unused]] const auto &[ftrGrid, ADV_QR_FooterText_lbl, ADV_QR_FooterText, ADV_QR_footer_font_lbl,
                                  ADV_QR_footer_font_row, ADV_QR_footer_font_layout, ADV_QR_footer_font_value,
                                  ADV_QR_ftr_font_btn, ADV_QR_align_ftr_lbl, ADV_QR_align_ftr_combo,
                                  ADV_QR_bar_ftr_clr_lbl, ADV_QR_bar_ftr_clr] = ui;
    c.ADV_QR_FooterText = ui.ADV_QR_FooterText;
    c.ADV_QR_footer_font_value = ui.ADV_QR_footer_font_value;
    c.ADV_QR_ftr_font_btn = ui.ADV_QR_ftr_font_btn;
    c.ADV_QR_align_ftr_combo = ui.ADV_QR_align_ftr_combo;
    c.ADV_QR_bar_ftr_clr = ui.ADV_QR_bar_ftr_clr;
}

void bindSymbolBox(AdvQrController &c, const Ui::QrSymbolBox &ui)
{
    [[maybe_unused]] const auto &[symGrid, ADV_QR_HeightText_2D_lbl, ADV_QR_HeightText_2D_row,
                                  ADV_QR_HeightText_2D_row_layout, ADV_QR_HeightText_2D, ADV_QR_HeightStepper_2D,
                                  ADV_QR_enc_mode_lbl, ADV_QR_enc_mode_ComboBox, ADV_QR_version_lbl,
                                  ADV_QR_version_ComboBox, ADV_QR_ec_lvl_lbl, ADV_QR_ec_lvl_ComboBox,
                                  ADV_QR_barcode_clr_lbl, ADV_QR_barcode_clr, ADV_QR_back_bg_clr_lbl,
                                  ADV_QR_back_bg_clr, ADV_QR_transp_bg_chk] = ui;
    c.ADV_QR_HeightText_2D = ui.ADV_QR_HeightText_2D;
    c.ADV_QR_HeightStepper_2D = ui.ADV_QR_HeightStepper_2D;
    c.ADV_QR_enc_mode_ComboBox = ui.ADV_QR_enc_mode_ComboBox;
    c.ADV_QR_version_ComboBox = ui.ADV_QR_version_ComboBox;
    c.ADV_QR_ec_lvl_ComboBox = ui.ADV_QR_ec_lvl_ComboBox;
    c.ADV_QR_barcode_clr = ui.ADV_QR_barcode_clr;
    c.ADV_QR_back_bg_clr = ui.ADV_QR_back_bg_clr;
    c.ADV_QR_transp_bg_chk = ui.ADV_QR_transp_bg_chk;
}

void bindMarginBox(AdvQrController &c, const Ui::QrMarginBox &ui)
{
    [[maybe_unused]] const auto &[marGrid, adv_qr_hdr_margin_group_lbl, ADV_QR_hdr_mar_lbl, ADV_QR_hdr_mar_row,
                                  ADV_QR_hdr_mar_row_layout, ADV_QR_hdr_mar_Text, ADV_QR_hdr_mar_Stepper,
                                  adv_qr_ftr_margin_group_lbl, ADV_QR_ftr_mar_lbl, ADV_QR_ftr_mar_row,
                                  ADV_QR_ftr_mar_row_layout, ADV_QR_ftr_mar_Text, ADV_QR_ftr_mar_Stepper,
                                  ADV_QR_TB_mar_lbl, ADV_QR_TB_mar_row, ADV_QR_TB_mar_row_layout, ADV_QR_TB_mar_Text,
                                  ADV_QR_TB_mar_Stepper, ADV_QR_LR_mar_lbl, ADV_QR_LR_mar_row,
                                  ADV_QR_LR_mar_row_layout, ADV_QR_LR_mar_Text, ADV_QR_LR_mar_Stepper] = ui;
    c.ADV_QR_hdr_mar_lbl = ui.ADV_QR_hdr_mar_lbl;
    c.ADV_QR_hdr_mar_Text = ui.ADV_QR_hdr_mar_Text;
    c.ADV_QR_hdr_mar_Stepper = ui.ADV_QR_hdr_mar_Stepper;
    c.ADV_QR_ftr_mar_lbl = ui.ADV_QR_ftr_mar_lbl;
    c.ADV_QR_ftr_mar_Text = ui.ADV_QR_ftr_mar_Text;
    c.ADV_QR_ftr_mar_Stepper = ui.ADV_QR_ftr_mar_Stepper;
    c.ADV_QR_TB_mar_lbl = ui.ADV_QR_TB_mar_lbl;
    c.ADV_QR_TB_mar_Text = ui.ADV_QR_TB_mar_Text;
    c.ADV_QR_TB_mar_Stepper = ui.ADV_QR_TB_mar_Stepper;
    c.ADV_QR_LR_mar_lbl = ui.ADV_QR_LR_mar_lbl;
    c.ADV_QR_LR_mar_Text = ui.ADV_QR_LR_mar_Text;
    c.ADV_QR_LR_mar_Stepper = ui.ADV_QR_LR_mar_Stepper;
}

void bindLogoBox(AdvQrController &c, const Ui::QrLogoBox &ui)
{
    [[maybe_unused]] const auto &[logoGrid, ADV_QR_Use_Logo_Image_View, ADV_QR_Use_logo_path,
                                  ADV_QR_logo_browse_btn] = ui;
    c.ADV_QR_Use_Logo_Image_View = ui.ADV_QR_Use_Logo_Image_View;
    c.ADV_QR_Use_logo_path = ui.ADV_QR_Use_logo_path;
    c.ADV_QR_logo_browse_btn = ui.ADV_QR_logo_browse_btn;
}

} // namespace

void AdvQrPanel::build(QWidget *page)
{
    if (!page || c.QR_Input_sclview)
        return;
    auto *pageLayout = qobject_cast<QBoxLayout *>(page->layout());
    if (!pageLayout && !page->layout())
        pageLayout = new QVBoxLayout(page);

    // The frame and its placeholders, which the forms of the parts then fill.
    auto *area = new QWidget(page);
    Ui::AdvQrPage frame;
    frame.setupUi(area);
    [[maybe_unused]] const auto &[row, qr_type_box, adv_qr_input_column, adv_qr_right_column, rightColumn,
                                  adv_qr_preview_box, adv_qr_settings_scroll, adv_qr_settings] = frame;

    // Type bar: the buttons come from the title list.
    Ui::QrTypeBar typeBar;
    typeBar.setupUi(frame.qr_type_box);
    QGridLayout *grid = typeBar.QR_Type_Grid;
    const QStringList &titles = qrTypeTitles();
    for (int i = 0; i < titles.size(); ++i) {
        const QString &title = titles.at(i);
        QString name = QStringLiteral("QR_Type_") + title;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
        if (name.endsWith(QLatin1Char('_')))
            name.chop(1);
        auto *b = new QPushButton(title, frame.qr_type_box);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(b, i / 3, i % 3);
        c.QR_Type_Buttons << b;
        QObject::connect(b, &QPushButton::clicked, this, [this, title] { c.QR_Text_Clicked(title); });
    }
    grid->setRowStretch(int(titles.size()) / 3 + 1, 1);

    // Input area: the Text panel is the scroll view's first document view; the others wait, hidden,
    // in the holder.
    Ui::QrInputArea input;
    input.setupUi(frame.adv_qr_input_column);
    bindInputArea(c, input);
    QFont heading = c.Sel_Qr_Type_Label->font();   // two points above the system font
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() + 2);
    c.Sel_Qr_Type_Label->setFont(heading);
    for (QrPanelBase *panel : std::initializer_list<QrPanelBase *>{c.Qr_Text, c.Qr_SMS, c.Qr_Email, c.Qr_Event, c.Qr_Wifi,
                                                                    c.Qr_Social, c.Qr_Location, c.Qr_vCard, c.Qr_Zoom,
                                                                    c.Qr_UPI, c.Qr_Bitcoin}) {
        // Every edit goes through the window's router: to the payload editor while it is open,
        // else to this mode's builder.
        QObject::connect(panel, &QrPanelBase::edited, this, [this] { c.host().Set_Qr_Type_Value_Main_Or_Barcode_Wnd(); });
    }

    Ui::QrPreview preview;
    preview.setupUi(frame.adv_qr_preview_box);
    bindPreview(c, preview);
    QObject::connect(c.Use_ADV_QR_in_Design_btn, &QPushButton::clicked, &c,
                     &AdvQrController::Use_ADV_QR_in_Design_Mode_Btn_Clicked);
    QObject::connect(c.ADV_QR_Reset_btn, &QPushButton::clicked, &c, &AdvQrController::ADV_QR_Reset_All_Clicked);
    QObject::connect(c.Copy_QR_Code_btn, &QPushButton::clicked, &c, &AdvQrController::Copy_QR_Code_Clicked);

    // Settings column and its groups.
    Ui::QrSettings settings;
    settings.setupUi(frame.adv_qr_settings);
    bindSettings(c, settings);
    const QStringList alignments = c.barcodeMode().alignments();

    Ui::QrHeaderBox header;
    header.setupUi(c.ADV_QR_hdr_box);
    bindHeaderBox(c, header);
    c.ADV_QR_header_font_value->setText(c.barcodeMode().fontDisplayText(c.ADV_QR_header_font));
    platform::ui::fillCombo(c.ADV_QR_align_hdr_combo, alignments);
    c.ADV_QR_align_hdr_combo->setCurrentIndex(1);

    Ui::QrFooterBox footer;
    footer.setupUi(c.ADV_QR_ftr_box);
    bindFooterBox(c, footer);
    c.ADV_QR_footer_font_value->setText(c.barcodeMode().fontDisplayText(c.ADV_QR_footer_font));
    platform::ui::fillCombo(c.ADV_QR_align_ftr_combo, alignments);
    c.ADV_QR_align_ftr_combo->setCurrentIndex(1);

    Ui::QrSymbolBox symbol;
    symbol.setupUi(settings.adv_qr_symbol_box);
    bindSymbolBox(c, symbol);
    QStringList versions = {QStringLiteral("Auto")};
    for (int v = 1; v <= 40; ++v)
        versions << QString::number(v);
    platform::ui::fillCombo(c.ADV_QR_version_ComboBox, versions);
    c.ADV_QR_version_ComboBox->setCurrentIndex(0);

    Ui::QrMarginBox margins;
    margins.setupUi(settings.adv_qr_margin_box);
    bindMarginBox(c, margins);

    Ui::QrLogoBox logo;
    logo.setupUi(c.ADV_QR_Use_logo_box);
    bindLogoBox(c, logo);
    QObject::connect(c.ADV_QR_Use_Logo_chk, &QCheckBox::clicked, &c, &AdvQrController::Use_Logo_Chk_Clicked);
    QObject::connect(c.ADV_QR_logo_browse_btn, &QPushButton::clicked, &c,
                     &AdvQrController::Use_Browse_Logo_Btn_Clicked);
    QObject::connect(c.ADV_QR_transp_bg_chk, &QCheckBox::clicked, &c, &AdvQrController::ADV_QR_transp_bg_Checked);

    if (pageLayout)
        pageLayout->addWidget(area, 1);
    watchEdits();
    // The settings and the type panels scroll under the wheel; their lists take it once focused.
    platform::wheelScrollsPanel(page);
}

void AdvQrController::buildAdvancedQrPanel(QWidget *page)
{
    panel().build(page);
}

void AdvQrController::Show_QR_Panel(QWidget *panel)
{
    if (!QR_Input_sclview || !panel || QR_Input_sclview->widget() == panel)
        return;
    // The scroll view would delete the panel it gives up; the holder keeps it instead.
    Release_Type_Panel();
    QR_Input_sclview->setWidget(panel);
    panel->show();
}

void AdvQrController::Release_Type_Panel()
{
    if (!QR_Input_sclview)
        return;
    if (QWidget *old = QR_Input_sclview->takeWidget()) {
        old->setParent(QR_Panel_Holder);
        old->hide();
    }
}
