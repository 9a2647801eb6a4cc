#include "imagetools/MSSCanvasController.h"

#include "imagetools/MSSCanvas.h"
#include "imagetools/MSSSelector.h"
#include "platform/PictureView.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Re-lays the canvas whenever the content view's size changes.
class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QObject *parent, MSSCanvasController *controller) : QObject(parent), m_controller(controller) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            m_controller->resetCanvas();
        return false;
    }

private:
    MSSCanvasController *m_controller;
};

} // namespace

MSSCanvasController::MSSCanvasController(QWidget *contentView, QObject *parent)
    : QObject(parent), m_contentView(contentView)
{
    m_canvas = new MSSCanvas(contentView);
    m_canvas->setDelegate(this);
    contentView->installEventFilter(new ResizeWatcher(m_canvas, this));
    if (auto *view = qobject_cast<platform::PictureView *>(contentView)) {
        // The picture view never takes the keyboard: the canvas does.
        view->setFocusPolicy(Qt::NoFocus);
        connect(view, &platform::PictureView::imageGeometryChanged, this, &MSSCanvasController::resetCanvas);
    }
    arrangeCanvas();
    m_canvas->show();
}

MSSCanvasController::~MSSCanvasController()
{
    if (m_canvas && m_contentView)
        m_canvas->setDelegate(nullptr);
}

std::vector<MSSSelector *> MSSCanvasController::selectors() const
{
    std::vector<MSSSelector *> list;
    for (const auto &s : m_selectors)
        list.push_back(s.get());
    return list;
}

QSizeF MSSCanvasController::canvasSize() const
{
    return canvasFrame().size();
}

bool MSSCanvasController::allowIntersections() const
{
    return m_canvas->allowIntersections();
}

const MSSSelectorStyle *MSSCanvasController::selectorStyle() const
{
    return m_selectorStyle ? &*m_selectorStyle : nullptr;
}

const MSSHandleStyle *MSSCanvasController::handleStyle() const
{
    return m_handleStyle ? &*m_handleStyle : nullptr;
}

QRectF MSSCanvasController::canvasFrame() const
{
    if (!m_contentView)
        return {};
    if (auto *view = qobject_cast<platform::PictureView *>(m_contentView.data()))
        return view->scaledImageRect();
    return QRectF(QPointF(0, 0), QSizeF(m_contentView->size()));
}

void MSSCanvasController::arrangeCanvas()
{
    if (!m_contentView)
        return;
    const QRectF frame = platform::flippedRect(canvasFrame(), m_contentView->height());
    // Widgets sit on whole pixels: the canvas covers the pixels the picture is drawn on.
    m_canvas->setGeometry(int(std::floor(frame.x())), int(std::floor(frame.y())), int(std::lround(frame.width())),
                          int(std::lround(frame.height())));
    m_canvas->raise();
}

void MSSCanvasController::redisplay()
{
    // Handles are hit where they were last drawn; lay them out as the drawing will.
    for (const auto &s : m_selectors) {
        if (s->isSelected())
            s->layoutHandles();
    }
    m_canvas->update();
}

void MSSCanvasController::addSelectorWithFrame(const QRectF &frame)
{
    removeAllSelectorsFromCanvas();
    m_selectors.push_back(std::make_unique<MSSSelector>(frame, this, false));
    m_current = m_selectors.back().get();
}

void MSSCanvasController::setPickerWithFrame(const QRectF &frame)
{
    m_picker = std::make_unique<MSSSelector>(frame, this, true);
    m_current = m_picker.get();
}

void MSSCanvasController::removeAllSelectorsFromCanvas()
{
    markAllSelected(false);
    removeMarkedSelectorsFromCanvas();
}

void MSSCanvasController::removeMarkedSelectorsFromCanvas()
{
    m_current = nullptr;
    m_selectors.erase(std::remove_if(m_selectors.begin(), m_selectors.end(),
                                     [](const std::unique_ptr<MSSSelector> &s) { return s->isSelected(); }),
                      m_selectors.end());
    redisplay();
    m_canvas->setCursor(Qt::ArrowCursor);
}

void MSSCanvasController::markAllSelected(bool redisplayNow)
{
    for (const auto &s : m_selectors)
        s->setSelected();
    if (redisplayNow)
        redisplay();
}

void MSSCanvasController::markAllUnselected(bool redisplayNow)
{
    for (const auto &s : m_selectors)
        s->setUnselected();
    if (redisplayNow)
        redisplay();
}

void MSSCanvasController::removeSelector(MSSSelector *selector)
{
    m_selectors.erase(std::remove_if(m_selectors.begin(), m_selectors.end(),
                                     [selector](const std::unique_ptr<MSSSelector> &s) { return s.get() == selector; }),
                      m_selectors.end());
}

void MSSCanvasController::mouseDown(const QPointF &p, Qt::KeyboardModifiers modifiers)
{
    m_cursorCanBeChanged = false;
    markAllUnselected(true);
    m_current = nullptr;
    const QRectF click(p, QSizeF(0, 0));
    if ((modifiers & Qt::ControlModifier) || m_selectors.empty()) {
        addSelectorWithFrame(click);
        redisplay();
        return;
    }
    for (const auto &s : m_selectors) {
        if (s->intersectsFrame(click)) {
            m_current = s.get();
            s->touchedHandle(click);
            break;
        }
    }
    if (!m_current)
        setPickerWithFrame(click);
    redisplay();
}

void MSSCanvasController::mouseDragged(const QPointF &p)
{
    if (!m_current)
        return;
    switch (m_current->action()) {
    case MSSSelector::DrawOut:
    case MSSSelector::Resize: m_current->resizeToPoint(p); break;
    case MSSSelector::Move: m_current->moveSelectorToPoint(p); break;
    default: return;
    }
    redisplay();
    if (m_current->touchedBoundaries())
        redisplay();
}

void MSSCanvasController::mouseUp(const QPointF &)
{
    m_cursorCanBeChanged = true;
    if (!m_current) {
        redisplay();
        return;
    }
    if (m_current->isPicker()) {
        for (const auto &s : m_selectors)
            s->intersectsFrame(m_current->frame());
        m_current = nullptr;
        m_picker.reset();
    } else if (!m_current->canDropOnCanvas()) {
        removeSelector(m_current);
        m_current = nullptr;
    }
    redisplay();
}

void MSSCanvasController::mouseMoved(const QPointF &p)
{
    if (!m_cursorCanBeChanged)
        return;
    Qt::CursorShape shape = Qt::ArrowCursor;
    for (const auto &s : m_selectors) {
        if (MSSSelector::rectsTouch(s->trackingRect(), QRectF(p, QSizeF())) && !s->trackingRect().isEmpty())
            shape = Qt::OpenHandCursor;
        for (const auto &h : s->handles()) {
            if (!h->frame().isNull() && MSSSelector::rectsTouch(h->trackingRect(), QRectF(p, QSizeF())))
                shape = h->trackingCursor();
        }
    }
    m_canvas->setCursor(shape);
}

bool MSSCanvasController::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        removeMarkedSelectorsFromCanvas();
        return true;
    }
    if (key == Qt::Key_A && (modifiers & Qt::ControlModifier)) {
        markAllSelected(true);
        return true;
    }
    if (key == Qt::Key_Escape) {
        markAllUnselected(true);
        return true;
    }
    return false;
}
