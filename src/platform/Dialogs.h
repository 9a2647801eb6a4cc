#pragma once
// Modal questions and file panels go through one responder, so the application shows real dialogs
// while a test installs scripted answers and never blocks.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace platform {

enum class AlertStyle { Informational, Warning, Critical };

struct AlertRequest {
    QString message;        // the alert's main text
    QString informative;    // the smaller text under it
    QStringList buttons;    // in the order they were added; the first is the default button
    AlertStyle style = AlertStyle::Warning;
    // An optional check box under the text ("Apply to All"): its title, and where its state goes
    // when the alert ends (unticked at the start).
    QString checkBox;
    bool *checkBoxChecked = nullptr;
};

struct OpenPanelRequest {
    QString title;
    QString directory;
    QStringList extensions;          // allowed file extensions without the dot; empty: any
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    bool allowsMultipleSelection = false;
};

// What a save panel's accessory may read and change of the panel while it runs.
class SavePanelAccess {
public:
    virtual ~SavePanelAccess() = default;
    // The text of the panel's name field.
    virtual QString nameFieldStringValue() const = 0;
    virtual void setNameFieldStringValue(const QString &name) = 0;
    // The extensions (without the dot) the panel allows; empty: any.
    virtual QStringList allowedFileTypes() const = 0;
    virtual void setAllowedFileTypes(const QStringList &types) = 0;
};

struct SavePanelRequest {
    QString title;
    QString directory;
    QString fileName;                // proposed name
    QStringList extensions;          // allowed extensions without the dot; empty: any
    QWidget *accessory = nullptr;    // extra controls shown in the panel, owned by the caller
    // Called with the panel before it runs and with nullptr once it has ended, so that the
    // accessory can reach the panel's name field and allowed types meanwhile.
    std::function<void(SavePanelAccess *)> attachAccessory;
};

class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    // Index of the pressed button in request.buttons.
    virtual int alert(const AlertRequest &request) = 0;
    // Chosen paths; empty when cancelled.
    virtual QStringList openPanel(const OpenPanelRequest &request) = 0;
    // Chosen path; empty when cancelled.
    virtual QString savePanel(const SavePanelRequest &request) = 0;
    // Runs an application-modal dialog and answers its result code.
    virtual int runModal(QDialog &dialog) = 0;
    // Opens a file or folder in its default application (or the file browser); answers success.
    virtual bool openWithDefaultApplication(const QString &pathOrUrl) = 0;
    // The colour chooser (with alpha); an invalid colour when cancelled.
    virtual QColor chooseColor(const QColor &initial) = 0;
    // The font chooser; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
};

// The responder in use. Until one is installed, the program's default: the Qt responder
// (platform/QtDialogResponder.h) in every program that links the dialogs, so the application shows
// real dialogs; in a program without them, one that logs each alert and answers it as a closed box
// (its last button) and cancels every panel and chooser.
DialogResponder &dialogResponder();
// Installs a responder (tests); nullptr puts the default back.
void setDialogResponder(std::shared_ptr<DialogResponder> responder);
// Makes the default responder; the dialogs register theirs when the program starts, so that the
// widget-free libraries that ask questions link without them.
using DialogResponderFactory = std::shared_ptr<DialogResponder> (*)();
void setDefaultDialogResponderFactory(DialogResponderFactory factory);
// Called on the GUI thread as each request is about to reach the responder, before its message,
// panel or dialog opens: the press guard (platform/PressGuard.cpp) lets go of a press it cuts.
using RequestHook = void (*)();
void setRequestHook(RequestHook hook);

// Convenience wrappers over the installed responder; they must run on the GUI thread.
int runAlert(const AlertRequest &request);
int runModal(QDialog &dialog);
bool openWithDefaultApplication(const QString &pathOrUrl);
QColor chooseColor(const QColor &initial);
std::optional<QFont> chooseFont(const QFont &initial);

} // namespace platform
