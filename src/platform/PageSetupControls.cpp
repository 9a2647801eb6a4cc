#include "platform/PageSetupControls.h"

#include "platform/StepperField.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>

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

// A margin field of the panel reads what is typed as every number field does: "." and "," are both
// its decimal point whatever the locale, and text that is no number (a second separator, which a
// locale would take for a group of thousands) is refused as typed; the field then bounds the number
// as it always does.
class TypedNumberValidator : public QValidator {
public:
    explicit TypedNumberValidator(QDoubleSpinBox *field) : QValidator(field), m_field(field) {}

    State validate(QString &input, int &pos) const override
    {
        const QString prefix = m_field->prefix(), suffix = m_field->suffix();
        const qsizetype start = input.startsWith(prefix) ? prefix.size() : 0;
        const qsizetype end = input.size() - (input.size() - start >= suffix.size() && input.endsWith(suffix) ? suffix.size() : 0);
        const QString point = m_field->locale().decimalPoint();
        for (qsizetype i = start; i < end && point.size() == 1; ++i)
            if (input.at(i) == QLatin1Char('.') || input.at(i) == QLatin1Char(','))
                input[i] = point.at(0);
        const QString number = input.mid(start, end - start).trimmed();
        // A number, or the start of one ("", "-", "0,"): one more digit makes it a number.
        if (!typedNumber(number) && !typedNumber(number + QLatin1Char('0')))
            return Invalid;
        return m_field->validate(input, pos);
    }
    void fixup(QString &input) const override { m_field->fixup(input); }

private:
    QDoubleSpinBox *m_field;
};

} // namespace

QSizeF portraitSidesMM(const QPageSize &paper)
{
    const QSizeF s = paper.size(QPageSize::Millimeter);
    return QSizeF(std::min(s.width(), s.height()), std::max(s.width(), s.height()));
}

QPageSize smallestPaperHolding(const QList<QPageSize> &papers, const QPageSize &page)
{
    const auto sides = portraitSidesMM;
    const QSizeF want = sides(page);
    QPageSize best;
    double bestArea = 0;
    for (const QPageSize &paper : papers) {
        const QSizeF has = sides(paper);
        const double area = has.width() * has.height();
        if (paper.isValid() && has.width() + 0.5 >= want.width() && has.height() + 0.5 >= want.height()
            && (!best.isValid() || area < bestArea)) {
            best = paper;
            bestArea = area;
        }
    }
    return best;
}

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
    for (QDoubleSpinBox *margin : m_margins)
        if (QLineEdit *edit = margin->findChild<QLineEdit *>())
            edit->setValidator(new TypedNumberValidator(margin));
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
    if (listed < 0 && custom < 0)
        listed = int(papers.indexOf(smallestPaperHolding(papers, paper)));
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
    for (size_t i = 0; i < m_margins.size(); ++i)
        m_margins[i]->setValue(sides[i]);
}

void PageSetupControls::show(const QPageLayout &page) const
{
    choosePaper(page.pageSize(), page.orientation());
    typeMargins(exactPoints(page));
    *m_shown = {page, m_size->currentIndex(), unit(), customSides(), marginValues()};
}

std::array<double, 4> PageSetupControls::marginValues() const
{
    return {m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value()};
}

QSizeF PageSetupControls::customSides() const
{
    const bool landscape = m_landscape->isChecked();
    return landscape ? QSizeF(m_height->value(), m_width->value()) : QSizeF(m_width->value(), m_height->value());
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
    if (!s.page.isValid() || s.unit != unit())
        return page;
    const bool samePaper = m_size->currentIndex() == s.sizeIndex && (!customChosen() || customSides() == s.sides);
    const QMarginsF kept = exactPoints(s.page), now = page.margins();
    const std::array<double, 4> typed = marginValues();
    const auto side = [&](int i, double keptSide, double nowSide) { return typed[i] == s.margins[i] ? keptSide : nowSide; };
    return layoutInPoints(samePaper ? s.page.pageSize() : page.pageSize(), page.orientation(),
                          QMarginsF(side(0, kept.left(), now.left()), side(1, kept.top(), now.top()),
                                    side(2, kept.right(), now.right()), side(3, kept.bottom(), now.bottom())));
}

} // namespace platform
