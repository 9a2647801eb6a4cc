#pragma once
// A stand-in mail script for tests: every run appends its arguments, standard input and
// environment to runs.jsonl beside it and exits with the status written in exit_code (0 when
// absent). Installed as the resource folder's pyth_mail.py.

#include "core/Globals.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QTemporaryDir>

namespace testsupport {

class FakeMailScript {
public:
    FakeMailScript()
    {
        m_oldResources = Resource_Path;
        QFile f(m_dir.path() + QStringLiteral("/pyth_mail.py"));
        if (f.open(QIODevice::WriteOnly))
            f.write(R"(import json, os, sys
here = os.path.dirname(os.path.abspath(__file__))
data = sys.stdin.buffer.read().decode("utf-8")
with open(os.path.join(here, "runs.jsonl"), "a") as f:
    f.write(json.dumps({"argv": sys.argv, "stdin": data, "env": dict(os.environ),
                        "exe": sys.executable}) + "\n")
code = 0
p = os.path.join(here, "exit_code")
if os.path.exists(p):
    code = int(open(p).read())
sys.exit(code)
)");
        Resource_Path = m_dir.path();
    }
    ~FakeMailScript() { Resource_Path = m_oldResources; }

    void setExitCode(int code)
    {
        QFile f(m_dir.path() + QStringLiteral("/exit_code"));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray::number(code));
    }
    QString folder() const { return m_dir.path(); }

    // One object per run, in order.
    QList<QJsonObject> runs() const
    {
        QList<QJsonObject> out;
        QFile f(m_dir.path() + QStringLiteral("/runs.jsonl"));
        if (!f.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray &line : f.readAll().split('\n'))
            if (!line.isEmpty())
                out << QJsonDocument::fromJson(line).object();
        return out;
    }
    static QStringList argv(const QJsonObject &run)
    {
        QStringList out;
        for (const QJsonValue &v : run.value(QStringLiteral("argv")).toArray())
            out << v.toString();
        return out;
    }

private:
    QTemporaryDir m_dir;
    QString m_oldResources;
};

} // namespace testsupport
