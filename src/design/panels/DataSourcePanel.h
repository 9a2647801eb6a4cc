#pragma once
// The property sidebar's "datasource_tab" page ("Source"): where a text's value or a picture's file
// comes from (typed, a series, a column of the linked spreadsheet), the value editor with its date
// and time inserts, the picture's file choice, and the linked spreadsheet. The page holds no
// binding itself: it tells the window what was chosen and asks the Designing mode for the work
// that needs the selection.

#include <QWidget>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SKTGraphic;
namespace Ui {
class DataSourcePanel;
}

class DataSourcePanel : public QWidget {
    Q_OBJECT
public:
    explicit DataSourcePanel(QWidget *parent = nullptr);
    ~DataSourcePanel() override;

    // The page set up for a text ("Text Source": the value editor and its inserts) or a picture
    // ("Image Source": the file choice).
    void Show_Text_Source_Tab();
    void Show_Image_Source_Tab();
    // The value editor ends editable exactly for a manual text.
    void Set_Text_Value_Editable();
    // A bound source (series or column) disables typing and the manual tools; manual input the
    // reverse.
    void Set_Bound_Source_Controls(bool bound);
    // The page shows where an object's value comes from. Choosing the source type reports the
    // choice (the window fills the series list from it); the series list is set without reports.
    void Fill_Text_Source(const SKTGraphic &graphic);
    void Fill_Image_Source(const SKTGraphic &graphic);
    void Fill_Sign_Source(const SKTGraphic &graphic);
    // The spreadsheet row: with a linked workbook its rows can be viewed; without one another
    // workbook can be chosen.
    void Show_Excel_Link(bool linked);

    // Handlers of the page's controls.
    void Manual_Image_Browse_Btn();
    void Manual_Library_Browse_Btn();
    // Today's date or the time in the chosen pattern, put in place of the value editor's selection;
    // the text transfer follows. Without a pattern only a message.
    void Text_Insert_Date();
    void Text_Insert_Time();
    // The series' values or the linked spreadsheet's rows, by the chosen source; nothing for a
    // manual one.
    void View_batch_Series_Button(QObject *sender = nullptr);
    void Data_Source_Help_Button(QObject *sender = nullptr);
    // The source type and the series lists chose an item.
    void comboBoxSelectionDidChange(QComboBox *combo);
    // The user changed the value editor's text: it keeps its first 250 characters, then the text
    // goes to the selected texts (textValueEdited).
    void textDidChange(QObject *view);

    // Outlets
    QLabel *data_source_title = nullptr;
    QGroupBox *Data_source_box_DES = nullptr;
    QComboBox *Data_source_type = nullptr;
    QComboBox *Batch_Series = nullptr;
    QPushButton *view_series_btn = nullptr, *data_source_help_btn = nullptr;
    QGroupBox *manual_brws_box = nullptr;
    QPlainTextEdit *Manual_image_path = nullptr;
    QPushButton *manual_browse_btn = nullptr, *library_browse_btn = nullptr;
    QGroupBox *Text_Date_Time_Box = nullptr;
    QComboBox *Text_Date_style = nullptr, *Text_Time_style = nullptr;
    QPushButton *insert_date_btn = nullptr, *insert_time_btn = nullptr, *insert_template_btn = nullptr;
    QPlainTextEdit *Text_value_Edit = nullptr;
    QLabel *text_value_lbl = nullptr;
    QWidget *text_value_scrollView = nullptr;
    QGroupBox *design_browse_excel_box = nullptr;
    QLineEdit *excel_path_field = nullptr;
    QPushButton *excel_browse_btn = nullptr, *view_excel_btn = nullptr;

signals:
    // The source type list chose an item; the series-or-column list chose one (not while the window
    // fills that list itself).
    void dataSourceChosen();
    void seriesOrColumnChosen();
    // The value editor's text, as the user left it.
    void textValueEdited(const QString &text);
    // The value editor lost the focus: the typing in it has ended.
    void textValueEditingEnded();
    // The value editor changed: the text transfer runs.
    void transferRequested();
    // The current picture's file from an open panel, or from the image library.
    void pictureBrowseRequested();
    void libraryBrowseRequested();
    // The values of a series, and the rows of the linked spreadsheet, in their viewers.
    void seriesViewRequested(const QString &seriesName);
    void excelDataViewRequested();
    // The spreadsheet row's buttons: link a workbook, view its rows.
    void excelBrowseRequested();
    void excelViewRequested();

private:
    std::unique_ptr<Ui::DataSourcePanel> ui;
};
