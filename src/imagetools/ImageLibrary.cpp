#include "imagetools/ImageLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPointer>

namespace {

QString thumbKey(const QString &path, int size) { return QString::number(size) + QLatin1Char(':') + path; }

// Reads the picture scaled to fit a square of the size; a null image when it cannot be read.
QImage readThumbnail(const QString &path, int size)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && !full.isEmpty())
        reader.setScaledSize(full.scaled(size, size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > size || image.height() > size))
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

ImageBrowserModel::ImageBrowserModel(QObject *parent)
    : QAbstractListModel(parent)
{
    m_pool.setMaxThreadCount(2);
}

ImageBrowserModel::~ImageBrowserModel()
{
    m_pool.clear();
    m_pool.waitForDone();
}

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
    endResetModel();
}

void ImageBrowserModel::setThumbnailSize(int pixels)
{
    if (pixels < 8 || pixels == m_thumbSize)
        return;
    m_thumbSize = pixels;
    if (!m_images.isEmpty())
        emit dataChanged(index(0), index(int(m_images.size()) - 1), {Qt::DecorationRole});
}

bool ImageBrowserModel::waitForThumbnails(int msecs)
{
    QElapsedTimer timer;
    timer.start();
    while (!m_pending.isEmpty()) {
        if (timer.elapsed() > msecs)
            return false;
        m_pool.waitForDone(10);
        QCoreApplication::processEvents();
    }
    return true;
}

int ImageBrowserModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_images.size());
}

QImage ImageBrowserModel::blank() const
{
    QImage image(m_thumbSize, m_thumbSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void ImageBrowserModel::requestThumbnail(const QString &path) const
{
    const int size = m_thumbSize;
    const QString key = thumbKey(path, size);
    if (m_pending.contains(key))
        return;
    m_pending.insert(key, true);
    // The worker gets copies only; its result comes back to the GUI thread as a queued call, which
    // is dropped if this model is gone (the destructor waits for the pool anyway).
    QPointer<ImageBrowserModel> self(const_cast<ImageBrowserModel *>(this));
    auto *model = const_cast<ImageBrowserModel *>(this);
    m_pool.start([model, self, path, size, key] {
        const QImage image = readThumbnail(path, size);
        QMetaObject::invokeMethod(model, [self, path, key, image] {
            if (!self)
                return;
            self->m_pending.remove(key);
            self->m_thumbnails.insert(key, image);
            for (int row = 0; row < self->m_images.size(); ++row)
                if (self->m_images.at(row).path == path)
                    emit self->dataChanged(self->index(row), self->index(row), {Qt::DecorationRole});
        }, Qt::QueuedConnection);
    });
}

QVariant ImageBrowserModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_images.size())
        return {};
    const MyImageObject &item = m_images.at(index.row());
    switch (role) {
    case Qt::DecorationRole: {
        const auto found = m_thumbnails.constFind(thumbKey(item.path, m_thumbSize));
        if (found == m_thumbnails.constEnd()) {
            requestThumbnail(item.path);
            return blank();
        }
        return found->isNull() ? blank() : *found;   // a picture that cannot be read stays blank
    }
    case Qt::ToolTipRole:
        return item.name;
    case Qt::SizeHintRole:
        return QSize(m_thumbSize + 8, m_thumbSize + 8);
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
