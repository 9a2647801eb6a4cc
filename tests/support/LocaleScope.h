#pragma once
// Runs a test in a user's locale: the C library's (when the system has it) and Qt's default, both
// restored at the end. Qt's locale data is built in, so a locale the system lacks still reaches
// every reading that goes through QLocale.

#include <QLocale>
#include <QString>

#include <clocale>
#include <string>

class LocaleScope {
public:
    explicit LocaleScope(const char *name) : qtBefore(QLocale())
    {
        const char *current = std::setlocale(LC_ALL, nullptr);
        cBefore = current ? current : "C";
        const std::string utf8 = std::string(name) + ".UTF-8";
        systemHasIt = std::setlocale(LC_ALL, utf8.c_str()) != nullptr || std::setlocale(LC_ALL, name) != nullptr;
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~LocaleScope()
    {
        std::setlocale(LC_ALL, cBefore.c_str());
        QLocale::setDefault(qtBefore);
    }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

    // Whether the C library took the locale too (the system has it installed).
    bool systemLocale() const { return systemHasIt; }

private:
    QLocale qtBefore;
    std::string cBefore;
    bool systemHasIt = false;
};
