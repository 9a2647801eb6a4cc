// The project-file readers and writers from outside:
//
//   project_tool --roundtrip IN OUT                 reads a project file of either section and saves
//                                                   it again through the application's writer
//   project_tool --render IN OUT.png|OUT.pdf [--dpi N] [--record K]
//                                                   the design's front side with record K (1) of
//                                                   its batch filled in, drawn by the off-screen
//                                                   renderer with the card's layers, as batch
//                                                   output draws it; PNG at N dpi (300), PDF of
//                                                   the card's size
//   project_tool --dump IN                          the objects of a design, one a line: class,
//                                                   frame, text (or value) and identifier
//
// Exit status: 0 done; 2 and the application's message when the file cannot be read or written;
// 1 for usage errors.

#include "app/SKTWindowController.h"
#include "core/Edition.h"
#include "design/DesignParts.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "design/RecordBinding.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/HeadlessResponder.h"
#include "platform/Picture.h"
#include "platform/Plist.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFileText.h"
#include "projects/ProjectsController.h"

#include <QApplication>
#include <QImage>
#include <QFileInfo>
#include <QImageWriter>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: project_tool --roundtrip IN OUT | --render IN OUT.png|OUT.pdf [--dpi N] [--record K] "
                         "| --dump IN\n");
    return 1;
}

int refused(const QString &message)
{
    std::printf("%s\n", message.toUtf8().constData());
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagora"));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString command = args[0];
    const QString in = args[1];
    auto responder = std::make_shared<platform::HeadlessResponder>();
    platform::setDialogResponder(responder);

    SKTWindowController::registerWithDocuments();
    SKTDocument document;
    document.makeWindowControllers();
    SKTWindowController *hub = SKTWindowController::defaultInstance();
    if (!hub)
        return refused(QStringLiteral("The application could not start."));
    hub->window();
    ProjectsController &projects = hub->projects();
    const auto root = projectfile::readProjectFile(in);
    const projectfile::Section section = root ? projectfile::sectionOf(*root) : projectfile::Section::Unknown;
    auto lastMessage = [&] { return responder->messages.isEmpty() ? QString() : responder->messages.last(); };

    if (command == QLatin1String("--roundtrip") && args.size() == 3) {
        const QString out = args[2];
        if (section == projectfile::Section::Barcode && !ONLY_QR_MODE) {
            hub->Barcode_Mode_Select();
            projects.Read_Barcode_Log_File(in);
            if (projects.Project_File_Name_Barcode != in)
                return refused(lastMessage());
            projects.Project_File_Name_Barcode = out;
            const qsizetype before = responder->messages.size();
            if (!projects.Save_project_file_Barcode(false))
                return refused(responder->messages.size() > before ? lastMessage() : QStringLiteral("not saved"));
            return 0;
        }
        if (projects.Read_and_load_design_Log_NEW_METHOD(in, QStringLiteral("L"), true) != 1)
            return refused(lastMessage());
        Project_File_Name = out;
        if (!projects.Save_project_file(false, false, QStringLiteral("L")))
            return refused(lastMessage());
        return 0;
    }

    if (command == QLatin1String("--dump") && args.size() == 2) {
        if (section != projectfile::Section::Design)
            return refused(projectfile::kCorruptFileMessage);
        if (projects.Read_and_load_design_Log_NEW_METHOD(in, QStringLiteral("L"), true) != 1)
            return refused(lastMessage());
        for (const auto &object : document.graphics()) {
            QString text = object->Text_Value;
            if (object->graphicClass() == SKTGraphicClass::Barcode)
                text = object->linear_or_2d != 0 ? object->two_d_font_val : object->linear_font_val;
            std::printf("%s\t%s\t%s\t%s\n", object->className().toUtf8().constData(),
                        projectfile::rectToText(object->bounds()).toUtf8().constData(), text.toUtf8().constData(),
                        object->control_ID.toUtf8().constData());
        }
        return 0;
    }

    if (command == QLatin1String("--render") && args.size() >= 3) {
        const QString out = args[2];
        int dpi = 300;
        int record = 1;
        for (int i = 3; i + 1 < args.size(); i += 2) {
            bool ok = false;
            const int n = args[i + 1].toInt(&ok);
            if (!ok || n < 1)
                return usage();
            if (args[i] == QLatin1String("--dpi"))
                dpi = n;
            else if (args[i] == QLatin1String("--record"))
                record = n;
            else
                return usage();
        }
        if (section != projectfile::Section::Design)
            return refused(projectfile::kCorruptFileMessage);
        if (projects.Read_and_load_design_Log_NEW_METHOD(in, QStringLiteral("L"), true) != 1)
            return refused(lastMessage());
        // As opening a design does: the bound series and rows counted, so the record fill finds them.
        RecordBinding &records = recordsOf(hub->design());
        records.Check_Series_Or_Excel_Use_or_not();
        if (record > Total_Batch_Excel_Card) {
            std::fprintf(stderr, "the design has %d record(s)\n", Total_Batch_Excel_Card);
            return 1;
        }
        // The card as batch output makes it: the record filled into the front side, then the
        // off-screen renderer with the card's own layers.
        const platform::Picture card = records.Set_data_table_value_to_card(record - 1, QStringLiteral("Front"), false);
        if (card.isNull())
            return refused(QStringLiteral("The card could not be rendered."));
        if (out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            return platform::writeFileAtomically(out, card.pdfData()) ? 0
                                                                   : refused(QStringLiteral("The PDF could not be written."));
        const QImage image = card.toImage(dpi);
        if (image.isNull())
            return refused(QStringLiteral("The card is too large to render."));
        // Written whole, as the PDF: an old file is replaced only by a complete one.
        QString why;
        const QByteArray format = QFileInfo(out).suffix().toLower().toLatin1();
        const bool written = platform::writeFileAtomically(out, [&](QIODevice &device) {
            QImageWriter writer(&device, format);
            if (writer.write(image))
                return true;
            why = writer.errorString();
            return false;
        });
        return written ? 0 : refused(why.isEmpty() ? QStringLiteral("The picture could not be written.") : why);
    }
    return usage();
}
