#include "projects/RHS_Templates.h"

#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "imagetools/ImageBrowserModel.h"
#include "projects/ProjectsController.h"
#include "projects/ProjectsSources.h"
#include "projects/TemplateGallery.h"

#include "ui_RHS_Templates.h"

#include <QListView>

#include <exception>

namespace {
RHS_Templates *RHS_Temp_OBJ = nullptr;
}

RHS_Templates::RHS_Templates(ProjectsController &projects, QWidget *parent)
    : QWidget(parent), projects(projects)
{
    Ui::RHS_Templates ui;
    ui.setupUi(this);
    imageBrowser = ui.imageBrowser;
    RHS_Temp_OBJ = this;
    images = new ImageBrowserModel(this);
    images->setThumbnailSize(int(200 * 0.6));
    imageBrowser->setModel(images);
    imageBrowser->setViewMode(QListView::IconMode);
    imageBrowser->setMovement(QListView::Static);
    imageBrowser->setResizeMode(QListView::Adjust);
    imageBrowser->setUniformItemSizes(true);   // the thumbnails share one cell size: laid out without asking each
    imageBrowser->setLayoutMode(QListView::Batched);
    imageBrowser->setSelectionMode(QAbstractItemView::SingleSelection);
    imageBrowser->setDragEnabled(false);
    imageBrowser->setAcceptDrops(false);
    imageBrowser->setIconSize(QSize(images->thumbnailSize(), images->thumbnailSize()));
    connect(imageBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RHS_Templates::imageBrowserSelectionDidChange);
    Fill_Templates();
}

RHS_Templates::~RHS_Templates()
{
    if (RHS_Temp_OBJ == this)
        RHS_Temp_OBJ = nullptr;
}

RHS_Templates *RHS_Templates::defaultInstance() { return RHS_Temp_OBJ; }

void RHS_Templates::Fill_Templates()
{
    const std::optional<QList<MyImageObject>> found = templategallery::All_Templates(
        Resource_Path + QStringLiteral("/Templates/AllType"), Created_Resource_Path + QStringLiteral("/Templates/AllType"));
    if (!found)
        return;
    images->removeAllImages();
    for (const MyImageObject &item : *found)
        images->addImageWithPath(item.path, item.name, item.uid);
}

void RHS_Templates::Clear_Selection()
{
    m_clearing = true;
    imageBrowser->selectionModel()->clearSelection();
    m_clearing = false;
}

void RHS_Templates::imageBrowserSelectionDidChange()
{
    if (m_clearing)
        return;
    try {
        const QModelIndexList selected = imageBrowser->selectionModel()->selectedIndexes();
        if (selected.isEmpty())
            return;
        Selected_Template_Path = templategallery::Design_Path_Of(images->imageBrowser_itemAtIndex(selected.first().row()).path,
                                                                 Resource_Path + QStringLiteral("/Templates/AllType"),
                                                                 Created_Resource_Path + QStringLiteral("/Templates/AllType"));
        if (projects.design().Check_And_Show_Save_Message(false, true, QStringLiteral("T")) != 1)
            return;   // the user keeps the current design
        // The template as opened is the bottom of the history, with nothing unsaved.
        if (projects.Read_and_load_design_Log_NEW_METHOD(Selected_Template_Path, QStringLiteral("T"), false) == 1)
            projects.Start_Design_Undo_Base();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
