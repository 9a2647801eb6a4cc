#pragma once
// One thumbnail of an image browser (the image library picker, the template galleries): the
// picture file, the name shown under it and its identifier in the browser.

#include <QString>

struct MyImageObject {
    QString path;
    QString name;   // the item's title and subtitle
    QString uid;

    // The browser's questions: the thumbnail is read from the file at the path.
    const QString &imageRepresentation() const { return path; }
    const QString &imageUID() const { return uid; }
    const QString &imageTitle() const { return name; }
    const QString &imageSubtitle() const { return name; }
};
