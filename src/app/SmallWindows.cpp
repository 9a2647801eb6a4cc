#include "app/SmallWindows.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PDF_Help::PDF_Help() { awakeFromNib(); }

PDF_Help::~PDF_Help() { delete m_window; }

void PDF_Help::setWindow(QDialog *w)
{
    if (w == m_window)
        return;
    delete m_window;
    m_window = w;
}

void PDF_Help::awakeFromNib()
{
    m_window = new QDialog;
    m_window->setObjectName(QStringLiteral("PDF_Help"));
    m_window->setWindowTitle(QStringLiteral("PDF Export Help"));
    auto *layout = new QVBoxLayout(m_window);
    auto *text = new QLabel(QStringLiteral(
        "PDF export places one label per cell of the chosen sheet layout.\n\n"
        "Choose a label-stock product or type the columns, rows, margins and gaps of your sheet. "
        "With batch data, every record makes one label; a range limits the records exported. "
        "The PDF keeps text and barcodes as vectors, so it prints sharp at any size."), m_window);
    text->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("OK"), m_window);
    ok->setDefault(true);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    QObject::connect(ok, &QPushButton::clicked, this, &PDF_Help::OKPressed);
}

void PDF_Help::OKPressed()
{
    if (m_window)
        m_window->done(1);
}

QSizeF Toolbar_help::minSize(int osVersion, const QSizeF &inherited)
{
    return osVersion >= 1504 ? QSizeF(42, 27) : inherited;
}

VerticallyCenteredTextFieldCell::VerticallyCenteredTextFieldCell(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QRectF VerticallyCenteredTextFieldCell::titleRectForBounds(const QRectF &bounds, const QRectF &inheritedTitleRect,
                                                           double textHeight)
{
    QRectF r = inheritedTitleRect;
    const double y = bounds.y() + (bounds.height() - textHeight) / 2.0;
    const double moved = y - bounds.y();
    r.moveTop(y);
    r.setHeight(inheritedTitleRect.height() - moved);
    return r;
}
