#pragma once
// The icon list of the image browsers (image library, template galleries): items of a picture file
// each, shown as thumbnails that are read off the GUI thread. Items are never moved or removed by
// the view; drops are not taken.

#include <QAbstractListModel>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QThreadPool>

// One item: the picture file, its title (the file name) and an identifier unique in the list.
struct MyImageObject {
    QString path;
    QString name;
    QString uid;
};

class ImageBrowserModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ImageBrowserModel(QObject *parent = nullptr);
    ~ImageBrowserModel() override;   // waits for the thumbnails being read

    // The path trimmed of white space and line ends; an empty path is ignored, any other appended.
    void addImageWithPath(const QString &path, const QString &name, const QString &uid);
    // Empties the list.
    void removeAllImages();
    const QList<MyImageObject> &images() const { return m_images; }
    int numberOfItemsInImageBrowser() const { return int(m_images.size()); }
    const MyImageObject &imageBrowser_itemAtIndex(int index) const { return m_images.at(index); }

    // The largest side of a thumbnail in pixels (the browser's zoom).
    void setThumbnailSize(int pixels);
    int thumbnailSize() const { return m_thumbSize; }
    // Whether every thumbnail asked for so far has been read (tests wait on it).
    bool waitForThumbnails(int msecs = 5000);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // Display: nothing (cells show no title); decoration: the thumbnail, blank until read and for a
    // file that cannot be read; tool tip: the name.
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void requestThumbnail(const QString &path) const;
    QImage blank() const;
    QList<MyImageObject> m_images;
    mutable QHash<QString, QImage> m_thumbnails;   // by path and size
    mutable QHash<QString, bool> m_pending;
    int m_thumbSize = 120;
    mutable QThreadPool m_pool;
};
