// Members declared inside a class body (see the including header): declarations only, no include
// guard, no includes.
//
// The main window's side of the settings handlers: its family radios, its batch check box, its
// background radios, and the working-mode rules (the Designing mode leaves the Barcode-mode
// settings alone; the Advanced QR mode serves its own pairs, boxes and fonts).
public:
    void Linear_Barcode_Select(QObject *sender);
    void TwoD_Barcode_Select(QObject *sender);
    void barcodeData_SourceChanged(QObject *sender);
    void Barcode_Back_Color_rd_clicked(QObject *sender);
    void Barcode_Back_Color_Transp_rd_clicked(QObject *sender);
    // The value font's action of the main window.
    void changeFont(const QFont &picked);

    void Header_Margin_Changed(QObject *sender) override;
    void Footer_Margin_Changed(QObject *sender) override;
    void TB_Margin_Changed(QObject *sender) override;
    void LR_Margin_Changed(QObject *sender) override;
    void heightChanged(QObject *sender) override;
    void captionChanged(QObject *sender) override;
    void hideHeaderChanged(QObject *sender) override;
    void hideFooterChanged(QObject *sender) override;
    void Header_Font_Changed(QObject *sender) override;
    void Footer_Font_Changed(QObject *sender) override;
    void header_changeFont(const QFont &picked) override;
    void footer_changeFont(const QFont &picked) override;
    void Set_Font_Clr(QObject *sender) override;

    // Connects the settings controls of the Barcode mode to their handlers.
    void wireSettingsControls();
    // Connects the Advanced QR mode's margin pairs, size pair, hide boxes, font buttons and colour
    // wells to the same handlers; to be called once that mode's controls exist.
    void wireAdvancedQrSettingsControls();

    // The layout of the manual and batch states that the batch check box switches between: the
    // state text, the enabled groups, the list boxes and the typed fields. The value list and the
    // series fill in their own rows and bindings here.
    void Layout_Data_Source_State();

    // Frames the Advanced QR mode's last symbol anew with its header, footer and margins and shows
    // it; without a symbol the preview is blanked.
    void Reframe_Advanced_QR_Symbol();

protected:
    void regenerate() override { goButtonActionPerformed(); }
    void focusFontButton(QWidget *button) override;
    void valueFontAction(const QFont &picked) override { changeFont(picked); }
    // The Advanced QR mode shows its own symbol in its own preview.
    bool showsEditorPreview() const override;

private:
    // The Advanced QR branch of a margin handler: copy its pair, frame again.
    void advancedQrMarginChanged(QObject *sender, platform::Stepper *stepper, QLineEdit *field);
    bool advancedQrSettingsWired = false;
public:
