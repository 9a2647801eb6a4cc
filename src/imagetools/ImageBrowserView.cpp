#include "imagetools/ImageBrowserView.h"

#include "imagetools/ImageBrowserModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Every thumbnail takes the square of the icon size, centred in it, so that the names under
// pictures of any shape stand on one line; each item takes its whole cell, so names are cut short
// only where the cell is narrower.
class SquareThumbnailDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (const auto *view = qobject_cast<const QListView *>(parent()); view && view->gridSize().isValid())
            return view->gridSize() - QSize(6, 6);
        return QStyledItemDelegate::sizeHint(option, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (const auto *view = qobject_cast<const QAbstractItemView *>(parent()))
            option->decorationSize = view->iconSize();
    }
};

} // namespace

ImageBrowserView::ImageBrowserView(QWidget *parent)
    : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);   // moves go through the model, never only on screen
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(200);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAcceptDrops(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    setItemDelegate(new SquareThumbnailDelegate(this));
}

void ImageBrowserView::setBrowserModel(ImageBrowserModel *model)
{
    m_model = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &ImageBrowserView::reportVisibleRows);
    connect(model, &QAbstractItemModel::rowsInserted, this, &ImageBrowserView::reportVisibleRows);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &ImageBrowserView::reportVisibleRows);
}

void ImageBrowserView::setThumbnailSide(int side)
{
    const int text = fontMetrics().height();
    setIconSize(QSize(side, side));
    setGridSize(QSize(std::max(side + 24, 104), side + 20 + text));   // room for a name under small tiles
    reportVisibleRows();
}

std::pair<int, int> ImageBrowserView::Visible_Rows(int scroll, const QSize &viewport, const QSize &grid, int count)
{
    if (count <= 0 || grid.width() <= 0 || grid.height() <= 0 || viewport.isEmpty())
        return {-1, -1};
    const int columns = std::max(1, viewport.width() / grid.width());
    const int firstLine = std::max(0, scroll) / grid.height();
    const int lastLine = (std::max(0, scroll) + viewport.height() - 1) / grid.height();
    const int first = std::min(count - 1, firstLine * columns);
    const int last = std::min(count - 1, (lastLine + 1) * columns - 1);
    return {first, last};
}

void ImageBrowserView::reportVisibleRows()
{
    if (!m_model)
        return;
    const auto [first, last] =
        Visible_Rows(verticalScrollBar()->value(), viewport()->size(), gridSize(), m_model->rowCount());
    m_model->setVisibleRows(first, last);
}

int ImageBrowserView::destinationAt(const QPoint &point) const
{
    int before = 0;
    const int count = model() ? model()->rowCount() : 0;
    for (int row = 0; row < count; ++row) {
        const QRect r = visualRect(model()->index(row, 0));
        if (r.isEmpty())
            continue;
        if (r.bottom() < point.y() || (r.top() <= point.y() && r.center().x() < point.x()))
            ++before;
    }
    return before;
}

QList<int> ImageBrowserView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImageBrowserView::mousePressEvent(QMouseEvent *event)
{
    m_pressPos = event->position().toPoint();
    m_moving = false;
    const QModelIndex index = indexAt(m_pressPos);
    m_pressedOnItem = index.isValid() && event->button() == Qt::LeftButton;
    // A plain press on a selected thumbnail may start dragging the whole selection: the selection
    // changes only if the press ends without a drag.
    m_deferredSelect = m_pressedOnItem && selectionModel()->isSelected(index) &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier));
    if (m_deferredSelect) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void ImageBrowserView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedOnItem && (event->buttons() & Qt::LeftButton)) {
        const QPoint pos = event->position().toPoint();
        if (!m_moving && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
            m_moving = true;
        if (m_moving) {
            m_dropPos = pos;
            viewport()->update();
        }
        event->accept();   // no rubber band and no range selection from a press on a thumbnail
        return;
    }
    QListView::mouseMoveEvent(event);
}

void ImageBrowserView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedOnItem && event->button() == Qt::LeftButton) {
        const bool moved = m_moving;
        const bool deferred = m_deferredSelect;
        m_pressedOnItem = m_moving = m_deferredSelect = false;
        const QPoint pos = event->position().toPoint();
        if (moved) {
            setState(QAbstractItemView::NoState);
            viewport()->update();
            const QList<int> rows = selectedRows();
            if (!rows.isEmpty()) {
                if (viewport()->rect().contains(pos))
                    emit moveRequested(rows, destinationAt(pos));
                else
                    emit dragOutRequested(rows);
            }
            event->accept();
            return;
        }
        if (deferred) {
            const QModelIndex index = indexAt(m_pressPos);
            if (index.isValid())
                selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            event->accept();
            return;
        }
    }
    QListView::mouseReleaseEvent(event);
}

void ImageBrowserView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        emit removeRequested(selectedRows());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void ImageBrowserView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (!m_moving || !model() || model()->rowCount() == 0)
        return;
    // Where the dragged thumbnails would go: a bar before the destination's cell, or after the last.
    const int count = model()->rowCount();
    const int destination = destinationAt(m_dropPos);
    const QRect cell = visualRect(model()->index(std::min(destination, count - 1), 0));
    if (cell.isEmpty())
        return;
    const int x = destination < count ? cell.left() - 3 : cell.right() + 3;
    QPainter p(viewport());
    p.fillRect(QRect(x - 1, cell.top(), 3, cell.height()), palette().color(QPalette::Highlight));
}

void ImageBrowserView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    reportVisibleRows();
}

void ImageBrowserView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    reportVisibleRows();
}
