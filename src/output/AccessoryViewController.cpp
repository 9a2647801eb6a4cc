#include "output/AccessoryViewController.h"

#include "platform/Dialogs.h"

#include "ui_AccessoryViewController.h"

#include <QComboBox>

AccessoryViewController::AccessoryViewController(QWidget *parent) : QWidget(parent)
{
    Ui::AccessoryViewController ui;
    ui.setupUi(this);
    ext_btn = ui.ext_btn;
    // The user's choice only: the exports reset the popup to item 0 from code without renaming.
    connect(ext_btn, &QComboBox::activated, this, [this] { selectFormat(ext_btn); });
}

AccessoryViewController *AccessoryViewController::sharedInstance()
{
    static AccessoryViewController *chooser = [] {
        auto *c = new AccessoryViewController;   // kept for the whole process
        c->setWindowFlags(Qt::Widget);
        c->hide();
        return c;
    }();
    return chooser;
}

void AccessoryViewController::selectFormat(QObject *)
{
    if (!m_savePanel)
        return;
    const QString ext = ext_btn->currentIndex() == 0 ? QStringLiteral("xlsx") : QStringLiteral("txt");
    QString name = m_savePanel->nameFieldStringValue();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    m_savePanel->setNameFieldStringValue(QStringLiteral("%1.%2").arg(name, ext));
    m_savePanel->setAllowedFileTypes({ext});
}
