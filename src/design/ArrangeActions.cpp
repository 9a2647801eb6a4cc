// The arrange page (AlignmentPanel) routed to the canvas: a position or size field's value and each
// arrange command go to the canvas's commands for the selected objects, then the redraw and one
// step. Locked objects never move, so a selection of locked objects only records nothing. The rest
// of the Designing mode shows an object on the page through the routing methods here.

#include "design/PropertySidebar.h"

#include "core/Units.h"
#include "core/Messages.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/UndoStacks.h"
#include "design/UnitPreferences.h"
#include "design/panels/AlignmentPanel.h"
#include "model/SKTBarcode.h"
#include "model/SKTGraphic.h"
#include "model/SKTGrid.h"

#include <QGroupBox>

#include <algorithm>
#include <functional>

namespace {

// Whether a command can change any selected object: an unlocked one, and for sizes one that is no
// barcode object.
bool anyChangeable(const SKTGraphicList &selection, bool sizes)
{
    return std::any_of(selection.cbegin(), selection.cend(), [sizes](const std::shared_ptr<SKTGraphic> &g) {
        return g && !g->ctrl_is_locked && !(sizes && g->isExactly<SKTBarcode>());
    });
}

void arrange(DesignController &d, const std::function<void()> &command, bool sizes = false)
{
    if (!command || !anyChangeable(d.selection().Selected_Graphic_Objects(), sizes))
        return;
    command();
    d.workArea().Refresh_Canvas();
    d.undoStacks().Insert_In_Undo_Redo();
}

// A field's value given to the canvas's applier: positions in points, sizes in the design unit (the
// canvas converts them).
void applyField(DesignController &d, const std::function<void(double)> &applier, bool sizes, double value)
{
    if (applier)
        arrange(d, [&applier, value] { applier(value); }, sizes);
}

// The same-size commands need a reference and at least one other object.
bool twoOrMoreSelected(const DesignController &d)
{
    if (d.selection().Selected_Graphic_Objects().size() >= 2)
        return true;
    Show_MessageBox(QStringLiteral("Please select more than one control."));
    return false;
}

void applyFieldValue(DesignController &d, AlignmentPanel::Field field, double value)
{
    const CanvasCommands &c = d.selection().Canvas_Commands;
    switch (field) {
    case AlignmentPanel::Field::X: applyField(d, c.applyX, false, value); break;
    case AlignmentPanel::Field::Y: applyField(d, c.applyY, false, value); break;
    case AlignmentPanel::Field::Width: applyField(d, c.applyWidth, true, value); break;
    case AlignmentPanel::Field::Height: applyField(d, c.applyHeight, true, value); break;
    }
}

void runArrangeCommand(DesignController &d, AlignmentPanel::Arrange command)
{
    using A = AlignmentPanel::Arrange;
    const CanvasCommands &c = d.selection().Canvas_Commands;
    switch (command) {
    case A::AlignLeft: arrange(d, c.alignLeftEdges); break;
    case A::AlignRight: arrange(d, c.alignRightEdges); break;
    case A::AlignTop: arrange(d, c.alignTopEdges); break;
    case A::AlignBottom: arrange(d, c.alignBottomEdges); break;
    case A::AlignCenter: arrange(d, c.alignformCenter); break;
    case A::AlignHorizontal: arrange(d, c.alignHorizontalCenters); break;
    case A::AlignVertical: arrange(d, c.alignVerticalCenters); break;
    case A::FitToLabel: arrange(d, c.makeSameAsLabelSize); break;
    case A::Natural: arrange(d, c.makeNaturalSize); break;
    case A::SameWidth:
        if (twoOrMoreSelected(d))
            arrange(d, c.makeSameWidth);
        break;
    case A::SameHeight:
        if (twoOrMoreSelected(d))
            arrange(d, c.makeSameHeight);
        break;
    case A::AlignToGrid:
        if (!d.workArea()._grid || !d.workArea()._grid->isAlwaysShown()) {
            Show_MessageBox(QStringLiteral("Please use grid option first."));
            return;
        }
        arrange(d, c.alignWithGrid);
        break;
    }
}

} // namespace

void PropertySidebar::Connect_Alignment_Panel()
{
    AlignmentPanel *page = alignmentPanel();
    DesignController *d = &design;
    page->Unit_Per_MM = [] { return double(UnitPreferences::Get_Unit_Convertor(2, Measument_Unit_Is)); };
    connect(page, &AlignmentPanel::fieldChanged, this,
            [d](AlignmentPanel::Field field, double value) { applyFieldValue(*d, field, value); });
    connect(page, &AlignmentPanel::arrangeRequested, this,
            [d](AlignmentPanel::Arrange command) { runArrangeCommand(*d, command); });
    if (d->workArea()._grid)
        page->Follow_Grid(*d->workArea()._grid);
}

void PropertySidebar::Set_Control_Pos_And_Size(const SKTGraphic &graphic)
{
    if (aligmnt_tab)
        alignmentPanel()->Set_Control_Pos_And_Size(graphic);
}

void PropertySidebar::Offer_Size_Commands(bool offered)
{
    if (aligmnt_tab)
        alignmentPanel()->Offer_Size_Commands(offered);
}

void PropertySidebar::Show_Size_Fields(bool shown)
{
    if (aligmnt_tab)
        alignmentPanel()->ctrl_width_height_box->setVisible(shown);
}

void PropertySidebar::Enable_Align_Buttons(bool enabled)
{
    if (aligmnt_tab)
        alignmentPanel()->Enable_Align_Buttons(enabled);
}

void PropertySidebar::Enable_Same_Size_Buttons(bool enabled)
{
    if (aligmnt_tab)
        alignmentPanel()->Enable_Same_Size_Buttons(enabled);
}

void PropertySidebar::Set_Object_Unit_Labels(const QString &sizeUnit)
{
    if (aligmnt_tab)
        alignmentPanel()->Set_Unit_Labels(sizeUnit);
}
