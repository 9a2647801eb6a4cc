#include "platform/PaperFit.h"

#include <QRectF>
#include <QString>

#include <algorithm>

namespace platform {

QSizeF portraitSidesMM(const QPageSize &paper)
{
    const QSizeF s = paper.size(QPageSize::Millimeter);
    return QSizeF(std::min(s.width(), s.height()), std::max(s.width(), s.height()));
}

bool paperHolds(const QPageSize &paper, const QPageSize &page, bool turned)
{
    const QSizeF has = paper.size(QPageSize::Millimeter);
    QSizeF want = page.size(QPageSize::Millimeter);
    if (turned)
        want.transpose();
    return paper.isValid() && has.width() + 0.5 >= want.width() && has.height() + 0.5 >= want.height();
}

QPageSize smallestPaperHolding(const QList<QPageSize> &papers, const QPageSize &page, bool turned)
{
    QPageSize best;
    double bestArea = 0;
    for (const QPageSize &paper : papers) {
        const QSizeF has = paper.size(QPageSize::Millimeter);
        const double area = has.width() * has.height();
        if (paperHolds(paper, page, turned) && (!best.isValid() || area < bestArea)) {
            best = paper;
            bestArea = area;
        }
    }
    return best;
}

QPageLayout paperInTray(const QList<QPageSize> &papers, const QPageSize &tray, const QPageLayout &page)
{
    const QPageSize want = page.pageSize();
    QPageLayout::Orientation orientation = page.orientation();
    // Both are turned alike, so the sizes as defined compare as the page lies.
    QPageSize paper = paperHolds(tray, want) ? tray : smallestPaperHolding(papers, want);
    if (!paper.isValid()) {
        paper = smallestPaperHolding(papers, want, true);
        if (paper.isValid())
            orientation = orientation == QPageLayout::Landscape ? QPageLayout::Portrait : QPageLayout::Landscape;
    }
    if (!paper.isValid())
        paper = tray.isValid() || papers.isEmpty() ? tray : papers.constFirst();
    return QPageLayout(paper, orientation, QMarginsF(), QPageLayout::Point);
}

QString sizeText(const QPageSize &paper, QPageLayout::Orientation orientation)
{
    const QSizeF mm = QPageLayout(paper, orientation, QMarginsF()).fullRect(QPageLayout::Millimeter).size();
    return QString::asprintf("%.2f x %.2f mm", mm.width(), mm.height());
}

} // namespace platform
