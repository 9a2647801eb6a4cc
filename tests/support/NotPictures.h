#pragma once
// Files a user may pick as a picture that are none: a text file, random bytes and an empty file,
// each named like a picture, and a file that starts as a PNG and then breaks off.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

#include <random>

namespace testsupport {

inline const QString kNotAPicture = QStringLiteral("The selected file is not a picture that can be opened.");

inline QStringList writeNotPictures(const QString &folder)
{
    QDir().mkpath(folder);
    std::mt19937 rng(7);
    QByteArray noise(4096, '\0');
    for (char &b : noise)
        b = char(rng());
    QByteArray png;
    {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    png.truncate(60);   // the header and no image data
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("notes.png"), QByteArray("Hello, this is a text file.\n")},
        {QStringLiteral("noise.jpg"), noise},
        {QStringLiteral("empty.png"), QByteArray()},
        {QStringLiteral("cut.png"), png},
    };
    QStringList paths;
    for (const auto &f : files) {
        QFile out(QDir(folder).filePath(f.first));
        out.open(QIODevice::WriteOnly);
        out.write(f.second);
        paths << out.fileName();
    }
    return paths;
}

} // namespace testsupport
