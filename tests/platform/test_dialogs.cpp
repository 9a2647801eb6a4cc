// Every program that links the platform's dialogs asks its questions through them unless it
// installs another responder: they register themselves as the default when the program starts.

#include "platform/Dialogs.h"
#include "platform/HeadlessResponder.h"
#include "platform/QtDialogResponder.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

TEST(DialogResponder, TheQtDialogsAreTheDefaultOfAProgramThatLinksThem)
{
    platform::setDialogResponder(nullptr);
    EXPECT_NE(dynamic_cast<platform::QtDialogResponder *>(&platform::dialogResponder()), nullptr);
    // An installed responder answers until it is taken away; then the default is back.
    auto headless = std::make_shared<platform::HeadlessResponder>();
    platform::setDialogResponder(headless);
    EXPECT_EQ(&platform::dialogResponder(), headless.get());
    platform::setDialogResponder(nullptr);
    EXPECT_NE(dynamic_cast<platform::QtDialogResponder *>(&platform::dialogResponder()), nullptr);
}

// The box on screen starts with the message's text: a leading line break shows no empty line.
TEST(DialogResponder, TheMessageBoxStartsWithItsText)
{
    const struct {
        const char *message;
        const char *shown;
    } cases[] = {
        {"\nThe file could not be read.", "The file could not be read."},
        {"\r\n\nTwo lines\nstay two lines", "Two lines\nstay two lines"},
        {"Plain text", "Plain text"},
    };
    platform::QtDialogResponder responder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        QString seen;
        QTimer::singleShot(0, [&seen] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    seen = box->text();
                    box->buttons().first()->click();   // OK
                }
        });
        QTimer guard;   // never hang: a box the check missed is closed
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                    box->reject();
        });
        guard.start(5000);
        platform::AlertRequest request;
        request.message = QString::fromLatin1(c.message);
        EXPECT_EQ(responder.alert(request), 0);
        EXPECT_EQ(seen, QString::fromLatin1(c.shown));
    }
}
