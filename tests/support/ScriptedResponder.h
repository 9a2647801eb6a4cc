#pragma once
// A dialog responder for tests: records every request and answers from a script, never blocking; an alert
// runs an event loop of its own while it is read, as a shown message does.

#include "platform/Dialogs.h"

#include <QList>
#include <QMutex>
#include <functional>
#include <memory>

namespace testsupport {

// The save panel a scripted answer stands for: its name field and allowed types, which the
// accessory reads and changes while the panel "runs".
class ScriptedSavePanel : public platform::SavePanelAccess {
public:
    QString name;
    QStringList types;
    QString nameFieldStringValue() const override { return name; }
    void setNameFieldStringValue(const QString &value) override { name = value; }
    QStringList allowedFileTypes() const override { return types; }
    void setAllowedFileTypes(const QStringList &value) override { types = value; }
};

class ScriptedResponder : public platform::DialogResponder {
public:
    // The answer of the next alerts, by button title; when the script runs out, the first button.
    QStringList alertAnswers;
    // Called while an alert is up, in its event loop, before it is answered (the user reading it).
    std::function<void(const platform::AlertRequest &)> onAlert;
    // The state of an alert's check box at its end, for the next alerts that have one; when the
    // script runs out, unticked.
    QList<bool> alertCheckAnswers;
    // Chosen paths of the next open and save panels; when the script runs out, cancelled.
    QList<QStringList> openAnswers;
    // A save answer ending in "/" is a folder: the chosen path is that folder and the panel's name
    // field as the accessory left it.
    QStringList saveAnswers;
    // Called while a save panel runs, after its accessory was attached: the user's work in the
    // panel (choosing a format in the accessory, typing a name).
    std::function<void(const platform::SavePanelRequest &, ScriptedSavePanel &)> onSavePanel;
    // The name field and allowed types of the last save panel when it ended.
    QString lastSaveName;
    QStringList lastSaveTypes;
    // Called for every modal dialog; answers its result code. Unset: the dialog is rejected (0).
    std::function<int(QDialog &)> onModal;
    // Answers of the next colour and font choosers; when the script runs out, cancelled.
    QList<QColor> colorAnswers;
    QList<QFont> fontAnswers;

    QList<platform::AlertRequest> alerts;
    QList<platform::OpenPanelRequest> openRequests;
    QList<platform::SavePanelRequest> saveRequests;
    QStringList opened;
    int modalCount = 0;

    int alert(const platform::AlertRequest &request) override;
    QStringList openPanel(const platform::OpenPanelRequest &request) override;
    QString savePanel(const platform::SavePanelRequest &request) override;
    int runModal(QDialog &dialog) override;
    bool openWithDefaultApplication(const QString &pathOrUrl) override;
    QColor chooseColor(const QColor &initial) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;

    // Messages of the alerts shown so far; trimmed, without the blanks and line feeds around them.
    QStringList alertMessages() const;
    QStringList trimmedAlertMessages() const;

private:
    mutable QMutex m_mutex;
};

// Installs a fresh scripted responder for the life of the object, then puts the default back.
class ResponderScope {
public:
    ResponderScope();
    ~ResponderScope();
    ScriptedResponder &operator*() { return *m_responder; }
    ScriptedResponder *operator->() { return m_responder.get(); }

private:
    std::shared_ptr<ScriptedResponder> m_responder;
};

} // namespace testsupport
