#pragma once
// The page layout panel (Qt's) answered as a user answers it while it really runs: the paper picked
// from its list, the orientation clicked, the margins (points) set in the panel's unit or typed key
// by key into its fields, then OK or Cancel. openedOn receives what the panel showed when it opened,
// pagesPerSheetShown whether it offered its pages-per-sheet choices.

#include "platform/PageSetupControls.h"

#include <QAbstractSpinBox>
#include <QPageSetupDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace testsupport {

struct PageSetupAnswer {
    std::optional<QPageSize> paper;   // none: the paper and orientation left as the panel opened
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QMarginsF> margins = {};
    bool ok = true;
    QPageLayout *openedOn = nullptr;
    QStringList typed = {};   // into the left, top, right and bottom margin fields, in the panel's unit
    bool *pagesPerSheetShown = nullptr;

    int operator()(QDialog &dialog) const
    {
        auto *panel = qobject_cast<QPageSetupDialog *>(&dialog);
        const std::optional<platform::PageSetupControls> controls = panel ? std::optional(platform::PageSetupControls(*panel)) : std::nullopt;
        if (!controls || !controls->complete()) {
            ADD_FAILURE() << "not Qt's page layout panel";
            return 0;
        }
        QTimer::singleShot(0, &dialog, [&dialog, c = *controls, a = *this] {
            if (a.openedOn)
                *a.openedOn = c.shown();
            if (a.pagesPerSheetShown)
                *a.pagesPerSheetShown = dialog.findChild<QWidget *>(QStringLiteral("pagesPerSheetButtonGroup"))->isVisible();
            if (a.paper)
                c.choosePaper(*a.paper, a.orientation);
            if (a.margins)
                c.typeMargins(*a.margins);
            const char *const fields[] = {"leftMargin", "topMargin", "rightMargin", "bottomMargin"};
            for (int i = 0; i < int(a.typed.size()) && i < 4; ++i) {
                auto *field = dialog.findChild<QAbstractSpinBox *>(QLatin1String(fields[i]));
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Delete);
                QTest::keyClicks(field, a.typed.at(i));
                QTest::keyClick(field, Qt::Key_Tab);
            }
            a.ok ? dialog.accept() : dialog.reject();
        });
        return dialog.exec();
    }
};

} // namespace testsupport
