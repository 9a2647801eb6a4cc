#include "imagetools/Image_Library.h"

#include "imagetools/ImageToolsSources.h"
#include "core/FileServices.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "imagetools/ImageBrowserModel.h"
#include "imagetools/ImageBrowserView.h"
#include "imaging/ImageSizeCheck.h"
#include "platform/Dialogs.h"

#include "ui_Image_Library.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The extension of a file name in lower case; a name starting with its only dot has none.
QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1).toLower() : QString();
}

} // namespace

Image_Library *Image_Library::defaultInstance()
{
    static Image_Library *instance = nullptr;
    if (!instance)
        instance = new Image_Library;   // lives for the whole process
    return instance;
}

int Image_Library::Icon_Side_For_Zoom(double zoom) { return 48 + int(std::lround(std::clamp(zoom, 0.0, 1.0) * 208.0)); }

Image_Library::Image_Library()
{
    window = new QDialog;
    Ui::Image_Library ui;
    ui.setupUi(window);
    imageBrowser = ui.imageBrowser;
    _zoom_slider = ui._zoom_slider;
    _zoom_label = ui._zoom_label;
    other_browse_box = ui.other_browse_box;
    browse_other_button = ui.browse_other_button;
    ok_button = ui.ok_button;
    cancel_button = ui.cancel_button;

    images = new ImageBrowserModel(this);
    images->setShowsTitles(true);
    imageBrowser->setBrowserModel(images);
    setZoom(0.4);

    connect(ok_button, &QPushButton::clicked, this, &Image_Library::OK_Clicked);
    connect(cancel_button, &QPushButton::clicked, this, &Image_Library::Cancel_Clicked);
    connect(browse_other_button, &QPushButton::clicked, this, &Image_Library::Browse_Other_Clicked);
    connect(_zoom_slider, &QSlider::valueChanged, this, &Image_Library::zoomSliderDidChange);
    connect(imageBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Image_Library::imageBrowserSelectionDidChange);
    connect(imageBrowser, &ImageBrowserView::moveRequested, this, &Image_Library::imageBrowser_moveItemsAtIndexes_toIndex);
    connect(imageBrowser, &ImageBrowserView::removeRequested, this, &Image_Library::imageBrowser_removeItemsAtIndexes);
    connect(imageBrowser, &ImageBrowserView::dragOutRequested, this,
            [this](const QList<int> &rows) { imageBrowser_writeItemsAtIndexes_toPasteboard(rows, nullptr); });
    connect(imageBrowser, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { imageBrowser_cellWasDoubleClickedAtIndex(index.row()); });
    // Escape and the window's close button end the run as Cancel does.
    connect(window, &QDialog::rejected, this, [this] { selected_image = QStringLiteral(""); });
}

int Image_Library::Open_Library_Window()
{
    try {
        selected_image = QStringLiteral("");
        images->removeAllImages();
        const bool logo = control_or_BG == QLatin1String("QR");
        _zoom_slider->setVisible(!logo);
        _zoom_label->setVisible(!logo);
        setZoom(logo ? 0.0 : 0.4);
        other_browse_box->setVisible(logo);
        if (control_or_BG == QLatin1String("C")) {
            window->setWindowTitle(QStringLiteral("Image Library"));
            Fill_Combobox();
        } else if (control_or_BG == QLatin1String("B")) {
            window->setWindowTitle(QStringLiteral("Background Image Library"));
            Load_and_fill_backgrounds();
        } else if (logo) {
            window->setWindowTitle(QStringLiteral("Select Logo Image"));
            Load_and_fill_QR_LOGO();
        }
        imageBrowser->scrollToTop();
        window->setResult(0);   // a window closed by other means than a button answers Cancel
        const int code = platform::runModal(*window);
        window->hide();
        images->cancelPending();   // no thumbnails are read for a closed picker
        return code;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        window->hide();
        images->cancelPending();
        return 0;
    }
}

void Image_Library::Fill_Combobox() { loadFolder(QStringLiteral("LibraryImage")); }

void Image_Library::Load_and_fill_backgrounds() { loadFolder(QStringLiteral("Background")); }

void Image_Library::Load_and_fill_QR_LOGO() { loadFolder(QStringLiteral("qr_logo")); }

void Image_Library::loadFolder(const QString &name)
{
    const QString folder = QDir(Resource_Path).filePath(name);
    if (!QFileInfo(folder).isDir())
        return;   // a missing library shows an empty grid, and says nothing
    images->removeAllImages();
    // Entries that are not folders, sorted by name (character values, upper case first).
    for (const QString &file : Get_Files_Array_At_Path_del_ext(folder, false)) {
        const QString extension = extensionOf(file);
        if (extension == QLatin1String("png") || extension == QLatin1String("jpg"))
            addImageWithPath(folder + QLatin1Char('/') + file, file, file);
    }
}

void Image_Library::addImageWithPath(const QString &path, const QString &imageName, const QString &image_UID)
{
    images->addImageWithPath(path, imageName, image_UID);
}

void Image_Library::OK_Clicked()
{
    if (!selected_image.isEmpty() && QFileInfo(selected_image).isFile()) {
        window->done(1);
        return;
    }
    Show_MessageBox(QStringLiteral("Please select image."));
}

void Image_Library::Cancel_Clicked()
{
    selected_image = QStringLiteral("");
    window->done(0);
}

void Image_Library::Browse_Other_Clicked()
{
    platform::OpenPanelRequest request;
    // There is always a main window in the application; without one any file may be chosen.
    if (ImageToolsSources *sources = ImageToolsSources::current())
        request.extensions = sources->host->Allowd_Image_fileTypes();
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty())
        return;
    Image_Is_Over_Size(chosen.first(), true, 0);   // refuses no file
    selected_image = chosen.first();
    if (!selected_image.isEmpty() && QFileInfo(selected_image).isFile()) {
        window->done(1);
        return;
    }
    Show_MessageBox(QStringLiteral("Please select valid image."));
}

void Image_Library::zoomSliderDidChange()
{
    m_zoom = _zoom_slider->value() / 100.0;
    const int side = Icon_Side_For_Zoom(m_zoom);
    images->setThumbnailSize(side);
    imageBrowser->setThumbnailSide(side);
    imageBrowser->viewport()->update();
}

void Image_Library::setZoom(double zoom)
{
    {
        const QSignalBlocker blocker(_zoom_slider);
        _zoom_slider->setValue(int(std::lround(zoom * 100)));
    }
    zoomSliderDidChange();
}

int Image_Library::numberOfItemsInImageBrowser() const { return images->numberOfItemsInImageBrowser(); }

const MyImageObject &Image_Library::imageBrowser_itemAtIndex(int index) const { return images->imageBrowser_itemAtIndex(index); }

void Image_Library::imageBrowserSelectionDidChange()
{
    const QList<int> rows = imageBrowser->selectedRows();
    if (!rows.isEmpty())
        selected_image = images->imageBrowser_itemAtIndex(rows.first()).path;
}

bool Image_Library::imageBrowser_moveItemsAtIndexes_toIndex(const QList<int> &indexes, int destination)
{
    images->moveItems(indexes, destination);
    return true;
}

void Image_Library::imageBrowser_removeItemsAtIndexes(const QList<int> &)
{
    imageBrowser->viewport()->update();
}

int Image_Library::imageBrowser_writeItemsAtIndexes_toPasteboard(const QList<int> &, QMimeData *) { return 0; }

void Image_Library::imageBrowser_cellWasDoubleClickedAtIndex(int) {}
