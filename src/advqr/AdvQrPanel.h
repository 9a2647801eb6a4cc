#pragma once
// The Advanced QR mode's page: sets up its forms (AdvQrPage.ui and the Qr*.ui parts) and binds them
// to the controller's outlets; offers the settings column as one value, and the few things the rest
// of the window asks of the column: the Barcode mode's editor frames this mode's symbols and answers
// its margin, size, print-flag and font controls, the window sets the column up at start and
// dispatches its lists and caption fields. Other folders go through here, never through the
// column's widgets.

#include "advqr/AdvQrBarcodeMode.h"
#include "advqr/AdvQrSettings.h"
#include "barcodemode/EditorPreview.h"

#include <QObject>

class AdvQrController;
class QComboBox;
class QLineEdit;
class QWidget;
namespace platform { class Stepper; }

class AdvQrPanel : public QObject {
    Q_OBJECT
public:
    explicit AdvQrPanel(AdvQrController &controller);

    // Sets the page's forms up on page (the mode's tab page), once.
    void build(QWidget *page);

    // What the column shows now.
    AdvQrSettings settings() const;
    // The column from a value, every control filled with its signals blocked; the logo is read
    // from its file, and the version, level and encoding are taken as the lists' own handlers take
    // them. No symbol is made: the caller draws again. Sends no change.
    void setSettings(const AdvQrSettings &settings);

    // ---- For the Barcode mode's editor, which answers this column's controls ----
    enum class Margin { Header, Footer, TopBottom, LeftRight };
    // Copies the pair the user changed (sender, either half) to its other half, or shows why the
    // typed text cannot stand; answers whether a value crossed.
    bool copyMarginPair(QObject *sender, Margin margin);
    bool copySidePair(QObject *sender);
    // The symbol's side pair, for the size rules.
    void sidePair(QLineEdit **field, platform::Stepper **stepper) const;
    // The print flags as the boxes show them; the band's box enabled while it prints.
    bool printsHeader() const;
    bool printsFooter() const;
    void enableHeaderBox(bool on);
    void enableFooterBox(bool on);
    void focusHeaderFontButton();
    // A font picked for a band: kept and named in its field.
    void setHeaderFont(const QFont &font);
    void setFooterFont(const QFont &font);
    // The preview the editor draws this mode's symbols in.
    EditorPreview editorPreview();
    // Connects the margin pairs, size pair, hide boxes, font buttons and colour wells to the
    // editor's handlers (handler, called in the context of editor); false while the column is not
    // built.
    bool wireToEditor(QObject *editor, std::function<void(AdvQrBarcodeMode::EditorControl, QObject *)> handler);

    // ---- For the window ----
    // The Text type's panel in the input area, its link button for the chosen type.
    void startWithTextType();
    // The logo box disabled.
    void startLayout();
    // The starting header text; the side, alignments and option lists (the window's combo
    // delegate sees each selection); the preview's frame.
    void startHeader();
    void startSizes();
    void startLists();
    void startPreviewFrame();
    // Whether field is the header or footer field.
    bool isCaptionField(const QObject *field) const;
    // The combo delegate's part for this column, in this mode: answers whether combo was one of its lists.
    bool comboChosen(QComboBox *combo);
    // The chosen type's title.
    QString chosenType() const;

signals:
    // The user changed a setting of the column.
    void settingsChanged();

private:
    void watchEdits();
    void edited();

    AdvQrController &c;
    bool filling = false;
};
