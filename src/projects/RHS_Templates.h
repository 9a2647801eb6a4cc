#pragma once
// The template panel of the work area (QR edition): the shipped templates as thumbnails; a click
// opens one as a new untitled design after the save-changes prompt.

#include <QWidget>

class QListView;
class ImageBrowserModel;
class ProjectsController;

class RHS_Templates : public QWidget {
    Q_OBJECT
public:
    RHS_Templates(ProjectsController &projects, QWidget *parent = nullptr);
    ~RHS_Templates() override;
    // The panel made last, or nullptr.
    static RHS_Templates *defaultInstance();

    // Every shipped category but "User", in name order; nothing is selected.
    void Fill_Templates();
    void imageBrowserSelectionDidChange();
    // Clears the selection without opening anything, so that the next click on the same thumbnail
    // is a new choice.
    void Clear_Selection();

    ProjectsController &projects;
    QListView *imageBrowser = nullptr;
    ImageBrowserModel *images = nullptr;

private:
    bool m_clearing = false;
};
