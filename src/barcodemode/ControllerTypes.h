#pragma once
// Types that this subsystem's part of SKTWindowController needs, included before the class.

#include "barcodemode/BarcodeEditor.h"

#include <QList>
#include <QMap>
#include <QRect>
#include <QString>

class QTableWidget;

// One record of the value list: "Value", "Header", "Footer" and "PQ" (print quantity).
using ValueRecord = QMap<QString, QString>;
