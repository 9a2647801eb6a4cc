#pragma once
// The image exports of the three modes: the naming of the barcode and label files, the writers of
// one file, the single exports and the batch runs of the Barcode mode and of the Designing mode,
// and what the user is told at the end. Made by the output controller, whose sources it reads.

#include "outputjobs/ImageBatchRun.h"
#include "platform/Files.h"
#include "platform/Picture.h"

#include <QString>

class OutputController;

class ImageExport {
public:
    explicit ImageExport(OutputController &output) : output(output) {}

    // The keep-or-replace rule the exports use; unset: the main window's prompt
    // (Check_And_Show_Keep_Replace_File_Msg). Tests answer here.
    static imageexport::KeepReplace &keepReplaceOverride();
    // The worker threads of a batch (0: one per core); tests and benches set it.
    static int &batchThreads();

    // ---- Naming ----
    QString Export_Barcode_Name_With_Options(const QString &value, const QString &header, const QString &footer,
                                             const QString &series, int counter);
    QString Export_Name_With_Options(const QString &value, const QString &series, int counter);

    // ---- One file ----
    // Writes the picture (show_msg NO: the keep-or-replace rule first, with apply-to-all); YES when
    // written. With show_msg YES the export-done box follows.
    bool Export_File_Function_Barcode(const QString &path, const platform::Picture &picture, bool showMsg);
    bool Export_File_Function(const QString &path, const platform::Picture &image, bool showMsg,
                              bool skipKeepReplace, bool increaseDpi);
    bool Export_Single_File_Barcode(const QString &path);
    bool Export_Single_File(const QString &path, bool showMsg, bool increaseDPI);
    bool Export_Combined_Image(const platform::Picture &front, const platform::Picture &back, const QString &path,
                               bool showMsg);

    // ---- Batches ----
    void Export_Batch_File_Barcode(const QString &destination);
    void Export_Batch_File(const QString &destination);

    // The last batch's outcome (tests).
    static imageexport::BatchOutcome &lastOutcome();

    static const QString Done_Message;
    static const QString Unable_Saving_Message;
    // The export's folder name inside destination, made when missing; "" when it cannot be made or
    // written, after the alert that names it with the system's reason, under the first paragraph of
    // unable (the export's own "Unable to continue saving …"). held, given, receives the folder as
    // checked, open, for every file of the run (platform::openWritableFolder); made, whether this
    // call made it.
    static QString Export_Folder(const QString &destination, const QString &name,
                                 const QString &unable = Unable_Saving_Message, platform::Descriptor *held = nullptr,
                                 bool *made = nullptr);

    // The keep-or-replace rule in use (the override, else the main window's prompt), trimmed; folder,
    // when not -1, the export folder held open that path is a file of.
    QString keepReplace(const QString &path, bool showApplyAll, int folder = -1);

private:
    bool writeOne(const QString &path, const QByteArray &bytes);
    void reportBatch(const imageexport::BatchOutcome &outcome, const QString &folder);
    bool transparentChosen() const;
    OutputController &output;
};
