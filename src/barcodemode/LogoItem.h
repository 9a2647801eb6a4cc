#pragma once
// The logo cache of the barcode objects of a design: one item per barcode object whose QR logo was
// read during a batch, so that every record after the first takes the picture from here instead of
// reading the file again. Emptied after every accepted edit of a barcode object and before output
// of cards, so that a changed file is read anew.

#include <QImage>
#include <QList>
#include <QString>

// One cached logo: the scaled picture (null when the object's logo file was missing) and the
// identifier of the card object it belongs to.
struct LogoItem {
    LogoItem() = default;
    LogoItem(const QImage &image, const QString &identifier) : logoImage(image), ID(identifier) {}
    QImage logoImage;
    QString ID;
};

class LogoItemList : public QList<LogoItem> {
public:
    // Appends an item; items are never replaced, so the first one of an identifier wins.
    void addLogoItemWithImage(const QImage &image, const QString &ID) { append(LogoItem(image, ID)); }
    // The first item of the identifier, or nullptr.
    const LogoItem *getLogoItemWithID(const QString &ID) const
    {
        for (const LogoItem &item : *this)
            if (item.ID == ID)
                return &item;
        return nullptr;
    }
};
