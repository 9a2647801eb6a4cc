#include "platform/PageSetupControls.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QRadioButton>

#include <algorithm>

namespace platform {

PageSetupControls::PageSetupControls(QPageSetupDialog &panel)
    : m_size(panel.findChild<QComboBox *>(QStringLiteral("pageSizeCombo"))),
      m_unit(panel.findChild<QComboBox *>(QStringLiteral("unitCombo"))),
      m_portrait(panel.findChild<QRadioButton *>(QStringLiteral("portrait"))),
      m_landscape(panel.findChild<QRadioButton *>(QStringLiteral("landscape"))),
      m_width(panel.findChild<QDoubleSpinBox *>(QStringLiteral("pageWidth"))),
      m_height(panel.findChild<QDoubleSpinBox *>(QStringLiteral("pageHeight"))),
      m_margins{panel.findChild<QDoubleSpinBox *>(QStringLiteral("leftMargin")),
                panel.findChild<QDoubleSpinBox *>(QStringLiteral("topMargin")),
                panel.findChild<QDoubleSpinBox *>(QStringLiteral("rightMargin")),
                panel.findChild<QDoubleSpinBox *>(QStringLiteral("bottomMargin"))}
{
}

bool PageSetupControls::complete() const
{
    return m_size && m_unit && m_portrait && m_landscape && m_width && m_height
           && std::all_of(m_margins.begin(), m_margins.end(), [](const QDoubleSpinBox *m) { return m != nullptr; });
}

QPageLayout::Unit PageSetupControls::unit() const
{
    return qvariant_cast<QPageLayout::Unit>(m_unit->currentData());
}

void PageSetupControls::choosePaper(const QPageSize &paper, QPageLayout::Orientation orientation) const
{
    for (int i = 0; i < m_size->count(); ++i) {
        if (qvariant_cast<QPageSize>(m_size->itemData(i)).isEquivalentTo(paper)) {
            m_size->setCurrentIndex(i);
            break;
        }
    }
    (orientation == QPageLayout::Landscape ? m_landscape : m_portrait)->click();
}

void PageSetupControls::typeMargins(const QMarginsF &points) const
{
    QPageLayout typed(QPageSize(QPageSize::A4), QPageLayout::Portrait, points, QPageLayout::Point);
    typed.setUnits(unit());
    const QMarginsF m = typed.margins();
    const double sides[] = {m.left(), m.top(), m.right(), m.bottom()};
    for (size_t i = 0; i < m_margins.size(); ++i)
        m_margins[i]->setValue(sides[i]);
}

void PageSetupControls::show(const QPageLayout &page) const
{
    choosePaper(page.pageSize(), page.orientation());
    typeMargins(page.margins(QPageLayout::Point));
}

QPageLayout PageSetupControls::chosen() const
{
    const QPageLayout::Unit units = unit();
    const QPageLayout::Orientation orientation = m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageSize paper = qvariant_cast<QPageSize>(m_size->currentData());
    if (!paper.isValid()) {
        const QSizeF typed = orientation == QPageLayout::Landscape ? QSizeF(m_height->value(), m_width->value())
                                                                   : QSizeF(m_width->value(), m_height->value());
        paper = QPageSize(typed, QPageSize::Unit(units));
    }
    QPageLayout layout(paper, orientation,
                       QMarginsF(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value()),
                       units);
    layout.setUnits(QPageLayout::Point);
    return layout;
}

} // namespace platform
