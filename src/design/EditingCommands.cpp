// The Designing mode's editing commands: clipboard, delete, front and back, lock and unlock, the
// card side, the Edit menu's dispatch, and the wiring of the buttons and fields that reach them.

#include "design/EditingCommands.h"

#include "core/Mode.h"
#include "core/Messages.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/UndoStacks.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "platform/FormBinding.h"

#include "ui_DesignStandardButtons.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <exception>
#include <functional>

namespace {

SKTGraphicList documentGraphics(const DesignController &d)
{
    SKTDocument *document = d.sources().host->document();
    return document ? document->graphics() : SKTGraphicList();
}

void lockSelection(EditingCommands &e, bool lock)
{
    DesignController &d = e.design;
    // The buttons first, also when nothing is selected.
    lock ? e.Disable_Standard_Button_For_Lock() : e.Enable_Standard_Button_For_Unlock();
    const SKTGraphicList selection = d.selection().Selected_Graphic_Objects();
    if (selection.isEmpty()) {
        Show_MessageBox(lock ? QStringLiteral("Please select a control to Lock.")
                             : QStringLiteral("Please select a control to Unlock."));
        return;
    }
    bool changed = false;
    for (const std::shared_ptr<SKTGraphic> &g : selection) {
        changed = changed || g->ctrl_is_locked != lock;
        g->ctrl_is_locked = lock;
    }
    // The selection is applied again so that the handles and the sidebar show the new state.
    const SKTGraphicList graphics = documentGraphics(d);
    QList<int> indexes;
    for (const std::shared_ptr<SKTGraphic> &g : selection)
        if (const qsizetype i = graphics.indexOf(g); i >= 0)
            indexes.append(int(i));
    std::sort(indexes.begin(), indexes.end());
    d.sidebar().Show_RHS_Properties(nullptr);
    if (d.selection().Canvas_Commands.changeSelectionIndexes)
        d.selection().Canvas_Commands.changeSelectionIndexes(indexes);
    d.workArea().Refresh_Canvas();
    d.sidebar().Show_RHS_Properties(selection.last().get());
    if (changed)
        d.undoStacks().Insert_In_Undo_Redo();   // a lock is a change of the design: one step
}

// Brings the selection to the front or sends it to the back; a new order is one step.
void orderSelection(DesignController &d, const std::function<void()> &command)
{
    if (!command)
        return;
    const SKTGraphicList before = documentGraphics(d);
    command();
    if (documentGraphics(d) != before)
        d.undoStacks().Insert_In_Undo_Redo();
}

// The focused text field's own command for an Edit menu item; false when no text field has focus.
bool runInFocusedTextField(EditingCommands::EditMenuCommand command)
{
    using C = EditingCommands::EditMenuCommand;
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return false;
    QLineEdit *line = qobject_cast<QLineEdit *>(focus);
    if (!line)
        if (auto *combo = qobject_cast<QComboBox *>(focus))
            line = combo->lineEdit();
    if (!line && qobject_cast<QAbstractSpinBox *>(focus))
        line = focus->findChild<QLineEdit *>();
    if (line) {
        switch (command) {
        case C::Undo: line->undo(); break;
        case C::Redo: line->redo(); break;
        case C::Cut: line->cut(); break;
        case C::Copy: line->copy(); break;
        case C::Paste: line->paste(); break;
        case C::Delete: line->del(); break;
        }
        return true;
    }
    auto run = [command](auto *edit) {
        switch (command) {
        case C::Undo: edit->undo(); break;
        case C::Redo: edit->redo(); break;
        case C::Cut: edit->cut(); break;
        case C::Copy: edit->copy(); break;
        case C::Paste: edit->paste(); break;
        case C::Delete: {
            QTextCursor cursor = edit->textCursor();
            if (!cursor.hasSelection())
                cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            edit->setTextCursor(cursor);
            break;
        }
        }
    };
    if (auto *plain = qobject_cast<QPlainTextEdit *>(focus)) {
        run(plain);
        return true;
    }
    if (auto *rich = qobject_cast<QTextEdit *>(focus)) {
        run(rich);
        return true;
    }
    return false;
}

bool textFieldHasFocus()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return false;
    if (auto *combo = qobject_cast<QComboBox *>(focus))
        return combo->isEditable();
    return qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus) ||
           qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QTextEdit *>(focus);
}

// The Edit menu follows the canvas's enabling while the design has the keyboard; a focused text
// field, or another mode, keeps every item available for its own commands.
void validateEditMenu(DesignController &d)
{
    using C = SKTGraphicView::Command;
    const DesignHost &host = *d.sources().host;
    const std::pair<QAction *, C> items[] = {{host.undo_menu(), C::Undo},       {host.redo_menu(), C::Redo},
                                             {host.Cut_menu_item(), C::Cut},     {host.Copy_menu_item(), C::Copy},
                                             {host.Paste_menu_item(), C::Paste}, {host.Delete_menu_item(), C::Delete}};
    SKTGraphicView *canvas = d.workArea().Graphic_View();
    const bool design = canvas && Barcode_Setting_Or_Designing_Mode == 1 && !textFieldHasFocus();
    for (const auto &[item, command] : items) {
        if (!item)
            continue;
        SKTGraphicView::setItemCommand(item, command);
        if (design)
            canvas->validateMenuItem(item);
        else
            item->setEnabled(true);
    }
}

void bind(EditingCommands &c, const Ui::DesignStandardButtons &ui)
{
    // Not outlets: the row, its three gaps and its stretch.
    designform::bindForm<5>(ui, FORM_OUTLET(Undo_btn), FORM_OUTLET(Redo_btn), FORM_OUTLET(Cut_btn), FORM_OUTLET(Copy_btn),
                            FORM_OUTLET(Paste_btn), FORM_OUTLET(Delete_btn), FORM_OUTLET(Begin_Front_btn),
                            FORM_OUTLET(Send_Back_btn), FORM_OUTLET(Lock_btn), FORM_OUTLET(Unlock_btn));
}

} // namespace

EditingCommands::EditingCommands(DesignController &design) : design(design) {}

EditingCommands::~EditingCommands() = default;

void EditingCommands::Build_Standard_Buttons(QWidget *bar)
{
    if (Undo_btn || !bar)
        return;
    Ui::DesignStandardButtons ui;
    ui.setupUi(bar);
    bind(*this, ui);
}

void EditingCommands::Cut_Clicked()
{
    // The canvas's cut deletes through its delete, which records the step after the change.
    if (design.selection().Canvas_Commands.cut)
        design.selection().Canvas_Commands.cut();
    Set_Paste_Button_Status();
}

void EditingCommands::Copy_Clicked()
{
    if (design.selection().Canvas_Commands.copy)
        design.selection().Canvas_Commands.copy();
    Set_Paste_Button_Status();
}

void EditingCommands::Paste_Clicked()
{
    // The canvas records the step once the objects are in.
    if (design.selection().Canvas_Commands.paste)
        design.selection().Canvas_Commands.paste();
    design.records().Check_Series_Or_Excel_Use_or_not();
}

void EditingCommands::Delete_Clicked()
{
    // The canvas's delete records its own step.
    if (design.selection().Canvas_Commands.deleteSelection)
        design.selection().Canvas_Commands.deleteSelection();
}

void EditingCommands::Begin_Front_Clicked() { orderSelection(design, design.selection().Canvas_Commands.bringToFront); }

void EditingCommands::Send_Back_Clicked() { orderSelection(design, design.selection().Canvas_Commands.sendToBack); }

void EditingCommands::Lock_Clicked() { lockSelection(*this, true); }

void EditingCommands::Unlock_Clicked() { lockSelection(*this, false); }

void EditingCommands::Front_Card_Btn_Clicked() { Select_front_side(); }

void EditingCommands::Select_front_side()
{
    DesignController &d = design;
    if (d.workArea().Front_back_label)
        d.workArea().Front_back_label->setText(QStringLiteral("Front"));
    if (d.workArea().Front_Side_btn)
        d.workArea().Front_Side_btn->setIcon(QIcon(QPixmap::fromImage(d.sources().host->front_btn_image_sel())));
    if (d.workArea().Back_Side_btn)
        d.workArea().Back_Side_btn->setIcon(QIcon(QPixmap::fromImage(d.sources().host->back_btn_image())));
    PropertySidebar &sidebar = d.sidebar();
    sidebar.Last_Card_Sel_Tab = sidebar.sett_tab ? sidebar.sett_tab->currentWidget() : nullptr;
    if (!sidebar.Last_Card_Sel_Tab)
        sidebar.Fill_Card_Prop_Tab();
    if (d.workArea().Card_Image_Scrl)
        d.workArea().Card_Image_Scrl->show();
    if (d.workArea().Card_Image_Scrl_BACK)
        d.workArea().Card_Image_Scrl_BACK->hide();
    d.card().Graphics_array_Batch = d.selection().Get_Front_Controls_Array();
    d.workArea().changeViewController(0);
    sidebar.Show_RHS_Properties(nullptr);
    try {
        QWidget *last = sidebar.Last_Card_Sel_Tab;
        const bool cardTab = last && (last == sidebar.card_info_tab || last == sidebar.card_size_tab ||
                                      last == sidebar.card_bkgd_tab || last == sidebar.card_brdr_tab);
        QWidget *tab = cardTab ? last : sidebar.card_info_tab;
        if (!sidebar.sett_tab || !tab)
            throw std::runtime_error("Select_front_side: the sidebar has no card tabs");
        // The card's tabs are what the sidebar shows for the card.
        if (sidebar.sett_tab->indexOf(tab) < 0)
            sidebar.Fill_Card_Prop_Tab();
        sidebar.sett_tab->setCurrentWidget(tab);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void EditingCommands::Edit_Menu_Command(EditMenuCommand command)
{
    if (runInFocusedTextField(command) || Barcode_Setting_Or_Designing_Mode != 1)
        return;
    switch (command) {
    case EditMenuCommand::Undo: design.undoStacks().Undo_Clicked(); break;
    case EditMenuCommand::Redo: design.undoStacks().Redo_Clicked(); break;
    case EditMenuCommand::Cut: Cut_Clicked(); break;
    case EditMenuCommand::Copy: Copy_Clicked(); break;
    case EditMenuCommand::Paste: Paste_Clicked(); break;
    case EditMenuCommand::Delete: Delete_Clicked(); break;
    }
}

void EditingCommands::Wire_Editing_Commands()
{
    DesignController &d = design;
    auto click = [this](QPushButton *button, void (EditingCommands::*handler)()) {
        if (button)
            connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    if (Undo_btn)
        connect(Undo_btn, &QPushButton::clicked, &d, [&d] { d.undoStacks().Undo_Clicked(); });
    if (Redo_btn)
        connect(Redo_btn, &QPushButton::clicked, &d, [&d] { d.undoStacks().Redo_Clicked(); });
    click(Cut_btn, &EditingCommands::Cut_Clicked);
    click(Copy_btn, &EditingCommands::Copy_Clicked);
    click(Paste_btn, &EditingCommands::Paste_Clicked);
    click(Delete_btn, &EditingCommands::Delete_Clicked);
    click(Begin_Front_btn, &EditingCommands::Begin_Front_Clicked);
    click(Send_Back_btn, &EditingCommands::Send_Back_Clicked);
    click(Lock_btn, &EditingCommands::Lock_Clicked);
    click(Unlock_btn, &EditingCommands::Unlock_Clicked);
    // A design has one side: the back side's button has no command.
    click(d.workArea().Front_Side_btn, &EditingCommands::Front_Card_Btn_Clicked);
    // The print check box is the sidebar's; the arrange page wires its own buttons and fields.
    if (d.sidebar().print_object_chk)
        connect(d.sidebar().print_object_chk, &QCheckBox::clicked, &d, [&d] { d.Print_object_chk_changed(); });

    if (QAction *edit = d.sources().host->EDIT_MAIN_menu_item(); edit && edit->menu())
        connect(edit->menu(), &QMenu::aboutToShow, this, [this] { validateEditMenu(design); });

    Check_Undo_Redo_Btn_Enability();
    Disable_Standard_Button_For_Card();
}
