#pragma once
// What the image tools need of the hub: the picture types every image command accepts, the main
// window (the keep-or-replace prompt stands in front of it) and a copy of the please-wait sheet
// over a tool's own window. The hub implements it (app/HubImageToolsSide.h).

#include <QStringList>

#include <memory>

class QDialog;
class QWidget;

class ImageToolsHost {
public:
    virtual ~ImageToolsHost() = default;

    virtual QStringList Allowd_Image_fileTypes() const = 0;
    // The main window, built on the first call.
    virtual QWidget *window() = 0;
    // A copy of the please-wait sheet for a tool's window, and that sheet shown over it until the
    // answer is released (on every way out of the job).
    virtual QDialog *Make_Please_Wait_Sheet(QWidget *over) = 0;
    virtual std::shared_ptr<void> Show_Please_Wait_Sheet(QDialog *sheet, QWidget *over) = 0;
};
