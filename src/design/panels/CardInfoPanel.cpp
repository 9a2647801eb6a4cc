#include "design/panels/CardInfoPanel.h"

#include "platform/FontNames.h"
#include "core/Globals.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/PanelValues.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/TextNotifications.h"
#include "model/Card_Property.h"

#include "ui_CardInfoPanel.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace {

void bind(CardInfoPanel &c, const Ui::CardInfoPanel &ui)
{
    // Not outlets: the page's five, three boxes with their layouts, the three shape buttons (taken
    // by the button group), two labels, the font buttons' row with its layout and stretch.
    designform::bindForm<19>(ui, FORM_OUTLET(card_name), FORM_OUTLET(matrix_card_shape), FORM_OUTLET(All_Text_clr),
                             FORM_OUTLET(All_Text_clr_COPY), FORM_OUTLET(All_Text_font_value),
                             FORM_OUTLET(All_Text_font_value_COPY), FORM_OUTLET(content_font_btn),
                             FORM_OUTLET(content_font_decrease_btn), FORM_OUTLET(content_font_increase_btn));
}

} // namespace

CardInfoPanel::CardInfoPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::CardInfoPanel>())
{
    ui->setupUi(this);
    bind(*this, *ui);
    // The shapes by their index in the group.
    matrix_card_shape->setId(ui->matrix_card_shape_0, 0);
    matrix_card_shape->setId(ui->matrix_card_shape_1, 1);
    matrix_card_shape->setId(ui->matrix_card_shape_2, 2);
    // The texts' font of a new design.
    All_Text_font = QFont(Text_Ctrl_Font);
    All_Text_font.setPointSizeF(Text_Ctrl_Font_Size);

    // Only the user's actions reach the handlers; filling the controls from code sends nothing.
    connect(matrix_card_shape, &QButtonGroup::idClicked, this, [this] { card_shape_CellClick(); });
    connect(All_Text_clr, &platform::ColorWell::colorChanged, this, [this] { Contect_Color_Clicked(); });
    connect(content_font_btn, &QPushButton::clicked, this, [this] { Content_Font_Clicked(); });
    // The two font-size buttons have no action.
    connect(&platform::TextNotifications::instance(), &platform::TextNotifications::controlTextDidChange, this,
            [this](QObject *field) { controlTextDidChange(field); });
}

CardInfoPanel::~CardInfoPanel() = default;

void CardInfoPanel::Fill_Card_Info_Panel(const Card_Property &card)
{
    // Content colour and font, and the copies a later change is measured against.
    All_Text_clr->setColor(card.Card_Content_clr);
    All_Text_font = card.Card_Content_font;
    const QString fontText = platform::fontDisplayText(All_Text_font);
    All_Text_font_value->setText(fontText);
    All_Text_font_value_COPY->setText(fontText);
    All_Text_font_COPY = All_Text_font;
    All_Text_font_replaced = false;
    All_Text_clr_COPY->setColor(All_Text_clr->color());
    // Shape and name
    Card_Shape = card.Card_Shape == QLatin1String("R") ? 0 : card.Card_Shape == QLatin1String("RR") ? 1 : 2;
    if (QAbstractButton *row = matrix_card_shape->button(Card_Shape))
        row->setChecked(true);
    card_name->setText(card.Card_Name);
}

void CardInfoPanel::Read_Card_Info_Panel(CardPanelValues &values) const
{
    const QString name = Trim_Str(card_name->text());
    values.name = name.isNull() ? QStringLiteral("") : name;
    values.shape = Card_Shape;
    values.contentColor = All_Text_clr->color();
    values.contentFont = All_Text_font;
}

bool CardInfoPanel::Content_Colour_Changed() const { return All_Text_clr->color() != All_Text_clr_COPY->color(); }

void CardInfoPanel::Reset_Content(const QFont &font, const QString &fontText)
{
    All_Text_font = font;
    All_Text_font_value->setText(fontText);
    All_Text_clr->setColor(Qt::black);
    All_Text_font_value_COPY->setText(QString());
    All_Text_font_COPY.reset();
    All_Text_clr_COPY->setColor(Qt::black);
}

void CardInfoPanel::card_shape_CellClick()
{
    if (matrix_card_shape->checkedId() >= 0)
        Card_Shape = matrix_card_shape->checkedId();
    emit shapeChosen();
}

void CardInfoPanel::Content_Font_Clicked()
{
    try {
        if (const std::optional<QFont> picked = platform::chooseFont(All_Text_font))
            changeAllTextFont(*picked);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void CardInfoPanel::changeAllTextFont(const QFont &font)
{
    All_Text_font = font;
    All_Text_font_replaced = true;
    All_Text_font_value->setText(platform::fontDisplayText(All_Text_font));
    emit contentChanged();
}

void CardInfoPanel::Contect_Color_Clicked() { emit contentColorChosen(All_Text_clr->color()); }

void CardInfoPanel::controlTextDidChange(QObject *field)
{
    if (field && field == card_name)
        emit nameEdited();
}
