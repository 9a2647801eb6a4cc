// The property sidebar's tab sets: the card's four tabs for no object, or the tabs of the object's
// exact class, rebuilt once per change of the shown object, with its panels filled from it. Filling
// runs with Not_Draw_Only_Prop_Change set, so the handlers the controls may trigger write nothing
// back.

#include "design/PropertySidebar.h"

#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Messages.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropFillGuard.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <exception>

namespace {

// The caption of a shape code, nothing for a code outside the list.
QString shapeCaption(const QString &code)
{
    static const QMap<QString, QString> captions = {
        {QStringLiteral("R"), QStringLiteral("Rectangle Settings")},
        {QStringLiteral("C"), QStringLiteral("Ellipse Settings")},
        {QStringLiteral("RR"), QStringLiteral("Rounded Rectangle Settings")},
        {QStringLiteral("T"), QStringLiteral("Triangle Settings")},
        {QStringLiteral("D"), QStringLiteral("Diamond Settings")},
        {QStringLiteral("S"), QStringLiteral("Star Settings")},
        {QStringLiteral("DS"), QStringLiteral("Double Star Settings")},
        {QStringLiteral("P"), QStringLiteral("Polygon Settings")},
    };
    return captions.value(code);
}

} // namespace

void PropertySidebar::Show_RHS_Properties(SKTGraphic *graphic)
{
    if (Barcode_Setting_Or_Designing_Mode != 1 || form_is_loading)
        return;
    DesignController &d = design;
    auto focusCanvas = [&d] {
        if (d.workArea()._graphicView)
            d.workArea()._graphicView->setFocus();
    };
    try {
        // Somebody else fills the controls: only the card's tabs and the focus.
        if (Not_Draw_Only_Prop_Change) {
            if (!graphic)
                Fill_Card_Prop_Tab();
            focusCanvas();
            return;
        }
        d.selectArrowTool();
        if (!graphic) {
            Fill_Card_Prop_Tab();
            d.selection().Set_Selected_Graphic(nullptr);
            if (d.selection().Canvas_Clear_Selection)
                d.selection().Canvas_Clear_Selection();
            if (sett_tab)
                sett_tab->setCurrentIndex(0);
            Load_Card_and_Label_Properties(nullptr);
            focusCanvas();
            return;
        }
        EditingCommands &editing = d.editing();
        editing.Enable_Standard_Button_For_Control();
        graphic->ctrl_is_locked ? editing.Disable_Standard_Button_For_Lock() : editing.Enable_Standard_Button_For_Unlock();
        if (graphic == d.selection().Last_Selected_Graphic) {
            focusCanvas();
            return;
        }
        d.selection().Last_Selected_Graphic = graphic;
        Build_Tab_Set(*graphic);
        focusCanvas();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void PropertySidebar::Build_Tab_Set(const SKTGraphic &graphic)
{
    Hide_Image_Error();
    const bool barcode = graphic.isExactly<SKTBarcode>();
    Offer_Size_Commands(!barcode);
    Remove_All_Tab_Items();
    if (print_object_chk)
        print_object_chk->setChecked(graphic.print_object != 0);
    if (sel_control_name)
        sel_control_name->setText(QStringLiteral("NONE"));

    const bool locked = graphic.ctrl_is_locked;
    const bool single = design.selection().Selected_Graphic_Objects().size() == 1;
    {
        const PropFillGuard filling;
        Show_Size_Fields(true);
        auto put = [this](int at, QWidget *tab, const QString &label) {
            if (sett_tab && tab)
                sett_tab->insertTab(at, tab, label);
        };
        // The lone tab of a locked object; its label stays for a shape whose code has no caption.
        auto putLocked = [&](const QString &label) {
            Lock_tab_label = label;
            put(0, Lock_tab, label);
        };
        QString title;
        if (graphic.isExactly<SKTText>()) {
            title = QStringLiteral("Text Properties");
            Fill_Text_Panel(graphic);
            if (locked) {
                putLocked(title);
            } else {
                put(0, text_edtng_tab, text_edtng_tab_label);
                put(1, text_prop_tab, text_prop_tab_label);
                if (single && !ONLY_QR_MODE) {
                    put(2, datasource_tab, QStringLiteral("Source"));
                    Show_Text_Source_Tab();
                }
            }
        } else if (graphic.isExactly<SKTImage>()) {
            title = QStringLiteral("Image Properties");
            Fill_Image_Panel(graphic);
            if (locked) {
                putLocked(title);
            } else if (single) {
                put(0, datasource_tab, QStringLiteral("Source"));
                put(1, image_tab, image_tab_label);
                Show_Image_Source_Tab();
            } else {
                put(0, image_tab, image_tab_label);
            }
        } else if (graphic.isExactly<SKTLine>()) {
            title = QStringLiteral("Line Properties");
            linePanel()->Fill_Line_Panel(graphic);
            locked ? putLocked(title) : put(0, line_tab, line_tab_label);
        } else if (graphic.isExactly<SKTSignature>()) {
            title = QStringLiteral("Signature Properties");
            Fill_Sign_Panel(graphic);
            locked ? putLocked(title) : put(0, sign_tab, sign_tab_label);
        } else if (barcode) {
            title = QStringLiteral("Barcode Properties");
            locked ? putLocked(title) : put(0, barcode_tab, barcode_tab_label);
        } else {
            title = QStringLiteral("Shape Properties");
            shapePanel()->Fill_Shape_Panel(graphic, locked);
            const QString caption = shapeCaption(graphic.Get_shape_type());
            if (locked) {
                putLocked(caption.isEmpty() ? Lock_tab_label : caption);
            } else {
                if (!caption.isEmpty())
                    shapePanel()->Shape_prop_title->setText(caption);
                put(0, shape_tab, QStringLiteral("General"));
            }
        }
        Set_Control_Pos_And_Size(graphic);
        if (properties_title)
            properties_title->setText(title);
        if (sett_tab)
            sett_tab->setCurrentIndex(0);
    }
    if (!locked && sett_tab && aligmnt_tab)
        sett_tab->addTab(aligmnt_tab, aligmnt_tab_label);
    if (sett_tab)
        sett_tab->update();
}

void PropertySidebar::Fill_Text_Panel(const SKTGraphic &g)
{
    if (sel_control_name)
        sel_control_name->setText(QStringLiteral("T"));
    Fill_Text_Source(g);
    textEditingPanel()->Fill_Text_Panel(g);
    textPropertiesPanel()->Fill_Text_Panel(g);
}
