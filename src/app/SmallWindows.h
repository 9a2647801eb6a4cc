#pragma once
// Small interface classes of the window descriptions: the PDF export help window, the toolbar
// item with a minimum size and the vertically centred text field.

#include <QDialog>
#include <QLabel>
#include <QRectF>
#include <QSizeF>

class PDF_Help : public QObject {
    Q_OBJECT
public:
    PDF_Help();
    ~PDF_Help() override;
    QDialog *window() const { return m_window; }
    void setWindow(QDialog *w);
    void OKPressed();

private:
    void awakeFromNib();
    QDialog *m_window = nullptr;
};

namespace Toolbar_help {
// 42 x 27 points on the systems that need it (version 1504 or later), else the given size.
QSizeF minSize(int osVersion, const QSizeF &inherited);
}

// A text field whose text is centred vertically in its bounds.
class VerticallyCenteredTextFieldCell : public QLabel {
    Q_OBJECT
public:
    explicit VerticallyCenteredTextFieldCell(QWidget *parent = nullptr);
    // The title rectangle moved so that text of height textHeight is centred in bounds.
    static QRectF titleRectForBounds(const QRectF &bounds, const QRectF &inheritedTitleRect, double textHeight);
};
