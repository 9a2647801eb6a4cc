// The property sidebar's form and its pages: the form promotes each page to its panel class; the
// set-up keeps the pages' titles and connects the pages to the work they ask for. The source page's
// source type and series choices go to the window's batch binding; its value editor's text and
// picture file choice to the controller; its viewers to the batch binding; its spreadsheet row's
// buttons to the window.

#include "design/PropertySidebar.h"

#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"
#include "design/UndoStacks.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/BarcodePanel.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/CardInfoPanel.h"
#include "design/panels/CardSizePanel.h"
#include "design/panels/DataSourcePanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/SignPanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/DesignGlobals.h"
#include "model/SKTText.h"
#include "platform/FormBinding.h"
#include "platform/WheelGuard.h"

#include "ui_DesignPropertySidebar.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <utility>

namespace {

void bind(PropertySidebar &c, const Ui::DesignPropertySidebar &ui)
{
    // Not outlets: the box's layout.
    designform::bindForm<1>(
        ui, FORM_OUTLET(sel_control_name), FORM_OUTLET(properties_title), FORM_OUTLET(sett_tab),
        FORM_OUTLET(card_setting_tab), FORM_OUTLET(card_info_tab), FORM_OUTLET(card_size_tab), FORM_OUTLET(card_bkgd_tab),
        FORM_OUTLET(card_brdr_tab), FORM_OUTLET(line_tab), FORM_OUTLET(shape_tab), FORM_OUTLET(text_edtng_tab),
        FORM_OUTLET(text_prop_tab), FORM_OUTLET(image_tab), FORM_OUTLET(sign_tab), FORM_OUTLET(datasource_tab),
        FORM_OUTLET(aligmnt_tab), FORM_OUTLET(barcode_tab), FORM_OUTLET(Lock_tab), FORM_OUTLET(print_object_chk));
}

// The value editor's text goes into every selected unlocked text with a manual source.
void giveTextValue(DesignController &d, const QString &text)
{
    if (!d.selection().Get_Selected_Graphic())
        return;
    bool changed = false;
    for (const std::shared_ptr<SKTGraphic> &g : d.selection().Selected_Graphic_Objects()) {
        if (!g || g->ctrl_is_locked || !g->isExactly<SKTText>() || g->data_source_type != 0)
            continue;
        g->Set_text_value(text);
        changed = true;
    }
    if (changed)
        d.undoStacks().Typing_Changed_Design();
    d.workArea().Refresh_Canvas();
}

} // namespace

PropertySidebar::PropertySidebar(DesignController &design) : design(design) {}

PropertySidebar::~PropertySidebar() = default;

void PropertySidebar::Build_Property_Sidebar(QGroupBox *box)
{
    Ui::DesignPropertySidebar ui;
    ui.setupUi(box);
    bind(*this, ui);

    // The fifteen panels in the order of the description; the set-up keeps and removes them, and
    // puts them back under the titles kept here.
    const std::pair<QWidget *, QString *> pages[] = {
        {card_setting_tab, &card_setting_tab_label}, {card_info_tab, &card_info_tab_label},
        {card_size_tab, &card_size_tab_label},       {card_bkgd_tab, &card_bkgd_tab_label},
        {card_brdr_tab, &card_brdr_tab_label},       {line_tab, &line_tab_label},
        {shape_tab, &shape_tab_label},               {text_edtng_tab, &text_edtng_tab_label},
        {text_prop_tab, &text_prop_tab_label},       {image_tab, &image_tab_label},
        {sign_tab, &sign_tab_label},                 {datasource_tab, &datasource_tab_label},
        {aligmnt_tab, &aligmnt_tab_label},           {barcode_tab, &barcode_tab_label},
        {Lock_tab, &Lock_tab_label},
    };
    for (const auto &[tab, label] : pages)
        *label = sett_tab->tabText(sett_tab->indexOf(tab));

    // Every page scrolls under the wheel; its lists and spin boxes take it once focused.
    platform::wheelScrollsPanel(box);
    Connect_Card_Panels();
    // The line, shape and text pages: a colour chosen goes to every selected object first, then
    // the page's values into the selected objects of its kind.
    DesignController *d = &design;
    connect(linePanel(), &LinePanel::colorChosen, d, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(linePanel(), &LinePanel::transferRequested, d, &DesignController::Update_Line_Graphics);
    connect(shapePanel(), &ShapePanel::colorChosen, d, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(shapePanel(), &ShapePanel::transferRequested, d, &DesignController::Update_Shape_Graphics);
    textEditingPanel()->Share_Text_Font(&design.Text_font);
    connect(textEditingPanel(), &TextEditingPanel::colorChosen, d, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(textEditingPanel(), &TextEditingPanel::transferRequested, d, &DesignController::Update_Text_Graphics);
    connect(textPropertiesPanel(), &TextPropertiesPanel::colorChosen, d,
            &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(textPropertiesPanel(), &TextPropertiesPanel::transferRequested, d, &DesignController::Update_Text_Graphics);
    Connect_Picture_Panels();
    Connect_Data_Source_Panel();
    Connect_Alignment_Panel();
}

void PropertySidebar::Remove_All_Tab_Items()
{
    if (!sett_tab)
        return;
    while (sett_tab->count() > 0)
        sett_tab->removeTab(0);
}

void PropertySidebar::Fill_Card_Prop_Tab()
{
    if (properties_title)
        properties_title->setText(QStringLiteral("Label Properties"));
    if (!sett_tab)
        return;
    Remove_All_Tab_Items();
    sett_tab->insertTab(0, card_info_tab, card_info_tab_label);
    sett_tab->insertTab(1, card_size_tab, card_size_tab_label);
    sett_tab->insertTab(2, card_bkgd_tab, card_bkgd_tab_label);
    sett_tab->insertTab(3, card_brdr_tab, card_brdr_tab_label);
}

CardInfoPanel *PropertySidebar::cardInfoPanel() const { return static_cast<CardInfoPanel *>(card_info_tab); }
CardSizePanel *PropertySidebar::cardSizePanel() const { return static_cast<CardSizePanel *>(card_size_tab); }
CardBackgroundPanel *PropertySidebar::cardBackgroundPanel() const { return static_cast<CardBackgroundPanel *>(card_bkgd_tab); }
CardBorderPanel *PropertySidebar::cardBorderPanel() const { return static_cast<CardBorderPanel *>(card_brdr_tab); }
LinePanel *PropertySidebar::linePanel() const { return static_cast<LinePanel *>(line_tab); }
ShapePanel *PropertySidebar::shapePanel() const { return static_cast<ShapePanel *>(shape_tab); }
TextEditingPanel *PropertySidebar::textEditingPanel() const { return static_cast<TextEditingPanel *>(text_edtng_tab); }
TextPropertiesPanel *PropertySidebar::textPropertiesPanel() const { return static_cast<TextPropertiesPanel *>(text_prop_tab); }
ImagePanel *PropertySidebar::imagePanel() const { return static_cast<ImagePanel *>(image_tab); }
SignPanel *PropertySidebar::signPanel() const { return static_cast<SignPanel *>(sign_tab); }
DataSourcePanel *PropertySidebar::dataSourcePanel() const { return static_cast<DataSourcePanel *>(datasource_tab); }
AlignmentPanel *PropertySidebar::alignmentPanel() const { return static_cast<AlignmentPanel *>(aligmnt_tab); }
BarcodePanel *PropertySidebar::barcodePanel() const { return static_cast<BarcodePanel *>(barcode_tab); }

void PropertySidebar::Connect_Data_Source_Panel()
{
    DataSourcePanel *source = dataSourcePanel();
    DesignController *d = &design;
    connect(source, &DataSourcePanel::dataSourceChosen, this, [d] { d->sources().host->dataSourceChosen(); });
    connect(source, &DataSourcePanel::seriesOrColumnChosen, this, [d] { d->sources().host->seriesOrColumnChosen(); });
    connect(source, &DataSourcePanel::textValueEdited, this, [d](const QString &text) { giveTextValue(*d, text); });
    connect(source, &DataSourcePanel::textValueEditingEnded, d, [d] { d->undoStacks().Record_Typing_Step(); });
    connect(source, &DataSourcePanel::transferRequested, this, [d] { d->Update_Text_Graphics(); });
    connect(source, &DataSourcePanel::pictureBrowseRequested, this, [d] {
        if (d->selection().Check_Multiple_Image_Selection(QStringLiteral("Browse")))
            return;
        if (d->Browse_User_Image_Manually())
            d->Give_Current_Picture_Path(Library_Selected_Image);
    });
    connect(source, &DataSourcePanel::libraryBrowseRequested, this, [this, d] {
        if (d->selection().Check_Multiple_Image_Selection(QStringLiteral("Select")))
            return;
        if (d->Open_Image_Library_Window(QStringLiteral("C")) != 1)
            return;
        Library_Selected_Image = lib_window_sel_file;
        Show_Picture_Source_Path(Library_Selected_Image);
        d->Give_Current_Picture_Path(Library_Selected_Image);
    });
    connect(source, &DataSourcePanel::seriesViewRequested, this,
            [d](const QString &name) { d->records().Open_Series_Value_Box(name); });
    connect(source, &DataSourcePanel::excelDataViewRequested, this, [d] { d->records().Open_Excel_Data_Box(); });
    connect(source, &DataSourcePanel::excelBrowseRequested, this, [d] { d->sources().host->Browse_excel_Btn_Clicked(); });
    connect(source, &DataSourcePanel::excelViewRequested, this, [d] { d->sources().host->View_Excel_Btn_Clicked(); });
}
