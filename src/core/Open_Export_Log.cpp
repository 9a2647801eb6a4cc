#include "core/Open_Export_Log.h"

#include "core/Messages.h"
#include "platform/Dialogs.h"
#include "platform/GuiThread.h"

#include "ui_Open_Export_Log.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace {
void bindExportLog(Open_Export_Log &box, const Ui::Open_Export_Log &ui)
{
    box._open_log_message = ui._open_log_message;
    box._open_log_path = ui._open_log_path;
    box._open_log_chk = ui._open_log_chk;
    box.cancelButton = ui.CancelPressed;
    box.okButton = ui.OKPressed;
}
} // namespace

Open_Export_Log::Open_Export_Log(QWidget *parent)
    : QDialog(parent)
{
    Ui::Open_Export_Log ui;
    ui.setupUi(this);
    bindExportLog(*this, ui);
    connect(okButton, &QPushButton::clicked, this, &Open_Export_Log::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Open_Export_Log::CancelPressed);
}

void Open_Export_Log::OKPressed()
{
    try {
        if (_open_log_chk->isChecked())
            platform::openWithDefaultApplication(Export_File_Path);   // a failure is not reported
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    finish(1);
}

void Open_Export_Log::CancelPressed()
{
    finish(0);
}

void Open_Export_Log::finish(int code)
{
    m_handled = true;
    _open_log_chk->setChecked(true);
    Export_File_Path = QStringLiteral("");
    Export_File_Message = QStringLiteral("");
    done(code);
}

void Open_Export_File_Box()
{
    platform::runOnGuiThreadAndWait([] {
        try {
            Open_Export_Log box;
            const QFileInfo target(Export_File_Path);
            box._open_log_chk->setText(target.exists() && target.isDir() ? QStringLiteral("Open containing folder.")
                                                                         : QStringLiteral("Open exported file."));
            box._open_log_path->setText(Export_File_Path);
            box._open_log_message->setText(Export_File_Message);
            box._open_log_chk->setFocus();
            const int code = platform::runModal(box);
            // Closing the box any other way than by a button counts as that button's answer.
            if (!box.handled()) {
                if (code == 1)
                    box.OKPressed();
                else
                    box.CancelPressed();
            }
            box.hide();
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    });
}
