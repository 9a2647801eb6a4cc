// The card's property pages as the sidebar routes them: their signals connected to the card's
// storing and the parts they need, the load of the card side's settings into the pages, the content
// colour and font pushed onto the texts, the size applied to the canvas, the start wizard's choices
// and the card's values that the rest of the window shows on the pages.

#include "design/PropertySidebar.h"

#include "core/Units.h"
#include "core/UserFolders.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropFillGuard.h"
#include "design/UndoStacks.h"
#include "design/UnitPreferences.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/CardInfoPanel.h"
#include "design/panels/CardSizePanel.h"
#include "imaging/ImageForPath.h"
#include "imaging/ImageSizeCheck.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>

#include <exception>
#include <stdexcept>

void PropertySidebar::Connect_Card_Panels()
{
    DesignController *d = &design;
    // A typed name or watermark text stores the card, and the window's title follows the name.
    auto titleTextEdited = [d] {
        try {
            d->Update_Card_Graphics();
            d->sources().projects->Set_Log_Name_In_Title();
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    };
    auto objectsTakeColour = [d](const QColor &color) { d->Fill_And_Set_Color_Event_Generator(color); };
    auto showBackgroundTab = [this] {
        if (sett_tab && card_bkgd_tab)
            sett_tab->setCurrentWidget(card_bkgd_tab);
    };

    if (CardInfoPanel *info = cardInfoPanel()) {
        connect(info, &CardInfoPanel::shapeChosen, this, [d] {
            d->Update_Card_Graphics();
            d->workArea().Refresh_Canvas();
        });
        connect(info, &CardInfoPanel::nameEdited, this, titleTextEdited);
        // The content colour and font the user chose onto the texts: one step.
        connect(info, &CardInfoPanel::contentColorChosen, this, [this, d](const QColor &color) {
            d->Fill_And_Set_Color_Event_Generator(color);
            if (Update_All_Card_Content())
                d->undoStacks().Insert_In_Undo_Redo();
        });
        connect(info, &CardInfoPanel::contentChanged, this, [this, d] {
            if (Update_All_Card_Content())
                d->undoStacks().Insert_In_Undo_Redo();
        });
    }
    if (CardSizePanel *size = cardSizePanel()) {
        size->Print_Info = [d] { return d->sources().host->getPrintInfo(); };
        size->Set_Print_Info = [d](const platform::PrintInfo &info) { d->sources().host->setPrintInfo(info); };
        // The user's Apply: a new size (and the content it writes onto the texts) is one step.
        connect(size, &CardSizePanel::applySizeRequested, this, [this, d] {
            if (Apply_Size_Clicked())
                d->undoStacks().Insert_In_Undo_Redo();
        });
        connect(size, &CardSizePanel::vendorChosen, this, [d](const QString &vendor) {
            d->sources().projects->Read_XML_File(
                Resource_Path + QStringLiteral("/Formats/pages/") + vendor + QStringLiteral(".xml"), QString(), QString(), false);
        });
        connect(size, &CardSizePanel::productChosen, this, [d] { d->sources().projects->Read_Selected_Product_Label_Value(); });
    }
    if (CardBackgroundPanel *background = cardBackgroundPanel()) {
        background->Image_File_Types = d->sources().host->Allowd_Image_fileTypes();
        connect(background, &CardBackgroundPanel::cardChanged, this, [d] { d->Update_Card_Graphics(); });
        connect(background, &CardBackgroundPanel::colorChosen, this, objectsTakeColour);
        // The card's own fill type comes back with the fill.
        connect(background, &CardBackgroundPanel::fillSwitched, this, [this, d] {
            if (d->card().Front_card_Prop)
                card_prop_set(d->card().Front_card_Prop->Card_fill_style);
            d->Update_Card_Graphics();
        });
        connect(background, &CardBackgroundPanel::backgroundImageChosen, this, [d, showBackgroundTab](const QString &path) {
            if (Image_Is_Over_Size(path, true, 0) || !DesignController::Accept_Picture_File(path))
                return;
            d->set_Front_BG_Image(path);
            d->Update_Card_Graphics();
            showBackgroundTab();
        });
        connect(background, &CardBackgroundPanel::libraryImageRequested, this, [d, showBackgroundTab] {
            if (d->Open_Image_Library_Window(QStringLiteral("B")) == 1)
                d->set_Front_BG_Image(lib_window_sel_file);
            d->Update_Card_Graphics();
            showBackgroundTab();
        });
    }
    if (CardBorderPanel *border = cardBorderPanel()) {
        connect(border, &CardBorderPanel::cardChanged, this, [d] { d->Update_Card_Graphics(); });
        connect(border, &CardBorderPanel::colorChosen, this, objectsTakeColour);
        connect(border, &CardBorderPanel::watermarkTextEdited, this, titleTextEdited);
    }
}

void PropertySidebar::card_prop_set(const QString &fillCode)
{
    if (CardBackgroundPanel *background = cardBackgroundPanel())
        background->card_prop_set(fillCode);
    if (CardBorderPanel *border = cardBorderPanel())
        border->Enable_Border_Box();
    if (sett_tab)
        sett_tab->update();
}

CardPanelValues PropertySidebar::Read_Card_Panels() const
{
    CardPanelValues values;
    if (const CardInfoPanel *info = cardInfoPanel())
        info->Read_Card_Info_Panel(values);
    if (const CardSizePanel *size = cardSizePanel())
        size->Read_Card_Size_Panel(values);
    if (const CardBackgroundPanel *background = cardBackgroundPanel())
        background->Read_Card_Background_Panel(values);
    if (const CardBorderPanel *border = cardBorderPanel())
        border->Read_Card_Border_Panel(values);
    return values;
}

void PropertySidebar::Set_Card_Size_In_Control(double widthMM, double heightMM)
{
    if (CardSizePanel *size = cardSizePanel())
        size->Set_Card_Size_In_Control(widthMM, heightMM);
}

void PropertySidebar::Show_Stored_Card_Size(const QSizeF &points)
{
    if (CardSizePanel *size = cardSizePanel())
        size->Show_Stored_Size(points);
}

void PropertySidebar::Reset_Card_Size()
{
    if (CardSizePanel *size = cardSizePanel())
        size->Reset_Size_Panel();
}

void PropertySidebar::Reset_Card_Content(const QFont &font, const QString &fontText)
{
    if (CardInfoPanel *info = cardInfoPanel())
        info->Reset_Content(font, fontText);
    if (CardBorderPanel *border = cardBorderPanel())
        border->WM_Text_font = font;
}

QComboBox *PropertySidebar::Label_Stock_Vendors() const
{
    return cardSizePanel() ? cardSizePanel()->Label_ComboBox : nullptr;
}

QComboBox *PropertySidebar::Label_Stock_Products() const
{
    return cardSizePanel() ? cardSizePanel()->Product_num_ComboBox : nullptr;
}

void PropertySidebar::Load_Card_and_Label_Properties(SKTGraphic *graphic)
{
    DesignController &d = design;
    if (graphic || !d.card().Front_card_Prop)
        return;
    const PropFillGuard filling;
    try {
        const Card_Property &card = *d.card().Front_card_Prop;
        d.editing().Disable_Standard_Button_For_Card();
        d.selection().Last_Selected_Graphic = nullptr;
        if (CardBorderPanel *border = cardBorderPanel())
            border->Fill_Card_Border_Panel(card);
        if (CardBackgroundPanel *background = cardBackgroundPanel())
            background->Fill_Card_Background_Panel(card);
        if (CardInfoPanel *info = cardInfoPanel())
            info->Fill_Card_Info_Panel(card);
        // The card sits at the origin with the canvas's size; the size page shows it for "Custom".
        d.card().Front_card_Prop->Card_Location = QPointF(0, 0);
        d.card().Front_card_Prop->Card_Size = d.workArea().canvasFrameSize;
        if (CardSizePanel *size = cardSizePanel())
            size->Fill_Card_Size_Panel(card);
        card_prop_set(card.Card_fill_style);
        if (sett_tab)
            sett_tab->update();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PropertySidebar::Show_Card_Image_Path(const QString &path)
{
    if (CardBackgroundPanel *background = cardBackgroundPanel())
        background->Card_Image_path->setPlainText(path);
}

void PropertySidebar::Show_Wizard_Label_Stock(const CardWizardValues &wizard)
{
    if (CardInfoPanel *info = cardInfoPanel())
        if (QAbstractButton *shape = info->matrix_card_shape->button(Card_Shape))
            shape->setChecked(true);
    CardSizePanel *size = cardSizePanel();
    try {
        if (size)
            size->Label_ComboBox->setCurrentIndex(wizard.labelIndex);
        const int product = wizard.productIndex;
        if (size && size->Product_num_ComboBox->count() > 0 && product >= 0) {
            if (product >= size->Product_num_ComboBox->count())
                throw std::out_of_range("The product is not in the main window's product list.");
            size->Product_num_ComboBox->setCurrentIndex(product);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PropertySidebar::Show_Wizard_Card(const CardWizardValues &wizard)
{
    Set_Card_Size_In_Control(wizard.width, wizard.height);
    if (CardInfoPanel *info = cardInfoPanel())
        info->card_name->setText(wizard.name);
    if (CardBorderPanel *border = cardBorderPanel()) {
        border->Card_border_chk->setChecked(wizard.border);
        border->Card_bordr_clr->setColor(wizard.borderColour);
        border->Card_bor_Stepper->setDoubleValue(wizard.borderWidth);
        border->Card_bor_Text->setText(QString::number(wizard.borderWidthWhole));
        border->Card_border_style->setCurrentIndex(wizard.borderStyle);
    }

    const QString style = wizard.fillStyle;
    const QString imagePath = wizard.imagePath;
    if (CardBackgroundPanel *background = cardBackgroundPanel()) {
        // The card is always filled; the wizard's fill box only shapes its own page.
        background->Card_fill_chk->setChecked(true);
        background->Card_fill_clr->setColor(wizard.fill);
        background->Card_fill_Grd_1_clr->setColor(wizard.gradient1);
        background->Card_fill_Grd_2_clr->setColor(wizard.gradient2);
        background->Card_grad_Stepper->setDoubleValue(wizard.gradientAngle);
        background->Card_grad_Text->setText(QString::number(background->Card_grad_Stepper->intValue()));
        background->Card_hatch_bk_clr->setColor(wizard.hatchBack);
        if (style == QLatin1String("H"))
            background->Card_hatch_style->setCurrentIndex(wizard.hatchStyle);
        // The wizard's opacity is a percentage and is taken as it is, small values included.
        const int opacity = int(wizard.opacity);
        background->Card_alpha_Stepper->setDoubleValue(opacity);
        background->Card_alpha_Text->setText(QString::number(opacity));
        background->Card_Image_path->setPlainText(imagePath);
    }
    card_prop_set(style);
    design.Update_Card_Graphics();
    if (style == QLatin1String("I"))
        design.set_Front_BG_Image(imagePath);
}

bool PropertySidebar::Apply_Size_Clicked()
{
    try {
        DesignController &d = design;
        d.units().Apply_unit_Chaneg_Values();
        CardSizePanel *size = cardSizePanel();
        const float toMM = UnitPreferences::Get_Unit_Convertor(Measument_Unit_Is, 2);
        const float width = MM_to_Points_Convert(float(size ? platform::fieldValue(size->width_Text) : 0.0) * toMM);
        const float height = MM_to_Points_Convert(float(size ? platform::fieldValue(size->height_Text) : 0.0) * toMM);
        // A size the canvas cannot show is refused before anything changes; the fields show the
        // card's size again.
        QString refusal = DesignWorkArea::Canvas_Size_Refusal(QSizeF(width, height));
        // A side under half a point has no pixel on the canvas at 100 %: as good as zero.
        if (refusal.isEmpty() && (width < 0.5f || height < 0.5f))
            refusal = DesignWorkArea::Canvas_Size_Refusal(QSizeF(0, 0));
        if (!refusal.isEmpty()) {
            Show_MessageBox(refusal);
            if (size && d.workArea().canvasFrameSize.isValid())
                size->Show_Stored_Size(d.workArea().canvasFrameSize);
            return false;
        }
        const QSizeF before = d.workArea().canvasFrameSize;
        d.workArea().Set_Canvas_to_100_percent();
        d.workArea().Set_Document_Size(width, height);
        d.workArea().SetDocumentCanvasSize(QSizeF(width, height));
        if (d.workArea()._zoomingScrollView)
            d.workArea()._zoomingScrollView->viewport()->update();
        const bool textsChanged = Update_All_Card_Content();
        return textsChanged || d.workArea().canvasFrameSize != before;
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        return false;
    }
}

bool PropertySidebar::Update_All_Card_Content()
{
    const CardInfoPanel *info = cardInfoPanel();
    const bool colourChanged = info && info->Content_Colour_Changed();
    const bool fontReplaced = info && info->All_Text_font_replaced;
    bool written = false;
    if (colourChanged || fontReplaced) {
        for (const std::shared_ptr<SKTGraphic> &g : design.selection().Get_Front_Controls_Array()) {
            if (!g || !g->isExactly<SKTText>())
                continue;
            if (colourChanged && g->txt_clr != info->All_Text_clr->color()) {
                g->txt_clr = info->All_Text_clr->color();
                written = true;
            }
            if (fontReplaced && g->text_ctrl_font != info->All_Text_font) {
                g->text_ctrl_font = info->All_Text_font;
                written = true;
            }
        }
    }
    design.Update_Card_Graphics();
    return written;
}
