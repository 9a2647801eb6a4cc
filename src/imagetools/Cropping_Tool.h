#pragma once
// The crop wizard: a modal dialog that crops or resizes one picture file, every picture of a
// folder or the pictures a series names. The first screen chooses input and output, the second
// shows one picture with a selection rectangle over it. The view shows an 800-pixel preview;
// every crop and resize is cut from the full original.

#include "imaging/CropBatchListModel.h"
#include "imaging/CropOperation.h"
#include "platform/Picture.h"

#include <QObject>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class MSSCanvasController;
class QButtonGroup;
class QDialog;
class QImage;
namespace Ui { class Cropping_Tool; }

class Cropping_Tool : public QObject {
    Q_OBJECT
public:
    // The one tool of the process.
    static Cropping_Tool *defaultInstance();
    ~Cropping_Tool() override;

    // The tool on its own, from the toolbar; the code that ended the dialog (0 from Cancel).
    int Open_Wnd();
    // Crops the picture file; 1 on OK with the cropped file's path in Crop_Direct_Path, else 0.
    int Open_Wnd_Direct_To_Crop(const QString &imagePath);
    // Crops every picture the series lists; 1 on OK with the new series' name in
    // Crop_Direct_Series, else 0.
    int Open_Wnd_Direct_Crop_Series(const QString &seriesName);

    QString Crop_Direct_Path;
    QString Crop_Direct_Series;

    // The dialog and its controls, for the handlers and for tests driving it as a user would.
    QDialog *window() const { return m_window.get(); }
    Ui::Cropping_Tool &ui() const { return *m_ui; }
    MSSCanvasController *canvasController() const { return m_canvas.get(); }

    // Handlers.
    void OK_Btn_Clicked();
    void Back_Btn_Clicked();
    void Cancel_Btn_Clicked();
    void input_option_CellClick();
    void output_option_CellClick();
    void cropping_option_CellClick();
    void File_Browse_Clicked();
    void Folder_Browse_Clicked();
    void Output_Browse_Clicked();
    void Crop_Single_Image_Clicked();
    void Crop_Direct_Image_Clicked();
    void Open_Output_Folder_Clicked();
    // An operation begins: a size being typed, in a field or its stepper, is taken first; answers
    // false when one was refused (its message said why).
    bool Size_Typing_Ended();

    bool Load_for_Next_Screen();
    void Load_Image_File(const QString &path);
    void Set_Default_Cropping_Option();
    // Crop-view points per preview point on each axis.
    QSizeF originalImageRatio() const;
    // Output path of the shown picture; counts it.
    QString Cropped_File_Name();

    QString Crop_Input_Path;
    QString Crop_Output_Path;
    QString croped_file;
    QRectF Crop_Rect;
    int crop_num = 0;
    int crop_direct = 0;

    // ---- The crop's please-wait sheet, its done box and the designed frames ----
    // The please-wait sheet over the wizard while a crop reads and writes; null between crops.
    QDialog *plz_wait_Window = nullptr;
    // The done box of a crop (nothing after a stop): "Open containing folder." when
    // Export_File_Path is a folder, "Open file." otherwise.
    void Open_Export_File_Box();
    // The crop view's size and the crop screen's as designed; a direct crop gives the view the
    // screen's size.
    QSize image_frame_size;
    QSize crop_box_size;

    // ---- The file list and the batch run over it ----
    // The rows of the file list, in order; the table ColList shows them.
    CropBatchListModel ListData;
    void Create_List(const QString &path);
    QString Get_Item_Text(int index) const;
    // Lists every line of the series that names an existing accepted picture.
    void Load_file_Func(const QString &seriesName);
    void Mark_List_New_Selection(int index);
    // Selects the row and loads its picture into the crop view (GUI thread).
    void Show_Listed_Picture(int index);
    // During a batch run, from any thread: the picture of that row is shown soon, without waiting.
    void Show_Run_Picture(int index);
    void Crop_All_Clicked();
    // Crops or resizes every listed picture behind the progress sheet; with series input it
    // writes the series of the paths written.
    void Crop_All_Thread();
    // Workers of a batch run; 0: one per core.
    int batchThreads = 0;

protected:
    // The wizard cannot be closed while a batch run is under way.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The direct modes' Crop: one picture, or every picture of the series.
    void Crop_Direct_Clicked();
    // What the crop view shows and the options hold now, for an operation cut from the original.
    crop::OperationPlan operationPlan() const;
    bool m_batchRunning = false;
    // The series the list was read from, every line of it, and the line of each listed row: the
    // series a run writes keeps one line per record, in record order.
    QStringList m_seriesLines;
    QList<int> m_seriesLineOfRow;
    // The row a batch run asked to show and that is not shown yet; -1 when none.
    std::atomic<int> m_runShown{-1};
    // ---- end of the file list and the batch run ----

private:
    Cropping_Tool();
    void buildWindow();
    // Destroys the dialog and its controls (at the end of the main window or of the event loop).
    void releaseWindow();
    void resetForOpening();
    // The dialog takes the least size of the screen it shows, within the screen it is on: the crop
    // view gives up height (or width) where the screen is too small for the size the opening asked.
    void fitWindow();
    QSize m_viewSize;
    int inputRow() const;
    bool manualCrop() const;
    void showSelection();
    // The pixels of the shown file to write, cut or scaled from the original; null with the
    // reason in `error` when the file cannot be read or nothing is covered.
    QImage operationResult(QString *error) const;
    // Writes one output through the main window's file writer, asking keep or replace first unless
    // told to skip it; answers the path written, "" when skipped or failed (the writer says why).
    QString writeOutput(const QImage &image, const QString &path, bool skipKeepReplace = false);

    std::unique_ptr<Ui::Cropping_Tool> m_ui;
    std::unique_ptr<QDialog> m_window;
    std::unique_ptr<MSSCanvasController> m_canvas;
    QButtonGroup *m_input = nullptr;
    QButtonGroup *m_output = nullptr;
    QButtonGroup *m_cropping = nullptr;
    QButtonGroup *m_batch = nullptr;
    platform::Picture User_Picture;
};
