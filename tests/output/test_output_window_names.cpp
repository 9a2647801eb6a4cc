// What assistive technology (and the window checks) read in the print, PDF, export and mail
// windows: each field named by its label, not by the box around it; each stepper and its arrows
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
#include <gtest/gtest.h>

TEST(OutputWindowNames, FieldsByTheirLabelsSteppersAndAlignmentButtonsByName)
{
    const auto nameOf = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    testsupport::AppEnvironment env{QString(), true};
    Print_Wnd *print = Print_Wnd::defaultInstance();
    PDF_Export *pdf = PDF_Export::defaultInstance();
    for (QWidget *window : std::initializer_list<QWidget *>{print, pdf, Export_Barcode::defaultInstance(),
                                                            &env.controller()->output().exportWindow(), Send_Mail::defaultInstance()}) {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            w->ensurePolished();
            if (auto *label = qobject_cast<QLabel *>(w); label && qobject_cast<QLineEdit *>(label->buddy())) {
                EXPECT_EQ(nameOf(label->buddy()), label->text()) << label->objectName().toStdString();
            }
            const bool field = (qobject_cast<QLineEdit *>(w) && !qobject_cast<QSpinBox *>(w->parentWidget()))
                               || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QSpinBox *>(w)
                               || qobject_cast<platform::Stepper *>(w) || qobject_cast<platform::Stepper *>(w->parentWidget());
            const auto *box = qobject_cast<QGroupBox *>(w->parentWidget());
            EXPECT_FALSE(field && (nameOf(w).isEmpty() || (box && nameOf(w) == box->title())))
                << w->objectName().toStdString() << " is named \"" << nameOf(w).toStdString() << "\"";
        }
    }
    for (QGroupBox *alignment : {print->align_Gp_Bx, pdf->align_Gp_Bx}) {
        QStringList names;   // the buttons in the form's order, top left to bottom right
        for (QPushButton *b : alignment->findChildren<QPushButton *>())
            names << nameOf(b);
        EXPECT_EQ(names.join('|').toStdString(), "Top left|Top center|Top right|Middle left|Middle center|Middle right|"
                                                 "Bottom left|Bottom center|Bottom right");
    }
}
