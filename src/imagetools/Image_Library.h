#pragma once
// The image library picker: a modal window showing the pictures shipped in a folder of the
// resources as a grid of thumbnails, for picture objects ("C"), card backgrounds ("B") or QR
// logos ("QR", where any picture file of the disk may be chosen too). It reads folders and never
// writes a file; the chosen path is left in selected_image.

#include "imaging/MyImageObject.h"

#include <QList>
#include <QObject>
#include <QString>

class ImageBrowserModel;
class ImageBrowserView;
class QDialog;
class QLabel;
class QMimeData;
class QPushButton;
class QSlider;
class QWidget;

class Image_Library : public QObject {
    Q_OBJECT
public:
    // The one picker of the process, made on first use.
    static Image_Library *defaultInstance();

    // The side in pixels of the thumbnails at a zoom of 0 to 1.
    static int Icon_Side_For_Zoom(double zoom);

    QString control_or_BG = QStringLiteral("C");   // the mode, set by the caller before opening
    QString selected_image;                         // the chosen path; "" at every opening and after Cancel
    ImageBrowserModel *images = nullptr;            // the items shown, in order
    QDialog *window = nullptr;
    ImageBrowserView *imageBrowser = nullptr;
    QSlider *_zoom_slider = nullptr;                // 0 to 100 for a zoom of 0 to 1
    QLabel *_zoom_label = nullptr;
    QWidget *other_browse_box = nullptr;
    QPushButton *browse_other_button = nullptr;
    QPushButton *ok_button = nullptr;
    QPushButton *cancel_button = nullptr;

    // Fills the picker for control_or_BG and runs it modally: 1 OK (or another file chosen),
    // 0 Cancel, 0 after an error.
    int Open_Library_Window();
    // The library folders of the three modes.
    void Fill_Combobox();
    void Load_and_fill_backgrounds();
    void Load_and_fill_QR_LOGO();
    // Appends an item; the path is trimmed and an empty one adds nothing.
    void addImageWithPath(const QString &path, const QString &imageName, const QString &image_UID);

    void OK_Clicked();
    void Cancel_Clicked();
    void Browse_Other_Clicked();
    // The browser's zoom takes the slider's value.
    void zoomSliderDidChange();
    // The browser's current zoom, 0 to 1.
    double zoom() const { return m_zoom; }

    int numberOfItemsInImageBrowser() const;
    const MyImageObject &imageBrowser_itemAtIndex(int index) const;
    // The chosen path follows the selected item of the lowest index; an empty selection keeps it.
    void imageBrowserSelectionDidChange();
    // Moves the items to the destination index; always accepted.
    bool imageBrowser_moveItemsAtIndexes_toIndex(const QList<int> &indexes, int destination);
    // Removes nothing: the items stay as they are.
    void imageBrowser_removeItemsAtIndexes(const QList<int> &indexes);
    // Writes no item: thumbnails dragged out of the picker carry nothing. Answers the count written.
    int imageBrowser_writeItemsAtIndexes_toPasteboard(const QList<int> &indexes, QMimeData *pasteboard);
    // A double click does not choose.
    void imageBrowser_cellWasDoubleClickedAtIndex(int index);

private:
    Image_Library();
    // Lists the picture files ("png" and "jpg") directly in a folder of the resources, by name.
    void loadFolder(const QString &name);
    void setZoom(double zoom);
    double m_zoom = 0.4;
};
