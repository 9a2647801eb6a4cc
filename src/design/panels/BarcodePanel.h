#pragma once
// The property sidebar's "barcode_tab" page: the barcode object's two commands. Both edit the
// current object in a window of its own, which the Designing mode opens on the page's request.

#include <QWidget>

#include <memory>

class QPushButton;
namespace Ui {
class BarcodePanel;
}

class BarcodePanel : public QWidget {
    Q_OBJECT
public:
    explicit BarcodePanel(QWidget *parent = nullptr);
    ~BarcodePanel() override;

    // Handlers of the page's buttons.
    void View_barcode_prop_Button();
    void Edit_Adv_QR_Value_Clicked();

    // Outlets. The QR payload editor is offered in the QR edition alone.
    QPushButton *barcode_prop_btn = nullptr;
    QPushButton *Edit_Qr_Code_Val_BTN = nullptr;

signals:
    // The barcode-object window on the current object (a single selected barcode).
    void barcodeWindowRequested();
    // The QR payload editor on the current object.
    void qrValueEditRequested();

private:
    std::unique_ptr<Ui::BarcodePanel> ui;
};
