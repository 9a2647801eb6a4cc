// The Barcode mode's value through a project file: saved, replaced by a new project and opened
// again, it reads back the same.

#include "ProjectWindowTest.h"
#include "platform/FontNames.h"

namespace {

class BarcodeSettingsFile : public projecttest::ProjectWindowTest {};

TEST_F(BarcodeSettingsFile, AValueSurvivesTheProjectFile)
{
    projects().host().Barcode_Mode_Select();
    BarcodeModeProjects &panel = projects().barcodeMode();
    QImage logo(40, 40, QImage::Format_ARGB32);
    logo.fill(Qt::darkGreen);
    ASSERT_TRUE(logo.save(path(QStringLiteral("logo.png"))));

    BarcodeModeSettings v = panel.settings();
    v.symbology = QStringLiteral("QR Code");
    v.family = 1;
    v.twoDValue = QStringLiteral("https://example.org/file");
    v.header = QStringLiteral("Saved head");
    v.hideFooter = true;
    v.alignFooter = 0;
    v.qrLevel = 3;
    v.margins[0] = QStringLiteral("0.35");
    v.steps.margins[0] = 0.35;
    v.colours[0] = QColor(200, 10, 10);
    // Files name fonts by their full names.
    v.fonts = {*platform::fontWithFullName(QStringLiteral("DejaVu Sans Bold"), 14),
               *platform::fontWithFullName(QStringLiteral("DejaVu Sans"), 10),
               *platform::fontWithFullName(QStringLiteral("DejaVu Sans Oblique"), 12)};
    v.unit = 2;
    v.logo = true;
    v.logoPath = path(QStringLiteral("logo.png"));
    v.records = {{{value_list::kValue, QStringLiteral("R1")}, {value_list::kHeader, QString()},
                  {value_list::kFooter, QString()}, {value_list::kPQ, QStringLiteral("1")}}};
    panel.setSettings(v);
    v = panel.settings();

    responder->saveAnswers = {path(QStringLiteral("value.qbf"))};
    ASSERT_TRUE(projects().Save_project_file_Barcode(true));
    projects().New_Project_Barcode();
    ASSERT_FALSE(panel.settings() == v);
    projects().Read_Barcode_Log_File(path(QStringLiteral("value.qbf")));
    EXPECT_TRUE(panel.settings() == v);
}

} // namespace
