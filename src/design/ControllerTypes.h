#pragma once
// Types that this subsystem's part of SKTWindowController needs, included before the class.

#include "design/PanelValues.h"

#include <QList>
#include <QMap>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QTableWidget;
class QTabWidget;
class QWidget;
class DoubleSlider;
namespace platform {
class ColorWell;
class Stepper;
}

// The spreadsheet linked to the design, as the batch binding reads it: one title per imported
// column (column k is titles[k - 1]) and one row per record, keyed "Column%d" (k from 1) and
// "Extension" for the fixed first column.
struct LinkedSheetTable {
    QStringList columnTitles;
    QList<QMap<QString, QString>> rows;
};
