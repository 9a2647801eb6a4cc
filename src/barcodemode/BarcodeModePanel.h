#pragma once
// The Barcode-mode page of the main window: sets up its forms (BarcodeMode*.ui) on the page, binds
// them to the editor's outlets of the controller, and offers what the page shows as one value.
// Other parts of the window read and write the page through settings() and setSettings(), and
// learn of the user's edits through settingsChanged().

#include "barcodemode/BarcodeModeSettings.h"

#include <QObject>

class BarcodeModeController;
class QImage;
namespace platform { class Picture; }
class QComboBox;
class QTableView;
class QWidget;

class BarcodeModePanel : public QObject {
    Q_OBJECT
public:
    explicit BarcodeModePanel(BarcodeModeController &controller);

    // Sets the page's forms up on page (the window's empty tab page) and binds the outlets.
    void build(QWidget *page);

    // What the page shows now.
    BarcodeModeSettings settings() const;
    // The page from a value, as a project file fills it: every control is filled with its signals
    // blocked and Not_Draw_Only_Prop_Change set meanwhile, the handlers that keep the page in step
    // (caption, data source, batch rows, family panes) are run, the mode becomes current and its
    // batch shows its first row. No symbol is made: the caller regenerates. Sends no change.
    void setSettings(const BarcodeModeSettings &settings);
    // The page as a new project shows it (the caller holds Not_Draw_Only_Prop_Change set).
    void resetForNewProject();

    // ---- The page at the window's start ----
    // The font, colour and resolution tabs detached for good, the QR logo tab until a QR symbol
    // is chosen; the logo box disabled; the series name fields hidden.
    void startLayout();
    // Empty value lists with their boxes disabled, and the first value, header and footer.
    void startValues();
    // The 2D height, the font fields, the alignments on their second entry and the option lists on
    // their first (the window's combo delegate sees each selection).
    void startSizes();
    // The QR version, DataMatrix size and encoding lists on their first entry; the preview's frame;
    // a double click in either value list opens its record.
    void startLists(QTableView *designList);

    // The QR logo box was clicked: the logo is used or not, the symbol framed again.
    void logoBoxClicked();
    // A logo was chosen in the image library: its path, the picture and the symbol framed again.
    void logoChosen(const QString &path, const QImage &logo, const platform::Picture &shown);

    // The value list's current row (-1 for none), and the focus to the list.
    int currentListRow() const;
    void focusValueList();
    // The preview's picture as PDF data, empty without a picture.
    QByteArray previewPdfData() const;

    // ---- The window's delegates ----
    // Whether combo is the symbology pop-up (which has its own action).
    bool isSymbologyList(const QComboBox *combo) const;
    // A series name or item chosen while the batch takes its rows from series; answers whether
    // combo was one of them.
    bool seriesComboChosen(QComboBox *combo);
    // The output resolution list; answers whether combo was it.
    bool resolutionComboChosen(QComboBox *combo);
    // The symbol option lists (2D options, alignments, orientation, the preview's alignment).
    void symbolComboChosen(QComboBox *combo);
    // Whether field is the value (either), header or footer field; the 2D value's view.
    bool isValueField(const QObject *field) const;
    bool isTwoDValueField(const QObject *field) const;
    // Whether the pop-up shows DataMatrix.
    bool showsDataMatrix() const;

signals:
    // The user changed a setting of the page.
    void settingsChanged();

private:
    void watchEdits();
    void edited();

    BarcodeModeController &c;
    bool filling = false;
};
