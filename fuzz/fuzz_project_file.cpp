// Fuzz target of the project-file parse step: the property list, both sections, every object
// array and every data block, as the readers see them before anything of the window is touched.
// Built with libFuzzer (clang) by fuzz/CMakeLists.txt; without clang, fuzz/mutation_main.cpp runs
// the same entry point in a mutation loop.

#include "platform/KeyedArchive.h"
#include "platform/Plist.h"
#include "projects/ProjectFileBarcode.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFileObjects.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

void dataBlocks(const platform::PlistValue &value, int depth)
{
    if (depth > 8)
        return;
    if (value.type() == platform::PlistValue::Type::Data) {
        (void)platform::unarchivedColor(value.toData());
        if (auto picture = platform::unarchivedPicture(value.toData()))
            (void)picture->toImage(18);
        return;
    }
    for (const platform::PlistValue &item : value.items())
        dataBlocks(item, depth + 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)platform::keyedUnarchive(bytes);
    const std::optional<platform::PlistValue> root = projectfile::projectFromData(bytes);
    if (!root)
        return 0;
    dataBlocks(*root, 0);
    try {
        switch (projectfile::sectionOf(*root)) {
        case projectfile::Section::Design: {
            const projectfile::DesignSection design = projectfile::parseDesignSection(*root);
            for (const platform::PlistValue &array : design.objects)
                (void)projectfile::objectFromArray(array, false);
            (void)projectfile::designSectionArray(design);
            break;
        }
        case projectfile::Section::Barcode:
            (void)projectfile::barcodeSectionArray(projectfile::parseBarcodeSection(*root));
            break;
        case projectfile::Section::Unknown: break;
        }
    } catch (const projectfile::FileError &) {
        // A refused file is an answer, not a failure.
    }
    // Every array element read as an object array too, whatever section it sits in.
    if (root->type() == platform::PlistValue::Type::Array)
        for (const platform::PlistValue &item : root->items())
            (void)projectfile::objectFromArray(item, true);
    return 0;
}
