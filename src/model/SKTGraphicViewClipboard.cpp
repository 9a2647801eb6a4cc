// The canvas's clipboard and menu commands: copy, cut and paste of card objects, pictures pasted
// from other programs, the enabling of menu items, and the undo, ruler and scroll-view commands.
//
// QClipboard has no change count. The canvas counts the clipboard's change announcements, and each
// copy puts a token of its own beside the objects, so a paste can tell that the content changed
// elsewhere (another program, or another running instance) since this canvas last saw it.

#include "model/SKTGraphicView.h"

#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/BoundedImage.h"
#include "model/CanvasHost.h"
#include "model/ObjectArchive.h"
#include "model/SKTError.h"
#include "model/SKTImage.h"
#include "model/SKTRenderingView.h"
#include "model/SKTZoomingScrollView.h"
#include "platform/Files.h"
#include "platform/Dialogs.h"
#include "platform/PngWriter.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QScrollBar>
#include <QUuid>

#include <numeric>

namespace {

qint64 &changeCounter()
{
    static qint64 count = 0;
    return count;
}

QClipboard *clipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

// Counting starts with the first canvas that asks; every later change is counted.
void watchClipboard()
{
    static bool watching = false;
    QClipboard *board = clipboard();
    if (watching || !board)
        return;
    QObject::connect(board, &QClipboard::dataChanged, board, [] { ++changeCounter(); });
    watching = true;
}

QList<int> range(int from, int count)
{
    QList<int> indexes(count);
    std::iota(indexes.begin(), indexes.end(), from);
    return indexes;
}

// The picture on the clipboard, read with the size checked before anything is allocated: the
// encoded forms first, then a picture this process put there itself. tooLarge tells a refusal.
QImage clipboardPicture(const QMimeData &data, bool *tooLarge)
{
    const qint64 limit = ObjectArchiveLimits::kMaxPicturePixels;
    *tooLarge = false;
    for (const QString &format : data.formats()) {
        if (!format.startsWith(QLatin1String("image/")))
            continue;
        QByteArray bytes = data.data(format);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const QSize size = QImageReader(&buffer).size();
        if (size.isValid() && qint64(size.width()) * size.height() > limit) {
            *tooLarge = true;
            return {};
        }
        const QImage image = readBoundedImage(bytes, nullptr, limit);
        if (!image.isNull())
            return image;
    }
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (qint64(image.width()) * image.height() > limit) {
            *tooLarge = true;
            return {};
        }
        return image;
    }
    return {};
}

// A new PNG file of the picture in the per-user "Pasted_Images" folder; empty when it cannot be written.
QString writePastedPicture(const QImage &image)
{
    const QString folder = Created_Resource_Path + QStringLiteral("/Pasted_Images");
    if (Created_Resource_Path.isEmpty() || !QDir().mkpath(folder))
        return QString();
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd_HHmmss_zzz"));
    QString path = QStringLiteral("%1/Pasted_%2.png").arg(folder, stamp);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1/Pasted_%2_%3.png").arg(folder, stamp).arg(n);
    const QByteArray png = platform::pngData(image, image.dotsPerMeterX(), image.dotsPerMeterY());
    // As every file of the user's: whole, and only by the rule for links.
    if (png.isEmpty() || !platform::writeFileAtomically(path, png))
        return QString();
    return path;
}

} // namespace

void SKTGraphicView::copy()
{
    QClipboard *board = clipboard();
    if (!board || !m_host)
        return;
    watchClipboard();
    const SKTGraphicList selection = selectedGraphics();
    auto *data = new QMimeData;
    data->setData(m_host->Card_Objects_Mime_Type(), SKTGraphic::pasteboardDataWithGraphics(selection));
    const QByteArray pdf = SKTRenderingView::pdfDataWithGraphics_data(selection);
    if (!pdf.isEmpty())
        data->setData(QStringLiteral("application/pdf"), pdf);
    const QByteArray tiff = SKTRenderingView::tiffDataWithGraphics(selection);
    if (!tiff.isEmpty())
        data->setData(QStringLiteral("image/tiff"), tiff);
    const QByteArray token = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    data->setData(QString::fromLatin1(pasteboardTokenType()), token);
    board->setMimeData(data);
    _pasteboardChangeCount = changeCounter();
    _pasteboardToken = token;
    _pasteCascadeNumber = 1;
    m_host->Set_Paste_Button_Status();
}

void SKTGraphicView::cut()
{
    if (There_Is_Any_Lock_Contrl()) {
        Show_MessageBox(tr("Selected control is locked."));
        return;
    }
    copy();
    delete_selection();   // records the step
}

bool SKTGraphicView::pasteboardOffersCardObjects() const
{
    const QClipboard *board = clipboard();
    const QMimeData *data = board ? board->mimeData() : nullptr;
    return data && m_host && data->hasFormat(m_host->Card_Objects_Mime_Type());
}

void SKTGraphicView::presentPasteError(const SKTError &error)
{
    platform::AlertRequest alert;
    alert.message = error.localizedDescription;
    alert.informative = error.localizedFailureReason;
    alert.buttons = {QStringLiteral("OK")};
    alert.style = platform::AlertStyle::Critical;
    platform::runAlert(alert);
}

void SKTGraphicView::paste()
{
    QClipboard *board = clipboard();
    const QMimeData *data = board ? board->mimeData() : nullptr;
    if (!data || !m_host || !_graphicsContainer || !_selectionIndexesContainer)
        return;
    watchClipboard();
    const QString type = m_host->Card_Objects_Mime_Type();
    if (data->hasFormat(type)) {
        SKTError error;
        std::optional<SKTGraphicList> pasted = SKTGraphic::graphicsWithPasteboardData(data->data(type), &error);
        if (!pasted) {
            presentPasteError(error);
            return;
        }
        const QByteArray token = data->data(QString::fromLatin1(pasteboardTokenType()));
        if (changeCounter() != _pasteboardChangeCount || token != _pasteboardToken) {
            _pasteboardChangeCount = changeCounter();
            _pasteboardToken = token;
            _pasteCascadeNumber = 0;
        }
        if (pasted->isEmpty())
            return;
        setSelectedGraphic(pasted->first());
        if (_pasteCascadeNumber > 0) {
            const QPointF to = m_host->Control_New_Point(QStringLiteral("F"));
            SKTGraphic::Paste_Location_Of_Graphics(*pasted, to.x(), to.y(), QStringLiteral("F"));
        }
        ++_pasteCascadeNumber;
        const QList<int> indexes = range(0, int(pasted->size()));
        mutableGraphics().insertGraphics(*pasted, indexes);
        changeSelectionIndexes(indexes);
        setSelectedGraphic(pasted->first());
        m_host->Show_RHS_Properties(pasted->first().get());
        m_host->Check_Series_Or_Excel_Use_or_not();
        m_host->Insert_In_Undo_Redo();   // one step, after the objects are in
        return;
    }
    if (data->hasUrls())
        return;   // file names paste nothing
    if (makeNewImageFromPasteboard(data, QPointF(50, 50))) {
        m_host->Show_RHS_Properties(selectedGraphic().get());
        m_host->Insert_In_Undo_Redo();
    }
}

bool SKTGraphicView::makeNewImageFromPasteboard(const QMimeData *data, const QPointF &point)
{
    if (!data || !_graphicsContainer || !_selectionIndexesContainer)
        return false;
    bool tooLarge = false;
    const QImage image = clipboardPicture(*data, &tooLarge);
    if (tooLarge) {
        Show_MessageBox(tr("The picture on the clipboard is too large to paste."));
        return false;
    }
    if (image.isNull())
        return false;
    const QString path = writePastedPicture(image);
    if (path.isEmpty()) {
        Show_MessageBox(tr("The pasted picture could not be saved in the folder \"Pasted_Images\"."));
        return false;
    }
    const std::shared_ptr<SKTImage> picture = SKTImage::initWithPath(point, path, false);
    if (!picture || picture->bounds().isEmpty())
        return false;
    picture->setBounds(QRectF(point, picture->bounds().size()));
    mutableGraphics().insertGraphics({picture}, {0});
    changeSelectionIndexes({0});
    setSelectedGraphic(picture);
    return true;
}

// ---- Menu items -------------------------------------------------------------------------------

void SKTGraphicView::setItemCommand(QAction *item, Command command)
{
    if (item)
        item->setProperty(commandProperty(), int(command));
}

bool SKTGraphicView::validateCommand(Command command, QString *title) const
{
    using C = Command;
    const std::shared_ptr<SKTGraphic> current = selectedGraphic();
    if (current && current->ctrl_is_locked) {
        if (command == C::Cut || command == C::Delete || command == C::BringToFront || command == C::SendToBack ||
            command == C::Lock)
            return false;
    } else if (current && command == C::Unlock) {
        return false;
    }
    const qsizetype selected = selectionIndexes().size();
    switch (command) {
    case C::MakeNaturalSize: {
        const SKTGraphicList selection = selectedGraphics();
        return std::any_of(selection.cbegin(), selection.cend(),
                           [](const auto &g) { return g && g->canMakeNaturalSize(); });
    }
    case C::Paste: return pasteboardOffersCardObjects();
    case C::AlignWithGrid: return selected > 0 && _grid && _grid->canAlign();
    case C::Delete: case C::BringToFront: case C::SendToBack: case C::Cut: case C::Copy: case C::Lock:
    case C::Unlock:
        return selected > 0;
    case C::AlignLeftEdges: case C::AlignRightEdges: case C::AlignTopEdges: case C::AlignBottomEdges:
    case C::AlignHorizontalCenters: case C::AlignVerticalCenters: case C::MakeSameWidth: case C::MakeSameHeight:
        return selected > 1;
    case C::Undo: return m_host && m_host->Can_Undo();
    case C::Redo: return m_host && m_host->Can_Redo();
    case C::ShowOrHideRulers: {
        const SKTZoomingScrollView *scroll = enclosingScrollView();
        if (title)
            *title = scroll && scroll->rulersVisible() ? tr("Hide Ruler") : tr("Show Ruler");
        return true;
    }
    case C::Other: break;
    }
    return true;
}

bool SKTGraphicView::validateMenuItem(QAction *item) const
{
    if (!item)
        return false;
    const QVariant carried = item->property(commandProperty());
    const Command command = carried.isValid() ? Command(carried.toInt()) : Command::Other;
    QString title;
    const bool enabled = validateCommand(command, &title);
    if (command == Command::ShowOrHideRulers)
        item->setText(title);
    item->setEnabled(enabled);
    return enabled;
}

// ---- Forwarded commands -----------------------------------------------------------------------

void SKTGraphicView::undo()
{
    if (m_host)
        m_host->Undo_Action_Perform();
}

void SKTGraphicView::redo()
{
    if (m_host)
        m_host->Redo_Action_Perform();
}

void SKTGraphicView::showOrHideRulers()
{
    if (SKTZoomingScrollView *scroll = enclosingScrollView())
        scroll->setRulersVisible(!scroll->rulersVisible());
}
