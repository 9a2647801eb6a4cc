#pragma once
// The dialog responder of programs that run the application's code with nobody at the screen (the
// test programs, the benchmarks): every alert is answered with its first button, every panel and
// chooser is cancelled, and the alerts' messages are kept for the program to report.

#include "platform/Dialogs.h"

#include <QStringList>

namespace platform {

class HeadlessResponder : public DialogResponder {
public:
    QStringList messages;   // each alert's message, trimmed, in order

    int alert(const AlertRequest &request) override;
    QStringList openPanel(const OpenPanelRequest &) override { return {}; }
    QString savePanel(const SavePanelRequest &) override { return {}; }
    int runModal(QDialog &) override { return 0; }
    bool openWithDefaultApplication(const QString &) override { return false; }
    QColor chooseColor(const QColor &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
};

} // namespace platform
