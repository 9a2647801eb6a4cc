#include "imagetools/ImageBrowserModel.h"

#include "imagetools/ReorderItems.h"
#include "imaging/ThumbnailTiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>

#include <algorithm>

ImageBrowserModel::ImageBrowserModel(QObject *parent)
    : QAbstractListModel(parent),
      m_loader([](const QString &path, int side) { return imagefile::read(path, side); })
{
    // Two readers fill a screen of thumbnails in about a tenth of a second; more would take cores
    // from the GUI thread while it scrolls.
    setWorkerCount(2);
}

ImageBrowserModel::~ImageBrowserModel()
{
    m_queue->nextGeneration();
    m_pool.clear();
    m_pool.waitForDone();
}

void ImageBrowserModel::setLoader(Loader loader) { m_loader = std::move(loader); }

void ImageBrowserModel::setWorkerCount(int count) { m_pool.setMaxThreadCount(std::max(1, count)); }

void ImageBrowserModel::addImageWithPath(const QString &path, const QString &name, const QString &uid)
{
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return;
    const int row = int(m_images.size());
    beginInsertRows(QModelIndex(), row, row);
    m_images.append({trimmed, name, uid});
    endInsertRows();
}

void ImageBrowserModel::removeAllImages()
{
    beginResetModel();
    m_images.clear();
    cancelPending();
    endResetModel();
}

void ImageBrowserModel::moveItems(const QList<int> &rows, int destination)
{
    const QList<int> order = Reordered_Indexes(int(m_images.size()), rows, destination);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newRowOf(order.size());
    QList<MyImageObject> moved;
    for (int to = 0; to < order.size(); ++to) {
        newRowOf[order.at(to)] = to;
        moved << m_images.at(order.at(to));
    }
    m_images = moved;
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    for (const QModelIndex &old : from)
        to << index(newRowOf.value(old.row(), old.row()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ImageBrowserModel::setThumbnailSize(int pixels)
{
    if (pixels < 8 || pixels == m_thumbSize)
        return;
    m_thumbSize = pixels;
    m_queue->nextGeneration();
    if (!m_images.isEmpty())
        emit dataChanged(index(0), index(int(m_images.size()) - 1), {Qt::DecorationRole, Qt::SizeHintRole});
}

void ImageBrowserModel::setShowsTitles(bool shows)
{
    if (shows == m_showsTitles)
        return;
    m_showsTitles = shows;
    if (!m_images.isEmpty())
        emit dataChanged(index(0), index(int(m_images.size()) - 1), {Qt::DisplayRole, Qt::SizeHintRole});
}

void ImageBrowserModel::setVisibleRows(int first, int last) { m_queue->setVisibleRows(first, last); }

void ImageBrowserModel::cancelPending()
{
    m_queue->nextGeneration();
    m_pool.clear();   // tasks not started yet would find nothing to take
}

bool ImageBrowserModel::waitForThumbnails(int msecs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_queue->busy()) {
        if (timer.elapsed() > msecs)
            return false;
        m_pool.waitForDone(5);
        QCoreApplication::processEvents();
    }
    // Answers already posted but not yet delivered.
    QCoreApplication::processEvents();
    return true;
}

bool ImageBrowserModel::hasThumbnail(int row) const
{
    return row >= 0 && row < m_images.size() &&
           m_cache.contains(ThumbnailQueue::Request::key(m_images.at(row).path, m_thumbSize));
}

int ImageBrowserModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_images.size()); }

const QPixmap &ImageBrowserModel::placeholderTile() const
{
    if (m_placeholder.width() != m_thumbSize)
        m_placeholder = QPixmap::fromImage(thumbnailtiles::placeholder(m_thumbSize));
    return m_placeholder;
}

const QPixmap &ImageBrowserModel::brokenTile() const
{
    if (m_broken.width() != m_thumbSize)
        m_broken = QPixmap::fromImage(thumbnailtiles::broken(m_thumbSize));
    return m_broken;
}

void ImageBrowserModel::request(const QString &path, int row) const
{
    if (!m_queue->push(path, m_thumbSize, row))
        return;
    // One task per request; each takes whatever request is newest when it runs. The worker gets
    // copies only, and its answer comes back to the GUI thread as a queued call, which Qt drops if
    // the model is gone by then.
    auto *model = const_cast<ImageBrowserModel *>(this);
    m_pool.start([model, queue = m_queue, loader = m_loader] {
        ThumbnailQueue::Request next;
        if (!queue->takeNewest(next))
            return;
        imagefile::Result result = loader(next.path, next.side);
        QMetaObject::invokeMethod(
            model, [model, next, result = std::move(result)] { model->arrived(next, result); }, Qt::QueuedConnection);
    });
}

void ImageBrowserModel::arrived(const ThumbnailQueue::Request &request, const imagefile::Result &result)
{
    if (!m_queue->finish(request))
        return;   // an earlier opening or zoom
    auto *thumbnail = new Thumbnail;
    thumbnail->broken = result.image.isNull();
    if (!thumbnail->broken)
        thumbnail->pixmap = QPixmap::fromImage(result.image);
    const qint64 cost = thumbnail->broken ? 1 : qint64(thumbnail->pixmap.width()) * thumbnail->pixmap.height() * 4;
    m_cache.insert(request.key(), thumbnail, std::max<qint64>(1, cost));
    if (request.side != m_thumbSize)
        return;
    for (int row = 0; row < m_images.size(); ++row)
        if (m_images.at(row).path == request.path)
            emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

QVariant ImageBrowserModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_images.size())
        return {};
    const MyImageObject &item = m_images.at(index.row());
    switch (role) {
    case Qt::DecorationRole: {
        if (const Thumbnail *found = m_cache.object(ThumbnailQueue::Request::key(item.path, m_thumbSize)))
            return found->broken ? brokenTile() : found->pixmap;
        request(item.path, index.row());
        return placeholderTile();
    }
    case Qt::DisplayRole:
        return m_showsTitles ? QVariant(item.imageTitle()) : QVariant();
    case Qt::ToolTipRole:
        return item.imageSubtitle();
    case Qt::SizeHintRole: {
        const int text = m_showsTitles ? QFontMetrics(QGuiApplication::font()).height() + 4 : 0;
        return QSize(m_thumbSize + 8, m_thumbSize + 8 + text);
    }
    default:
        return {};
    }
}

Qt::ItemFlags ImageBrowserModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
