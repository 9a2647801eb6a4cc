#include "design/FormLayout.h"

#include "platform/Stepper.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace designform {

namespace {
// An empty grid still reports one row.
int nextRow(QGridLayout *grid) { return grid->count() == 0 ? 0 : grid->rowCount(); }
} // namespace

const QStringList &borderStyleTitles()
{
    static const QStringList titles = {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
                                       QStringLiteral("Dash Dot"), QStringLiteral("Dash Dot Dot")};
    return titles;
}

QWidget *scrollingPage(const char *name, QVBoxLayout *&content)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(page);
    scroll->setObjectName(QString::fromLatin1(name) + QStringLiteral("_scroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *inner = new QWidget;
    inner->setObjectName(QString::fromLatin1(name) + QStringLiteral("_content"));
    content = new QVBoxLayout(inner);
    content->setContentsMargins(6, 6, 6, 6);
    content->setSpacing(6);
    scroll->setWidget(inner);
    outer->addWidget(scroll);
    return page;
}

QWidget *fieldWithStepper(QWidget *parent, QLineEdit *field, platform::Stepper *stepper, QLabel *unit)
{
    auto *w = new QWidget(parent);
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    field->setParent(w);
    field->setMinimumWidth(56);
    row->addWidget(field, 1);
    stepper->setParent(w);
    row->addWidget(stepper);
    if (unit) {
        unit->setParent(w);
        row->addSpacing(4);
        row->addWidget(unit);
    }
    return w;
}

void addPairRow(QGridLayout *grid, QLabel *label, QLineEdit *field, platform::Stepper *stepper, QLabel *unit)
{
    const int row = nextRow(grid);
    grid->addWidget(label, row, 0);
    grid->addWidget(fieldWithStepper(label->parentWidget(), field, stepper, unit), row, 1);
}

void addRow(QGridLayout *grid, QLabel *label, QWidget *widget)
{
    const int row = nextRow(grid);
    grid->addWidget(label, row, 0);
    grid->addWidget(widget, row, 1);
}

void addWideRow(QGridLayout *grid, QWidget *widget)
{
    grid->addWidget(widget, nextRow(grid), 0, 1, 2);
}

} // namespace designform
