#pragma once
// The page layout panel (Qt's) answered as a user answers it while it really runs: the paper picked
// from its list, the orientation clicked, the margins (points) typed in the panel's unit, then OK
// or Cancel. openedOn receives what the panel showed when it opened.

#include "platform/PageSetupControls.h"
#include "support/NumberFieldSweep.h"
#include "support/Wheel.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QPageSetupDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace testsupport {

struct PageSetupAnswer {
    std::optional<QPageSize> paper;   // none: the paper left as the panel opened, Landscape ticked if asked
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QMarginsF> margins = {};
    bool ok = true;
    QPageLayout *openedOn = nullptr;
    QString typedLeft = {};   // key by key into the left margin field (or typedInto), in the panel's unit
    const char *typedInto = "leftMargin";
    int endedBy = Qt::Key_Tab;   // the key that ends the typing, or a step: a key, Wheel (a notch down), Arrow (the up one), Menu
    // (Step down in the field's context menu); or Cut: the top margin's up arrow pressed through the window (cutPress)
    static constexpr int Wheel = -1, Arrow = -2, Menu = -3, Cut = -4;
    std::optional<QPageLayout::Unit> unit = {};   // chosen first, with the keyboard
    std::vector<QPageLayout::Unit> thenUnits = {};   // chosen in turn after the typing; the four margins each shows
    QStringList *shownInUnits = nullptr;             // ("left top right bottom ") into shownInUnits

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
            const auto *perSheet = dialog.findChild<QWidget *>(QStringLiteral("pagesPerSheetButtonGroup"));
            EXPECT_TRUE(perSheet && !perSheet->isVisible()) << "pages per sheet offered, though no job prints them";
            auto *units = dialog.findChild<QComboBox *>(QStringLiteral("unitCombo"));
            const auto choose = [units](QPageLayout::Unit unit) {
                for (const int to = units->findData(QVariant::fromValue(unit)); to >= 0 && units->currentIndex() != to;)
                    QTest::keyClick(units, units->currentIndex() < to ? Qt::Key_Down : Qt::Key_Up);
            };
            a.unit ? choose(*a.unit) : void();
            if (a.paper)
                c.choosePaper(*a.paper, c.shown().orientation());   // first, then the orientation clicked
            if (a.paper || a.orientation == QPageLayout::Landscape)
                dialog.findChild<QAbstractButton *>(QLatin1String(a.orientation == QPageLayout::Landscape ? "landscape" : "portrait"))->click();
            if (a.margins)
                c.typeMargins(*a.margins);
            if (auto *left = dialog.findChild<QAbstractSpinBox *>(QLatin1String(a.typedInto)); !a.typedLeft.isEmpty() || a.endedBy == Arrow) {   // or clicked alone
                auto *top = dialog.findChild<QAbstractSpinBox *>(QStringLiteral("topMargin"));
                const QString atTop = top->text();
                if (a.endedBy == Cut && QTest::qWaitForWindowActive(&dialog))   // the focus in the field, as a user types there
                    left->setFocus();
                left->selectAll();
                for (const QChar c : a.typedLeft)   // in any script: QTest::keyClicks sends Latin-1 only
                    QTest::sendKeyEvent(QTest::Click, left, Qt::Key_unknown, QString(c), {});
                if (a.endedBy == Menu)   // "Step &down" by its key
                    QTimer::singleShot(0, left, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D); });
                QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(4, 4), left->mapToGlobal(QPoint(4, 4)));
                a.endedBy == Wheel   ? wheelDown(left)   // else a click at the top right corner, its up arrow, the menu or the key
                : a.endedBy == Arrow ? QTest::mouseClick(left, Qt::LeftButton, {}, QPoint(left->width() - 4, 4))
                : a.endedBy == Menu  ? void(QApplication::sendEvent(left, &menu))
                : a.endedBy == Cut   ? cutPress(top)
                                     : QTest::keyClick(left, Qt::Key(a.endedBy));
                // The top margin's arrow, whose press the message cut, steps on no more, 4 s on too.
                EXPECT_FALSE(a.endedBy == Cut && QTest::qWaitFor([&] { return top->text() != atTop; }, 4000)) << qPrintable(top->text());
                QTest::keyClick(left, Qt::Key_Tab);
            }
            if (QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason); !a.thenUnits.empty())   // a click on the list
                QApplication::sendEvent(dialog.findChild<QAbstractSpinBox *>(QLatin1String(a.typedInto)), &out);
            for (const QPageLayout::Unit unit : a.thenUnits) {
                choose(unit), a.shownInUnits->append(QString());
                for (const char *side : {"leftMargin", "topMargin", "rightMargin", "bottomMargin"})
                    a.shownInUnits->last() += dialog.findChild<QAbstractSpinBox *>(QLatin1String(side))->text() + ' ';
            }
            a.ok ? dialog.accept() : dialog.reject();
        });
        return dialog.exec();
    }
};

} // namespace testsupport
