#pragma once
// The linked data viewer: the rows of the spreadsheet linked to the design, read-only, with their
// row and column counts.

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class QDialog;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

class Data_From_Excel : public QObject {
    Q_OBJECT
public:
    // The one viewer of the process, made on first use.
    static Data_From_Excel *defaultInstance();

    QDialog *window = nullptr;
    QTableView *ColList = nullptr;   // the row number ("Extension"), then one column per linked column
    QLineEdit *rows_count = nullptr;
    QLineEdit *column_count = nullptr;
    QPushButton *ok_button = nullptr;

    // Shows the rows (keyed "Extension" and "Column1" ...) under the column titles, modally; answers
    // the modal code. The rows are only read.
    int Open_Wnd(const QStringList &columnTitles, const QList<QMap<QString, QString>> &rows);
    void OK_Click();

private:
    Data_From_Excel();
    QStandardItemModel *m_model = nullptr;
};
