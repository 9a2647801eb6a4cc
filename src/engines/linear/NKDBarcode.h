#pragma once
// The model of one linear barcode: content, check character, module width, height, printed bands
// and the pattern of bars ("1" a dark module, "0" a light one). Each symbology overrides a few
// operations; everything else is shared. Pure C++ over Qt Core/Gui values: no widgets.

#include "engines/BarcodeSettings.h"

#include <QByteArray>
#include <QString>
#include <memory>

// The letter spacing (points) that header and footer bands are drawn with; their widths are
// measured with it, so that a band wider than the bars widens the picture by all it takes.
inline constexpr double kHeaderFooterKerning = 2.0;

class NKDBarcode {
public:
    NKDBarcode();
    virtual ~NKDBarcode();
    NKDBarcode(const NKDBarcode &) = delete;
    NKDBarcode &operator=(const NKDBarcode &) = delete;

    // Construction. Each answers false when the object must be dropped: a null content for the
    // designated initializer, content that is not ASCII for initWithContent().
    bool initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(
        const QString &content, bool printsCaption, float barWidth, float height, float fontSize, char checkDigit);
    virtual bool initWithContent(const QString &content, bool printsCaption);

    // The settings source that band measuring and barTop() read; a default one until set.
    void setSettings(std::shared_ptr<const BarcodeSettings> settings);
    const BarcodeSettings &settings() const;

    // Accessors.
    const QString &content() const { return m_content; }
    virtual void setContent(const QString &content) { m_content = content; }
    float height() const { return m_height; }
    virtual void setHeight(float h) { m_height = h; }
    float width() const { return m_width; }
    void setWidth(float w) { m_width = w; }
    float barWidth() const { return m_barWidth; }
    virtual void setBarWidth(float w) { m_barWidth = w; }
    char checkDigit() const { return m_checkDigit; }
    void setCheckDigit(char c);   // -1 is stored as 0
    bool printsCaption() const { return m_printsCaption; }
    void setPrintsCaption(bool on) { m_printsCaption = on; }
    bool printsHeader() const { return m_printsHeader; }
    void setPrintsHeader(bool on) { m_printsHeader = on; }
    bool printsFooter() const { return m_printsFooter; }
    void setPrintsFooter(bool on) { m_printsFooter = on; }
    float captionHeight() const { return m_captionHeight; }
    void setCaptionHeight(float h) { m_captionHeight = h; }
    float headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(float h) { m_headerHeight = h; }
    float footerHeight() const { return m_footerHeight; }
    void setFooterHeight(float h) { m_footerHeight = h; }
    float headerWidth() const { return m_headerWidth; }
    void setHeaderWidth(float w) { m_headerWidth = w; }
    float footerWidth() const { return m_footerWidth; }
    void setFooterWidth(float w) { m_footerWidth = w; }
    float caption_fontSize() const { return m_captionFontSize; }
    float header_fontSize() const { return m_headerFontSize; }
    float footer_fontSize() const { return m_footerFontSize; }
    QString header() const { return m_header.isNull() ? QStringLiteral("") : m_header; }
    void setHeader(const QString &h) { m_header = h; }
    QString footer() const { return m_footer.isNull() ? QStringLiteral("") : m_footer; }
    void setFooter(const QString &f) { m_footer = f; }

    // Store the size and measure the band with the settings' font (see the settings source); header
    // and footer widths as drawn, with kHeaderFooterKerning.
    void setCaptionFontSize(float size);
    void setHeaderFontSize(float size);
    void setFooterFontSize(float size);

    QString description() const;
    // Equal when the contents are equal, whatever the other settings.
    // Called wherever two barcode models are compared by content; only the tests compare them yet.
    bool isEqual(const NKDBarcode &other) const { return m_content == other.m_content; }
    // A new object of the same class made from this one's content, caption flag, bar width,
    // height, caption font size and check character, with its width calculated.
    std::unique_ptr<NKDBarcode> copy() const;
    // Sequential coding: content, printsCaption, barWidth, width, height, caption_fontSize,
    // captionHeight, checkDigit.
    QByteArray encodeWithCoder() const;
    bool initWithCoder(const QByteArray &data);

    // The operations a symbology overrides.
    virtual bool isContentValid() const;
    virtual void generateChecksum() {}
    virtual QString _encodeChar(char c) const;
    virtual QString initiator() const { return QString(); }
    virtual QString terminator() const { return QString(); }
    virtual QString barcode() const;
    virtual void calculateWidth();
    virtual int digitsToLeft() const { return 0; }
    virtual int digitsToRight() const { return 0; }
    virtual QString leftCaption() const;
    virtual QString rightCaption() const;
    virtual QString caption() const;
    virtual float barTop(int index) const;
    virtual float barBottom(int index) const;
    virtual float firstBar() const { return 0; }
    // The four-state codes, whose bars span from barBottom() to barTop().
    virtual bool isFourState() const { return false; }
    // The class name as the description and the renderer name it.
    virtual QString className() const { return QStringLiteral("NKDBarcode"); }

    // initiator() + barcode() + terminator().
    QString completeBarcode() const;

protected:
    // A new, empty object of the receiver's class (used by copy()).
    virtual std::unique_ptr<NKDBarcode> newInstance() const { return std::make_unique<NKDBarcode>(); }
    // Copies what a symbology keeps beyond the base fields into a fresh copy (used by copy()).
    virtual void copyStateInto(NKDBarcode &twin) const { Q_UNUSED(twin); }
    // The content as ASCII bytes; false when it is not ASCII.
    bool asciiContent(QByteArray &out) const;

    char m_checkDigit = 0;
    float m_barWidth = 0;
    QString m_content;
    QString m_header;
    QString m_footer;
    float m_height = 0;
    float m_width = 0;
    bool m_printsCaption = false;
    bool m_printsHeader = false;
    bool m_printsFooter = false;
    float m_captionFontSize = 0;
    float m_headerFontSize = 0;
    float m_footerFontSize = 0;
    float m_captionHeight = 0;
    float m_headerHeight = 0;
    float m_footerHeight = 0;
    float m_headerWidth = 0;
    float m_footerWidth = 0;
    std::shared_ptr<const BarcodeSettings> m_settings;
};
