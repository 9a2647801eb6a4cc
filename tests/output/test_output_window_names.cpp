// What assistive technology (and the window checks) read in the print, PDF, export and mail
// windows: each field named by its own label, not by the box around it; each stepper and arrow
// named; the nine alignment buttons named by where they put the labels.

#include "app/SKTWindowController.h"
#include "output/ExportWindow.h"
#include "output/Export_Barcode.h"
#include "output/OutputController.h"
#include "output/PDF_Export.h"
#include "output/Print_Wnd.h"
#include "output/Send_Mail.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString nameOf(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

TEST(OutputWindowNames, FieldsByTheirLabelsSteppersAndAlignmentButtonsByName)
{
    testsupport::AppEnvironment env{QString(), true};
    Print_Wnd *print = Print_Wnd::defaultInstance();
    PDF_Export *pdf = PDF_Export::defaultInstance();
    const std::pair<const char *, QWidget *> windows[] = {
        {"print", print}, {"PDF", pdf}, {"image export", Export_Barcode::defaultInstance()},
        {"label export", &env.controller()->output().exportWindow()}, {"mail", Send_Mail::defaultInstance()}};
    for (const auto &[title, window] : windows) {
        window->ensurePolished();
        for (QWidget *w : window->findChildren<QWidget *>())
            w->ensurePolished();
        for (QLabel *label : window->findChildren<QLabel *>())
            if (qobject_cast<QLineEdit *>(label->buddy()) || qobject_cast<QPlainTextEdit *>(label->buddy()))
                EXPECT_EQ(nameOf(label->buddy()), label->text()) << title << " " << label->objectName().toStdString();
        QList<QWidget *> named;
        for (QWidget *w : window->findChildren<QWidget *>())
            if ((qobject_cast<QLineEdit *>(w) && !qobject_cast<QSpinBox *>(w->parentWidget()))
                || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QSpinBox *>(w) || qobject_cast<platform::Stepper *>(w)
                || qobject_cast<platform::Stepper *>(w->parentWidget()))
                named << w;
        for (QWidget *w : named) {
            const auto *box = qobject_cast<QGroupBox *>(w->parentWidget());
            const QString name = nameOf(w);
            EXPECT_FALSE(name.isEmpty() || (box && name == box->title()))
                << title << " " << w->objectName().toStdString() << " is named \"" << name.toStdString() << "\"";
        }
    }
    const QStringList places = {"Top left",    "Top center",    "Top right",    "Middle left", "Middle center",
                                "Middle right", "Bottom left", "Bottom center", "Bottom right"};
    const auto alignment = [](auto *w) {
        return std::vector<QPushButton *>{w->top_left_btn, w->top_center_btn, w->top_rite_btn,
                                          w->mid_left_btn, w->mid_center_btn, w->mid_rite_btn,
                                          w->bot_left_btn, w->bot_center_btn, w->bot_rite_btn};
    };
    for (const std::vector<QPushButton *> &buttons : {alignment(print), alignment(pdf)}) {
        QStringList names;
        for (QPushButton *b : buttons)
            names << nameOf(b);
        EXPECT_EQ(names.join('|').toStdString(), places.join('|').toStdString());
    }
}

} // namespace
