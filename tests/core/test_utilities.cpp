#include "core/Utilities.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <stdexcept>

TEST(Utilities, TrimRemovesBlanksNewlinesThenControls)
{
    EXPECT_EQ(Trim_Str(QStringLiteral("  abc\n")), QStringLiteral("abc"));
    EXPECT_EQ(Trim_Str(QStringLiteral(" \n\t \r\n")), QStringLiteral(""));
    EXPECT_TRUE(Trim_Str(QString()).isNull());
    // Control characters go after the blanks: a blank behind a control character stays.
    EXPECT_EQ(Trim_Str(QStringLiteral("\x01" "ab" "\x7f")), QStringLiteral("ab"));
    EXPECT_EQ(Trim_Str(QStringLiteral("\x01 ab")), QStringLiteral(" ab"));
    EXPECT_EQ(Trim_Str(QString::fromUtf8("\u00a0x\u2028")), QStringLiteral("x"));
    EXPECT_EQ(Replace_Char_For_Valid(QStringLiteral(" q ")), QStringLiteral("q"));
}

TEST(Utilities, SubstringIndexBounds)
{
    const QString s = QStringLiteral("abcdef");
    EXPECT_EQ(Left_Str_substringToIndex(s, 2), QStringLiteral("ab"));
    EXPECT_EQ(Left_Str_substringToIndex(s, 10), s);
    EXPECT_EQ(Left_Str_substringToIndex(s, -1), QStringLiteral(""));
    EXPECT_EQ(Right_Str_substringFromIndex(s, 2), QStringLiteral("ef"));
    EXPECT_EQ(Right_Str_substringFromIndex(s, 10), s);
    EXPECT_EQ(Right_Str_substringFromIndex(s, -3), QStringLiteral(""));
    EXPECT_EQ(Read_Str_FromIndex(s, 2), QStringLiteral("cdef"));
    EXPECT_EQ(Read_Str_FromIndex(s, 6), QStringLiteral(""));
    EXPECT_EQ(Read_Str_FromIndex(s, 7), QStringLiteral(""));
    EXPECT_EQ(Read_Str_FromIndex(s, -1), QStringLiteral(""));
    EXPECT_EQ(Read_Str_Upto_Index(s, 6), s);
    EXPECT_EQ(Read_Str_Upto_Index(s, 7), QStringLiteral(""));
    EXPECT_EQ(Read_Str_Upto_Index(s, -1), QStringLiteral(""));
    EXPECT_EQ(Read_Str_Upto_Index(s, 3), QStringLiteral("abc"));
}

TEST(Utilities, FindAndReplace)
{
    EXPECT_FALSE(Find_Str(QStringLiteral("abc"), QStringLiteral("")));
    EXPECT_TRUE(Find_Str(QStringLiteral("abc"), QStringLiteral("bc")));
    EXPECT_FALSE(Find_Str(QStringLiteral("abc"), QStringLiteral("B")));
    EXPECT_FALSE(Find_Str(QString(), QStringLiteral("a")));
    EXPECT_THROW(Find_Str(QStringLiteral("abc"), QString()), std::invalid_argument);
    EXPECT_TRUE(Find_Str_Case_Insensitive(QStringLiteral("ABC"), QStringLiteral("b")));
    EXPECT_FALSE(Find_Str_Case_Insensitive(QString(), QStringLiteral("b")));
    EXPECT_FALSE(Find_Str_Case_Insensitive(QStringLiteral("ABC"), QString()));
    EXPECT_FALSE(Find_Str_Case_Insensitive(QStringLiteral("ABC"), QStringLiteral("x")));
    EXPECT_EQ(Replace_char_in_string(QStringLiteral("aaaa"), QStringLiteral("aa"), QStringLiteral("b")), QStringLiteral("bb"));
    EXPECT_EQ(Replace_char_in_string(QStringLiteral("a.b.c"), QStringLiteral("."), QStringLiteral("")), QStringLiteral("abc"));
}

TEST(Utilities, ReservedCharactersInFileNames)
{
    EXPECT_EQ(Remove_Reserve_Char_In_File_Name(QStringLiteral("*my.label?")), QStringLiteral("my_label"));
    EXPECT_EQ(Remove_Reserve_Char_In_File_Name(QStringLiteral("a/b")), QStringLiteral("a_b"));
    EXPECT_EQ(Remove_Reserve_Char_In_File_Name(QStringLiteral("a*b")), QStringLiteral("a*b"));
    EXPECT_EQ(Remove_Reserve_Char_In_File_Name(QStringLiteral("photo.png")), QStringLiteral("photo_png"));
    EXPECT_EQ(Remove_Reserve_Char_In_File_Name(QStringLiteral(" my.label/1 ")), QStringLiteral("my_label_1"));
    EXPECT_EQ(Remove_Reserve_Char_In_File_Name(QStringLiteral("<>|\"name\\%")), QStringLiteral("name"));
}

TEST(Utilities, CreateFolderAndDelete)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a-file"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    EXPECT_EQ(Create_Folder(file), 1);          // something exists: success, nothing created
    EXPECT_TRUE(QFileInfo(file).isFile());
    const QString nested = dir.filePath(QStringLiteral("one/two/three"));
    EXPECT_EQ(Create_Folder(nested), 1);
    EXPECT_TRUE(QFileInfo(nested).isDir());
    // New folders are never world-writable.
    EXPECT_FALSE(QFileInfo(nested).permissions() & QFile::WriteOther);
    EXPECT_FALSE(QFileInfo(dir.filePath(QStringLiteral("one"))).permissions() & QFile::WriteOther);
    EXPECT_EQ(Create_Folder(file + QStringLiteral("/below")), 0);   // cannot create under a file

    Delete_Folder(dir.filePath(QStringLiteral("one")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("one"))));
    Delete_File(file);
    EXPECT_FALSE(QFileInfo::exists(file));
    Delete_File(dir.filePath(QStringLiteral("never-was")));   // no failure
}

TEST(Utilities, SetObjEnabledWalksNestedBoxes)
{
    QGroupBox outer;
    auto *layout = new QVBoxLayout(&outer);
    auto *field = new QLineEdit;
    auto *inner = new QGroupBox;
    auto *innerLayout = new QVBoxLayout(inner);
    auto *check = new QCheckBox;
    innerLayout->addWidget(check);
    layout->addWidget(field);
    layout->addWidget(inner);
    check->setEnabled(false);   // disabled on its own before

    SetObjEnabled(&outer, false);
    EXPECT_FALSE(field->isEnabled());
    EXPECT_FALSE(check->isEnabled());
    EXPECT_FALSE(inner->isEnabled());
    SetObjEnabled(&outer, true);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_TRUE(inner->isEnabled());
    EXPECT_TRUE(check->isEnabled());   // the box hands its state down
    SetObjEnabled(nullptr, true);      // no crash
}

TEST(Utilities, OpenHelpFile)
{
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
    testsupport::AppEnvironment env(dir.path());
    Open_Help_File();
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->alerts.at(0).message, QStringLiteral("\nHelp file does not exist!"));
    QFile help(dir.filePath(QStringLiteral("Help.pdf")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("%PDF-1.4");
    help.close();
    Open_Help_File();
    EXPECT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->opened, QStringList{dir.filePath(QStringLiteral("Help.pdf"))});
}
