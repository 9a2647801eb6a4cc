#pragma once
// Output of the main window: the progress refresh of long jobs and the mail settings.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ExportSheetHost;
class ExportWindow;
class QTimer;
struct OutputSources;

class OutputController : public QObject {
    Q_OBJECT
public:
    // The sources (output/OutputSources.h) are what output reads and asks of the rest of the window;
    // the controller owns them and hands them to its windows and jobs.
    explicit OutputController(OutputSources sources);
    ~OutputController() override;

    const OutputSources &sources() const { return *m_sources; }

    // The progress refresh of a running job: a GUI-thread timer copies the job's counters into the
    // sheet every 0.5 s (the worker only advances the counters and polls Stop_Processing_Now).
    void startTimerThread();
    void stopTimerThread();
    void Timer_Curr_Prg_Send_Modeless();
    void update_sending_progress_bar();
    // Start and end of a worker's job (callable from the worker): counters set, sheet shown and timer
    // started; then timer stopped and sheet hidden, also after a failure.
    // Both called by the long output jobs (batch export, PDF export, e-mail) when they start and end.
    void beginProgressJob(int total, int endIndex);
    void endProgressJob();
    QTimer *msend_modTimer = nullptr;

    // Copies the sender, password, SMTP server, port and SSL flag of the mail settings store into
    // the mail globals (output/MailGlobals.h).
    void Get_Email_Details();

    // ---- Barcode-mode record count ----
    // The Barcode mode's records: with batch values in use (the batch box and one of the value,
    // header and footer boxes ticked) the values of the value series when records come from series,
    // else the value-list rows; otherwise 1. Stored in Total_Label, Total_Batch_Excel_Card and
    // Total_Barcode_Label_wd_Batch.
    int Get_Barcode_Batch_Count();

    // ---- Exit, file commands and the export sheet ----
    // The label export sheet, made with its form on first use (a sheet of the main window once that
    // exists).
    ExportWindow &exportWindow();
    // The Designing mode's image export: the sheet prepared from the design's batch state and run;
    // on OK one image of the card, or the batch export of the chosen records.
    void Export_Label_Design();
    // The path itself when no file has its name (the extension in any case), else the first free
    // "name (n)" counting from the counter (0 counts as 1); the extension comes back in upper case.
    // With folder (-1: none), the names are those of the folder held open there (exportnaming).
    QString Check_Exist_Path_and_Create_New(const QString &path, int counter, int folder = -1) const;
    // YES when a file of the folder has the path's name, its extension compared in any case.
    static bool File_Name_Taken(const QString &path);
    // Record i of the Barcode mode: its value from the value list or the value series, or the value
    // field when the value box is off; trimmed, "" past the end.
    QString Get_Barcode_List_Combo_Value(int record) const;
    // Renders the front side and writes it in the format of the path's extension; YES when written.
    bool Export_Single_File(const QString &path, bool showMsg, bool increaseDPI);

    // The print dialog (output/Print_Wnd.h), run modally.
    int Open_Print_Wnd();
    // The PDF export dialog (output/PDF_Export.h), run modally until its Cancel; pdf_export_opt is
    // its output option (the sheet preview reads it). A test puts a recorder in Job_Recorder, which
    // then gets the entry point's name and arguments and answers in place of the output windows.

    int Open_Pdf_Export_Wnd();
    int pdf_export_opt = 0;
    int Send_Mail_Open_Wnd();
    int Open_Export_Dialog();
    void Export_Batch_File(const QString &folder);
    void Export_Batch_File_Barcode(const QString &folder);
    QString Export_Name_With_Options(const QString &value, const QString &series, const QString &createdPath, int counter);
    QString Export_Barcode_Name_With_Options(const QString &value, const QString &header, const QString &footer,
                                             const QString &series, const QString &createdPath, int counter);
    // The path to write: the path itself when free, by the remembered apply-to-all answer, or by the
    // keep-or-replace prompt; "" for Cancel. With folder (-1: none), path is a file of the folder held
    // open there, which is asked about and numbered there, whatever holds its name now.
    QString Check_And_Show_Keep_Replace_File_Msg(const QString &path, bool showApplyAll, int folder = -1);
    std::function<int(const QString &entryPoint, const QStringList &arguments)> Job_Recorder;

private:
    std::unique_ptr<OutputSources> m_sources;
    QPointer<ExportWindow> m_exportWindow;
    std::unique_ptr<ExportSheetHost> m_exportHost;
};
