#pragma once
// The page layout panel's own controls (Qt's form, found by their object names), where its choice
// is set and read: on OK the panel hands its printer a layout with the margins typed there, which a
// printer refuses when they are below what it can mark, leaving its old paper without a word.

#include <QList>
#include <QPageLayout>

#include <array>
#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QPageSetupDialog;
class QRadioButton;
class QWidget;

namespace platform {

// A paper's sides in millimetres, the shorter first.
QSizeF portraitSidesMM(const QPageSize &paper);

// Of the papers, the smallest that holds the page in either orientation (to half a millimetre);
// invalid when none does.
QPageSize smallestPaperHolding(const QList<QPageSize> &papers, const QPageSize &page);

class PageSetupControls {
public:
    explicit PageSetupControls(QPageSetupDialog &panel);
    // Every control was found (a Qt of another form has other names).
    bool complete() const;

    // The panel as the page setup uses it: the pages-per-sheet choices, which no job uses, hidden;
    // the margin fields reading what is typed as every number field does ("." and "," are both the
    // decimal point in every locale, nothing joins digits).
    void prepare() const;
    // The orientation clicked and the first paper of that size in the panel's list chosen; a paper
    // it does not list is typed as its custom size, or, without one, the smallest listed paper that
    // holds it is chosen.
    void choosePaper(const QPageSize &paper, QPageLayout::Orientation orientation) const;
    // The margins, given in points, typed in the panel's unit.
    void typeMargins(const QMarginsF &points) const;
    // Both, of the layout; what the panel then shows is remembered, so that chosen() gives back
    // what was left as shown exactly as it was, not as the panel's decimals show it.
    void show(const QPageLayout &page) const;
    // What the panel shows: its paper (a custom one as typed, in the panel's orientation), its
    // orientation and margins, in points (as typed, not rounded to whole points).
    QPageLayout shown() const;
    // What was chosen: what the panel shows, with what was left as show() put it as it was then.
    QPageLayout chosen() const;

private:
    QPageLayout::Unit unit() const;
    double pointsPerUnit() const;
    bool customChosen() const;
    std::array<double, 4> marginValues() const;
    QSizeF customSides() const;   // of the custom size fields, as the portrait page has them

    QComboBox *m_size, *m_unit;
    QRadioButton *m_portrait, *m_landscape;
    QDoubleSpinBox *m_width, *m_height;
    std::array<QDoubleSpinBox *, 4> m_margins;   // left, top, right, bottom
    QWidget *m_pagesPerSheet;

    // What show() left in the panel, and the page it stands for.
    struct Shown {
        QPageLayout page;
        int sizeIndex = -1;
        QPageLayout::Unit unit = QPageLayout::Point;
        QSizeF sides;
        std::array<double, 4> margins{};
    };
    std::shared_ptr<Shown> m_shown = std::make_shared<Shown>();
};

} // namespace platform
