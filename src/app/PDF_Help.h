#pragma once
// The help window of PDF export: a dialog from its window description, closed by its OK button.

#include <QDialog>

class PDF_Help : public QObject {
    Q_OBJECT
public:
    PDF_Help();
    ~PDF_Help() override;
    QDialog *window() const { return m_window; }
    // Called by a window description that brings its own help window (the constructor makes one).
    void setWindow(QDialog *w);
    void OKPressed();

private:
    void awakeFromNib();
    QDialog *m_window = nullptr;
};
