#include "advqr/Qr_Social_View_Panel.h"

#include "ui_Qr_Social_View_Panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Qr_Social_View_Panel *Qr_Social_OBJ = nullptr;

namespace {

void bindSocialPanel(Qr_Social_View_Panel &p, const Ui::Qr_Social_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, info_message_lbl, URL_label, Open_Url_Btn, bottomStretch] = ui;
    p.info_message_lbl = ui.info_message_lbl;
    p.URL_label = ui.URL_label;
    p.Open_Url_Btn = ui.Open_Url_Btn;
}

} // namespace

Qr_Social_View_Panel::Qr_Social_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Social_View_Panel ui;
    ui.setupUi(this);
    bindSocialPanel(*this, ui);
    watch(URL_label);
    connect(Open_Url_Btn, &QPushButton::clicked, this, &Qr_Social_View_Panel::Open_URL_Clicked);
    Qr_Social_OBJ = this;
}

Qr_Social_View_Panel::~Qr_Social_View_Panel() { forget(Qr_Social_OBJ, this); }

void Qr_Social_View_Panel::Set_Label_According_Category(const QString &category)
{
    static const QList<QPair<QString, QString>> prompts = {
        {QStringLiteral("Facebook"), QStringLiteral("Enter the link of Facebook Profile, Group or Post:")},
        {QStringLiteral("Snapchat"), QStringLiteral("Enter the link of Snapchat Profile Page / Post:")},
        {QStringLiteral("Threads"), QStringLiteral("Enter the link of Threads Profile Page / Post:")},
        {QStringLiteral("Instagram"), QStringLiteral("Enter the link of Instagram Profile Page or Post:")},
        {QStringLiteral("LinkedIn"), QStringLiteral("Enter the link of LinkedIn Profile Page or Post:")},
        {QStringLiteral("Quora"), QStringLiteral("Enter the link of Quora Profile Page / Post:")},
        {QStringLiteral("X(Twitter)"), QStringLiteral("Enter the link of X(Twitter) Profile Page or Tweet:")},
        {QStringLiteral("Twitter"), QStringLiteral("Enter the link of X(Twitter) Profile Page or Tweet:")},
        {QStringLiteral("YouTube"), QStringLiteral("Enter the link of YouTube Video / Channel:")},
        {QStringLiteral("Telegram"), QStringLiteral("Enter the link of Telegram Profile / Group / Channel:")},
    };
    for (const auto &p : prompts)
        if (p.first == category) {
            info_message_lbl->setText(p.second);
            return;
        }
}

void Qr_Social_View_Panel::Open_URL_Clicked() { openPayloadLink(URL_label); }
