#pragma once
// Paper arithmetic of page setups: a paper's sides, whether a paper holds a page, and the paper a
// page goes to on a printer that has not its own.

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

namespace platform {

// A paper's sides in millimetres, the shorter first.
QSizeF portraitSidesMM(const QPageSize &paper);

// Whether the paper, as its size is defined, holds the page as its size is defined (to half a
// millimetre); turned: a quarter turned.
bool paperHolds(const QPageSize &paper, const QPageSize &page, bool turned = false);

// Of the papers, the smallest that holds the page as it lies (turned: a quarter turned); invalid
// when none does.
QPageSize smallestPaperHolding(const QList<QPageSize> &papers, const QPageSize &page, bool turned = false);

// The paper a page goes to among a printer's papers, as the page is turned: the paper in its tray
// (its default) when that holds the page as it lies, else the smallest paper that does, else the
// smallest that holds it a quarter turned (the orientation then turns with it), else the tray's.
QPageLayout paperInTray(const QList<QPageSize> &papers, const QPageSize &tray, const QPageLayout &page);

// "176.00 x 250.00 mm": the paper's size as the orientation shows it.
QString sizeText(const QPageSize &paper, QPageLayout::Orientation orientation);

} // namespace platform
