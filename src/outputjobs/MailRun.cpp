#include "outputjobs/MailRun.h"

#include "core/FileServices.h"
#include "core/ImageServices.h"
#include "core/Utilities.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>

MailRun::MailRun(Settings settings, Hooks hooks, std::atomic<bool> &stop)
    : s(std::move(settings)), h(std::move(hooks)), stop(stop)
{
}

int &MailRun::secondMs()
{
    static int ms = 1000;
    return ms;
}

bool MailRun::isValidEmail(const QString &text)
{
    const QString t = Trim_Str(text);
    return t.length() >= 6 && t.split(QLatin1Char('@')).size() == 2 && t.split(QLatin1Char('.')).size() >= 2;
}

QStringList MailRun::parseRecipients(const QString &text)
{
    const QString trimmed = Trim_Str(text);
    if (trimmed.isEmpty())
        return {};
    QStringList out;
    // Addresses are separated by "," as users also do by ";"; each is taken without the blanks
    // and line breaks around it, and one with a control character inside is no address.
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    for (const QString &split : trimmed.toLower().split(separators)) {
        const QString piece = Trim_Str(split);
        const bool control = std::any_of(piece.begin(), piece.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
        if (control || !isValidEmail(piece))
            return {};
        out << piece;
    }
    return out;
}

QString MailRun::Calculate_Pause_Time(int ms)
{
    const int total = ms / 1000;
    const int hours = total / 3600;
    const int minutes = (total % 3600) / 60;
    int seconds = (total % 3600) % 60;
    if (seconds < 0)
        seconds = 1;
    const QString h = hours > 1 ? QStringLiteral("%1 Hours ").arg(hours) : QStringLiteral("%1 Hour ").arg(hours);
    const QString m =
        minutes > 1 ? QStringLiteral("%1 Minutes ").arg(minutes) : QStringLiteral("%1 Minute ").arg(minutes);
    const QString sec =
        seconds > 1 ? QStringLiteral("%1 Seconds.").arg(seconds) : QStringLiteral("%1 Second.").arg(seconds);
    QString text = QStringLiteral("Pausing the process for ");
    if (hours > 0)
        text += h + m + sec;
    else if (minutes > 0)
        text += m + sec;
    else
        text += sec;
    return text;
}

int MailRun::firstIndex() const { return s.choice == Choice::Range ? s.printStart : 0; }

int MailRun::loopEnd() const
{
    switch (s.choice) {
    case Choice::AllToEvery:
        return s.records;
    case Choice::Range:
        return s.printEnd;
    default:
        return int(s.recipients.size());
    }
}

int MailRun::plannedMails() const
{
    const int R = int(s.recipients.size());
    switch (s.choice) {
    case Choice::AllToEvery:
        return s.records * R;
    case Choice::Range:
        return std::max(0, std::min(s.printEnd, s.records) - s.printStart) * R;
    case Choice::OneByOne:
        return std::min(s.records, R);
    default:
        return R;
    }
}

int MailRun::shownTotal() const { return s.choice == Choice::Range ? s.printEnd - s.printStart : loopEnd(); }

void MailRun::wake()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wake.notify_all();
}

bool MailRun::sendOne(const QString &to, const QStringList &attachments, Outcome &out)
{
    if (h.log)
        h.log(to);
    const bool ok = h.send(to, attachments);
    out.lastOk = ok;
    if (ok) {
        ++out.sent;
    } else {
        ++out.failed;
        if (h.log)
            h.log(QStringLiteral("error in mail"));
    }
    return ok;
}

void MailRun::pause(Outcome &out)
{
    ++out.pauses;
    // A pause of S seconds waits S seconds whole; Stop wakes it at once. The countdown on the
    // window reads the end time; the worker only waits.
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(qint64(s.pauseMs / 1000) * secondMs());
    m_pauseEnd = std::chrono::duration_cast<std::chrono::nanoseconds>(end.time_since_epoch()).count();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait_until(lock, end, [this] { return bool(stop); });
    }
    m_pauseEnd = 0;
}

int MailRun::pauseRemainingMs() const
{
    const long long end = m_pauseEnd;
    if (end == 0)
        return -1;
    using namespace std::chrono;
    const long long leftNs = end - duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
    if (leftNs <= 0)
        return 0;
    // In the run's milliseconds, so that a shortened second still counts down whole seconds.
    return int(leftNs / 1000000 * 1000 / std::max(1, secondMs()));
}

MailRun::Outcome MailRun::run(std::atomic<double> &begun)
{
    // The attachment goes however the run ends, an exception included.
    struct RemoveAttachment {
        const QString &path;
        ~RemoveAttachment() { QFile::remove(path); }
    } removeAttachment{s.attachmentPath};
    Outcome out;
    const int end = loopEnd();
    const int R = int(s.recipients.size());
    int passes = 0;
    bool cardWritten = false;
    for (int i = firstIndex(); i < end && !stop; ++i) {
        begun.store(begun.load() + 1.0);
        QStringList attachments;
        bool reached = true;
        bool endLoop = false;
        if (s.choice == Choice::NoAttachment) {
            // A chosen file that has gone missing stops the run before anything is sent.
            if (!Trim_Str(s.userFile).isEmpty())
                attachments << s.userFile;
            endLoop = !sendOne(s.recipients[i], attachments, out);
        } else if (s.choice == Choice::AttachNoBatch) {
            // A card is rendered once per run; a barcode is saved again for each recipient.
            bool written = s.cards && cardWritten;
            if (!written) {
                QFile::remove(s.attachmentPath);
                written = h.save(h.current(), s.attachmentPath);
                cardWritten = written;
            }
            if (!written) {
                out.lastOk = false;
                ++out.failed;
                endLoop = true;
            } else {
                endLoop = !sendOne(s.recipients[i], {s.attachmentPath}, out);
            }
        } else {
            if (i >= s.records) {
                begun.store(end);
                break;
            }
            if (s.choice == Choice::OneByOne && out.sent + out.failed >= R)
                break;
            const platform::Picture picture = h.record(i);
            if (picture.isNull()) {
                reached = false;
            } else {
                QFile::remove(s.attachmentPath);
                if (!h.save(picture, s.attachmentPath)) {
                    // A failed write fails this record's mails; no older file goes out.
                    out.lastOk = false;
                    ++out.failed;
                    endLoop = s.choice == Choice::OneByOne;
                } else if (s.choice == Choice::OneByOne) {
                    endLoop = !sendOne(s.recipients[i], {s.attachmentPath}, out);
                } else {
                    for (int j = 0; j < R && !stop; ++j)
                        if (!sendOne(s.recipients[j], {s.attachmentPath}, out))
                            break;
                }
            }
        }
        if (endLoop)
            break;
        if (reached) {
            ++passes;
            if (s.delay && passes == s.mailCount) {
                if (shownTotal() != int(begun.load()))
                    pause(out);
                passes = 0;
            }
        }
    }
    out.stopped = stop && out.sent + out.failed < plannedMails();
    return out;
}
