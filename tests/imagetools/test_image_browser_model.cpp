// The icon list of the image browsers: items, thumbnails read off the GUI thread newest first,
// placeholders and broken tiles, stale and far requests dropped, the bounded cache, and moves.

#include "support/ImageFileMakers.h"

#include "imagetools/ImageBrowserModel.h"
#include "imagetools/ImageBrowserView.h"
#include "imagetools/ReorderItems.h"
#include "imaging/ThumbnailTiles.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// A loader that records where and what it read, can be held at a gate, and answers a picture of
// the side asked for (or none for paths containing "bad").
class RecordingLoader {
public:
    struct Call {
        QString path;
        int side = 0;
        QThread *thread = nullptr;
    };
    ImageBrowserModel::Loader loader()
    {
        return [this](const QString &path, int side) {
            {
                QMutexLocker lock(&m_mutex);
                m_calls.append({path, side, QThread::currentThread()});
            }
            if (m_gated)
                m_gate.acquire();
            imagefile::Result r;
            if (path.contains(QLatin1String("bad"))) {
                r.failure = imagefile::Failure::NotAPicture;
                return r;
            }
            r.image = QImage(side, side / 2, QImage::Format_RGB32);
            r.image.fill(m_colour);
            return r;
        };
    }
    QList<Call> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    QStringList paths() const
    {
        QStringList out;
        for (const Call &c : calls())
            out << c.path;
        return out;
    }
    void hold()
    {
        m_gate.tryAcquire(m_gate.available());
        m_gated = true;
    }
    void release(int n) { m_gate.release(n); }
    void open()
    {
        m_gated = false;
        m_gate.release(1000);
    }
    QColor m_colour = Qt::red;

private:
    mutable QMutex m_mutex;
    QList<Call> m_calls;
    std::atomic<bool> m_gated{false};
    QSemaphore m_gate;
};

QImage decoration(const ImageBrowserModel &model, int row)
{
    return model.data(model.index(row), Qt::DecorationRole).value<QPixmap>().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage argb(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); }

// Asks for the decoration of every row, as a view painting them would.
void paintRows(const ImageBrowserModel &model, int first, int last)
{
    for (int row = first; row <= last; ++row)
        model.data(model.index(row), Qt::DecorationRole);
}

void fill(ImageBrowserModel &model, int count, const QString &prefix = QStringLiteral("/pictures/p"))
{
    for (int i = 0; i < count; ++i)
        model.addImageWithPath(prefix + QString::number(i) + QStringLiteral(".png"), QStringLiteral("p%1.png").arg(i),
                               QStringLiteral("p%1.png").arg(i));
}

} // namespace

TEST(ImageBrowserModel, AddsTrimmedPathsAndAnswersTheItemQuestions)
{
    ImageBrowserModel model;
    model.addImageWithPath(QStringLiteral("  /a/one.png\n"), QStringLiteral("one.png"), QStringLiteral("u1"));
    model.addImageWithPath(QStringLiteral(" \t\n"), QStringLiteral("none"), QStringLiteral("u2"));
    model.addImageWithPath(QString(), QStringLiteral("none"), QStringLiteral("u3"));
    model.addImageWithPath(QStringLiteral("/b/two.jpg"), QStringLiteral("two.jpg"), QStringLiteral("u4"));
    ASSERT_EQ(model.numberOfItemsInImageBrowser(), 2);
    EXPECT_EQ(model.rowCount(), 2);
    const MyImageObject &first = model.imageBrowser_itemAtIndex(0);
    EXPECT_EQ(first.path, QStringLiteral("/a/one.png"));
    EXPECT_EQ(first.imageRepresentation(), QStringLiteral("/a/one.png"));
    EXPECT_EQ(model.imageBrowser_itemAtIndex(1).imageUID(), QStringLiteral("u4"));
    EXPECT_EQ(first.imageTitle(), QStringLiteral("one.png"));
    EXPECT_EQ(first.imageSubtitle(), QStringLiteral("one.png"));
    EXPECT_EQ(model.data(model.index(1), Qt::ToolTipRole).toString(), QStringLiteral("two.jpg"));
    // The galleries show no names; the picker shows them under the thumbnails.
    EXPECT_FALSE(model.data(model.index(0), Qt::DisplayRole).isValid());
    const QSize bare = model.data(model.index(0), Qt::SizeHintRole).toSize();
    model.setShowsTitles(true);
    EXPECT_EQ(model.data(model.index(0), Qt::DisplayRole).toString(), QStringLiteral("one.png"));
    EXPECT_GT(model.data(model.index(0), Qt::SizeHintRole).toSize().height(), bare.height());
    // Selectable, but items never leave by dragging and nothing is dropped on them.
    const Qt::ItemFlags flags = model.flags(model.index(0));
    EXPECT_TRUE(flags & Qt::ItemIsSelectable);
    EXPECT_FALSE(flags & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(flags & Qt::ItemIsDropEnabled);
    model.removeAllImages();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ImageBrowserModel, APlaceholderTurnsIntoTheThumbnailOrABrokenTileThroughTheReader)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.png"));
    ASSERT_TRUE(imagefiles::writeImage(good, imagefiles::halves(QSize(400, 200), Qt::red, Qt::red)));
    const QString turned = dir.filePath(QStringLiteral("turned.jpg"));
    ASSERT_TRUE(imagefiles::writeBytes(turned, imagefiles::jpegWithOrientation(imagefiles::halves(QSize(400, 200), Qt::red, Qt::blue), 6)));
    const QString text = dir.filePath(QStringLiteral("text.png"));
    ASSERT_TRUE(imagefiles::writeBytes(text, QByteArray("not a picture")));
    // A JPEG cut short would give a grey-bottomed thumbnail if read past the reader.
    const QByteArray jpeg = imagefiles::encoded(imagefiles::quadrants(QSize(400, 400)), "jpeg", 90);
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    ASSERT_TRUE(imagefiles::writeBytes(cut, jpeg.left(jpeg.size() * 2 / 3)));

    ImageBrowserModel model;
    model.setThumbnailSize(100);
    for (const QString &path : {good, turned, text, cut, dir.filePath(QStringLiteral("gone.png"))})
        model.addImageWithPath(path, QFileInfo(path).fileName(), QFileInfo(path).fileName());
    int changed = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&changed] { ++changed; });
    const QImage placeholder = argb(thumbnailtiles::placeholder(100));
    for (int row = 0; row < 5; ++row) {
        EXPECT_TRUE(decoration(model, row) == placeholder) << row;
        EXPECT_FALSE(model.hasThumbnail(row));
    }
    ASSERT_TRUE(model.waitForThumbnails());
    EXPECT_EQ(changed, 5);
    const QImage thumb = decoration(model, 0);
    EXPECT_EQ(thumb.size(), QSize(100, 50));   // the aspect ratio kept
    EXPECT_EQ(QColor(thumb.pixel(50, 25)), QColor(Qt::red));
    const QImage upright = decoration(model, 1);
    EXPECT_EQ(upright.size(), QSize(50, 100));   // turned by its orientation
    const QImage broken = argb(thumbnailtiles::broken(100));
    EXPECT_FALSE(broken == placeholder);
    for (int row : {2, 3, 4}) {
        EXPECT_TRUE(model.hasThumbnail(row));
        EXPECT_TRUE(decoration(model, row) == broken) << row;
        EXPECT_TRUE(model.flags(model.index(row)) & Qt::ItemIsSelectable);
    }
    // Another zoom reads the thumbnails again at that size.
    model.setThumbnailSize(40);
    EXPECT_TRUE(decoration(model, 0) == argb(thumbnailtiles::placeholder(40)));
    ASSERT_TRUE(model.waitForThumbnails());
    EXPECT_EQ(decoration(model, 0).size(), QSize(40, 20));
}

TEST(ImageBrowserModel, ThumbnailsAreNeverReadOnTheGuiThread)
{
    RecordingLoader loader;
    ImageBrowserModel model;
    model.setLoader(loader.loader());
    fill(model, 30);
    paintRows(model, 0, 29);
    ASSERT_TRUE(model.waitForThumbnails());
    ASSERT_EQ(loader.calls().size(), 30);
    for (const RecordingLoader::Call &call : loader.calls()) {
        EXPECT_NE(call.thread, QThread::currentThread()) << call.path.toStdString();
        EXPECT_EQ(call.side, model.thumbnailSize());
    }
    // Asked again, the cached thumbnails are not read again.
    paintRows(model, 0, 29);
    ASSERT_TRUE(model.waitForThumbnails());
    EXPECT_EQ(loader.calls().size(), 30);
}

TEST(ImageBrowserModel, TheNewestRequestIsReadFirst)
{
    RecordingLoader loader;
    ImageBrowserModel model;
    model.setLoader(loader.loader());
    model.setWorkerCount(1);
    fill(model, 6);
    loader.hold();
    paintRows(model, 0, 0);   // the one worker holds row 0 at the gate
    while (loader.calls().isEmpty())
        QThread::msleep(1);
    paintRows(model, 1, 5);
    loader.open();
    ASSERT_TRUE(model.waitForThumbnails());
    EXPECT_EQ(loader.paths(), (QStringList{QStringLiteral("/pictures/p0.png"), QStringLiteral("/pictures/p5.png"),
                                           QStringLiteral("/pictures/p4.png"), QStringLiteral("/pictures/p3.png"),
                                           QStringLiteral("/pictures/p2.png"), QStringLiteral("/pictures/p1.png")}));
}

TEST(ImageBrowserModel, RowsFarFromTheViewAreDroppedAndAskedAgainWhenInView)
{
    RecordingLoader loader;
    ImageBrowserModel model;
    model.setLoader(loader.loader());
    model.setWorkerCount(1);
    fill(model, 600);
    model.setVisibleRows(0, 9);
    loader.hold();
    paintRows(model, 0, 0);
    while (loader.calls().isEmpty())
        QThread::msleep(1);
    paintRows(model, 1, 25);      // near: within one screen below
    paintRows(model, 500, 509);   // far
    loader.open();
    ASSERT_TRUE(model.waitForThumbnails());
    const QStringList read = loader.paths();
    EXPECT_EQ(read.size(), 20);   // rows 0 to 19
    for (int row = 500; row < 510; ++row) {
        EXPECT_FALSE(read.contains(QStringLiteral("/pictures/p%1.png").arg(row))) << row;
        EXPECT_FALSE(model.hasThumbnail(row));
    }
    // Scrolled there, they are asked for and read.
    model.setVisibleRows(500, 509);
    paintRows(model, 500, 509);
    ASSERT_TRUE(model.waitForThumbnails());
    for (int row = 500; row < 510; ++row)
        EXPECT_TRUE(model.hasThumbnail(row)) << row;
}

TEST(ImageBrowserModel, ThumbnailsOfAnEarlierOpeningOrZoomAreDropped)
{
    RecordingLoader loader;
    ImageBrowserModel model;
    model.setLoader(loader.loader());
    model.setWorkerCount(1);
    const struct {
        const char *what;
        std::function<void(ImageBrowserModel &)> change;
    } cases[] = {
        {"reopened", [](ImageBrowserModel &m) { m.removeAllImages(); fill(m, 3, QStringLiteral("/reopened/p")); }},
        {"zoomed", [](ImageBrowserModel &m) { m.setThumbnailSize(m.thumbnailSize() + 10); }},
        {"closed", [](ImageBrowserModel &m) { m.cancelPending(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        model.removeAllImages();
        fill(model, 3, QStringLiteral("/%1/p").arg(QString::fromLatin1(c.what)));
        loader.hold();
        loader.m_colour = Qt::blue;   // the earlier answer
        const quint64 before = model.generation();
        const qsizetype calls = loader.calls().size();
        paintRows(model, 0, 2);
        while (loader.calls().size() == calls)
            QThread::msleep(1);
        c.change(model);
        EXPECT_GT(model.generation(), before);
        loader.m_colour = Qt::green;   // answers of the new generation
        loader.open();
        ASSERT_TRUE(model.waitForThumbnails());
        QThread::msleep(20);
        QCoreApplication::processEvents();
        for (int row = 0; row < model.rowCount(); ++row)
            EXPECT_FALSE(model.hasThumbnail(row)) << row;   // the blue answer was not taken
        paintRows(model, 0, model.rowCount() - 1);
        ASSERT_TRUE(model.waitForThumbnails());
        for (int row = 0; row < model.rowCount(); ++row)
            EXPECT_EQ(QColor(decoration(model, row).pixel(2, 2)), QColor(Qt::green)) << row;
    }
}

TEST(ImageBrowserModel, TheCacheStaysUnderItsLimitDroppingTheLeastRecentlyUsed)
{
    RecordingLoader loader;
    ImageBrowserModel model;
    model.setLoader(loader.loader());
    model.setThumbnailSize(256);   // 256 x 128 at 4 bytes: 128 kB each, 600 of them 75 MB
    fill(model, 600);
    qint64 most = 0;
    for (int first = 0; first < 600; first += 50) {
        paintRows(model, first, first + 49);
        ASSERT_TRUE(model.waitForThumbnails());
        most = std::max(most, model.cacheBytes());
    }
    EXPECT_LE(most, ImageBrowserModel::Cache_Limit_Bytes);
    EXPECT_GT(most, ImageBrowserModel::Cache_Limit_Bytes / 2);
    EXPECT_TRUE(model.hasThumbnail(599));
    EXPECT_FALSE(model.hasThumbnail(0));   // the oldest went first
}

TEST(ImageBrowserModel, MovedItemsKeepTheirSelection)
{
    ImageBrowserModel model;
    fill(model, 4);
    QItemSelectionModel selection(&model);
    selection.select(model.index(0), QItemSelectionModel::Select);
    model.moveItems({0}, 4);
    QStringList names;
    for (const MyImageObject &item : model.images())
        names << item.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("p1.png"), QStringLiteral("p2.png"), QStringLiteral("p3.png"),
                                  QStringLiteral("p0.png")}));
    ASSERT_EQ(selection.selectedIndexes().size(), 1);
    EXPECT_EQ(selection.selectedIndexes().first().row(), 3);
}

TEST(ReorderItems, MovedItemsGoToTheDestinationLessThoseThatStoodBeforeIt)
{
    const struct {
        int count;
        QList<int> moved;
        int destination;
        QList<int> order;
    } cases[] = {
        {4, {0}, 4, {1, 2, 3, 0}},          // the first to the end
        {4, {3}, 0, {3, 0, 1, 2}},          // the last to the front
        {4, {1}, 3, {0, 2, 1, 3}},          // before the last
        {4, {1}, 1, {0, 1, 2, 3}},          // onto itself
        {4, {1}, 2, {0, 1, 2, 3}},          // just after itself
        {5, {0, 2}, 5, {1, 3, 4, 0, 2}},    // several keep their order
        {5, {3, 1}, 0, {1, 3, 0, 2, 4}},    // in any order given
        {5, {0, 4}, 2, {1, 0, 4, 2, 3}},    // from both sides of the destination
        {5, {1, 1, 9, -1}, 4, {0, 2, 3, 1, 4}},   // repeats and strays ignored
        {3, {0}, 99, {1, 2, 0}},            // the destination held to the end
        {0, {0}, 0, {}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Reordered_Indexes(c.count, c.moved, c.destination), c.order) << c.count << " to " << c.destination;
        QList<int> items;
        for (int i = 0; i < c.count; ++i)
            items << (i + 1) * 10;
        const QList<int> moved = Reordered(items, c.moved, c.destination);
        ASSERT_EQ(moved.size(), c.order.size());
        for (int i = 0; i < moved.size(); ++i)
            EXPECT_EQ(moved.at(i), items.at(c.order.at(i)));
    }
}

TEST(ImageBrowserView, TheRowsInViewFollowTheScrollAndTheGrid)
{
    const struct {
        int scroll;
        QSize viewport;
        QSize grid;
        int count;
        std::pair<int, int> rows;
    } cases[] = {
        {0, QSize(400, 300), QSize(100, 100), 2000, {0, 11}},     // 4 columns, 3 lines
        {50, QSize(400, 300), QSize(100, 100), 2000, {0, 15}},    // a fourth line peeks in
        {1000, QSize(400, 300), QSize(100, 100), 2000, {40, 51}},
        {0, QSize(450, 300), QSize(100, 100), 5, {0, 4}},         // fewer items than cells
        {0, QSize(50, 300), QSize(100, 100), 10, {0, 2}},         // narrower than a cell: one column
        {0, QSize(400, 300), QSize(100, 100), 0, {-1, -1}},
        {0, QSize(), QSize(100, 100), 10, {-1, -1}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ImageBrowserView::Visible_Rows(c.scroll, c.viewport, c.grid, c.count), c.rows) << c.scroll << " " << c.count;
}
