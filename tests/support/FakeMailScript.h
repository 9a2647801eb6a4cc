#pragma once
// A stand-in mail script for tests: every run appends its arguments, standard input and
// environment to runs.jsonl beside it, keeps a copy of each attachment (the window deletes its
// own), and exits with the status written in exit_code (0 when absent), or 3 for a recipient (or
// run "#n", "#0" the first) listed in fail_to, after the pause written in delay. Installed as the
// resource folder's pyth_mail.py.

#include "core/UserFolders.h"

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
            f.write(R"(import json, os, shutil, sys
here = os.path.dirname(os.path.abspath(__file__))
data = sys.stdin.buffer.read().decode("utf-8")
log = os.path.join(here, "runs.jsonl")
n = sum(1 for _ in open(log)) if os.path.exists(log) else 0
copies = []
for i, a in enumerate(sys.argv[10:]):
    if os.path.isfile(a):
        os.makedirs(os.path.join(here, "copies"), exist_ok=True)
        copies.append(os.path.join(here, "copies", "%d-%d-%s" % (n, i, os.path.basename(a))))
        shutil.copyfile(a, copies[-1])
with open(log, "a") as f:
    f.write(json.dumps({"argv": sys.argv, "stdin": data, "env": dict(os.environ),
                        "exe": sys.executable, "copies": copies}) + "\n")
p = os.path.join(here, "delay")
if os.path.exists(p):
    import time
    time.sleep(float(open(p).read()))
code = 0
p = os.path.join(here, "exit_code")
if os.path.exists(p):
    code = int(open(p).read())
p = os.path.join(here, "fail_to")
if os.path.exists(p) and set(sys.argv[5:6] + ["#%d" % n]) & set(open(p).read().split("\n")):
    code = 3
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
    // Every run takes this long before it exits.
    void setDelaySeconds(double seconds)
    {
        QFile f(m_dir.path() + QStringLiteral("/delay"));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray::number(seconds));
    }
    // Runs for these recipients exit 3.
    void setFailFor(const QStringList &recipients)
    {
        QFile f(m_dir.path() + QStringLiteral("/fail_to"));
        if (f.open(QIODevice::WriteOnly))
            f.write(recipients.join(QLatin1Char('\n')).toUtf8());
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
    static QStringList argv(const QJsonObject &run) { return strings(run, QStringLiteral("argv")); }
    // The copies of a run's attachments, in order.
    static QStringList copies(const QJsonObject &run) { return strings(run, QStringLiteral("copies")); }
    static QStringList strings(const QJsonObject &run, const QString &key)
    {
        QStringList out;
        for (const QJsonValue &v : run.value(key).toArray())
            out << v.toString();
        return out;
    }

private:
    QTemporaryDir m_dir;
    QString m_oldResources;
};

} // namespace testsupport
