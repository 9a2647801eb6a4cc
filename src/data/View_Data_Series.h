#pragma once
// The series viewer: the values of one series in a read-only table with their count.

#include <QObject>
#include <QString>
#include <QStringList>

class QDialog;
class QLabel;
class QPushButton;
class QTableView;
class SeriesListModel;

class View_Data_Series : public QObject {
    Q_OBJECT
public:
    // The one viewer of the process, made on first use.
    static View_Data_Series *defaultInstance();

    QString file_name;            // the series to show, set by the caller before Open_Wnd
    SeriesListModel *ListData = nullptr;   // the values shown, one per row ("Extension")
    QDialog *window = nullptr;
    QDialog *plz_wait_Window = nullptr;   // the viewer's own please-wait sheet
    QLabel *series_name = nullptr;
    QTableView *List = nullptr;   // one column, "Extension"
    QLabel *list_count = nullptr;
    QPushButton *ok_button = nullptr;

    // Loads the series and shows it modally until the user closes the viewer.
    int Open_Wnd();
    void OK_Btn_Clicked();
    // A value of the series: trimmed, and shown unless it is blank.
    void Create_Avail_List(const QString &value);

private:
    View_Data_Series();
    void Load_file_Func();
    QStringList m_loading;   // the values read, shown together once the file is read
};
