// Members declared inside a class body (see the including header): declarations only, no include
// guard, no includes.
//
// The 2D symbols' settings of the barcode settings editor: QR size by version, the PDF417 view and
// its pairs, the DataMatrix pairs and format rule, the custom resolution and the help boxes.
public:
    // The PDF417 encoder view (made on first use); its error level is the one the next PDF417
    // symbol is encoded with.
    std::shared_ptr<class pdf417View> pdf_barcode;
    pdf417View &pdfBarcode();

    // Raises the QR size pair to the module count of the version index (0 automatic, 1-40).
    void Check_And_Set_QR_size_Acc_Version(int version);
    // Raises the DataMatrix width and height to what the chosen format needs at the module size.
    void data_matrix_barcode_size_acc_format();

    // Stepper-and-field pairs; sender is the half that changed.
    void PDF_Row_Changed(QObject *sender);
    void PDF_Col_Changed(QObject *sender);
    void PDF_EC_Lvl_Changed(QObject *sender);
    void dm_widthChanged(QObject *sender);
    void dm_heightChanged(QObject *sender);
    void dm_modulesizeChanged(QObject *sender);
    void DPI_Value_Changed(QObject *sender);
    // The resolution list's choice: "Custom" shows the custom pair and takes its value, "Auto" is
    // 600, any other item its leading number. Nothing is redrawn.
    void Resolution_Choice_Changed();

    // Help boxes.
    void QR_Version_Help_Btn(QObject *sender = nullptr);
    void QR_EC_Lvl_Help_Btn(QObject *sender = nullptr);
    void PDF_row_Help_btn(QObject *sender = nullptr);
    void PDF_col_Help_btn(QObject *sender = nullptr);
    void PDF_ec_lvl_Help_btn(QObject *sender = nullptr);
    void DM_format_Help_btn(QObject *sender = nullptr);
    void DM_Encoding_Help_btn(QObject *sender = nullptr);
    void DPI_Help_Label(QObject *sender = nullptr);

protected:
    // Policy of each window for the 2D symbols.
    // A settings change that needs a new symbol.
    virtual void regenerateTwoD() { Generate_Barcode_Thread_Function(); }
    // The QR size pair the version rule serves; false when the window has none to serve now.
    virtual bool qrSizePair(QLineEdit **field, platform::Stepper **stepper) const;
    // The QR version and level globals of this window (version: 0 or -1 automatic, 1-40; level 0-3).
    virtual int &qrVersionGlobal();
    virtual int qrLevelGlobal() const;
    // Points added to the DataMatrix picture's width and height beyond its modules.
    virtual int dataMatrixBorderPoints() const { return 2; }
