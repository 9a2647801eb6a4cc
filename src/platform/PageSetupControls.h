#pragma once
// The page layout panel's own controls (Qt's form, found by their object names), where its choice
// is set and read: on OK the panel hands its printer a layout with the margins typed there, which a
// printer refuses when they are below what it can mark, leaving its old paper without a word.

#include <QList>
#include <QPageLayout>
#include <QSizeF>

#include <array>
#include <functional>
#include <limits>
#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QPageSetupDialog;
class QRadioButton;
class QWidget;

namespace platform {

class PageSetupControls {
public:
    explicit PageSetupControls(QPageSetupDialog &panel);
    // Every control was found (a Qt of another form has other names).
    bool complete() const;

    // The panel as the page setup uses it: the pages-per-sheet choices, which no job uses, hidden;
    // the margin and custom size fields reading what is typed as every number field does ("." and
    // "," are both the decimal point, the locale's own digits and point too, nothing joins digits),
    // showing numbers as the window's own fields do (plain digits and "."), and taking a number once
    // its typing ends, not at every keystroke (the panel lays the page out again at each value): a
    // text that is no number, or a number the field cannot hold, is refused with a message naming
    // the field, which shows its value again.
    void prepare() const;
    // The orientation clicked and the first paper of that size in the panel's list chosen; a paper
    // it does not list is typed as its custom size, or, without one, the listed paper it would move
    // to is chosen (paperInTray, the orientation turned with it when it turns).
    void choosePaper(const QPageSize &paper, QPageLayout::Orientation orientation) const;
    // The margins, given in points, typed in the panel's unit.
    void typeMargins(const QMarginsF &points) const;
    // Both, of the layout; what the panel then shows is remembered, so that chosen() gives back
    // what was left as shown exactly as it was, not as the panel's decimals show it, and a paper it
    // could not show is never taken for the one it shows. turn gives a page's margins (points) once
    // turned to the other orientation, which the margins left as shown become (in the panel too)
    // when the turn is chosen otherwise, on whichever paper is chosen then.
    using Turn = std::function<QMarginsF(const QPageLayout &)>;
    void show(const QPageLayout &page, const Turn &turn = {}) const;
    // What the panel shows: its paper (a custom one as typed, in the panel's orientation), its
    // orientation and margins, in points (as typed, not rounded to whole points).
    QPageLayout shown() const;
    // What was chosen: what the panel shows, with what was left as show() put it as it was then, and
    // a margin typed or stepped there (arrows, wheel, keys) as set, whatever units were chosen since.
    QPageLayout chosen() const;

private:
    QPageLayout::Unit unit() const;
    double pointsPerUnit() const;
    bool customChosen() const;
    std::array<double, 4> marginValues() const;
    QSizeF customSides() const;   // of the custom size fields, as the portrait page has them
    bool samePaper() const;       // the paper show() left is still chosen
    std::array<double, 4> marginPoints() const;   // the margin fields' values, in points
    void followTurn() const;
    // A unit chosen: before the panel converts the fields, which of them still show what was left
    // or typed; after, those show it again in the new unit from its exact points, and stay so (the
    // panel converts through whole points, and 14.11 mm read back from inches would be 14.22 mm).
    void beforeUnit() const;
    void followUnit() const;
    // A margin's typing taken or a step of it, as the field will hold it (in the panel's unit): kept
    // to its points through unit switches.
    void typedMargin(const QDoubleSpinBox *field, double value) const;

    QPageSetupDialog *m_panel;
    QComboBox *m_size, *m_unit;
    QRadioButton *m_portrait, *m_landscape;
    QDoubleSpinBox *m_width, *m_height;
    std::array<QDoubleSpinBox *, 4> m_margins;   // left, top, right, bottom
    QWidget *m_pagesPerSheet;

    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    // What show() left in the panel, and the page it stands for. The margins are compared in points,
    // whatever unit the panel shows: a unit chosen re-bases them (followUnit).
    struct Shown {
        QPageLayout page;
        int sizeIndex = -1;
        QPageLayout::Unit unit = QPageLayout::Point;   // the unit sides and margins were shown in
        QSizeF sides;
        std::array<double, 4> margins{};   // as the fields showed them, in points; NaN where typed over
        Turn turn;
        bool sameSides = false;            // between beforeUnit and followUnit: the paper still shown
        // Margins typed since, in points as typed, and as their fields show them; NaN where none.
        std::array<double, 4> typed{kNone, kNone, kNone, kNone}, typedAs{kNone, kNone, kNone, kNone};
    };
    std::shared_ptr<Shown> m_shown = std::make_shared<Shown>();
    // While this class sets the margins (shown again in a unit, turned, typed in by code): no user's change.
    std::shared_ptr<bool> m_settingMargins = std::make_shared<bool>(false);
    struct Setting {
        explicit Setting(bool &on) : on(on), was(on) { on = true; }
        ~Setting() { on = was; }
        bool &on;
        const bool was;
    };
};

} // namespace platform
