#pragma once
// The user presses Stop on the progress sheet once count() reaches 3 and reads the question for
// half a second before answering Yes; whileAsking is how far count() went up meanwhile.

#include "support/ScriptedResponder.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testsupport {

struct StopWhileAsking {
    StopWhileAsking(ScriptedResponder &r, QPushButton *stop, std::function<int()> count) : responder(r)
    {
        r.alertAnswers = {QStringLiteral("Yes")};
        r.onAlert = [this, count](const platform::AlertRequest &) {
            QTest::qWait(100);
            const int before = count();
            QTest::qWait(400);
            whileAsking = count() - before;
        };
        QObject::connect(&watch, &QTimer::timeout, [this, stop, count] {
            if (count() >= 3 && stop->isEnabled())
                watch.stop(), stop->click();
        });
        watch.start(5);
    }
    ~StopWhileAsking() { responder.onAlert = nullptr; }
    ScriptedResponder &responder;
    QTimer watch;
    int whileAsking = -1;
};

} // namespace testsupport
