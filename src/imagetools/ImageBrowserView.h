#pragma once
// The image library's browser: thumbnails in a grid of uniform cells laid out in batches, several
// selectable at once. Dragging selected thumbnails within the grid asks for them to be moved to
// the place they are dropped on; nothing is ever dragged out of it. Delete and double-click only
// report themselves. The rows in view go to the model, so thumbnails far from them are not read.

#include <QList>
#include <QListView>

#include <utility>

class ImageBrowserModel;

class ImageBrowserView : public QListView {
    Q_OBJECT
public:
    explicit ImageBrowserView(QWidget *parent = nullptr);

    void setBrowserModel(ImageBrowserModel *model);
    // Cells for thumbnails of the side, with a line for the name under them.
    void setThumbnailSide(int side);
    // The rows a viewport of the size shows at a vertical scroll offset, for cells of the grid
    // size laid out left to right; {-1, -1} when none.
    static std::pair<int, int> Visible_Rows(int scroll, const QSize &viewport, const QSize &grid, int count);
    // The destination index of a drop at a point of the viewport: the number of items that come
    // before the point in reading order.
    int destinationAt(const QPoint &point) const;
    // The selected rows in ascending order.
    QList<int> selectedRows() const;

signals:
    // The selected rows were dropped at the destination index.
    void moveRequested(const QList<int> &rows, int destination);
    // Selected rows were dragged out of the grid; they stay where they are.
    void dragOutRequested(const QList<int> &rows);
    // Delete or Backspace was pressed with these rows selected.
    void removeRequested(const QList<int> &rows);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void reportVisibleRows();
    ImageBrowserModel *m_model = nullptr;
    QPoint m_pressPos;
    bool m_pressedOnItem = false;
    bool m_moving = false;
    bool m_deferredSelect = false;
    QPoint m_dropPos;
};
