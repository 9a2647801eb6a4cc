// Members declared inside a class body (see the including header): declarations only, no include
// guard, no includes.
//
// The main window's share of the 2D symbols: the QR generator route that both editors and the
// Advanced QR mode draw through, the colour packings of the bitmap encoders, and the wiring of the
// 2D settings controls.
public:
    // The QR symbol of the value at the level ("L", "M", "Q", "H"), dark modules in the bar colour
    // and light ones in the background colour, size x size points, raised to USED_DPI_VALUE unless
    // Type_draw_2d_flag is set. version and scale have no effect. Null for an empty value or a
    // failed step (logged).
    platform::Picture Create_QR_By_CI_Filter(const QString &value, const QString &errorCorrectionLevel, qint64 version,
                                             const QColor &barcodeColor, const QColor &backgroundColor, double scale,
                                             double barcode_size);
    // alpha << 24 | blue << 16 | green << 8 | red
    quint32 HEX_Of_NSColor_in_BGR(const QColor &colour) const;
    // red << 16 | green << 8 | blue
    quint32 HEX_Of_NSColor_in_RGB(const QColor &colour) const;

    // Connects the PDF417, DataMatrix and resolution pairs and the help buttons to their handlers.
    void wireTwoDControls();

protected:
    void regenerateTwoD() override { goButtonActionPerformed(); }
    bool qrSizePair(QLineEdit **field, platform::Stepper **stepper) const override;
public:
