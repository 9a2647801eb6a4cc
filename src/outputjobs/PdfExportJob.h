#pragma once
// One PDF export run on the worker thread: the record walk of the four output options (one
// document of sheets, one file per sheet, one file per label, one document of label pages), the
// file names and the keep-or-replace answer of every file, and the writer. Everything it reads is
// a copy made when the user pressed OK, so the dialog's values are the same after the run however
// it ends; the run works on its own rows, columns, alignment and auto-centre.

#include "outputjobs/PdfExportPage.h"
#include "platform/PdfFileWriter.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

class PdfExportJob {
public:
    struct Settings {
        PdfExportPage::Setup page;
        QString baseName = QStringLiteral("QIROLabel");   // the name field
        int end = 1;                                        // the end of the walk (Total_Label or Print_End)
        platform::PdfFileWriter::Info info = documentInfo();
        // The path of a file: for options 0 and 3 of the document (record -1), for options 1 and 2
        // of the sheet starting at record i, from the name (the base name, "(n)" added past the
        // first file) and the number of files named so far.
        std::function<QString(int record, const QString &name, int counter)> pathFor;
        // The keep-or-replace answer for a path: the path to write, "" to write nothing for this
        // file, nothing at all to end the run (the user cancelled).
        std::function<std::optional<QString>(const QString &path)> keepReplace;
        // The picture of record i (null when it yields none).
        std::function<platform::Picture(int)> fetch;
        // The folder every file is written into, open as the export checked it (-1: each file's
        // folder reached by its path).
        int folderFd = -1;
        // While set (the progress sheet asks whether to stop), no further sheet or file is begun.
        const std::atomic<bool> *hold = nullptr;
    };

    struct Outcome {
        QStringList files;        // written, complete, in order
        bool stopped = false;     // the user stopped the run (Stop, or Cancel at the prompt)
        bool failed = false;      // a file could not be created, written or closed
        QString error;
        QString failedFile;       // the file that could not be, when failed
        // The first file in place whose folder could not be synced, and the system's reason
        // (platform::unsyncedWarning).
        QString unsyncedFile, unsynced;
    };

    static platform::PdfFileWriter::Info documentInfo();
    static const QString Folder_Name;   // the sub-folder the files go to
    // What the export says when its folder or a file cannot be made or written: its first
    // paragraph, before the one that names the folder or file and the system's reason.
    static const QString Unable_Saving_Message;

    explicit PdfExportJob(Settings settings) : m_settings(std::move(settings)) {}

    // The run: stop is the progress sheet's Stop (polled before each sheet and cell), visited the
    // progress figure.
    Outcome Export_PDF_File(std::atomic<bool> &stop, std::atomic<double> *visited = nullptr);

private:
    Settings m_settings;
};
