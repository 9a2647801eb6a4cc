// Project files with a NUL inside one of their strings, or inside a data block nested in them: the
// readers refuse them with the application's message and leave what is open as it was, instead of
// the property-list parser ending the process.

#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "platform/KeyedArchive.h"
#include "platform/Plist.h"
#include "model/Card_Property.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectsController.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/NulStrings.h"
#include "ProjectWindowTest.h"
#include "support/ScriptedResponder.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using projecttest::bytesOf;
using projecttest::sample;

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The file's bytes in binary form too: the readers take either.
std::vector<QByteArray> bothForms(const QByteArray &xml)
{
    const auto v = platform::plistFromData(xml);
    return v ? std::vector<QByteArray>{xml, platform::plistToData(*v, platform::PlistFormat::Binary)}
             : std::vector<QByteArray>{};
}

// The section's first colour block with a NUL put into the block's own strings: the file around
// it stays a sound property list.
QByteArray withNulInAColourBlock(const QByteArray &file)
{
    std::optional<platform::PlistValue> root = platform::plistFromData(file);
    if (!root)
        return {};
    for (platform::PlistValue &item : root->items()) {
        if (item.type() != platform::PlistValue::Type::Data || !platform::unarchivedColor(item.toData()))
            continue;
        const std::vector<nultest::Variant> bad = nultest::nulVariants(item.toData(), QStringLiteral("NSColorSpace"));
        if (bad.empty())
            return {};
        item = platform::PlistValue::data(bad.front().bytes);
        return platform::plistToData(*root, platform::PlistFormat::Xml);
    }
    return {};
}

TEST(ProjectFileNul, TheFileReadersRefuseAStringHoldingANul)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nul.qbf"));
    for (const char *name : {"design_four_objects.qbf", "barcode_qr.qbf"}) {
        for (const QByteArray &form : bothForms(bytesOf(sample(name)))) {
            const bool binary = form.startsWith("bplist");
            ASSERT_TRUE(projectfile::projectFromData(form).has_value()) << name << binary;
            for (const QString &marker : {QStringLiteral("QIROMACBARCODELABEL"), QStringLiteral("DES"), QStringLiteral("BAR")}) {
                if (!form.contains(marker.toLatin1()))
                    continue;   // the other section's marker
                for (const nultest::Variant &v : nultest::nulVariants(form, marker)) {
                    EXPECT_FALSE(projectfile::projectFromData(v.bytes).has_value()) << name << ": " << v.name.toStdString();
                    ASSERT_TRUE(writeBytes(file, v.bytes));
                    EXPECT_FALSE(projectfile::readProjectFile(file).has_value()) << name << ": " << v.name.toStdString();
                }
            }
        }
    }
}

using ProjectNulWindow = projecttest::ProjectWindowTest;

TEST_F(ProjectNulWindow, OpeningADesignWithANulChangesNothing)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    const QString before = designState();
    const QString file = path(QStringLiteral("nul.qbf"));
    // A string of the design (the barcode object's value) made to hold a NUL.
    for (const nultest::Variant &v : nultest::nulVariants(bytesOf(sample("design_four_objects.qbf")), QStringLiteral("TAGORA-128"))) {
        responder->alerts.clear();
        ASSERT_TRUE(writeBytes(file, v.bytes));
        EXPECT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(file, QStringLiteral("L"), true), 0) << v.name.toStdString();
        EXPECT_EQ(messages(), QStringList{projectfile::kCorruptFileMessage}) << v.name.toStdString();
        EXPECT_EQ(designState(), before) << v.name.toStdString();
    }
}

TEST_F(ProjectNulWindow, OpeningBarcodeSettingsWithANulLeavesThePanel)
{
    SKIP_WITHOUT_BARCODE_MODE();
    projects().host().Barcode_Mode_Select();
    projects().Read_Barcode_Log_File(sample("barcode_qr.qbf"));
    ASSERT_EQ(projects().Project_File_Name_Barcode, sample("barcode_qr.qbf"));
    const QString before = panelState();
    const QByteArray whole = bytesOf(sample("barcode_qr.qbf"));
    std::vector<nultest::Variant> cases = nultest::nulVariants(whole, QStringLiteral("QIROMACBARCODELABEL"));
    const QByteArray nested = withNulInAColourBlock(whole);
    ASSERT_FALSE(nested.isEmpty());
    cases.push_back({QStringLiteral("colour block"), nested});
    const QString file = path(QStringLiteral("nul.qbf"));
    for (const nultest::Variant &v : cases) {
        responder->alerts.clear();
        ASSERT_TRUE(writeBytes(file, v.bytes));
        projects().Read_Barcode_Log_File(file);
        EXPECT_EQ(messages(), QStringList{projectfile::kCorruptFileMessage}) << v.name.toStdString();
        EXPECT_EQ(panelState(), before) << v.name.toStdString();
    }
}

} // namespace
