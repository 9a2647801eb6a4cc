#pragma once
// The page layout panel (Qt's) answered as a user answers it while it really runs: the paper picked
// from its list, the orientation clicked, the margins (points) typed in the panel's unit, then OK
// or Cancel. openedOn receives what the panel showed when it opened.

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPageLayout>
#include <QRadioButton>
#include <QTimer>

#include <array>
#include <optional>

namespace testsupport {

struct PageSetupAnswer {
    QPageSize paper;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QMarginsF> margins = {};
    bool ok = true;
    QPageLayout *openedOn = nullptr;

    int operator()(QDialog &panel) const
    {
        QTimer::singleShot(0, &panel, [&panel, a = *this] {
            auto *size = panel.findChild<QComboBox *>(QStringLiteral("pageSizeCombo"));
            auto *landscape = panel.findChild<QRadioButton *>(QStringLiteral("landscape"));
            const auto unit = qvariant_cast<QPageLayout::Unit>(panel.findChild<QComboBox *>(QStringLiteral("unitCombo"))->currentData());
            QDoubleSpinBox *m[4];
            for (int i = 0; i < 4; ++i)
                m[i] = panel.findChild<QDoubleSpinBox *>(QLatin1String(std::array{"leftMargin", "topMargin", "rightMargin", "bottomMargin"}[i]));
            if (a.openedOn)
                *a.openedOn = QPageLayout(qvariant_cast<QPageSize>(size->currentData()), landscape->isChecked() ? QPageLayout::Landscape
                                          : QPageLayout::Portrait, QMarginsF(m[0]->value(), m[1]->value(), m[2]->value(), m[3]->value()), unit);
            for (int i = size->count() - 1; i >= 0; --i)   // the first of the papers of that size
                if (qvariant_cast<QPageSize>(size->itemData(i)).isEquivalentTo(a.paper))
                    size->setCurrentIndex(i);
            (a.orientation == QPageLayout::Landscape ? landscape : panel.findChild<QRadioButton *>(QStringLiteral("portrait")))->click();
            if (a.margins) {
                QPageLayout typed(QPageSize(QPageSize::A4), QPageLayout::Portrait, *a.margins, QPageLayout::Point);
                typed.setUnits(unit);
                const QMarginsF t = typed.margins();
                for (int i = 0; i < 4; ++i)
                    m[i]->setValue(std::array{t.left(), t.top(), t.right(), t.bottom()}[size_t(i)]);
            }
            a.ok ? panel.accept() : panel.reject();
        });
        return panel.exec();
    }
};

} // namespace testsupport
