#pragma once
// The barcode-object role: the texts, flags, sizes and band metrics of a 2D symbol, which has no
// model of its own. Both barcode settings editors carry it, so the renderer asks either the same
// questions it asks a linear model.

#include <QFont>
#include <QString>

class BarcodeObjectRole {
public:
    virtual ~BarcodeObjectRole() = default;

    void setContent(const QString &s) { m_content = s; }
    void setHeader(const QString &s) { m_header = s; }
    void setFooter(const QString &s) { m_footer = s; }
    void setHeight(float h) { m_height = h; }
    void setWidth(float w) { m_width = w; }
    void setPrintsCaption(bool on) { m_printsCaption = on; }
    void setPrintsHeader(bool on) { m_printsHeader = on; }
    void setPrintsFooter(bool on) { m_printsFooter = on; }
    void set_Fill_transparent(bool on) { m_fill_transparent = on; }
    void setCaptionHeight(float h) { m_captionHeight = h; }
    void setHeaderHeight(float h) { m_headerHeight = h; }
    void setFooterHeight(float h) { m_footerHeight = h; }
    void setHeaderWidth(float w) { m_headerWidth = w; }
    void setFooterWidth(float w) { m_footerWidth = w; }

    float height() const { return m_height; }
    float width() const { return m_width; }
    bool printsCaption() const { return m_printsCaption; }
    bool printsHeader() const { return m_printsHeader; }
    bool printsFooter() const { return m_printsFooter; }
    bool Fill_transparent() const { return m_fill_transparent; }
    float captionHeight() const { return m_captionHeight; }
    float headerHeight() const { return m_headerHeight; }
    float footerHeight() const { return m_footerHeight; }
    float headerWidth() const { return m_headerWidth; }
    float footerWidth() const { return m_footerWidth; }
    float caption_fontSize() const { return m_captionFontSize; }
    float header_fontSize() const { return m_headerFontSize; }
    float footer_fontSize() const { return m_footerFontSize; }
    QString header() const { return m_header.isNull() ? QStringLiteral("") : m_header; }
    QString footer() const { return m_footer.isNull() ? QStringLiteral("") : m_footer; }
    // The value drawn as the caption; null until a 2D symbol was generated.
    QString caption() const { return m_content; }

    // Store the size and measure the band with the role's font for it (the cap height sets the
    // band height; header and footer also measure their text's width).
    void setCaptionFontSize(float size);
    void setHeaderFontSize(float size);
    void setFooterFontSize(float size);

protected:
    // The fonts the bands are measured with, as the owning editor's mode chooses them.
    virtual QFont roleCaptionFont() const = 0;
    virtual QFont roleHeaderFont() const = 0;
    virtual QFont roleFooterFont() const = 0;

private:
    QString m_footer;
    QString m_header;
    QString m_content;
    float m_height = 0;
    float m_width = 0;
    bool m_printsCaption = false;
    bool m_printsHeader = false;
    bool m_printsFooter = false;
    bool m_fill_transparent = false;
    float m_captionHeight = 0;
    float m_headerHeight = 0;
    float m_footerHeight = 0;
    float m_headerWidth = 0;
    float m_footerWidth = 0;
    float m_captionFontSize = 0;
    float m_headerFontSize = 0;
    float m_footerFontSize = 0;
};
