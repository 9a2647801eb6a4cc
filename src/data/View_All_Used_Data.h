#pragma once
// The viewer of the data a design uses: one row per series or linked column an object is bound
// to, read-only.

#include <QList>
#include <QObject>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

class View_All_Used_Data : public QObject {
    Q_OBJECT
public:
    struct UsedData {
        QString object;   // the object's identifier
        QString source;   // "Series" or "Excel"
        QString name;     // the series' name or the column's title
    };

    // The one viewer of the process, made on first use.
    static View_All_Used_Data *defaultInstance();

    QDialog *window = nullptr;
    QTableView *List = nullptr;   // "Object", "Source", "Name"
    QLabel *list_count = nullptr;
    QPushButton *ok_button = nullptr;

    // Shows the rows modally until the user closes the viewer; answers the modal code.
    int Open_Wnd(const QList<UsedData> &rows);
    void OK_Btn_Clicked();

private:
    View_All_Used_Data();
    QStandardItemModel *m_model = nullptr;
};
