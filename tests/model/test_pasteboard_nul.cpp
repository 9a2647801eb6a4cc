// Card data from the clipboard with a NUL inside a string: the property-list parser would end the
// process on it, so the reader refuses the object (or the whole list) and pastes nothing of it.

#include "model/ObjectArchive.h"
#include "model/SKTError.h"
#include "model/SKTGraphic.h"
#include "platform/Plist.h"
#include "ArchiveSupport.h"
#include "support/NulStrings.h"

#include <gtest/gtest.h>

using platform::PlistFormat;
using platform::PlistValue;

namespace {

const QString kMarker = QStringLiteral("Pastedtext");

std::shared_ptr<SKTGraphic> textObject()
{
    std::shared_ptr<SKTGraphic> g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    g->Text_Value = kMarker;
    return g;
}

TEST(PasteboardNul, AnObjectWhoseArchiveHoldsANulIsLeftOut)
{
    const auto line = SKTGraphic::graphicOfClass(SKTGraphicClass::Line);
    // As the application writes it: a binary list of each object's archive as data.
    const QByteArray clip = SKTGraphic::pasteboardDataWithGraphics({textObject(), line});
    const auto sound = SKTGraphic::graphicsWithPasteboardData(clip);
    ASSERT_TRUE(sound.has_value());
    ASSERT_EQ(sound->size(), 2);
    ASSERT_EQ(sound->at(0)->Text_Value, kMarker);

    // The text's archive, nested as data, gets the NUL; the list around it stays sound.
    const std::vector<nultest::Variant> bad = nultest::nulVariants(clip, kMarker);
    ASSERT_EQ(bad.size(), 1u);
    SKTError error;
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(bad.front().bytes, &error);
    ASSERT_TRUE(pasted.has_value());
    EXPECT_EQ(error.code, 0);
    ASSERT_EQ(pasted->size(), 1);
    EXPECT_EQ(pasted->at(0)->graphicClass(), SKTGraphicClass::Line);
}

TEST(PasteboardNul, ArchivesAndListsHoldingANulAreRefused)
{
    const ObjectArchive archive = archivetest::archiveOf(*textObject());
    PlistValue inline_ = PlistValue::array();   // objects as dictionaries in place of their data
    inline_.append(archive.toPlist());
    for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml}) {
        const QByteArray one = platform::plistToData(archive.toPlist(), format);
        ASSERT_TRUE(ObjectArchive::fromData(one).has_value()) << int(format);
        for (const nultest::Variant &v : nultest::nulVariants(one, kMarker))
            EXPECT_FALSE(ObjectArchive::fromData(v.bytes).has_value()) << v.name.toStdString();

        const QByteArray list = platform::plistToData(inline_, format);
        ASSERT_TRUE(SKTGraphic::graphicsWithPasteboardData(list).has_value()) << int(format);
        for (const nultest::Variant &v : nultest::nulVariants(list, kMarker)) {
            SKTError error;
            EXPECT_FALSE(SKTGraphic::graphicsWithPasteboardData(v.bytes, &error).has_value()) << v.name.toStdString();
            EXPECT_EQ(error.code, 2) << v.name.toStdString();
        }
    }
}

} // namespace
