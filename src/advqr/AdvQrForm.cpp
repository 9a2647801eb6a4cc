// The Advanced QR mode's part of the window description "DrawWindow": type buttons, the input
// panel area, the payload, the preview and the symbol's settings.

#include "advqr/AdvQrController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeEditorForm.h"

#include "advqr/QrPanels.h"
#include "core/Globals.h"
#include "platform/FormBuilder.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace platform::ui;

namespace {

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

QString fontText(const QFont &font)
{
    return QStringLiteral("%1 ( %2 )").arg(font.family(), QString::asprintf("%0.2f", font.pointSizeF()));
}

QLabel *plain(QWidget *parent, const char *name, const QString &text) { return label(parent, name, text); }

QWidget *fieldWithStepper(QWidget *parent, QLineEdit *field, platform::Stepper *stepper)
{
    auto *w = new QWidget(parent);
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    field->setParent(w);
    stepper->setParent(w);
    row->addWidget(field, 1);
    row->addWidget(stepper);
    return w;
}

QWidget *fontRow(QWidget *parent, QLineEdit *value, QPushButton *button)
{
    auto *w = new QWidget(parent);
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    value->setParent(w);
    value->setReadOnly(true);
    button->setParent(w);
    row->addWidget(value, 1);
    row->addWidget(button);
    return w;
}

} // namespace

void AdvQrController::buildAdvancedQrPanel(QWidget *page)
{
    if (!page || QR_Input_sclview)
        return;
    auto *pageLayout = qobject_cast<QBoxLayout *>(page->layout());
    if (!pageLayout && !page->layout())
        pageLayout = new QVBoxLayout(page);

    auto *area = make<QWidget>(page, "adv_qr_work_area");
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(8);
    row->addWidget(Build_QR_Type_Bar(area));
    row->addWidget(Build_QR_Input_Area(area), 1);
    auto *right = make<QWidget>(area, "adv_qr_right_column");
    right->setFixedWidth(430);
    auto *rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->addWidget(Build_QR_Preview(right));
    rightColumn->addWidget(Build_QR_Settings(right), 1);
    row->addWidget(right);
    if (pageLayout)
        pageLayout->addWidget(area, 1);

    // The Text panel is the input area's first document view.
    Show_QR_Panel(Qr_Text);
}

QWidget *AdvQrController::Build_QR_Type_Bar(QWidget *parent)
{
    QGroupBox *bar = box(parent, "qr_type_box", QStringLiteral("QR Code Type"));
    bar->setFixedWidth(300);
    auto *grid = new QGridLayout(bar);
    grid->setSpacing(3);
    const QStringList &titles = qrTypeTitles();
    for (int i = 0; i < titles.size(); ++i) {
        const QString &title = titles.at(i);
        QString name = QStringLiteral("QR_Type_") + title;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
        if (name.endsWith(QLatin1Char('_')))
            name.chop(1);
        auto *b = new QPushButton(title, bar);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(b, i / 3, i % 3);
        QR_Type_Buttons << b;
        QObject::connect(b, &QPushButton::clicked, this, [this, title] { QR_Text_Clicked(title); });
    }
    grid->setRowStretch(int(titles.size()) / 3 + 1, 1);
    return bar;
}

QWidget *AdvQrController::Build_QR_Input_Area(QWidget *parent)
{
    auto *column = make<QWidget>(parent, "adv_qr_input_column");
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    Selected_Qr_Category = field(column, "Selected_Qr_Category", QStringLiteral("Text"));
    Selected_Qr_Category->setReadOnly(true);
    Selected_Qr_Category->setVisible(false);
    Sel_Qr_Type_Label = plain(column, "Sel_Qr_Type_Label", QStringLiteral("Generate QR Code for Text"));
    QFont heading = Sel_Qr_Type_Label->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() + 2);
    Sel_Qr_Type_Label->setFont(heading);
    layout->addWidget(Sel_Qr_Type_Label);

    QR_Input_sclview = make<QScrollArea>(column, "QR_Input_sclview");
    QR_Input_sclview->setWidgetResizable(true);
    layout->addWidget(QR_Input_sclview, 1);

    // The eleven panels; those not shown wait, hidden, in the holder.
    QR_Panel_Holder = make<QWidget>(column, "QR_Panel_Holder");
    QR_Panel_Holder->setVisible(false);
    Qr_Text = new Qr_Text_View_Panel(QR_Panel_Holder);
    Qr_SMS = new Qr_Sms_View_Panel(QR_Panel_Holder);
    Qr_Email = new Qr_Email_View_Panel(QR_Panel_Holder);
    Qr_Event = new Qr_Event_View_Panel(QR_Panel_Holder);
    Qr_Wifi = new Qr_Wifi_View_Panel(QR_Panel_Holder);
    Qr_Social = new Qr_Social_View_Panel(QR_Panel_Holder);
    Qr_Location = new Qr_Location_View_Panel(QR_Panel_Holder);
    Qr_vCard = new Qr_vCard_View_Panel(QR_Panel_Holder);
    Qr_Zoom = new Qr_Zoom_View_Panel(QR_Panel_Holder);
    Qr_UPI = new Qr_UPI_View_Panel(QR_Panel_Holder);
    Qr_Bitcoin = new Qr_Bitcoin_Crypto_View_Panel(QR_Panel_Holder);
    for (QrPanelBase *panel : std::initializer_list<QrPanelBase *>{Qr_Text, Qr_SMS, Qr_Email, Qr_Event, Qr_Wifi,
                                                                    Qr_Social, Qr_Location, Qr_vCard, Qr_Zoom,
                                                                    Qr_UPI, Qr_Bitcoin}) {
        // Edits in the main window rebuild its payload; the payload editor takes them while it is open.
        QObject::connect(panel, &QrPanelBase::edited, this, [this] {
            if (!QR_Val_Edit)
                Assign_QR_Value_Text_Acc_Type();
        });
    }

    layout->addWidget(plain(column, "adv_qr_final_value_lbl", QStringLiteral("QR Code Value :")));
    adv_qr_final_value = textView(column, "adv_qr_final_value");
    adv_qr_final_value->setReadOnly(true);
    adv_qr_final_value->setFixedHeight(96);
    layout->addWidget(adv_qr_final_value);
    return column;
}

QWidget *AdvQrController::Build_QR_Preview(QWidget *parent)
{
    QGroupBox *preview = box(parent, "adv_qr_preview_box", QStringLiteral("Preview"));
    auto *layout = new QVBoxLayout(preview);
    QR_image_scroll = make<QScrollArea>(preview, "QR_image_scroll");
    QR_image_scroll->setWidgetResizable(true);
    QR_image_scroll->setMinimumHeight(260);
    QR_barcodeImage = make<platform::PictureView>(nullptr, "QR_barcodeImage");
    QR_barcodeImage->setImageAlignment(Qt::AlignCenter);
    QR_image_scroll->setWidget(QR_barcodeImage);
    layout->addWidget(QR_image_scroll);
    ADV_QR_barcode_error_label = plain(preview, "ADV_QR_barcode_error_label",
                                       QStringLiteral("Please enter a value to generate the QR Code."));
    ADV_QR_barcode_error_label->setStyleSheet(QStringLiteral("color: #c00000;"));
    ADV_QR_barcode_error_label->setAlignment(Qt::AlignCenter);
    ADV_QR_barcode_error_label->setVisible(false);
    layout->addWidget(ADV_QR_barcode_error_label);

    auto *commands = new QWidget(preview);
    auto *commandRow = new QHBoxLayout(commands);
    commandRow->setContentsMargins(0, 0, 0, 0);
    ADV_QR_Reset_btn = button(commands, "ADV_QR_Reset_btn", QStringLiteral("Reset"));
    Copy_QR_Code_btn = button(commands, "Copy_QR_Code_btn", QStringLiteral("Copy"));
    Use_ADV_QR_in_Design_btn = button(commands, "Use_ADV_QR_in_Design_btn", QStringLiteral("Use in Design"));
    commandRow->addWidget(ADV_QR_Reset_btn);
    commandRow->addStretch(1);
    commandRow->addWidget(Copy_QR_Code_btn);
    commandRow->addWidget(Use_ADV_QR_in_Design_btn);
    layout->addWidget(commands);
    return preview;
}

QWidget *AdvQrController::Build_QR_Settings(QWidget *parent)
{
    auto *scroll = make<QScrollArea>(parent, "adv_qr_settings_scroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = make<QWidget>(nullptr, "adv_qr_settings");
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 4, 0);
    const QStringList alignments = barcode_editor_items::alignments();

    // Header
    ADV_QR_hideHeaderCheckbox = check(content, "ADV_QR_hideHeaderCheckbox", QStringLiteral("Hide Header"));
    column->addWidget(ADV_QR_hideHeaderCheckbox);
    ADV_QR_hdr_box = box(content, "ADV_QR_hdr_box", QStringLiteral("Header"));
    auto *hdrGrid = new QGridLayout(ADV_QR_hdr_box);
    ADV_QR_HeaderText = field(ADV_QR_hdr_box, "ADV_QR_HeaderText", QStringLiteral("My QR Code"));
    hdrGrid->addWidget(plain(ADV_QR_hdr_box, "ADV_QR_HeaderText_lbl", QStringLiteral("Text :")), 0, 0);
    hdrGrid->addWidget(ADV_QR_HeaderText, 0, 1);
    ADV_QR_header_font_value = field(ADV_QR_hdr_box, "ADV_QR_header_font_value", fontText(ADV_QR_header_font));
    ADV_QR_hdr_font_btn = button(ADV_QR_hdr_box, "ADV_QR_hdr_font_btn", QStringLiteral("Font..."));
    hdrGrid->addWidget(plain(ADV_QR_hdr_box, "ADV_QR_header_font_lbl", QStringLiteral("Font :")), 1, 0);
    hdrGrid->addWidget(fontRow(ADV_QR_hdr_box, ADV_QR_header_font_value, ADV_QR_hdr_font_btn), 1, 1);
    ADV_QR_align_hdr_combo = combo(ADV_QR_hdr_box, "ADV_QR_align_hdr_combo", alignments);
    ADV_QR_align_hdr_combo->setCurrentIndex(1);
    hdrGrid->addWidget(plain(ADV_QR_hdr_box, "ADV_QR_align_hdr_lbl", QStringLiteral("Alignment :")), 2, 0);
    hdrGrid->addWidget(ADV_QR_align_hdr_combo, 2, 1);
    ADV_QR_bar_hdr_clr = colorWell(ADV_QR_hdr_box, "ADV_QR_bar_hdr_clr", Qt::black);
    hdrGrid->addWidget(plain(ADV_QR_hdr_box, "ADV_QR_bar_hdr_clr_lbl", QStringLiteral("Colour :")), 3, 0);
    hdrGrid->addWidget(ADV_QR_bar_hdr_clr, 3, 1, Qt::AlignLeft);
    column->addWidget(ADV_QR_hdr_box);

    // Footer
    ADV_QR_hideFooterCheckbox = check(content, "ADV_QR_hideFooterCheckbox", QStringLiteral("Hide Footer"));
    column->addWidget(ADV_QR_hideFooterCheckbox);
    ADV_QR_ftr_box = box(content, "ADV_QR_ftr_box", QStringLiteral("Footer"));
    auto *ftrGrid = new QGridLayout(ADV_QR_ftr_box);
    ADV_QR_FooterText = field(ADV_QR_ftr_box, "ADV_QR_FooterText", QStringLiteral("SCAN ME"));
    ftrGrid->addWidget(plain(ADV_QR_ftr_box, "ADV_QR_FooterText_lbl", QStringLiteral("Text :")), 0, 0);
    ftrGrid->addWidget(ADV_QR_FooterText, 0, 1);
    ADV_QR_footer_font_value = field(ADV_QR_ftr_box, "ADV_QR_footer_font_value", fontText(ADV_QR_footer_font));
    ADV_QR_ftr_font_btn = button(ADV_QR_ftr_box, "ADV_QR_ftr_font_btn", QStringLiteral("Font..."));
    ftrGrid->addWidget(plain(ADV_QR_ftr_box, "ADV_QR_footer_font_lbl", QStringLiteral("Font :")), 1, 0);
    ftrGrid->addWidget(fontRow(ADV_QR_ftr_box, ADV_QR_footer_font_value, ADV_QR_ftr_font_btn), 1, 1);
    ADV_QR_align_ftr_combo = combo(ADV_QR_ftr_box, "ADV_QR_align_ftr_combo", alignments);
    ADV_QR_align_ftr_combo->setCurrentIndex(1);
    ftrGrid->addWidget(plain(ADV_QR_ftr_box, "ADV_QR_align_ftr_lbl", QStringLiteral("Alignment :")), 2, 0);
    ftrGrid->addWidget(ADV_QR_align_ftr_combo, 2, 1);
    ADV_QR_bar_ftr_clr = colorWell(ADV_QR_ftr_box, "ADV_QR_bar_ftr_clr", Qt::black);
    ftrGrid->addWidget(plain(ADV_QR_ftr_box, "ADV_QR_bar_ftr_clr_lbl", QStringLiteral("Colour :")), 3, 0);
    ftrGrid->addWidget(ADV_QR_bar_ftr_clr, 3, 1, Qt::AlignLeft);
    column->addWidget(ADV_QR_ftr_box);

    // Symbol
    QGroupBox *symbol = box(content, "adv_qr_symbol_box", QStringLiteral("QR Code"));
    auto *symGrid = new QGridLayout(symbol);
    ADV_QR_HeightText_2D = field(symbol, "ADV_QR_HeightText_2D", QStringLiteral("120"));
    ADV_QR_HeightStepper_2D = stepper(symbol, "ADV_QR_HeightStepper_2D", 21, 2000, 1, 120);
    symGrid->addWidget(plain(symbol, "ADV_QR_HeightText_2D_lbl", QStringLiteral("Size (pt) :")), 0, 0);
    symGrid->addWidget(fieldWithStepper(symbol, ADV_QR_HeightText_2D, ADV_QR_HeightStepper_2D), 0, 1);
    ADV_QR_enc_mode_ComboBox = combo(symbol, "ADV_QR_enc_mode_ComboBox",
                                     {QStringLiteral("Auto"), QStringLiteral("Numeric"), QStringLiteral("Alphanumeric"),
                                      QStringLiteral("Byte"), QStringLiteral("Kanji")});
    ADV_QR_enc_mode_ComboBox->setCurrentIndex(0);
    symGrid->addWidget(plain(symbol, "ADV_QR_enc_mode_lbl", QStringLiteral("Encoding Mode :")), 1, 0);
    symGrid->addWidget(ADV_QR_enc_mode_ComboBox, 1, 1);
    QStringList versions = {QStringLiteral("Auto")};
    for (int v = 1; v <= 40; ++v)
        versions << QString::number(v);
    ADV_QR_version_ComboBox = combo(symbol, "ADV_QR_version_ComboBox", versions);
    ADV_QR_version_ComboBox->setCurrentIndex(0);
    symGrid->addWidget(plain(symbol, "ADV_QR_version_lbl", QStringLiteral("Version :")), 2, 0);
    symGrid->addWidget(ADV_QR_version_ComboBox, 2, 1);
    ADV_QR_ec_lvl_ComboBox = combo(symbol, "ADV_QR_ec_lvl_ComboBox",
                                   {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")});
    ADV_QR_ec_lvl_ComboBox->setCurrentIndex(0);
    symGrid->addWidget(plain(symbol, "ADV_QR_ec_lvl_lbl", QStringLiteral("Error Correction :")), 3, 0);
    symGrid->addWidget(ADV_QR_ec_lvl_ComboBox, 3, 1);
    ADV_QR_barcode_clr = colorWell(symbol, "ADV_QR_barcode_clr", Qt::black);
    symGrid->addWidget(plain(symbol, "ADV_QR_barcode_clr_lbl", QStringLiteral("Code Colour :")), 4, 0);
    symGrid->addWidget(ADV_QR_barcode_clr, 4, 1, Qt::AlignLeft);
    ADV_QR_back_bg_clr = colorWell(symbol, "ADV_QR_back_bg_clr", Qt::white);
    symGrid->addWidget(plain(symbol, "ADV_QR_back_bg_clr_lbl", QStringLiteral("Background :")), 5, 0);
    symGrid->addWidget(ADV_QR_back_bg_clr, 5, 1, Qt::AlignLeft);
    ADV_QR_transp_bg_chk = check(symbol, "ADV_QR_transp_bg_chk", QStringLiteral("Transparent Background"));
    symGrid->addWidget(ADV_QR_transp_bg_chk, 6, 0, 1, 2);
    column->addWidget(symbol);

    // Margins
    QGroupBox *margins = box(content, "adv_qr_margin_box", QStringLiteral("Margins"));
    auto *marGrid = new QGridLayout(margins);
    struct Margin {
        QLineEdit *AdvQrController::*field;
        platform::Stepper *AdvQrController::*stepper;
        QLabel *AdvQrController::*label;
        const char *fieldName, *stepperName, *labelName, *title;
    };
    static const Margin list[] = {
        {&AdvQrController::ADV_QR_hdr_mar_Text, &AdvQrController::ADV_QR_hdr_mar_Stepper,
         &AdvQrController::ADV_QR_hdr_mar_lbl, "ADV_QR_hdr_mar_Text", "ADV_QR_hdr_mar_Stepper",
         "ADV_QR_hdr_mar_lbl", "Margin (cm):"},
        {&AdvQrController::ADV_QR_ftr_mar_Text, &AdvQrController::ADV_QR_ftr_mar_Stepper,
         &AdvQrController::ADV_QR_ftr_mar_lbl, "ADV_QR_ftr_mar_Text", "ADV_QR_ftr_mar_Stepper",
         "ADV_QR_ftr_mar_lbl", "Margin (cm):"},
        {&AdvQrController::ADV_QR_TB_mar_Text, &AdvQrController::ADV_QR_TB_mar_Stepper,
         &AdvQrController::ADV_QR_TB_mar_lbl, "ADV_QR_TB_mar_Text", "ADV_QR_TB_mar_Stepper", "ADV_QR_TB_mar_lbl",
         "Top and Bottom Margin (cm):"},
        {&AdvQrController::ADV_QR_LR_mar_Text, &AdvQrController::ADV_QR_LR_mar_Stepper,
         &AdvQrController::ADV_QR_LR_mar_lbl, "ADV_QR_LR_mar_Text", "ADV_QR_LR_mar_Stepper", "ADV_QR_LR_mar_lbl",
         "Left and Right Margin (cm):"},
    };
    const QString groups[] = {QStringLiteral("Header "), QStringLiteral("Footer "), QString(), QString()};
    int marRow = 0;
    for (const Margin &m : list) {
        QLineEdit *f = field(margins, m.fieldName, QStringLiteral("0.1"));
        platform::Stepper *s = stepper(margins, m.stepperName, 0, 100, 0.1, 0.1);
        QLabel *l = plain(margins, m.labelName, QString::fromLatin1(m.title));
        this->*(m.field) = f;
        this->*(m.stepper) = s;
        this->*(m.label) = l;
        if (!groups[marRow].isEmpty())
            marGrid->addWidget(plain(margins, "adv_qr_margin_group_lbl", groups[marRow]), marRow, 0);
        marGrid->addWidget(l, marRow, 1);
        marGrid->addWidget(fieldWithStepper(margins, f, s), marRow, 2);
        ++marRow;
    }
    column->addWidget(margins);

    // Logo
    ADV_QR_Use_Logo_chk = check(content, "ADV_QR_Use_Logo_chk", QStringLiteral("Use Logo"));
    column->addWidget(ADV_QR_Use_Logo_chk);
    ADV_QR_Use_logo_box = box(content, "ADV_QR_Use_logo_box", QStringLiteral("Logo"));
    auto *logoGrid = new QGridLayout(ADV_QR_Use_logo_box);
    ADV_QR_Use_Logo_Image_View = make<platform::PictureView>(ADV_QR_Use_logo_box, "ADV_QR_Use_Logo_Image_View");
    ADV_QR_Use_Logo_Image_View->setFixedSize(100, 100);
    ADV_QR_Use_logo_path = textView(ADV_QR_Use_logo_box, "ADV_QR_Use_logo_path");
    ADV_QR_Use_logo_path->setReadOnly(true);
    ADV_QR_Use_logo_path->setFixedHeight(48);
    ADV_QR_logo_browse_btn = button(ADV_QR_Use_logo_box, "ADV_QR_logo_browse_btn", QStringLiteral("Browse..."));
    logoGrid->addWidget(ADV_QR_Use_Logo_Image_View, 0, 0, 2, 1);
    logoGrid->addWidget(ADV_QR_Use_logo_path, 0, 1);
    logoGrid->addWidget(ADV_QR_logo_browse_btn, 1, 1, Qt::AlignLeft);
    ADV_QR_Use_logo_box->setEnabled(false);
    column->addWidget(ADV_QR_Use_logo_box);
    column->addStretch(1);

    scroll->setWidget(content);
    return scroll;
}

void AdvQrController::Show_QR_Panel(QWidget *panel)
{
    if (!QR_Input_sclview || !panel || QR_Input_sclview->widget() == panel)
        return;
    // The scroll view would delete the panel it gives up; the holder keeps it instead.
    if (QWidget *old = QR_Input_sclview->takeWidget()) {
        old->setParent(QR_Panel_Holder);
        old->hide();
    }
    QR_Input_sclview->setWidget(panel);
    panel->show();
}
