#pragma once
// The icon list of the image browsers (image library picker, template galleries): one item per
// picture file, shown as a thumbnail that workers read through the picture-file reader at the
// icon's size, never on the GUI thread. Until a thumbnail is read the item shows a neutral
// placeholder, and a file that cannot be read shows a broken-picture tile; both stay selectable.
// Thumbnails are cached up to a number of bytes, least recently used first out.

#include "imaging/ImageFileReader.h"
#include "imaging/MyImageObject.h"
#include "imaging/ThumbnailQueue.h"

#include <QAbstractListModel>
#include <QCache>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>

class ImageBrowserModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Reads the picture at a path at most side pixels on its longer side; called on workers only.
    using Loader = std::function<imagefile::Result(const QString &path, int side)>;
    static constexpr qint64 Cache_Limit_Bytes = 64LL * 1024 * 1024;

    explicit ImageBrowserModel(QObject *parent = nullptr);
    ~ImageBrowserModel() override;   // cancels what is queued and waits for the thumbnails being read

    // The path trimmed of white space and line ends; an empty path is ignored, any other appended.
    void addImageWithPath(const QString &path, const QString &name, const QString &uid);
    // Empties the list; thumbnails still being read for it are dropped when they arrive.
    void removeAllImages();
    const QList<MyImageObject> &images() const { return m_images; }
    int numberOfItemsInImageBrowser() const { return int(m_images.size()); }
    const MyImageObject &imageBrowser_itemAtIndex(int index) const { return m_images.at(index); }
    // Moves items to a destination index (see ReorderItems.h); selections follow their items.
    void moveItems(const QList<int> &rows, int destination);

    // The largest side of a thumbnail in pixels (the browser's zoom); thumbnails of another size
    // still being read are dropped when they arrive.
    void setThumbnailSize(int pixels);
    int thumbnailSize() const { return m_thumbSize; }
    // Whether the names show under the thumbnails.
    void setShowsTitles(bool shows);
    // The rows in view, so that requests for rows far from them are dropped; first < 0: unknown.
    void setVisibleRows(int first, int last);
    // Forgets every queued request and drops the answers still being read (the browser closed).
    void cancelPending();

    // Tests and the benchmark: another reader, and the number of worker threads.
    void setLoader(Loader loader);
    void setWorkerCount(int count);
    // Whether every thumbnail asked for so far has arrived (or was dropped), within msecs.
    bool waitForThumbnails(int msecs = 5000);
    // The bytes the cached thumbnails take, and the generation of the requests.
    qint64 cacheBytes() const { return m_cache.totalCost(); }
    quint64 generation() const { return m_queue->generation(); }
    // Whether the item's thumbnail has been read (broken or not).
    bool hasThumbnail(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // Display: the name when titles show; decoration: the thumbnail, the placeholder or the broken
    // tile (a pixmap); tool tip: the name.
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Thumbnail {
        QPixmap pixmap;
        bool broken = false;
    };
    void request(const QString &path, int row) const;
    void arrived(const ThumbnailQueue::Request &request, const imagefile::Result &result);
    const QPixmap &placeholderTile() const;
    const QPixmap &brokenTile() const;

    QList<MyImageObject> m_images;
    mutable QCache<QString, Thumbnail> m_cache{Cache_Limit_Bytes};
    std::shared_ptr<ThumbnailQueue> m_queue = std::make_shared<ThumbnailQueue>();
    Loader m_loader;
    int m_thumbSize = 120;
    bool m_showsTitles = false;
    mutable QPixmap m_placeholder;
    mutable QPixmap m_broken;
    mutable QThreadPool m_pool;
};
