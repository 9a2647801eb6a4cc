// Creation of card objects on the canvas: by the tool change (placed at once) or by the mouse (the
// press places the object, the drag sizes it, the release completes or withdraws it).

#include "model/SKTGraphicView.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "model/CanvasHost.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTGrid.h"
#include "model/SKTImage.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"

#include <QFileInfo>

#include <exception>

namespace {

bool fileExists(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

QString shapeCodeOfTool(int tool)
{
    switch (tool) {
    case 3: return QStringLiteral("R");
    case 4: return QStringLiteral("C");
    case 5: return QStringLiteral("RR");
    case 6: return QStringLiteral("T");
    case 7: return QStringLiteral("D");
    case 13: return QStringLiteral("S");
    case 14: return QStringLiteral("DS");
    case 15: return QStringLiteral("P");
    default: return QString();
    }
}

} // namespace

std::shared_ptr<SKTGraphic> SKTGraphicView::makeGraphicOfTool(int tool, const QPointF &origin,
                                                              const QString &ctrl_value, const QString &ctrl_ID) const
{
    const auto placeholder = [this](CanvasHost::Placeholder which) {
        return platform::Picture::fromImage(m_host ? m_host->Placeholder_Image(which) : QImage());
    };
    switch (tool) {
    case 1:
        return SKTGraphic::graphicOfClass(SKTGraphicClass::Line);
    case 2: {
        auto text = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
        if (text && !ctrl_value.isEmpty()) {
            text->Set_text_value(ctrl_value);
            text->_isDrawingStroke = false;
            text->_isDrawingFill = false;
        }
        return text;
    }
    case 3: case 4: case 5: case 6: case 7: case 13: case 14: case 15: {
        auto shape = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
        if (shape)
            shape->Set_Shape_Type(shapeCodeOfTool(tool));
        return shape;
    }
    case 8: {
        std::shared_ptr<SKTGraphic> image;
        QString value = ctrl_value;
        if (fileExists(Library_Selected_Image)) {
            image = SKTImage::initWithPath(origin, Library_Selected_Image, Use_Org_image_Or_Shred_it);
            value = Library_Selected_Image;
        } else if (fileExists(ctrl_value)) {
            image = SKTImage::initWithPath_With_ID(origin, ctrl_value, ctrl_ID);
        } else {
            image = SKTImage::initWithPosition(origin, placeholder(CanvasHost::Placeholder::NoImage));
        }
        if (image && !value.isEmpty())
            image->Set_text_value(value);
        return image;
    }
    case 9: {
        auto image = SKTImage::initWithPath(origin, Library_Selected_Image, false);
        if (image && !Library_Selected_Image.isEmpty())
            image->Set_text_value(Library_Selected_Image);
        return image;
    }
    case 10:
        return std::make_shared<SKTBarcode>(origin, platform::Picture());
    case 11:
        Library_Selected_Image = Resource_Path + QStringLiteral("/sign_sample.png");
        return SKTSignature::initWithPosition(origin, placeholder(CanvasHost::Placeholder::SignSample),
                                              QStringLiteral("S"));
    case 12:
        return SKTSignature::initWithPosition(origin, placeholder(CanvasHost::Placeholder::FingerprintSample),
                                              QStringLiteral("F"));
    default:
        return nullptr;
    }
}

void SKTGraphicView::createGraphicOfClass(const QString &graphicClass, const std::optional<QPointF> &eventLocation,
                                          bool use_rect, const QRectF &bound_rect, const QString &card_side,
                                          const QString &ctrl_value, const QString &ctrl_ID)
{
    try {
        if (!m_host || m_tracking != Tracking::None)
            return;
        // An object the workspace already placed under this identifier is not made twice.
        if (Selcect_Ctrl_With_ID(ctrl_ID))
            return;
        if (graphicClass == QLatin1String("SKTText"))
            m_host->Set_Selected_Control_Tool(2);
        const int tool = m_host->Selected_Control_Tool();

        QRectF frame;
        if (eventLocation) {
            const QPointF origin = _grid ? _grid->constrainedPoint(*eventLocation) : *eventLocation;
            frame = QRectF(origin, QSizeF(0, 0));
        } else {
            frame = use_rect ? bound_rect : QRectF();
            if (tool == 2)
                frame.setSize(QSizeF(70, 20));
            if (ctrl_ID.isEmpty())
                frame.moveTopLeft(m_host->Control_New_Point(card_side));
            if (_grid) {
                const QPointF origin = _grid->constrainedPoint(frame.topLeft());
                const QPointF far = _grid->constrainedPoint(frame.topLeft() + QPointF(frame.width(), frame.height()));
                frame = QRectF(origin, QSizeF(far.x() - origin.x(), far.y() - origin.y()));
            }
        }

        const std::shared_ptr<SKTGraphic> graphic = makeGraphicOfTool(tool, frame.topLeft(), ctrl_value, ctrl_ID);
        if (!graphic)
            return;   // no class for this tool: nothing is made

        SKTDocument &document = mutableGraphics();
        platform::UndoRecorder &undo = document.undoManager();
        m_creationGroupedByEvent = undo.groupsByEvent();
        undo.setGroupsByEvent(true);
        undo.beginUndoGrouping();
        m_creationGroupOpen = true;
        changeSelectionIndexes({});

        _creatingGraphic = graphic;
        graphic->control_ID = ctrl_ID;
        graphic->setBounds(frame);
        document.insertGraphics({graphic}, {0});

        if (eventLocation) {
            // The drag that follows sizes the object by its creation handle; the release completes it.
            m_tracking = Tracking::Creating;
            m_trackedGraphic = graphic;
            m_resizeHandle = graphic->creationSizingHandle();
            m_pendingValue = ctrl_value;
            return;
        }
        completeCreation(graphic, false, ctrl_value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTGraphicView::finishCreation()
{
    const std::shared_ptr<SKTGraphic> graphic = m_trackedGraphic;
    const QString value = m_pendingValue;
    m_tracking = Tracking::None;
    m_trackedGraphic.reset();
    m_pendingValue.clear();
    if (graphic)
        completeCreation(graphic, true, value);
    // After a creation by mouse the current object is the one under creation, cleared by now.
    setSelectedGraphic(_creatingGraphic.lock());
}

void SKTGraphicView::completeCreation(const std::shared_ptr<SKTGraphic> &graphic, bool byMouse,
                                      const QString &ctrl_value)
{
    try {
        SKTDocument &document = mutableGraphics();
        platform::UndoRecorder &undo = document.undoManager();
        const int tool = m_host ? m_host->Selected_Control_Tool() : 0;
        // Only a drag can leave a zero-size object (the mode commands place theirs with a zero
        // frame that the barcode's picture sizes afterwards).
        const bool withdrawn = byMouse && graphic->width() == 0 && graphic->height() == 0;
        if (withdrawn) {
            if (m_creationGroupOpen)
                undo.endUndoGrouping();
            m_creationGroupOpen = false;
            undo.disableUndoRegistration();
            if (undo.groupingLevel() == 0 && undo.canUndo()) {
                undo.undo();
            }
            // Whatever an outer group holds, the object leaves the list.
            const int index = int(document.graphics().indexOf(graphic));
            if (index >= 0)
                document.removeGraphicsAtIndexes({index});
            undo.enableUndoRegistration();
        } else {
            const int index = int(document.graphics().indexOf(graphic));
            changeSelectionIndexes(index >= 0 ? QList<int>{index} : QList<int>{});
            startEditingGraphic(graphic);
            if (m_creationGroupOpen)
                undo.endUndoGrouping();
            m_creationGroupOpen = false;
        }
        undo.setGroupsByEvent(m_creationGroupedByEvent);

        if (!withdrawn) {
            setSelectedGraphic(graphic);
            if (tool == 10 && graphic->isExactly<SKTBarcode>()) {
                ++BAR_CTRL;
                graphic->control_ID = QStringLiteral("BAR_%1").arg(BAR_CTRL);
                const platform::Picture picture = m_host->First_Barcode_Picture(*graphic, ctrl_value);
                // A picture that fails leaves the default frame, so the object can still be
                // selected, edited or deleted.
                if (!picture.isNull())
                    graphic->Set_Barcode_image(picture);
                else if (graphic->width() <= 0 || graphic->height() <= 0)
                    graphic->setBounds(QRectF(graphic->bounds().topLeft(), QSizeF(120, 60)));
                check_barcode_and_set_control_bounds(graphic);
            }
        }
        _creatingGraphic.reset();
        if (m_host) {
            m_host->Set_Selected_Control_Tool(0);
            if (!withdrawn)
                m_host->Insert_In_Undo_Redo();
        }
        setNeedsDisplayInRect(graphic->drawingBounds());
    } catch (const std::exception &e) {
        _creatingGraphic.reset();
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTGraphicView::check_barcode_and_set_control_bounds(const std::shared_ptr<SKTGraphic> &graphic)
{
    try {
        if (graphic && graphic->isExactly<SKTBarcode>())
            graphic->Set_Barcode_image_control_bounds();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

std::shared_ptr<SKTGraphic> SKTGraphicView::Selcect_Ctrl_With_ID(const QString &identifier) const
{
    if (identifier.isEmpty())
        return nullptr;
    for (const auto &g : graphics())
        if (g && (g->isExactly<SKTText>() || g->isExactly<SKTImage>()) && g->control_ID == identifier)
            return g;
    return nullptr;
}
