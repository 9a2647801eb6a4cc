// The Designing mode's editing commands: clipboard, delete, front and back, lock and unlock, the
// card side, the Edit menu's dispatch, and the wiring of the buttons and fields that reach them.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"

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
    return d.hub.document() ? d.hub.document()->graphics() : SKTGraphicList();
}

void lockSelection(DesignController &d, bool lock)
{
    // The buttons first, also when nothing is selected.
    lock ? d.Disable_Standard_Button_For_Lock() : d.Enable_Standard_Button_For_Unlock();
    const SKTGraphicList selection = d.Selected_Graphic_Objects();
    if (selection.isEmpty()) {
        Show_MessageBox(lock ? QStringLiteral("Please select a control to Lock.")
                             : QStringLiteral("Please select a control to Unlock."));
        return;
    }
    for (const std::shared_ptr<SKTGraphic> &g : selection)
        g->ctrl_is_locked = lock;
    // The selection is applied again so that the handles and the sidebar show the new state.
    const SKTGraphicList graphics = documentGraphics(d);
    QList<int> indexes;
    for (const std::shared_ptr<SKTGraphic> &g : selection)
        if (const qsizetype i = graphics.indexOf(g); i >= 0)
            indexes.append(int(i));
    std::sort(indexes.begin(), indexes.end());
    d.Show_RHS_Properties(nullptr);
    if (d.Canvas_Commands.changeSelectionIndexes)
        d.Canvas_Commands.changeSelectionIndexes(indexes);
    d.Refresh_Canvas();
    d.Show_RHS_Properties(selection.last().get());
}

// The focused text field's own command for an Edit menu item; false when no text field has focus.
bool runInFocusedTextField(DesignController::EditMenuCommand command)
{
    using C = DesignController::EditMenuCommand;
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
    SKTWindowController &hub = d.hub;
    const std::pair<QAction *, C> items[] = {{hub.undo_menu, C::Undo},         {hub.redo_menu, C::Redo},
                                             {hub.Cut_menu_item, C::Cut},       {hub.Copy_menu_item, C::Copy},
                                             {hub.Paste_menu_item, C::Paste},   {hub.Delete_menu_item, C::Delete}};
    SKTGraphicView *canvas = d.Graphic_View();
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

} // namespace

int DesignController::Get_Front_Control_Count() const { return int(documentGraphics(*this).size()); }

void DesignController::Cut_Clicked()
{
    // The canvas's cut deletes through its delete, which records the step after the change.
    if (Canvas_Commands.cut)
        Canvas_Commands.cut();
    Set_Paste_Button_Status();
}

void DesignController::Copy_Clicked()
{
    if (Canvas_Commands.copy)
        Canvas_Commands.copy();
    Set_Paste_Button_Status();
}

void DesignController::Paste_Clicked()
{
    // The canvas records the step once the objects are in.
    if (Canvas_Commands.paste)
        Canvas_Commands.paste();
    Check_Series_Or_Excel_Use_or_not();
}

void DesignController::Delete_Clicked()
{
    // The canvas's delete records its own step.
    if (Canvas_Commands.deleteSelection)
        Canvas_Commands.deleteSelection();
}

void DesignController::Begin_Front_Clicked()
{
    // The order of objects is no undo step.
    if (Canvas_Commands.bringToFront)
        Canvas_Commands.bringToFront();
}

void DesignController::Send_Back_Clicked()
{
    if (Canvas_Commands.sendToBack)
        Canvas_Commands.sendToBack();
}

void DesignController::Lock_Clicked() { lockSelection(*this, true); }

void DesignController::Unlock_Clicked() { lockSelection(*this, false); }

void DesignController::Front_Card_Btn_Clicked() { Select_front_side(); }

void DesignController::Select_front_side()
{
    if (Front_back_label)
        Front_back_label->setText(QStringLiteral("Front"));
    if (Front_Side_btn)
        Front_Side_btn->setIcon(QIcon(QPixmap::fromImage(hub.front_btn_image_sel)));
    if (Back_Side_btn)
        Back_Side_btn->setIcon(QIcon(QPixmap::fromImage(hub.back_btn_image)));
    Last_Card_Sel_Tab = sett_tab ? sett_tab->currentWidget() : nullptr;
    if (!Last_Card_Sel_Tab)
        Fill_Card_Prop_Tab();
    if (Card_Image_Scrl)
        Card_Image_Scrl->show();
    if (Card_Image_Scrl_BACK)
        Card_Image_Scrl_BACK->hide();
    Graphics_array_Batch = Get_Front_Controls_Array();
    changeViewController(0);
    Show_RHS_Properties(nullptr);
    try {
        const bool cardTab = Last_Card_Sel_Tab && (Last_Card_Sel_Tab == card_info_tab || Last_Card_Sel_Tab == card_size_tab ||
                                                   Last_Card_Sel_Tab == card_bkgd_tab || Last_Card_Sel_Tab == card_brdr_tab);
        QWidget *tab = cardTab ? Last_Card_Sel_Tab : card_info_tab;
        if (!sett_tab || !tab)
            throw std::runtime_error("Select_front_side: the sidebar has no card tabs");
        // The card's tabs are what the sidebar shows for the card.
        if (sett_tab->indexOf(tab) < 0)
            Fill_Card_Prop_Tab();
        sett_tab->setCurrentWidget(tab);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Edit_Menu_Command(EditMenuCommand command)
{
    if (runInFocusedTextField(command) || Barcode_Setting_Or_Designing_Mode != 1)
        return;
    switch (command) {
    case EditMenuCommand::Undo: Undo_Clicked(); break;
    case EditMenuCommand::Redo: Redo_Clicked(); break;
    case EditMenuCommand::Cut: Cut_Clicked(); break;
    case EditMenuCommand::Copy: Copy_Clicked(); break;
    case EditMenuCommand::Paste: Paste_Clicked(); break;
    case EditMenuCommand::Delete: Delete_Clicked(); break;
    }
}

void DesignController::Wire_Editing_Commands()
{
    auto click = [this](QPushButton *button, void (DesignController::*handler)()) {
        if (button)
            connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    click(Undo_btn, &DesignController::Undo_Clicked);
    click(Redo_btn, &DesignController::Redo_Clicked);
    click(Cut_btn, &DesignController::Cut_Clicked);
    click(Copy_btn, &DesignController::Copy_Clicked);
    click(Paste_btn, &DesignController::Paste_Clicked);
    click(Delete_btn, &DesignController::Delete_Clicked);
    click(Begin_Front_btn, &DesignController::Begin_Front_Clicked);
    click(Send_Back_btn, &DesignController::Send_Back_Clicked);
    click(Lock_btn, &DesignController::Lock_Clicked);
    click(Unlock_btn, &DesignController::Unlock_Clicked);
    // A design has one side: the back side's button has no command.
    click(Front_Side_btn, &DesignController::Front_Card_Btn_Clicked);
    if (print_object_chk)
        connect(print_object_chk, &QCheckBox::clicked, this, [this] { Print_object_chk_changed(); });

    if (QAction *edit = hub.EDIT_MAIN_menu_item; edit && edit->menu())
        connect(edit->menu(), &QMenu::aboutToShow, this, [this] { validateEditMenu(*this); });

    Check_Undo_Redo_Btn_Enability();
    Disable_Standard_Button_For_Card();
}
