#pragma once
// Owns the selection rectangles of one canvas, keeps the canvas exactly over the picture its
// content view displays, and turns mouse presses, drags, releases and keys into operations on
// the rectangles. Points are canvas points, y up.

#include "imagetools/MSSCanvasDelegate.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

#include "imagetools/MSSHandleStyle.h"
#include "imagetools/MSSSelectorStyle.h"

class MSSCanvas;
class MSSSelector;
class QWidget;

class MSSCanvasController : public QObject, public MSSCanvasDelegate {
    Q_OBJECT
public:
    // Lays a new canvas over `contentView` (a platform::PictureView follows its displayed picture).
    explicit MSSCanvasController(QWidget *contentView, QObject *parent = nullptr);
    ~MSSCanvasController() override;

    MSSCanvas *view() const { return m_canvas; }
    QWidget *contentView() const { return m_contentView; }

    // MSSCanvasDelegate
    std::vector<MSSSelector *> selectors() const override;
    QSizeF canvasSize() const override;
    bool allowIntersections() const override;
    const MSSSelectorStyle *selectorStyle() const override;
    const MSSHandleStyle *handleStyle() const override;

    void setSelectorStyle(const MSSSelectorStyle &style) { m_selectorStyle = style; }
    void setHandleStyle(const MSSHandleStyle &style) { m_handleStyle = style; }

    MSSSelector *currentSelector() const { return m_current; }

    void resetCanvas() { arrangeCanvas(); }
    void arrangeCanvas();
    // The displayed picture's rectangle in the content view, y up.
    QRectF canvasFrame() const;
    void addSelectorWithFrame(const QRectF &frame);
    void setPickerWithFrame(const QRectF &frame);
    void removeAllSelectorsFromCanvas();
    void removeMarkedSelectorsFromCanvas();
    void markAllSelected(bool redisplay);
    void markAllUnselected(bool redisplay);
    bool hasSelectors() const { return !m_selectors.empty(); }
    bool hasSelector() const { return m_current != nullptr; }

    void mouseDown(const QPointF &p, Qt::KeyboardModifiers modifiers);
    void mouseDragged(const QPointF &p);
    void mouseUp(const QPointF &p);
    // Hover without a button: the cursor of the area under the pointer.
    void mouseMoved(const QPointF &p);
    // True when the key was handled.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);

private:
    void redisplay();
    void removeSelector(MSSSelector *selector);

    QPointer<QWidget> m_contentView;
    MSSCanvas *m_canvas = nullptr;
    std::vector<std::unique_ptr<MSSSelector>> m_selectors;
    std::unique_ptr<MSSSelector> m_picker;
    MSSSelector *m_current = nullptr;
    std::optional<MSSSelectorStyle> m_selectorStyle;
    std::optional<MSSHandleStyle> m_handleStyle;
    bool m_cursorCanBeChanged = true;
};
