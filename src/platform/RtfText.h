#pragma once
// The plain text of an RTF document, as a word processor would let you copy it: paragraph and line
// breaks become LF, tabs TAB; font, colour and style tables, document information, pictures and
// every destination marked "\*" are left out; "\'hh" is read in the document's ANSI code page
// (1252 unless \ansicpg says otherwise) and "\uN" as Unicode, skipping its \ucN fallback
// characters. Broken RTF gives the text read so far.

#include <QByteArray>
#include <QString>

namespace platform {

QString rtfPlainText(const QByteArray &rtf);

} // namespace platform
