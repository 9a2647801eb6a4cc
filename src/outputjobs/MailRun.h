#pragma once
// One run of the mail window on a worker thread: which record goes to which recipient, the
// attachment written for each pass, the pauses between groups of mails, and the outcome. The
// window supplies the pictures, the send itself and the pause display, so the run is the same for
// cards and barcodes.

#include "platform/Picture.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class MailRun {
public:
    // The address rule of the mail windows: at least 6 characters once trimmed, one "@", a ".".
    static bool isValidEmail(const QString &text);
    enum class Choice { NoAttachment, AttachNoBatch, AllToEvery, Range, OneByOne };

    struct Settings {
        Choice choice = Choice::AttachNoBatch;
        QStringList recipients;
        int records = 0;       // C: batch records
        int printStart = 0;    // first record of a range
        int printEnd = 0;      // end (exclusive) of a range
        QString attachmentPath;  // the generated PDF
        QString userFile;        // the chosen file of the no-attachment mode
        bool cards = false;      // cards: the unbatched picture is written once per run
        bool delay = false;
        int mailCount = 1;       // N: mails between pauses
        int pauseMs = 0;
    };
    struct Hooks {
        std::function<platform::Picture()> current;            // the shown barcode or card
        std::function<platform::Picture(int record)> record;   // a batch record's picture; null to skip
        std::function<bool(const platform::Picture &, const QString &path)> save;
        std::function<bool(const QString &to, const QStringList &attachments)> send;
        std::function<void(const QString &)> log;
    };
    struct Outcome {
        int sent = 0;
        int failed = 0;
        bool lastOk = false;
        int pauses = 0;
        bool stopped = false;   // Stop ended the run before every mail of it went
        // The run went: mails were sent and none failed. Any failed send fails the run, however
        // the last one went.
        bool allSent() const { return sent > 0 && failed == 0; }
    };

    MailRun(Settings settings, Hooks hooks, std::atomic<bool> &stop);

    // The loop end and the shown total of the run.
    int loopEnd() const;
    int shownTotal() const;
    int firstIndex() const;
    // The mails the run makes when nothing stops it (a batch record without a picture aside).
    int plannedMails() const;

    // Runs every pass; the passes begun are counted in begun. Deletes the attachment at the end.
    Outcome run(std::atomic<double> &begun);

    // Wakes a pause at once (Stop).
    void wake();

    // What is left of the pause under way, in the run's milliseconds; -1 when none is. Read from
    // the GUI thread's countdown while the worker waits.
    int pauseRemainingMs() const;

    // The recipients of a recipient text: trimmed, lower-cased, split at "," or ";", each piece
    // trimmed of blanks and line breaks. Any piece that is not a valid address, or has a control
    // character inside, refuses the whole text (empty list).
    static QStringList parseRecipients(const QString &text);

    // "Pausing the process for ..." of a pause length.
    static QString Calculate_Pause_Time(int ms);

    // How long a pause of the given length waits; tests shorten the second.
    static int &secondMs();

private:
    bool sendOne(const QString &to, const QStringList &attachments, Outcome &out);
    void pause(Outcome &out);

    Settings s;
    Hooks h;
    std::atomic<bool> &stop;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    // The end of the pause under way on the steady clock (ns since its epoch); 0 when none is.
    std::atomic<long long> m_pauseEnd{0};
};
