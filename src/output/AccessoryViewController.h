#pragma once
// The format chooser at the bottom of the list exports' save panel: a spreadsheet (.xlsx) or a text
// file (.txt). Choosing an item puts its extension on the panel's file name and makes it the only
// type the panel allows.

#include <QWidget>

class QComboBox;
namespace platform { class SavePanelAccess; }

class AccessoryViewController : public QWidget {
    Q_OBJECT
public:
    explicit AccessoryViewController(QWidget *parent = nullptr);
    // The one chooser that every list export of the process shows, made on first use.
    static AccessoryViewController *sharedInstance();

    QComboBox *ext_btn = nullptr;   // item 0 the spreadsheet format, any other the text format

    // The panel the chooser serves while it runs; nullptr outside a run.
    platform::SavePanelAccess *savePanel() const { return m_savePanel; }
    void setSavePanel(platform::SavePanelAccess *panel) { m_savePanel = panel; }

    // The action of ext_btn.
    void selectFormat(QObject *sender = nullptr);

private:
    platform::SavePanelAccess *m_savePanel = nullptr;
};
