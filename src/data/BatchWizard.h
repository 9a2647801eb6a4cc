#pragma once
// The series manager: lists the series of the series folder, opens one into a table of values,
// makes new series (typed, imported or generated), edits, deletes, saves and exports them. Two
// screens in one window: the list of series and the values of one series.

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QWidget;
class Load_Num_Info;
class SeriesListModel;
class Update_Ex_Num;

class BatchWizard : public QDialog {
    Q_OBJECT
public:
    // The one manager of the process, made on first use (BatchWizard_Window).
    static BatchWizard *defaultInstance();

    // While one lives, values handed to Create_Value_List are redisplayed once, when the last ends.
    class Delivery {
    public:
        explicit Delivery(BatchWizard &manager);
        ~Delivery();
        Delivery(const Delivery &) = delete;
        Delivery &operator=(const Delivery &) = delete;

    private:
        BatchWizard &m_manager;
    };

    SeriesListModel *ListData = nullptr;         // the series names ("Extension")
    SeriesListModel *ListData_value = nullptr;   // the values of the open series ("Header")

    QStackedWidget *screens = nullptr;
    QWidget *avl_list_box = nullptr;
    QWidget *btn_box1 = nullptr;
    QWidget *list_value_box = nullptr;
    QWidget *btn_box2 = nullptr;
    QTableView *List = nullptr;
    QTableView *List_value = nullptr;
    QLabel *batch_list_count = nullptr;    // "Total List : %d"
    QLabel *batch_value_count = nullptr;   // "Total Rows : %d"
    QLineEdit *batch_list_name = nullptr;
    QLineEdit *update_list_name = nullptr; // hidden: the name the open series was loaded under
    QDialog *plz_wait_Window = nullptr;
    // The load-values question and the value editor with the manager's outlets to its fields.
    Load_Num_Info *Load_Number_Window = nullptr;
    Update_Ex_Num *Update_Value_Wnd = nullptr;
    QLineEdit *Update_m_ex_num_str = nullptr, *Update_m_s_number = nullptr, *Update_m_ex_num_index = nullptr;
    QPushButton *AddNew_Btn = nullptr, *Update_Btn = nullptr, *Import_Btn = nullptr, *CreateSeries_Btn = nullptr,
                *Delete_List_Btn = nullptr, *Help_Btn = nullptr, *Close_Btn = nullptr;
    QPushButton *Import_Value_Btn = nullptr, *Series_Value_Btn = nullptr, *Delete_Rows_Btn = nullptr,
                *Save_Btn = nullptr, *Export_Value_Btn = nullptr, *Back_Btn = nullptr, *Help_2_Btn = nullptr,
                *Close_2_Btn = nullptr;

    // Shows the list of series modally; the series files are the result. Answers 0.
    int Open_Wnd();
    // Reloads the list of series from the series folder.
    void Fill_List();
    // One value for the value table: trimmed; a blank one is ignored.
    void Create_Value_List(const QString &value);

    void AddNew_Btn_Clicked();
    void Update_Btn_Clicked();
    void Import_Btn_Clicked();
    void CreateSeries_Btn_Clicked();
    void Delete_List_Btn_Clicked();
    void Help_Btn_Clicked();
    void Close_Btn_Clicked();
    void Import_Value_Btn_Clicked();
    void Series_Value_Btn_Clicked();
    void Delete_Rows_Btn_Clicked();
    void Save_Btn_Clicked();
    void Export_Value_Btn_Clicked();
    void Back_Btn_Clicked();
    void Help_2_Btn_Clicked();
    void Close_2_Btn_Clicked();
    void doubleClickInTable(QTableView *table);

    // The export's save panel; the chosen path, or "" after Cancel.
    QString Export_list_method_2();

private:
    BatchWizard();
    void showListScreen();
    void showValueScreen();
    void updateListCount();
    void updateValueCount();
    void flushValues();
    void openSelectedSeries();
    // The selected series' name; nothing after the selection check's message.
    bool checkSeriesSelection();
    void selectAfterDelete(QTableView *table, int largestDeleted);
    void bringToFront();
    // Before values are added to a table that holds some: empty it first, append, or stop (false).
    bool askLoadValues();
    // unsynced: the file is in place, but its folder could not be synced (platform::unsyncedWarning).
    bool writeExport(const QString &path, bool workbook, QString *unsynced);
    int m_delivering = 0;
    QStringList m_pending;
};
