#include "core/Open_Export_Log.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "platform/Dialogs.h"
#include "platform/GuiThread.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

Open_Export_Log::Open_Export_Log(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Open_Export_Files"));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    _open_log_message = new QLabel(this);
    _open_log_message->setObjectName(QStringLiteral("_open_log_message"));
    _open_log_path = new QLabel(this);
    _open_log_path->setObjectName(QStringLiteral("_open_log_path"));
    _open_log_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    _open_log_path->setWordWrap(true);
    _open_log_chk = new QCheckBox(this);
    _open_log_chk->setObjectName(QStringLiteral("_open_log_chk"));
    _open_log_chk->setChecked(true);
    layout->addWidget(_open_log_message);
    layout->addWidget(_open_log_path);
    layout->addWidget(_open_log_chk);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("CancelPressed"));
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKPressed"));
    okButton->setDefault(true);
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);
    layout->addLayout(buttons);
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
