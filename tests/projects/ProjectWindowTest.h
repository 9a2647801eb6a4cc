#pragma once
// The window tests of project files share this: a fresh window over an empty data folder, the
// scripted dialog responder, a scratch folder, the sample files, and what a refused file must leave
// untouched of the design and of the Barcode mode's panel. The tests reach the window through the
// projects controller and the sources it reads (the hub's, the design's and the Barcode mode's),
// so that they need neither the hub's header nor the design's.

#include "core/Globals.h"
#include "model/DesignGlobals.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/Card_Property.h"
#include "projects/ProjectsController.h"
#include "projects/ProjectsSources.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class DesignController;
class SKTWindowController;

namespace projecttest {

// The projects part of a window, and its design controller for the tests that need more of the
// design than projects does (ProjectWindowTest.cpp).
ProjectsController &projectsOf(SKTWindowController &c);
DesignController &designOf(SKTWindowController &c);

inline QString sample(const char *name)
{
    return QStringLiteral(TAGORA_TEST_SOURCE_DIR "/projects/files/") + QLatin1String(name);
}

inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ProjectWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        Text_Ctrl_Font = QStringLiteral("DejaVu Sans");
    }
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    ProjectsController &projects() { return projectsOf(*c); }
    DesignProjects &design() { return projects().design(); }
    const SKTGraphicList &objects() { return env.document()->graphics(); }
    // The alerts shown, without the line break every message box puts first.
    QStringList messages()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << (m.startsWith(QLatin1Char('\n')) ? m.mid(1) : m);
        return out;
    }
    // What a reader that refuses a file must leave untouched of the design.
    QString designState()
    {
        QStringList parts{design().Front_card_Prop()->Card_Name, Project_File_Name, QString::number(objects().size())};
        for (const auto &g : objects())
            parts << g->className() << g->control_ID;
        return parts.join(QLatin1Char('|'));
    }
    // And of the Barcode mode's panel.
    QString panelState();

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
    SKTWindowController *c = nullptr;
};

} // namespace projecttest
