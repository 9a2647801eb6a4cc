#include "imaging/CropInputs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace crop {

QStringList folderImages(const QString &folder, const QStringList &allowedTypes)
{
    QStringList images;
    if (folder.isEmpty())
        return images;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isFile() && allowedTypes.contains(entry.suffix().toLower()))
            images << entry.absoluteFilePath();
    }
    return images;
}

bool outputFolderTakesFiles(const QString &folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".crop-XXXXXX")));
    return probe.open();
}

std::optional<QRectF> movedSelectionFrame(const QRectF &frame, const QSizeF &ratio, const QSizeF &pictureSize,
                                          const QSizeF &canvasSize)
{
    if (ratio.width() <= 0 || ratio.height() <= 0)
        return std::nullopt;
    const double px = frame.x() / ratio.width(), py = frame.y() / ratio.height();
    if (px >= 0 && px < pictureSize.width() && py >= 0 && py < pictureSize.height())
        return std::nullopt;
    return QRectF(canvasSize.width() - frame.width(), canvasSize.height() - frame.height(), frame.width(),
                  frame.height());
}

} // namespace crop
