#pragma once
// The page layout panel's own controls (Qt's form, found by their object names), where its choice
// is set and read: on OK the panel hands its printer a layout with the margins typed there, which a
// printer refuses when they are below what it can mark, leaving its old paper without a word.

#include <QPageLayout>

#include <array>

class QComboBox;
class QDoubleSpinBox;
class QPageSetupDialog;
class QRadioButton;

namespace platform {

class PageSetupControls {
public:
    explicit PageSetupControls(QPageSetupDialog &panel);
    // Every control was found (a Qt of another form has other names).
    bool complete() const;

    // The first paper of that size in the panel's list, and the orientation, clicked.
    void choosePaper(const QPageSize &paper, QPageLayout::Orientation orientation) const;
    // The margins, given in points, typed in the panel's unit.
    void typeMargins(const QMarginsF &points) const;
    // Both, of the layout.
    void show(const QPageLayout &page) const;
    // What the panel shows: its paper (a custom one as typed, in the panel's orientation), its
    // orientation and margins, in points.
    QPageLayout chosen() const;

private:
    QPageLayout::Unit unit() const;

    QComboBox *m_size, *m_unit;
    QRadioButton *m_portrait, *m_landscape;
    QDoubleSpinBox *m_width, *m_height;
    std::array<QDoubleSpinBox *, 4> m_margins;   // left, top, right, bottom
};

} // namespace platform
