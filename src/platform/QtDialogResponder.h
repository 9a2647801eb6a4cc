#pragma once
// The responder that shows real Qt dialogs: the default of every program that links it.

#include "platform/Dialogs.h"

namespace platform {

class QtDialogResponder : public DialogResponder {
public:
    int alert(const AlertRequest &request) override;
    QStringList openPanel(const OpenPanelRequest &request) override;
    QString savePanel(const SavePanelRequest &request) override;
    int runModal(QDialog &dialog) override;
    bool openWithDefaultApplication(const QString &pathOrUrl) override;
    QColor chooseColor(const QColor &initial) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
};

} // namespace platform
