#pragma once
// The barcode settings editor: the road from the settings controls to a finished picture, the size
// rules and the family panes. Written once; the main window's Barcode mode and the barcode-object
// window each derive from it and answer a few questions of policy (unit, previews, how failures are
// reported) in their own way.

#include "barcodemode/BarcodeEditorForm.h"
#include "barcodemode/BarcodeObjectRole.h"
#include "barcodemode/BarcodeSizeRules.h"
#include "barcodemode/EditorPreview.h"
#include "barcodemode/GenerationSnapshot.h"
#include "engines/BarcodeSettings.h"
#include "platform/Picture.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

class NKDBarcode;
namespace barcode_generation { struct Framed; }
namespace platform { enum class PairFormat; }

class BarcodeEditor : public BarcodeEditorForm, public BarcodeObjectRole {
public:
    BarcodeEditor();
    ~BarcodeEditor() override;

    // Margins: as typed until a size rule has run, then in points (the renderer reads points).
    float value_margin = 0.1f;
    float header_margin = 0.1f;
    float footer_margin = 0.1f;
    float LR_margin = 0.1f;
    float TB_margin = 0.1f;
    QFont value_font;
    QFont header_font;
    QFont footer_font;
    int liner_or_2D_font = 0;   // 0 a linear symbology is chosen, 1 a 2D one
    QRect bar_image_frame_rect;
    std::unique_ptr<NKDBarcode> testBarcode;       // the last model that passed the value check
    std::unique_ptr<NKDBarcode> testBarcode_EXP;   // the model of the last generation without drawing
    platform::Picture image_2d;                    // the last 2D symbol, modules only
    bool USE_QR_LOGO = false;
    QImage USE_QR_LOGO_IMG;

    // Generation.
    void Generate_Barcode_Thread_Function();
    bool Check_And_Validat_Barcode(bool showMessage, bool checkPicture);
    // The preview is blank because its symbol was refused as too large for the output.
    bool symbolRefusedForSize() const { return m_refusedForSize; }
    // Answers the linear model (the caller owns it) or nullptr.
    std::unique_ptr<NKDBarcode> Generate_Barcode_Variable(bool draw, const QString &value, const QString &header,
                                                          const QString &footer, bool fromBatch);
    platform::Picture Get_Image_From_Barcode(NKDBarcode *model, bool draw, bool fromBatch);
    platform::Picture Get_2d_barcode_from_image(bool draw);
    platform::Picture Get_Image_From_barcode_image(const platform::Picture &image, bool draw);
    void Set_Barcode_On_Panel(const platform::Picture &picture);
    void Set_Blank_Image();
    int Get_Print_State();
    // The value the editor generates from: the 2D view's text for a 2D symbology, else the field's.
    QString currentValue() const;

    // Family panes.
    void Liner_Barcode_Opt_Select();
    void two_d_barcode_Opt_Select();

    // Size rules.
    void Set_Barcode_Height(NKDBarcode &model);
    float Set_Linear_Barcode_Width(NKDBarcode &model);
    QSizeF Get_String_Size(const QString &text, const QFont &font) const;
    // The font at the size that fits text into layout (barcode_sizes::fittingFontSize).
    QFont Get_Appropriate_Font(float minimumSize, float maximumSize, const QRectF &layout, const QString &text,
                               const QFont &font) const;

    // 2D symbol drawing by title: each leaves the module picture in image_2d, or a null one.
    void Draw_QR_Barcode(const QString &value);
    void Draw_PDF_417_Barcode(const QString &value);
    void Draw_DataMatrix_Barcode(const QString &value);

    // The style the renderer draws with, copied from the controls now (GUI thread).
    std::shared_ptr<BarcodeSettings> currentRenderSettings();
    // Every input of a generation and its framing as the controls and the mode hold them now: taken
    // on the GUI thread, read on any.
    GenerationSnapshot generationSnapshot();

    // Settings handlers (symbology, sizes, margins, flags, fonts, colours) and 2D settings handlers.
#include "barcodemode/EditorMembers_Settings.h"
#include "barcodemode/EditorMembers_TwoD.h"
public:

protected:
    // Policy of each window.
    virtual int sizeUnit() const = 0;                       // the unit of the size and margin fields
    virtual void reportFailure(const QString &reason) const = 0;
    virtual void pictureMade() {}                           // a picture was framed (marks the project changed)
    virtual void fillModeStyle(BarcodeSettings &settings) const;   // fonts, colours, alignments, logo
    // The preview of the current mode.
    using Preview = EditorPreview;
    virtual Preview preview();
    // The preview is about to show a new picture (a window may place it first).
    virtual void previewPictureComing() {}
    // The window's own conditions on the value, asked once the common ones pass.
    virtual bool valueAcceptedByWindow() const { return true; }
    // The resolution 2D symbols are raised to and pictures are checked against: the shared output
    // resolution, unless the window keeps one of its own.
    virtual int outputResolution() const;
    virtual void setOutputResolution(int dpi);
    // A linear model was made from the snapshot (a window whose linear pictures take their
    // background from its own role keeps the snapshot's choice there).
    virtual void linearModelMade(const GenerationSnapshot &s) { Q_UNUSED(s); }

    // How the family panes treat the controls each window has.
    struct PaneRules {
        bool seriesException = true;        // a value bound to a series keeps its fields as they are
        bool touchesLogoTab = true;         // the panes add and remove the QR logo tab
        bool hasBackgroundRadios = true;
        bool linearHidesTransparentBox = true;
        bool twoDDisablesValueField = false;
    };
    virtual PaneRules paneRules() const { return {}; }
    virtual void setFamilyRadios(bool linear) { Q_UNUSED(linear); }
    virtual bool valueBoundToSeries() const { return false; }
    virtual QWidget *payloadView() const { return nullptr; }   // shown instead of the 2D value view
    virtual void addQrLogoTab() {}
    virtual void removeQrLogoTab() {}
    virtual QTabWidget *settingsTabs() const { return sett_tab_barcode; }

    // The margin inputs of the 2D rules (the Advanced QR mode has its own fields).
    virtual barcode_sizes::MarginInputs twoDMarginInputs() const;
    barcode_sizes::MarginInputs linearMarginInputs() const;
    void storeMargins(const barcode_sizes::Margins &m);
    barcode_sizes::Margins currentMargins() const;

private:
    // The 2D framing of a symbol with the editor's own role; the role's frame and the margins are
    // kept.
    barcode_generation::Framed frameWithRole(const platform::Picture &image);
    // Shows a 2D framing as the editor does: no symbol blanks the preview, a picture too large
    // blanks it with the reason; every framing marks the picture made. Answers the picture.
    platform::Picture showTwoDFraming(const barcode_generation::Framed &framed, bool draw);
    // On the encoder route the automatic QR version 0 becomes -1 for good.
    void automaticQrVersionFromNowOn(GenerationSnapshot &s);
    // The blank preview of a symbol too large for the output, with that reason.
    void showTooLarge();
    bool m_refusedForSize = false;

protected:

    QFont roleCaptionFont() const override { return value_font; }
    QFont roleHeaderFont() const override { return header_font; }
    QFont roleFooterFont() const override { return footer_font; }
};
