#include "outputjobs/MailRun.h"
#include "platform/Files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPair>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

platform::Picture picture()
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::black);
    return platform::Picture::fromImage(img);
}

// One run with fake pictures and a recording send; record r's picture is null when r is in skip.
struct Harness {
    MailRun::Settings s;
    QList<QPair<QString, QStringList>> mails;   // recipient, attachments
    QList<int> recordsAsked;
    QList<int> skip;
    std::unique_ptr<MailRun> made;          // kept until the harness ends, so that watchers may read it
    std::atomic<MailRun *> running{nullptr};   // the run under way
    int failAt = -1;   // index of the mail that fails
    int saves = 0;
    std::atomic<bool> stop{false};
    std::atomic<double> begun{0};

    Harness(MailRun::Choice choice, int records, int recipients)
    {
        s.choice = choice;
        s.records = records;
        for (int i = 0; i < recipients; ++i)
            s.recipients << QStringLiteral("r%1@x.org").arg(i + 1);
        s.attachmentPath = platform::privateTempPath(QStringLiteral("QIROBarcode.pdf"));
    }
    MailRun::Outcome run()
    {
        MailRun::Hooks h;
        h.current = [] { return picture(); };
        h.record = [this](int i) {
            recordsAsked << i;
            return skip.contains(i) ? platform::Picture() : picture();
        };
        h.save = [this](const platform::Picture &, const QString &path) {
            QFile f(path);
            ++saves;
            return f.open(QIODevice::WriteOnly) && f.write("pdf") == 3;
        };
        h.send = [this](const QString &to, const QStringList &att) {
            for (const QString &a : att)
                EXPECT_TRUE(QFileInfo::exists(a)) << a.toStdString();
            mails << qMakePair(to, att);
            return int(mails.size()) - 1 != failAt;
        };
        made = std::make_unique<MailRun>(s, h, stop);
        running = made.get();
        const MailRun::Outcome out = made->run(begun);
        running = nullptr;
        return out;
    }
    QStringList to() const
    {
        QStringList out;
        for (const auto &m : mails)
            out << m.first;
        return out;
    }
};

TEST(MailRunPasses, WhoGetsWhat)
{
    struct Case {
        MailRun::Choice choice;
        int records, recipients, start, end;
        QStringList expected;
        QList<int> asked;
    };
    using C = MailRun::Choice;
    const Case cases[] = {
        {C::OneByOne, 5, 3, 0, 0, {"r1@x.org", "r2@x.org", "r3@x.org"}, {0, 1, 2}},
        {C::OneByOne, 3, 5, 0, 0, {"r1@x.org", "r2@x.org", "r3@x.org"}, {0, 1, 2}},
        {C::AllToEvery, 4, 3, 0, 0,
         {"r1@x.org", "r2@x.org", "r3@x.org", "r1@x.org", "r2@x.org", "r3@x.org", "r1@x.org", "r2@x.org",
          "r3@x.org", "r1@x.org", "r2@x.org", "r3@x.org"},
         {0, 1, 2, 3}},
        {C::Range, 6, 2, 2, 5, {"r1@x.org", "r2@x.org", "r1@x.org", "r2@x.org", "r1@x.org", "r2@x.org"}, {2, 3, 4}},
        {C::AttachNoBatch, 0, 2, 0, 0, {"r1@x.org", "r2@x.org"}, {}},
        {C::NoAttachment, 0, 2, 0, 0, {"r1@x.org", "r2@x.org"}, {}},
    };
    for (const Case &c : cases) {
        Harness h(c.choice, c.records, c.recipients);
        h.s.printStart = c.start;
        h.s.printEnd = c.end;
        const MailRun::Outcome out = h.run();
        EXPECT_EQ(h.to(), c.expected) << int(c.choice);
        EXPECT_EQ(h.recordsAsked, c.asked) << int(c.choice);
        EXPECT_EQ(out.sent, c.expected.size());
        EXPECT_FALSE(QFileInfo::exists(h.s.attachmentPath)) << "the attachment is deleted after the run";
        for (const auto &m : h.mails)
            EXPECT_EQ(m.second, c.choice == C::NoAttachment ? QStringList() : QStringList{h.s.attachmentPath});
    }
}

TEST(MailRunPasses, ShownTotals)
{
    struct Case {
        MailRun::Choice choice;
        int records, recipients, start, end, loopEnd, shown;
    };
    using C = MailRun::Choice;
    for (const Case &c : {Case{C::AllToEvery, 4, 3, 0, 0, 4, 4}, Case{C::Range, 9, 3, 2, 5, 5, 3},
                          Case{C::OneByOne, 5, 3, 0, 0, 3, 3}, Case{C::NoAttachment, 0, 2, 0, 0, 2, 2}}) {
        Harness h(c.choice, c.records, c.recipients);
        h.s.printStart = c.start;
        h.s.printEnd = c.end;
        std::atomic<bool> stop{false};
        MailRun run(h.s, {}, stop);
        EXPECT_EQ(run.loopEnd(), c.loopEnd);
        EXPECT_EQ(run.shownTotal(), c.shown);
    }
}

TEST(MailRunPasses, AnUnbatchedCardIsWrittenOnceAndABarcodeForEachRecipient)
{
    for (const bool cards : {true, false}) {
        Harness h(MailRun::Choice::AttachNoBatch, 0, 3);
        h.s.cards = cards;
        h.run();
        EXPECT_EQ(h.saves, cards ? 1 : 3);
    }
}

TEST(MailRunPasses, ARecordWithoutPictureIsSkipped)
{
    Harness h(MailRun::Choice::AllToEvery, 3, 2);
    h.skip = {1};
    const MailRun::Outcome out = h.run();
    EXPECT_EQ(out.sent, 4);
    EXPECT_EQ(out.failed, 0);
}

TEST(MailRunFailures, AFailedSendIsCountedEvenWhenLaterOnesSucceed)
{
    // All-to-every: the failure ends that record's mailing only; the next record goes on.
    Harness all(MailRun::Choice::AllToEvery, 3, 2);
    all.failAt = 0;
    const MailRun::Outcome a = all.run();
    EXPECT_EQ(all.to(), (QStringList{"r1@x.org", "r1@x.org", "r2@x.org", "r1@x.org", "r2@x.org"}));
    EXPECT_TRUE(a.lastOk);
    EXPECT_EQ(a.failed, 1);
    EXPECT_FALSE(a.allSent()) << "the last send went, the run did not";
    // One-by-one: the failure ends the run.
    Harness one(MailRun::Choice::OneByOne, 3, 3);
    one.failAt = 1;
    const MailRun::Outcome o = one.run();
    EXPECT_EQ(one.mails.size(), 2);
    EXPECT_EQ(o.failed, 1);
    EXPECT_FALSE(QFileInfo::exists(one.s.attachmentPath));
}

TEST(MailRunFailures, AFailedWriteSendsNoOlderFile)
{
    Harness h(MailRun::Choice::AllToEvery, 2, 2);
    MailRun::Hooks hooks;
    int writes = 0;
    hooks.record = [](int) { return picture(); };
    hooks.save = [&](const platform::Picture &, const QString &path) {
        if (writes++ == 1)
            return false;
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
    };
    QStringList sent;
    hooks.send = [&](const QString &to, const QStringList &) {
        sent << to;
        return true;
    };
    MailRun run(h.s, hooks, h.stop);
    const MailRun::Outcome out = run.run(h.begun);
    EXPECT_EQ(sent.size(), 2);   // record 1 only
    EXPECT_EQ(out.failed, 1);
}

TEST(MailRunFailures, AnExceptionPartWayStillDeletesTheAttachment)
{
    Harness h(MailRun::Choice::AllToEvery, 2, 2);
    MailRun::Hooks hooks;
    hooks.record = [](int) { return picture(); };
    hooks.save = [](const platform::Picture &, const QString &path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
    };
    int sends = 0;
    hooks.send = [&](const QString &, const QStringList &) -> bool {
        if (++sends == 2)
            throw std::runtime_error("out of memory");
        return true;
    };
    MailRun run(h.s, hooks, h.stop);
    EXPECT_THROW(run.run(h.begun), std::runtime_error);
    EXPECT_EQ(sends, 2);
    EXPECT_FALSE(QFileInfo::exists(h.s.attachmentPath));
}

TEST(MailRunPause, TextsOfPauseLengths)
{
    struct Case {
        int ms;
        const char *text;
    };
    for (const Case &c : {Case{3661000, "Pausing the process for 1 Hour 1 Minute 1 Second."},
                          Case{7320000, "Pausing the process for 2 Hours 2 Minutes 0 Second."},
                          Case{59000, "Pausing the process for 59 Seconds."},
                          Case{10000, "Pausing the process for 10 Seconds."},
                          Case{60000, "Pausing the process for 1 Minute 0 Second."}})
        EXPECT_EQ(MailRun::Calculate_Pause_Time(c.ms), QString::fromUtf8(c.text)) << c.ms;
}

TEST(MailRunPause, EveryNMailsButNotAfterTheLastPassEachTheWholeLength)
{
    MailRun::secondMs() = 20;
    Harness h(MailRun::Choice::AllToEvery, 4, 1);
    h.s.delay = true;
    h.s.mailCount = 2;
    h.s.pauseMs = 3000;
    QElapsedTimer t;
    t.start();
    const MailRun::Outcome out = h.run();
    const qint64 elapsed = t.elapsed();
    MailRun::secondMs() = 1000;
    EXPECT_EQ(out.pauses, 1);
    EXPECT_EQ(out.sent, 4);
    // A pause of 3 s waits 3 s, not 2.
    EXPECT_GE(elapsed, 3 * 20);
}

TEST(MailRunPause, TheCountdownReadsWhatIsLeftOfThePause)
{
    MailRun::secondMs() = 200;   // room for the watcher to be scheduled on a loaded machine
    Harness h(MailRun::Choice::AllToEvery, 2, 1);
    h.s.delay = true;
    h.s.pauseMs = 3000;
    std::atomic<bool> done{false};
    QList<int> seen;
    std::thread watcher([&] {
        while (!done) {
            if (MailRun *r = h.running) {
                const int ms = r->pauseRemainingMs();
                if (ms >= 0 && (seen.isEmpty() || seen.last() != ms))
                    seen << ms;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    h.run();
    done = true;
    watcher.join();
    ASSERT_GE(seen.size(), 3);
    EXPECT_LE(seen.first(), 3000);
    EXPECT_GT(seen.first(), 2000);
    EXPECT_TRUE(std::is_sorted(seen.rbegin(), seen.rend())) << "the countdown only goes down";
    EXPECT_LT(seen.last(), 1000);
    MailRun::secondMs() = 1000;
}

TEST(MailRunPause, StopCutsALongPauseShort)
{
    Harness h(MailRun::Choice::AllToEvery, 3, 1);
    h.s.delay = true;
    h.s.mailCount = 1;
    h.s.pauseMs = 60000;
    std::thread stopper([&] {
        MailRun *r = nullptr;
        while (!(r = h.running) || r->pauseRemainingMs() < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        h.stop = true;
        r->wake();
    });
    QElapsedTimer t;
    t.start();
    const MailRun::Outcome out = h.run();
    stopper.join();
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(out.sent, 1);
    EXPECT_EQ(out.pauses, 1);
}

TEST(MailRunRecipients, ParsedAndRefused)
{
    struct Case {
        const char *text;
        QStringList expected;
    };
    // Each address without the blanks and line breaks around it; "," or ";" between them.
    for (const Case &c : {Case{"A@b.cd", {"a@b.cd"}}, Case{"a@b.cd, e@f.gh", {"a@b.cd", "e@f.gh"}},
                          Case{"a@x.org,\nb@x.org", {"a@x.org", "b@x.org"}}, Case{"a@x.org; b@x.org", {"a@x.org", "b@x.org"}},
                          Case{" a@x.org\t,\r\nb@x.org \n", {"a@x.org", "b@x.org"}}, Case{"a@b\x01.cd", {}},
                          Case{"a@b\n.cd", {}}, Case{"a@b.cd,", {}}, Case{"a@b.cd,bad", {}}, Case{"  ", {}}, Case{"a@b.c", {}}})
        EXPECT_EQ(MailRun::parseRecipients(QString::fromUtf8(c.text)), c.expected) << c.text;
}

} // namespace
