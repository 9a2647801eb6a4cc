// The sidebar's pages as their panel classes: the form promotes each page to its class.

#include "design/DesignController.h"

#include "design/panels/CardInfoPanel.h"
#include "design/panels/CardSizePanel.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/SignPanel.h"
#include "design/panels/DataSourcePanel.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/BarcodePanel.h"
#include "design/panels/LockPanel.h"

CardInfoPanel *DesignController::cardInfoPanel() const { return static_cast<CardInfoPanel *>(card_info_tab); }
CardSizePanel *DesignController::cardSizePanel() const { return static_cast<CardSizePanel *>(card_size_tab); }
CardBackgroundPanel *DesignController::cardBackgroundPanel() const { return static_cast<CardBackgroundPanel *>(card_bkgd_tab); }
CardBorderPanel *DesignController::cardBorderPanel() const { return static_cast<CardBorderPanel *>(card_brdr_tab); }
LinePanel *DesignController::linePanel() const { return static_cast<LinePanel *>(line_tab); }
ShapePanel *DesignController::shapePanel() const { return static_cast<ShapePanel *>(shape_tab); }
TextEditingPanel *DesignController::textEditingPanel() const { return static_cast<TextEditingPanel *>(text_edtng_tab); }
TextPropertiesPanel *DesignController::textPropertiesPanel() const { return static_cast<TextPropertiesPanel *>(text_prop_tab); }
ImagePanel *DesignController::imagePanel() const { return static_cast<ImagePanel *>(image_tab); }
SignPanel *DesignController::signPanel() const { return static_cast<SignPanel *>(sign_tab); }
DataSourcePanel *DesignController::dataSourcePanel() const { return static_cast<DataSourcePanel *>(datasource_tab); }
AlignmentPanel *DesignController::alignmentPanel() const { return static_cast<AlignmentPanel *>(aligmnt_tab); }
BarcodePanel *DesignController::barcodePanel() const { return static_cast<BarcodePanel *>(barcode_tab); }
LockPanel *DesignController::lockPanel() const { return static_cast<LockPanel *>(Lock_tab); }
