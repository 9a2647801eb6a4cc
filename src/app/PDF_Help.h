#pragma once
// The help window of PDF export: a dialog from its window description, closed by its OK button.

#include <QDialog>

class PDF_Help : public QObject {
    Q_OBJECT
public:
    PDF_Help();
    ~PDF_Help() override;
    QDialog *window() const { return m_window; }
    void OKPressed();

private:
    void awakeFromNib();
    QDialog *m_window = nullptr;
};
