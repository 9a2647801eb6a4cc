// Members declared inside a class body (see the including header): declarations only, no include
// guard, no includes.
//
// The settings handlers of the barcode editor: symbology, sizes, margins, print flags, fonts,
// colours and background. Each takes the control that sent the change (pairs look at its kind).
// A window with working modes overrides the handlers whose effect depends on the mode.
public:
    // Symbology choice: family panes, the controls of the family, then a new symbol.
    virtual void barcodeTypeChanged(QObject *sender);

    // Stepper and field pairs, and the print-flag boxes.
    virtual void Value_Margin_Changed(QObject *sender);
    virtual void Header_Margin_Changed(QObject *sender);
    void marginPairChanged(QObject *sender, platform::Stepper *stepper, QLineEdit *field, const QString &what);
    virtual void Footer_Margin_Changed(QObject *sender);
    virtual void TB_Margin_Changed(QObject *sender);
    virtual void LR_Margin_Changed(QObject *sender);
    virtual void heightChanged(QObject *sender);
    virtual void widthChanged(QObject *sender);
    virtual void pdf_heightChanged(QObject *sender);
    virtual void captionChanged(QObject *sender);
    virtual void showinTopChanged(QObject *sender);
    virtual void hideHeaderChanged(QObject *sender);
    virtual void hideFooterChanged(QObject *sender);

    // Fonts: the openers ask for a font and hand the choice to the matching action.
    virtual void Value_Font_Changed(QObject *sender);
    virtual void Header_Font_Changed(QObject *sender);
    virtual void Footer_Font_Changed(QObject *sender);
    virtual void header_changeFont(const QFont &picked);
    virtual void footer_changeFont(const QFont &picked);
    // The value font's action; each window names it its own way and calls this.
    void applyValueFont(const QFont &picked);

    // Colours and background.
    void Header_Color_Changed(QObject *sender);
    virtual void Set_Font_Clr(QObject *sender);
    void Transparent_Bkngd_Clicked(QObject *sender);

    // "Family ( 12.00 )": how the font fields show a font.
    static QString fontDisplayText(const QFont &font);
    // The untranslated title of the chosen symbology; empty when none is chosen.
    QString chosenSymbologyTitle() const;

    // The three refresh levels, and the redraw of the font and colour handlers.
    void relayoutLinear();    // height again from the sizes, margins and flags; draw the model again
    void rewidthLinear();     // bar width and picture width again; draw the model again
    void reframe2D();         // frame the last 2D symbol anew
    void redrawBarcode();

protected:
    // Policy of the settings handlers; the defaults are the Barcode mode's.
    virtual void regenerate() { Generate_Barcode_Thread_Function(); }
    virtual void beforeFamilySwitch(const QString &title) { Q_UNUSED(title); }
    virtual void afterFamilySwitch() {}
    virtual void emptyValueOnSymbologyChange() {}
    // The 2D redraw frames the symbol once more after regenerating it.
    virtual bool reframeAfterRegenerate() const { return true; }
    // The font button of an opener becomes the window's focus (nullptr: none).
    virtual void focusFontButton(QWidget *button) { Q_UNUSED(button); }
    // The value-font action of the window.
    virtual void valueFontAction(const QFont &picked) { applyValueFont(picked); }
    // Whether the preview in use now is the one the editor's own symbol is shown in (a window whose
    // other mode has a preview of its own leaves the editor's symbol undrawn meanwhile).
    virtual bool showsEditorPreview() const { return true; }
    // The background choice is also written where the window keeps it (the edited card object).
    virtual void backgroundChosen(bool transparent) { Q_UNUSED(transparent); }

    // The half of a pair that changed into the other (platform::copyPairRefusing); text typed into
    // the field that cannot stand gets the field's message ("bar height" names it, unit follows the
    // range) and the value stays. Answers whether a value crossed, so that a refusal redraws nothing.
    bool takePair(QObject *sender, platform::Stepper *stepper, QLineEdit *field, platform::PairFormat format,
                  const QString &what, const QString &unit);
    // The same for a length in the window's unit.
    bool takeLength(QObject *sender, platform::Stepper *stepper, QLineEdit *field, const QString &what);

    enum class FontBand { Value, Header, Footer };
    // Asks for a font starting from current and hands a choice to the band's action.
    void chooseBandFont(FontBand band, const QFont &current);
    // The model's band metrics and settings copy after a change of fonts or margins.
    void refreshModelSettings();

public:
