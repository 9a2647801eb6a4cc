#pragma once
// The symbol_png program run with the given arguments, as the tests that drive it from outside run
// it: its exit status (-1 when it crashed or hung), what it printed when asked for.

#ifdef SYMBOL_PNG_PATH

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace symboltool {

inline int runSymbolPng(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(SYMBOL_PNG_PATH), args);
    // Long enough for a batch of a few hundred files on a slow machine.
    if (!p.waitForFinished(300000))
        return -1;
    if (out)
        *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace symboltool

#endif
