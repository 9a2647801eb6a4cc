#pragma once
// The Designing mode's editing commands: the standard buttons above the canvas (undo, redo,
// clipboard, delete, front and back, lock and unlock) with their states, the card side, and the
// Edit menu's dispatch. The work itself is the canvas's and the snapshot stacks' (the controller's).

#include <QObject>
#include <QString>

class DesignController;
class QPushButton;
class QWidget;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    explicit EditingCommands(DesignController &design);
    ~EditingCommands() override;

    DesignController &design;

    // The standard buttons (the form DesignStandardButtons, set up on the button bar).
    QPushButton *Cut_btn = nullptr, *Copy_btn = nullptr, *Paste_btn = nullptr, *Delete_btn = nullptr;
    QPushButton *Begin_Front_btn = nullptr, *Send_Back_btn = nullptr;
    QPushButton *Lock_btn = nullptr, *Unlock_btn = nullptr;
    QPushButton *Undo_btn = nullptr, *Redo_btn = nullptr;
    // Sets the standard buttons' form up on the bar and takes its buttons (once).
    void Build_Standard_Buttons(QWidget *bar);

    // Editing commands of the standard buttons and the Edit menu.
    void Cut_Clicked();
    void Copy_Clicked();
    void Paste_Clicked();
    void Delete_Clicked();
    void Begin_Front_Clicked();
    void Send_Back_Clicked();
    void Lock_Clicked();
    void Unlock_Clicked();
    void Front_Card_Btn_Clicked();
    void Select_front_side();
    enum class EditMenuCommand { Undo, Redo, Cut, Copy, Paste, Delete };
    // An Edit menu item: a focused text field takes it as its own standard command; otherwise, in
    // the Designing mode, the design's command runs.
    void Edit_Menu_Command(EditMenuCommand command);
    // Connects the standard and side buttons and the print check box to their handlers, and sets
    // the buttons' start states (the arrange page wires its own buttons and fields).
    void Wire_Editing_Commands();

    // Enabling of the standard buttons for the four selection situations, and of Paste.
    void Enable_Standard_Button_For_Control();
    void Enable_Standard_Button_For_Unlock();
    void Disable_Standard_Button_For_Card();
    void Disable_Standard_Button_For_Lock();
    void Set_Paste_Button_Status();
    // The private clipboard type of card objects.
    static QString Card_Objects_Mime_Type();

    // Undo and Redo, as buttons and menu items, enabled by what the snapshot stacks hold.
    void Check_Undo_Redo_Btn_Enability();
    void Enable_Disable_Undo(bool enable);
    void Enable_Disable_Redo(bool enable);
};
