#include "advqr/AdvQrOutputSide.h"

#include "advqr/AdvQrController.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QLineEdit>

QString AdvQrOutputSide::Shown_Header() const { return mode.ADV_QR_HeaderText ? mode.ADV_QR_HeaderText->text() : QString(); }

QString AdvQrOutputSide::Shown_Footer() const { return mode.ADV_QR_FooterText ? mode.ADV_QR_FooterText->text() : QString(); }

QString AdvQrOutputSide::Category_Title() const
{
    return mode.Selected_Qr_Category ? mode.Selected_Qr_Category->text() : QString();
}

bool AdvQrOutputSide::Transparent_Background() const
{
    return mode.ADV_QR_transp_bg_chk && mode.ADV_QR_transp_bg_chk->isChecked();
}

platform::Picture AdvQrOutputSide::Shown_Picture() const
{
    return mode.QR_barcodeImage ? mode.QR_barcodeImage->picture() : platform::Picture();
}
