// The main window's description ("DrawWindow"): the widgets and their outlet names.

#include "app/SKTWindowController.h"

#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QVBoxLayout>

void SKTWindowController::loadWindowDescription()
{
    window_ = new QMainWindow;
    window_->setObjectName(QStringLiteral("DrawWindow"));
    window_->setWindowTitle(App_Name);
    window_->resize(1280, 860);

    Barcode_mode_tab = new QTabWidget(window_);
    Barcode_mode_tab->setObjectName(QStringLiteral("Barcode_mode_tab"));
    auto page = [this](const char *name, const QString &label) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        new QVBoxLayout(w);
        Barcode_mode_tab->addTab(w, label);
        return w;
    };
    Barcode_setting_tab = page("Barcode_setting_tab", QStringLiteral("Barcode Mode"));
    Barcode_Design_tab = page("Barcode_Design_tab", QStringLiteral("Designing Mode"));
    Barcode_ADV_QR_tab = page("Barcode_ADV_QR_tab", QStringLiteral("Advanced QR Mode"));
    window_->setCentralWidget(Barcode_mode_tab);
}
