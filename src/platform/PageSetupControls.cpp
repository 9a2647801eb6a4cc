#include "platform/PageSetupControls.h"

#include "platform/Dialogs.h"
#include "platform/PaperFit.h"
#include "platform/StepperField.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPageSetupDialog>
#include <QRadioButton>
#include <QSet>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace platform {

namespace {

// Points in one of a layout's units.
double pointsPer(QPageLayout::Unit unit)
{
    switch (unit) {
    case QPageLayout::Millimeter: return 72.0 / 25.4;
    case QPageLayout::Point: return 1.0;
    case QPageLayout::Inch: return 72.0;
    case QPageLayout::Pica: return 12.0;
    case QPageLayout::Didot: return 0.376 * 72.0 / 25.4;
    case QPageLayout::Cicero: return 12 * 0.376 * 72.0 / 25.4;
    }
    return 1.0;
}

// A layout's margins in points, as exact as its own unit holds them (Qt rounds them to whole points).
QMarginsF exactPoints(const QPageLayout &page)
{
    return page.margins() * pointsPer(page.units());
}

// A layout of margins in points as given: converting a layout's unit to points rounds them to whole
// points.
QPageLayout layoutInPoints(const QPageSize &paper, QPageLayout::Orientation orientation, const QMarginsF &points)
{
    QPageLayout layout(paper, orientation, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);   // takes any margins: the page setup judges them
    layout.setMargins(points);
    return layout;
}

// The number a field's text holds, between its prefix and suffix.
QString numberOf(const QString &text, const QDoubleSpinBox *field)
{
    const QString prefix = field->prefix(), suffix = field->suffix();
    const qsizetype start = text.startsWith(prefix) ? prefix.size() : 0;
    const qsizetype end = text.size() - (text.size() - start >= suffix.size() && text.endsWith(suffix) ? suffix.size() : 0);
    return text.mid(start, end - start);
}

// While a number is typed into a field of the panel, every keystroke a number may hold stands
// (digits, the locale's too, a sign, "." and "," and the locale's point, an exponent's "e", blanks),
// so that the start of a number stays as typed and a text that is no number ("1e2", "1.234,5")
// stays for the end of the editing to refuse; any other character is refused as it is typed.
class TypedNumberValidator : public QValidator {
public:
    explicit TypedNumberValidator(QDoubleSpinBox *field) : QValidator(field), m_field(field) {}

    State validate(QString &input, int &) const override
    {
        const QString number = numberOf(input, m_field), point = QLocale().decimalPoint();
        for (const QChar c : number)
            if (!c.isDigit() && !c.isSpace() && !QStringLiteral(".,+-eE\u2212\u200E\u200F\u061C").contains(c) && point != c)
                return Invalid;
        // Read as the field shows numbers ("." in every locale), so its own "1.125" is no thousand.
        return typedNumber(number, m_field->locale()) ? Acceptable : Intermediate;
    }

private:
    QDoubleSpinBox *m_field;
};

// Takes what was typed into a field of the panel where the typing ends (Return, the field left, the
// panel confirmed, a step), before the field reads it or steps from it: a number it holds goes in as
// the field reads numbers (plain digits and ".", to its decimals); anything else is refused with a
// message, the field showing its value again, and a Return that would confirm the panel, or the
// step, is then kept from it. A paper side is more than 0 (the panel would take 0 and squeeze every
// margin to it).
struct TypedField {
    QDoubleSpinBox *field;
    QString what;
    bool side;   // a paper side, not a margin
};

class TypingEnd : public QObject {
public:
    // taken hears each number taken, as the field will hold it.
    using Taken = std::function<void(const QDoubleSpinBox *, double)>;
    TypingEnd(QDialog *panel, std::vector<TypedField> fields, Taken taken)
        : QObject(panel), m_panel(panel), m_fields(std::move(fields)), m_taken(std::move(taken))
    {
        for (const auto &[field, what, side] : m_fields) {
            field->installEventFilter(this);
            if (QLineEdit *edit = field->findChild<QLineEdit *>())
                connect(edit, &QLineEdit::textEdited, this, [this, field = field] { m_typed.insert(field); });
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = qobject_cast<QDoubleSpinBox *>(watched);
        const auto type = event->type();
        const auto key = type == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        // A step (an arrow key, Page Up or Down, the wheel, a press on the field's arrows, which
        // reach the field past its text, the menu with Step up and Step down) ends the typing too:
        // Qt would step from the pending text read in the field's own locale, where "," joins thousands.
        const bool steps = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown
                           || type == QEvent::Wheel || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
                           || type == QEvent::ContextMenu;
        const bool ends = steps || type == QEvent::FocusOut || key == Qt::Key_Return || key == Qt::Key_Enter
                          || (type == QEvent::Hide && m_panel->result() == QDialog::Accepted);
        if (!field || !ends || !m_typed.remove(field))
            return false;
        // A text refused keeps the panel from its confirmation and the field from the step.
        return !take(field) && (key != 0 || steps);
    }

private:
    bool take(QDoubleSpinBox *field) const
    {
        const TypedField &f = *std::find_if(m_fields.begin(), m_fields.end(), [field](const TypedField &t) { return t.field == field; });
        const std::optional<double> typed = typedNumber(numberOf(field->text(), field), field->locale());
        const int decimals = field->decimals();
        const double held = typed ? std::round(*typed * std::pow(10.0, decimals)) / std::pow(10.0, decimals) : 0;
        const double least = f.side ? std::max(field->minimum(), std::pow(10.0, -decimals)) : field->minimum();
        QString refused;
        if (!typed)
            refused = QStringLiteral("Please enter the %1 as a number, such as 12.5.").arg(f.what);
        else if (held < least || held > field->maximum())
            refused = QStringLiteral("Please enter a %1 from %2 to %3 %4.")
                          .arg(f.what, QString::number(least, 'f', decimals), QString::number(field->maximum(), 'f', decimals),
                               field->suffix().trimmed());
        if (refused.isEmpty()) {
            // The value itself, not only its text: a step then goes from it, also where the value held before was
            // at that arrow's end (the field allows a step from the value it holds).
            field->setValue(held);
            m_taken(field, held);
            return true;
        }
        field->setValue(field->value());   // shows it again
        AlertRequest alert;
        alert.message = refused;
        alert.buttons = {QStringLiteral("OK")};
        runAlert(alert);
        return false;
    }

    QDialog *m_panel;
    std::vector<TypedField> m_fields;
    Taken m_taken;
    QSet<QDoubleSpinBox *> m_typed;
};

} // namespace

PageSetupControls::PageSetupControls(QPageSetupDialog &panel)
    : m_panel(&panel),
      m_size(panel.findChild<QComboBox *>(QStringLiteral("pageSizeCombo"))),
      m_unit(panel.findChild<QComboBox *>(QStringLiteral("unitCombo"))),
      m_portrait(panel.findChild<QRadioButton *>(QStringLiteral("portrait"))),
      m_landscape(panel.findChild<QRadioButton *>(QStringLiteral("landscape"))),
      m_width(panel.findChild<QDoubleSpinBox *>(QStringLiteral("pageWidth"))),
      m_height(panel.findChild<QDoubleSpinBox *>(QStringLiteral("pageHeight"))),
      m_margins{panel.findChild<QDoubleSpinBox *>(QStringLiteral("leftMargin")),
                panel.findChild<QDoubleSpinBox *>(QStringLiteral("topMargin")),
                panel.findChild<QDoubleSpinBox *>(QStringLiteral("rightMargin")),
                panel.findChild<QDoubleSpinBox *>(QStringLiteral("bottomMargin"))},
      m_pagesPerSheet(panel.findChild<QWidget *>(QStringLiteral("pagesPerSheetButtonGroup")))
{
}

bool PageSetupControls::complete() const
{
    return m_size && m_unit && m_portrait && m_landscape && m_width && m_height && m_pagesPerSheet
           && std::all_of(m_margins.begin(), m_margins.end(), [](const QDoubleSpinBox *m) { return m != nullptr; });
}

void PageSetupControls::prepare() const
{
    m_pagesPerSheet->hide();
    std::vector<TypedField> fields{
        {m_margins[0], QStringLiteral("left margin"), false},  {m_margins[1], QStringLiteral("top margin"), false},
        {m_margins[2], QStringLiteral("right margin"), false}, {m_margins[3], QStringLiteral("bottom margin"), false},
        {m_width, QStringLiteral("paper width"), true},        {m_height, QStringLiteral("paper height"), true}};
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    for (const auto &[field, what, side] : fields) {
        field->setLocale(plain);
        field->setKeyboardTracking(false);
        if (QLineEdit *edit = field->findChild<QLineEdit *>())
            edit->setValidator(new TypedNumberValidator(field));
    }
    new TypingEnd(m_panel, std::move(fields),
                  [controls = *this](const QDoubleSpinBox *field, double value) { controls.typedMargin(field, value); });
    // A margin stepped (its arrows, the wheel, a key) keeps its points as a typed one does; the panel's
    // own changes (a unit chosen, between beforeUnit and followUnit) and this class's are none.
    for (QDoubleSpinBox *margin : m_margins)
        QObject::connect(margin, &QDoubleSpinBox::valueChanged, m_panel, [controls = *this, margin](double value) {
            if (!*controls.m_settingMargins && controls.m_shown->unit == controls.unit())
                controls.typedMargin(margin, value);
        });
    for (QRadioButton *turn : {m_portrait, m_landscape})
        QObject::connect(turn, &QRadioButton::clicked, m_panel, [controls = *this] { controls.followTurn(); });
    // A user's choice changes the index before it is activated, and the panel converts its fields
    // on activation: these two run before and after it.
    QObject::connect(m_unit, &QComboBox::currentIndexChanged, m_panel, [controls = *this] { controls.beforeUnit(); });
    QObject::connect(m_unit, &QComboBox::activated, m_panel, [controls = *this] { controls.followUnit(); });
}

void PageSetupControls::typedMargin(const QDoubleSpinBox *field, double value) const
{
    Shown &s = *m_shown;
    const auto at = std::find(m_margins.begin(), m_margins.end(), field);
    if (!s.page.isValid() || at == m_margins.end())
        return;
    const size_t i = size_t(at - m_margins.begin());
    s.typed[i] = s.typedAs[i] = value * pointsPerUnit();
}

void PageSetupControls::beforeUnit() const
{
    Shown &s = *m_shown;
    if (!s.page.isValid())
        return;
    // The fields still show the old unit.
    for (size_t i = 0; i < m_margins.size(); ++i) {
        const double shown = m_margins[i]->value() * pointsPer(s.unit);
        if (shown != s.margins[i])
            s.margins[i] = kNone;
        if (shown != s.typedAs[i])
            s.typed[i] = s.typedAs[i] = kNone;
    }
    s.sameSides = samePaper();
}

void PageSetupControls::followUnit() const
{
    Shown &s = *m_shown;
    if (!s.page.isValid() || s.unit == unit())
        return;
    const QMarginsF exact = exactPoints(s.page);
    const double sides[] = {exact.left(), exact.top(), exact.right(), exact.bottom()};
    {
        const Setting setting(*m_settingMargins);
        for (size_t i = 0; i < m_margins.size(); ++i)
            if (!std::isnan(s.margins[i]) || !std::isnan(s.typed[i]))
                m_margins[i]->setValue((std::isnan(s.typed[i]) ? sides[i] : s.typed[i]) / pointsPerUnit());
    }
    s.unit = unit();
    const std::array<double, 4> now = marginPoints();
    for (size_t i = 0; i < now.size(); ++i) {
        if (!std::isnan(s.margins[i]))
            s.margins[i] = now[i];
        if (!std::isnan(s.typed[i]))
            s.typedAs[i] = now[i];
    }
    if (s.sameSides)
        s.sides = customSides();
}

void PageSetupControls::followTurn() const
{
    // Margins left as shown stay on their edges of the paper when the turn is chosen otherwise, as
    // the Orientation list turns them, on the paper chosen now (whether it was picked before the turn
    // or after): the panel shows them turned, and keeps them exactly. Margins typed stay as typed.
    Shown &s = *m_shown;
    const auto now = m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!s.page.isValid() || !s.turn || s.page.orientation() == now)
        return;
    const QPageSize paper = samePaper() ? s.page.pageSize() : shown().pageSize();
    const QMarginsF turned = s.turn(layoutInPoints(paper, s.page.orientation(), exactPoints(s.page)));
    const double sides[] = {turned.left(), turned.top(), turned.right(), turned.bottom()};
    const std::array<double, 4> before = marginPoints();
    {
        const Setting setting(*m_settingMargins);
        for (size_t i = 0; i < m_margins.size(); ++i)
            if (before[i] == s.margins[i])
                m_margins[i]->setValue(sides[i] / pointsPerUnit());
    }
    std::array<double, 4> left = marginPoints();
    for (size_t i = 0; i < left.size(); ++i)
        if (before[i] != s.margins[i])
            left[i] = kNone;
    s = {layoutInPoints(paper, now, turned), m_size->currentIndex(), unit(), customSides(), left, s.turn, false, s.typed, s.typedAs};
}

QPageLayout::Unit PageSetupControls::unit() const
{
    return qvariant_cast<QPageLayout::Unit>(m_unit->currentData());
}

double PageSetupControls::pointsPerUnit() const { return pointsPer(unit()); }

bool PageSetupControls::customChosen() const
{
    return m_size->currentIndex() >= 0 && !qvariant_cast<QPageSize>(m_size->currentData()).isValid();
}

void PageSetupControls::choosePaper(const QPageSize &paper, QPageLayout::Orientation orientation) const
{
    // The turn first: the panel shows a custom size turned.
    (orientation == QPageLayout::Landscape ? m_landscape : m_portrait)->click();
    int listed = -1, custom = -1;
    QList<QPageSize> papers;
    for (int i = 0; i < m_size->count(); ++i) {
        const QPageSize item = qvariant_cast<QPageSize>(m_size->itemData(i));
        papers << item;
        if (!item.isValid() && custom < 0)
            custom = i;
        else if (item.isValid() && listed < 0 && item.isEquivalentTo(paper))
            listed = i;
    }
    if (listed < 0 && custom < 0) {
        const QPageLayout moved = paperInTray(papers, QPageSize(), QPageLayout(paper, orientation, QMarginsF()));
        if (moved.orientation() != orientation)
            (moved.orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)->click();
        listed = int(papers.indexOf(moved.pageSize()));
    }
    if (listed >= 0) {
        m_size->setCurrentIndex(listed);
        return;
    }
    if (custom < 0)
        return;
    m_size->setCurrentIndex(custom);
    // In the unit the size is defined in, exactly: Qt keeps the points of a size whole.
    const auto own = QPageLayout::Unit(paper.definitionUnits());
    const QSizeF size = QPageLayout(paper, orientation, QMarginsF()).fullRect(own).size() * pointsPer(own) / pointsPerUnit();
    m_width->setValue(size.width());
    m_height->setValue(size.height());
}

void PageSetupControls::typeMargins(const QMarginsF &points) const
{
    const QMarginsF m = points / pointsPerUnit();
    const double sides[] = {m.left(), m.top(), m.right(), m.bottom()};
    const Setting setting(*m_settingMargins);
    for (size_t i = 0; i < m_margins.size(); ++i)
        m_margins[i]->setValue(sides[i]);
}

void PageSetupControls::show(const QPageLayout &page, const Turn &turn) const
{
    choosePaper(page.pageSize(), page.orientation());
    typeMargins(exactPoints(page));
    // A page the panel could not show is none to keep: what it shows instead is what OK takes.
    const QPageLayout now = shown();
    const bool showsIt = now.orientation() == page.orientation()
                         && (customChosen() || now.pageSize().isEquivalentTo(page.pageSize()));
    *m_shown = {showsIt ? page : now, m_size->currentIndex(), unit(), customSides(), marginPoints(), turn};
}

std::array<double, 4> PageSetupControls::marginValues() const
{
    return {m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value()};
}

std::array<double, 4> PageSetupControls::marginPoints() const
{
    std::array<double, 4> points = marginValues();
    for (double &p : points)
        p *= pointsPerUnit();
    return points;
}

QSizeF PageSetupControls::customSides() const
{
    const bool landscape = m_landscape->isChecked();
    return landscape ? QSizeF(m_height->value(), m_width->value()) : QSizeF(m_width->value(), m_height->value());
}

bool PageSetupControls::samePaper() const
{
    const Shown &s = *m_shown;
    return m_size->currentIndex() == s.sizeIndex && (!customChosen() || customSides() == s.sides);
}

QPageLayout PageSetupControls::shown() const
{
    const QPageLayout::Orientation orientation = m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageSize paper = qvariant_cast<QPageSize>(m_size->currentData());
    if (!paper.isValid())
        paper = QPageSize(customSides(), QPageSize::Unit(unit()));
    const std::array<double, 4> m = marginValues();
    return layoutInPoints(paper, orientation, QMarginsF(m[0], m[1], m[2], m[3]) * pointsPerUnit());
}

QPageLayout PageSetupControls::chosen() const
{
    const QPageLayout page = shown();
    const Shown &s = *m_shown;
    if (!s.page.isValid())
        return page;
    const QMarginsF kept = exactPoints(s.page), now = page.margins();
    const std::array<double, 4> fields = marginPoints();
    // A margin still as typed or as left keeps its exact points.
    const auto side = [&](int i, double keptSide, double nowSide) {
        return fields[i] == s.typedAs[i] ? s.typed[i] : fields[i] == s.margins[i] ? keptSide : nowSide;
    };
    return layoutInPoints(samePaper() ? s.page.pageSize() : page.pageSize(), page.orientation(),
                          QMarginsF(side(0, kept.left(), now.left()), side(1, kept.top(), now.top()),
                                    side(2, kept.right(), now.right()), side(3, kept.bottom(), now.bottom())));
}

} // namespace platform
