#pragma once
// The grid options window: colour, spacing and showing of the Designing-mode canvas grid. The
// controls belong to the Designing mode, which fills them before the window opens and applies
// every change at once; this window only runs modally and closes. Changes stay after Cancel too.

#include <QObject>
#include <QPointer>

class QCheckBox;
class QDialog;
class QGroupBox;
class QPushButton;
class QSlider;
class QWidget;
namespace platform {
class ColorWell;
}

class Grid_Wizard : public QObject {
    Q_OBJECT
public:
    // init: loads the window description and registers the instance as the default one. The
    // window's parent (may be null) centres it over the main window.
    explicit Grid_Wizard(QWidget *windowParent = nullptr, QObject *parent = nullptr);
    ~Grid_Wizard() override;
    // The instance registered by init (nullptr before one exists).
    static Grid_Wizard *defaultInstance();

    QDialog *window = nullptr;
    platform::ColorWell *Grid_clr = nullptr;
    QSlider *Grid_Space_slidr = nullptr;   // spacing in points, 1 to 72
    QCheckBox *Show_hide_grid_chk = nullptr;
    QGroupBox *Grid_Opt_box = nullptr;
    QPushButton *OK_Btn = nullptr;
    QPushButton *Cancel_Btn = nullptr;

    // Runs the window application-modal; it is ordered out when the run ends.
    void Open_Wnd();
    void OK_Btn_Clicked();       // ends the run with 1
    void Cancel_Btn_Clicked();   // ends the run with 0

private:
    QPointer<QDialog> m_window;   // the window may go first with its parent
};
