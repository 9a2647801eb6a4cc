#pragma once
// A text field whose text is centred vertically in its bounds.

#include <QLabel>
#include <QRectF>

class VerticallyCenteredTextFieldCell : public QLabel {
    Q_OBJECT
public:
    explicit VerticallyCenteredTextFieldCell(QWidget *parent = nullptr);
    // The title rectangle moved so that text of height textHeight is centred in bounds.
    static QRectF titleRectForBounds(const QRectF &bounds, const QRectF &inheritedTitleRect, double textHeight);
};
