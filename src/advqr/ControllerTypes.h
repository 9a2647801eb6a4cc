#pragma once
// Types that this subsystem's part of SKTWindowController needs, included before the class.

#include "platform/Picture.h"

#include <QImage>
#include <QList>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QWidget;
class QrPanelBase;
class Qr_Text_View_Panel;
class Qr_Sms_View_Panel;
class Qr_Email_View_Panel;
class Qr_Event_View_Panel;
class Qr_Wifi_View_Panel;
class Qr_Social_View_Panel;
class Qr_Location_View_Panel;
class Qr_vCard_View_Panel;
class Qr_Zoom_View_Panel;
class Qr_UPI_View_Panel;
class Qr_Bitcoin_Crypto_View_Panel;
namespace platform {
class ColorWell;
class PictureView;
class Stepper;
}

// The readable summary of the payload last built by the main window (handed to the Designing mode
// with the symbol), and whether a type switch is under way.
extern QString SEL_QR_DISPLAY_VALUE;
extern bool ADV_QR_Var_loading;
