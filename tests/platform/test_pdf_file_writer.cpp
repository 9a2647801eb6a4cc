// The multi-page PDF file writer: exact page boxes, the five document-information keys, lossless
// pictures, and no file (and the old one kept) whenever creating, writing or closing fails.

#include "core/BatchWriter.h"
#include "platform/Files.h"
#include "platform/PdfFileWriter.h"
#include "support/Acl.h"
#include "support/CreationModes.h"
#include "support/NoPermissionOverride.h"
#include "support/FileSizeLimit.h"
#include "support/SyncFailure.h"
#include "test_picture_tools.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using platform::PdfFileWriter;

const PdfFileWriter::Info kInfo{QStringLiteral("QIRO Barcode Software PDF File"), QStringLiteral("QIRO Software Pvt. Ltd."),
                                QStringLiteral("QIRO Software"), QStringLiteral("QIRO Barcode Label"),
                                QStringLiteral("Tagora")};

QString pdfinfo(const QString &path, const QStringList &extra = {})
{
    QByteArray out;
    picturetest::runTool(QStringLiteral("pdfinfo"), extra + QStringList{path}, &out);
    return QString::fromUtf8(out);
}

// The page sizes pdfinfo reports, in order.
std::vector<QSizeF> pageSizes(const QString &path)
{
    const QString text = pdfinfo(path, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("9999")});
    std::vector<QSizeF> sizes;
    static const QRegularExpression re(QStringLiteral("Page +\\d+ size: +([0-9.]+) x ([0-9.]+) pts"));
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

// A file of the given page sizes, each page with a filled rectangle and a small bitmap.
bool writePages(const QString &path, const std::vector<QSizeF> &pages, PdfFileWriter *keep = nullptr)
{
    PdfFileWriter own(path, kInfo);
    PdfFileWriter &writer = keep ? *keep : own;
    QImage bits(8, 8, QImage::Format_RGB32);
    bits.fill(Qt::white);
    for (int i = 0; i < 8; ++i)
        bits.setPixel(i, i, qRgb(0, 0, 0));
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i == 0 ? !writer.begin(pages[0]) : !writer.newPage(pages[i]))
            return false;
        writer.painter()->fillRect(QRectF(10, 10, 20, 20), Qt::black);
        writer.painter()->drawImage(QRectF(40, 10, 40, 40), bits);
    }
    return writer.finish();
}

// Another's entry of another's sticky folder binds root too, until NoPermissionOverride raises every capability again.
void dropStickyOverride()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    caps[0].effective = ::syscall(SYS_capget, &header, caps) == 0 ? caps[0].effective & ~(1u << CAP_FOWNER) : 0;
    ::syscall(SYS_capset, &header, caps);
}

QStringList folderEntries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(PdfFileWriter, EveryPageBoxIsExact)
{
    struct Case { const char *name; std::vector<QSizeF> pages; };
    const Case cases[] = {
        {"A4 twice", {{595.28, 841.89}, {595.28, 841.89}}},
        {"label pages of their own sizes", {{127.56, 85.04}, {200, 100}, {42.52, 42.52}}},
        {"letter then label", {{612, 792}, {141.73, 70.87}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.PDF"));
        ASSERT_TRUE(writePages(path, c.pages));
        const std::vector<QSizeF> sizes = pageSizes(path);
        ASSERT_EQ(sizes.size(), c.pages.size());
        for (size_t i = 0; i < sizes.size(); ++i) {
            EXPECT_NEAR(sizes[i].width(), c.pages[i].width(), 0.01) << i;
            EXPECT_NEAR(sizes[i].height(), c.pages[i].height(), 0.01) << i;
        }
        EXPECT_EQ(folderEntries(dir.path()), QStringList{QStringLiteral("a.PDF")});
        if (picturetest::haveTool(QStringLiteral("qpdf"))) {
            EXPECT_TRUE(picturetest::runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}));
        }
    }
}

TEST(PdfFileWriter, CarriesTheFiveInformationKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.PDF"));
    ASSERT_TRUE(writePages(path, {{200, 100}}));
    const QString info = pdfinfo(path);
    const std::pair<const char *, QString> keys[] = {{"Title", kInfo.title}, {"Creator", kInfo.creator},
                                                     {"Author", kInfo.author}, {"Subject", kInfo.subject},
                                                     {"Keywords", kInfo.keywords}};
    for (const auto &[key, value] : keys) {
        const QRegularExpression re(QStringLiteral("^%1: +(.*)$").arg(QLatin1String(key)), QRegularExpression::MultilineOption);
        EXPECT_EQ(re.match(info).captured(1).trimmed(), value) << key;
    }
    // The writer's own keys survive the update.
    EXPECT_TRUE(info.contains(QStringLiteral("CreationDate:")));
}

TEST(PdfFileWriter, PicturesAreNotJpeg)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.PDF"));
    ASSERT_TRUE(writePages(path, {{200, 100}}));
    QByteArray out;
    ASSERT_TRUE(picturetest::runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, &out));
    EXPECT_FALSE(out.contains("jpeg"));
    EXPECT_TRUE(out.contains("image"));
}

// The rule of every writer, this one's, writeFileAtomically's and the batch writer's (with and
// without unnamed files, staged for its target or for another name as the exports stage) alike: a
// complete file replaces the old one with its mode (0600; 0640 through the link), a new one and one
// replacing another's (a 6777 file planted there) have a new file's (0644 under the umask 022); a link is written through (its file replaced, the link
// kept; in a sticky folder only the user's, in a group's none, not even the folder owner's); a file this process may
// not write (0444, also for root without its override), a link loop, another's link there and a
// temporary swapped for a link before the commit (also across file systems) are refused with the
// reason, and everything there is kept. Every temporary is created private, and named never wider than its file.
TEST(PdfFileWriter, ACompleteFileReplacesTheOldOne)
{
    enum Kind { Plain, Link, ReadOnly, Loop, New, Planted, TheirsSticky, TheirsShared, MineSticky, OwnersShared, Swapped, SwappedAcross };
    enum Writer { Pdf, Atomic, BatchUnnamed, BatchNamed, StagedUnnamed, StagedNamed };
    const mode_t mask = ::umask(022);
    bool skipped = false;   // another user's link needs root; the row across file systems a /dev/shm of its own
    for (const Writer who : {Pdf, Atomic, BatchUnnamed, BatchNamed, StagedUnnamed, StagedNamed})
        for (int k = Plain; k <= SwappedAcross; ++k) {
            const Kind kind = Kind(k);
            SCOPED_TRACE(testing::Message() << "writer " << who << ", case " << kind);
            QTemporaryDir dir, across(QStringLiteral("/dev/shm/tagora-XXXXXX"));
            const bool viaLink = kind == Link || (kind >= TheirsSticky && kind != Swapped);
            const QString file = (kind == SwappedAcross && across.isValid() ? across : dir).filePath(QStringLiteral("a.PDF"));
            const QString link = dir.filePath(QStringLiteral("link.PDF")), victim = dir.filePath(QStringLiteral("victim"));
            const QByteArray folder = QFile::encodeName(dir.path());
            ASSERT_TRUE(kind == New || picturetest::writeBytes(file, "old"));
            ASSERT_TRUE(picturetest::writeBytes(victim, "victim") && ::chmod(QFile::encodeName(victim).constData(), 0600) == 0);
            ASSERT_TRUE(!viaLink || QFile::link(file, link));
            ASSERT_TRUE(kind != Loop || (QFile::link(dir.filePath("loop.PDF"), link) && QFile::link(link, dir.filePath("loop.PDF"))));
            const mode_t mode = kind == ReadOnly ? 0444 : kind == Plain ? 0600 : kind == New || kind == Planted ? 0644 : 0640;
            ASSERT_TRUE(kind == New || ::chmod(QFile::encodeName(file).constData(), mode) == 0);
            const bool theirs = kind == TheirsSticky || kind == TheirsShared || kind == OwnersShared;   // the link 65534's
            if ((theirs && ::lchown(QFile::encodeName(link).constData(), 65534, gid_t(-1)) != 0)
                || (kind == OwnersShared && ::chown(folder.constData(), 65534, gid_t(-1)) != 0)
                || (kind == Planted && (::chown(QFile::encodeName(file).constData(), 65534, 65534) != 0   // another's 6777 file
                                        || ::chmod(QFile::encodeName(file).constData(), 06777) != 0))
                || (kind == SwappedAcross && QStorageInfo(file) == QStorageInfo(dir.path()))) {
                skipped = true;
                continue;
            }
            const bool sticky = kind == TheirsSticky || kind == MineSticky, group = kind == TheirsShared || kind == OwnersShared;
            // A group's folder: not the user's own private group, which is the user's alone (one 65534 owns is others' anyway).
            ASSERT_TRUE(::chown(folder.constData(), uid_t(-1), kind == TheirsShared ? 65534 : ::getegid()) == 0);
            ASSERT_TRUE(::chmod(folder.constData(), sticky ? 01777 : group ? 02775 : 0700) == 0);
            QString planted;   // a temporary's name, that another user renamed a link to the victim over
            std::string wider;   // a temporary named and readable wider than the file it becomes
            platform::setCommitStepHook([&](const QString &temp) {
                const QByteArray at = QFile::encodeName(temp);
                struct stat t {};
                wider += ::lstat(at.constData(), &t) == 0 && (t.st_mode & 0777 & ~mode) != 0 ? at.toStdString() : "";
                if (kind >= Swapped) {
                    planted = temp;
                    EXPECT_TRUE(QFile::link(victim, temp + "~") && ::rename((at + "~").constData(), at.constData()) == 0);
                }
            });
            std::optional<testsupport::NoPermissionOverride> unprivileged(std::in_place);
            ASSERT_TRUE(unprivileged->ok());
            const QString path = viaLink || kind == Loop ? link : file;
            PdfFileWriter writer(path, kInfo);
            batchfiles::BatchWriter batch;
            batch.setUnnamedFiles(who == BatchUnnamed || who == StagedUnnamed);
            batchfiles::BatchWriter::Staged staged;
            QString why;
            std::optional<testsupport::CreationModes> modes(std::in_place);
            const bool written =
                who == Pdf      ? writePages(path, {{300, 200}}, &writer)
                : who == Atomic ? platform::writeFileAtomically(path, "%PDF", &why)
                : who == BatchUnnamed || who == BatchNamed
                    ? batch.write(path, "%PDF", &why)
                    : batch.stage(dir.filePath(QStringLiteral(".unnamed")), "%PDF", &staged, &why)
                          && (staged.path = path, staged.target = QFile::encodeName(path), batch.commit(staged, &why));
            // Every temporary private from its creation; none made where a refused write is not staged first.
            EXPECT_EQ(modes->report(), written || kind >= Swapped || who >= BatchUnnamed ? "" : "none");
            modes.reset();
            unprivileged.reset();
            platform::setCommitStepHook(nullptr);
            EXPECT_EQ(wider, "");
            ::unlink(QFile::encodeName(planted).constData());
            EXPECT_EQ(written, kind == Plain || kind == Link || kind == New || kind == Planted || kind == MineSticky);
            struct stat st {};
            EXPECT_EQ(::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_mode & 07777 : 0, mode);
            EXPECT_EQ(who == Pdf ? writer.errorString() : why,
                      written                ? QString()
                      : kind >= Swapped      ? QStringLiteral("a.PDF was replaced while it was being saved")
                      : kind >= TheirsSticky ? "link.PDF: " + QString::fromLocal8Bit(std::strerror(EACCES))
                      : kind == Loop         ? "link.PDF: " + QString::fromLocal8Bit(std::strerror(ELOOP))
                                             : QString::fromLocal8Bit(std::strerror(EACCES)));
            QFile f(file), v(victim);
            EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray(), QByteArray(written ? "%PDF" : "old"));
            const bool victimThere = ::stat(QFile::encodeName(victim).constData(), &st) == 0 && v.open(QIODevice::ReadOnly);
            EXPECT_EQ(victimThere ? v.readAll() + ' ' + QByteArray::number(st.st_mode & 0777, 8) : QByteArray(), "victim 600");
            EXPECT_EQ(QFileInfo(link).isSymLink(), viaLink || kind == Loop);
            const qsizetype acrossLeft = kind == SwappedAcross ? folderEntries(across.path()).size() : 0;
            EXPECT_EQ(folderEntries(dir.path()).size() + acrossLeft, viaLink ? 3 : 2);   // loop links are no files
        }
    ::umask(mask);
    if (skipped)
        GTEST_SKIP() << "another user's link needs root, the row across file systems a /dev/shm of its own";
}

// Every writer reaches its file from descriptors and follows a link only by the rule, at every hop (first, middle,
// final): where others may rename entries (a group's folder, another's) none, elsewhere the user's; a link's ".." from
// the folder that holds it. A refused write names the link and leaves the victim (0600) as it was. A folder of the
// user's own group is the user's unless another account has it as its primary group. A name that is not UTF-8 is
// written as it is; a trailing "/" asks for a folder; another's file in another's sticky folder gets no question.
// Written as a user without root's override, the sticky bit's included.
TEST(PdfFileWriter, EveryWriterFollowsALinkOnlyByTheRuleAtEveryHop)
{
    // "d:name[:uid[:mode]]" a folder, "f:..." a file, "l:name>target[:uid]" a link (names percent-encoded), in a folder
    // of mode (a group's: 65534's group; the user's where sharer is set: 0 no other account's, 1 accounts not all read,
    // else that account's primary group too).
    // nfs4: every entry answered as an NFSv4 client answers its ACL: as its mode, with write for that account or group,
    // or ("~") cut short.
    const struct { mode_t mode; const char *entries, *path, *written, *refused; int err = EACCES, sharer = -1; const char *nfs4 = nullptr; } rows[] = {
        {02775, "d:theirs:65534:777 l:theirs/a.PDF>../victim:65534 l:jobs>theirs:65534", "jobs/a.PDF", nullptr, "jobs"},
        {0755, "d:jobs:65534:777 l:jobs/a.PDF>../victim:65534", "jobs/a.PDF", nullptr, "a.PDF"},
        {02775, "l:a.PDF>victim", "a.PDF", nullptr, "a.PDF"},
        {01777, "d:sub l:sub/a.PDF>../victim l:jobs>sub:65534", "jobs/a.PDF", nullptr, "jobs"},
        {01777, "d:sub l:jobs>sub", "jobs/a.PDF", "sub/a.PDF", nullptr},
        {0700, "d:b d:a d:a/deep d:a/deep/x l:b/x>../a/deep/x l:a/deep/x/t.PDF>../y.PDF", "b/x/t.PDF", "a/deep/y.PDF", nullptr},
        {0300, "", "a.PDF", "a.PDF", nullptr},   // a folder the user may write but not read: synced through the file
        {02775, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", "sub/b.PDF", nullptr, EACCES, 0},
        {02775, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, 65534},
        {02775, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, 1},
        {0700, "l:a.PDF>%FF.PDF", "a.PDF", "%FF.PDF", nullptr},
        {0700, "", "new/", nullptr, "", EISDIR},
        {0700, "d:box:65534:1777 f:box/a.PDF:65534:666", "box/a.PDF", nullptr, "", EPERM},
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", "sub/b.PDF", nullptr, EACCES, -1, ""},
        {02775, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", "sub/b.PDF", nullptr, EACCES, 0, "me@example.org"},
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, 65534, "g:GROUP@"},
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, -1, "colleague@example.org"},
        // Append (add a folder), delete a child, write the ACL or the owner alone: others may write; not for descendants only.
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, -1, "colleague@example.org#4"}, {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, -1, "g:staff@example.org#40"},
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, -1, "EVERYONE@#40000"}, {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, -1, "x@example.org#80000"},
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", "sub/b.PDF", nullptr, EACCES, -1, "colleague@example.org#46/8"},
        {0755, "d:sub l:a.PDF>sub/b.PDF", "a.PDF", nullptr, "a.PDF", EACCES, -1, "~"}};
    for (int who = 0; who < 4; ++who)
        for (const auto &r : rows) {
            SCOPED_TRACE(testing::Message() << "writer " << who << " " << r.entries << " " << r.path << " " << r.sharer << " " << (r.nfs4 ? r.nfs4 : "-"));
            QTemporaryDir dir;
            const QString victim = dir.filePath("victim");
            const QByteArray folder = QFile::encodeName(dir.path()) + '/';
            ASSERT_TRUE(picturetest::writeBytes(victim, "victim") && ::chmod(QFile::encodeName(victim).constData(), 0600) == 0);
            bool made = ::chown(folder.constData(), uid_t(-1), r.mode & S_IWGRP && r.sharer < 0 ? 65534 : ::getegid()) == 0;
            for (const QString &entry : QString::fromLatin1(r.entries).split(' ', Qt::SkipEmptyParts)) {
                const QStringList f = entry.mid(2).split(':');
                const QList<QByteArray> link = f[0].toLatin1().split('>');
                const QByteArray at = folder + QByteArray::fromPercentEncoding(link[0]);
                made = made && (entry[0] == 'd' ? ::mkdir(at.constData(), 0777) == 0
                                : entry[0] == 'f' ? picturetest::writeBytes(QFile::decodeName(at), "old")
                                                  : ::symlink(QByteArray::fromPercentEncoding(link.value(1)).constData(), at.constData()) == 0)
                       && (f.size() < 2 || ::lchown(at.constData(), f[1].toUInt(), gid_t(-1)) == 0)
                       && (f.size() < 3 || ::chmod(at.constData(), f[2].toUInt(nullptr, 8)) == 0);
            }
            if (!made || ::chmod(folder.constData(), r.mode) != 0)
                GTEST_SKIP() << "only root gives an entry to another user";
            if (r.sharer >= 0)
                platform::setAccountsSource([&] { return platform::Accounts{r.sharer != 1, "me", ::getegid(), "me", {}, {{::geteuid(), ::getegid()}, {65534, r.sharer > 1 ? ::getegid() : 65534}}}; });
            std::optional<testsupport::Nfs4Acl> nfs4;
            if (r.nfs4)
                nfs4.emplace(dir.path(), *r.nfs4 && *r.nfs4 != '~' ? QByteArrayList{r.nfs4} : QByteArrayList(), *r.nfs4 == '~' ? 2 : 0);
            const QString path = dir.filePath(r.path);
            QString why, unsynced;
            PdfFileWriter writer(path, kInfo);
            batchfiles::BatchWriter batch;
            batch.setUnnamedFiles(who == 3);
            std::optional<testsupport::NoPermissionOverride> unprivileged(std::in_place);
            dropStickyOverride();
            EXPECT_EQ(platform::replaceQuestion(path).toStdString(), "");
            const testsupport::SyncFailure disk(dir.path(), false);   // counts the syncs, fails none
            const bool written = who == 0 ? writePages(path, {{300, 200}}, &writer)
                                 : who == 1 ? platform::writeFileAtomically(path, "%PDF", &why, &unsynced)
                                            : batch.write(path, "%PDF", &why) && batch.finish(&why);
            EXPECT_TRUE(r.mode != 0300 || disk.fileSystemSyncs() > 0) << "the write-only folder unsynced";
            unprivileged.reset();
            platform::setAccountsSource(nullptr);
            nfs4.reset();
            EXPECT_EQ((who == 0 ? writer.errorString() : why).toStdString(),
                      r.refused ? (*r.refused ? r.refused + std::string(": ") : "") + std::strerror(r.err) : "");
            EXPECT_EQ((who == 0 ? writer.unsynced() : unsynced).toStdString(), "");
            const QByteArray out = folder + QByteArray::fromPercentEncoding(r.written ? r.written : "none");
            QFile o, v(victim);
            EXPECT_EQ(written && o.open(::open(out.constData(), O_RDONLY | O_CLOEXEC), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)
                          ? o.read(4) : QByteArray(), r.written ? "%PDF" : "");
            ::unlink(out.constData());   // a name Qt cannot spell, which it could not remove
            struct stat st {};
            EXPECT_EQ(v.open(QIODevice::ReadOnly) && ::stat(QFile::encodeName(victim).constData(), &st) == 0
                          ? v.readAll() + ' ' + QByteArray::number(st.st_mode & 0777, 8) : QByteArray(), "victim 600");
        }
}

// Another's link renamed over the temporary after the last check, just before the rename, takes the file's name: the
// save says so and is no save, for every writer (the batch writer's named road, and its unnamed one over a file). Where
// the rename crosses to another file system (a link of the user's leads there), the file is copied from the file
// written, never from what its temporary's name holds: the save stands.
TEST(PdfFileWriter, ASwapAfterTheLastCheckIsNoSave)
{
    for (int who = 0; who < 5; ++who) {
        QTemporaryDir dir, across(QStringLiteral("/dev/shm/tagora-XXXXXX"));
        const bool crossing = who == 4 && across.isValid() && QStorageInfo(across.path()) != QStorageInfo(dir.path());
        const QString file = (crossing ? across : dir).filePath("a.PDF"), victim = dir.filePath("victim");
        const QString path = crossing ? dir.filePath("link.PDF") : file;
        ASSERT_TRUE(picturetest::writeBytes(file, "old") && picturetest::writeBytes(victim, "victim"));
        ASSERT_TRUE(!crossing || QFile::link(file, path));
        int calls = 0;
        platform::setCommitStepHook([&](const QString &temp) {
            EXPECT_TRUE(++calls != 2 || (QFile::link(victim, temp + "~") && ::rename(QFile::encodeName(temp + "~"), QFile::encodeName(temp)) == 0));
        });
        PdfFileWriter writer(file, kInfo);
        batchfiles::BatchWriter batch;
        batch.setUnnamedFiles(who == 3);
        QString why;
        EXPECT_EQ(who == 0 ? platform::writeFileAtomically(file, "%PDF", &why)
                  : who == 1 ? writePages(file, {{300, 200}}, &writer) : batch.write(path, "%PDF", &why), crossing) << who;
        platform::setCommitStepHook(nullptr);
        EXPECT_EQ(who == 1 ? writer.errorString() : why, crossing ? "" : QStringLiteral("a.PDF was replaced while it was being saved")) << who;
        QFile v(victim), f(file);
        EXPECT_EQ(v.open(QIODevice::ReadOnly) ? v.readAll() : QByteArray(), QByteArray("victim")) << who;
        EXPECT_TRUE(!crossing || (f.open(QIODevice::ReadOnly) && f.readAll() == "%PDF"));
    }
}

TEST(PdfFileWriter, AFolderThatCannotBeWrittenGivesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/a.PDF"));
    PdfFileWriter writer(path, kInfo);
    EXPECT_FALSE(writer.begin({200, 100}));
    EXPECT_FALSE(writer.errorString().isEmpty());
    EXPECT_FALSE(writer.finish());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PdfFileWriter, AFullDiskLeavesTheOldFileAndNoPartialOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.PDF"));
    ASSERT_TRUE(picturetest::writeBytes(path, "old"));
    PdfFileWriter writer(path, kInfo);
    bool finished = true;
    {
        testsupport::FileSizeLimit limit(4096);
        finished = writePages(path, std::vector<QSizeF>(40, QSizeF(595.28, 841.89)), &writer);
    }
    EXPECT_FALSE(finished);
    EXPECT_FALSE(writer.errorString().isEmpty());
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_EQ(folderEntries(dir.path()), QStringList{QStringLiteral("a.PDF")});
    // A file of the user's renamed over the temporary meanwhile is not what the failed write drops.
    PdfFileWriter second(path, kInfo);
    ASSERT_TRUE(second.begin({595.28, 841.89}) && picturetest::writeBytes(dir.filePath("mine"), "mine"));
    const QString temp = dir.filePath(folderEntries(dir.path()).filter(QStringLiteral("tagora")).value(0));
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("mine")), QFile::encodeName(temp)), 0);
    {
        testsupport::FileSizeLimit limit(4096);
        for (int page = 0; page < 400 && second.newPage({595.28, 841.89}); ++page)
            second.painter()->fillRect(QRectF(10, 10, 500, 700), Qt::black);
    }
    QFile mine(temp);
    EXPECT_TRUE(!second.errorString().isEmpty() && mine.open(QIODevice::ReadOnly) && mine.readAll() == "mine");
}

TEST(PdfFileWriter, AnAbandonedFileIsRemoved)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.PDF"));
    {
        PdfFileWriter writer(path, kInfo);
        ASSERT_TRUE(writer.begin({200, 100}));
        writer.painter()->fillRect(QRectF(0, 0, 10, 10), Qt::black);
    }
    EXPECT_TRUE(folderEntries(dir.path()).isEmpty());
}

} // namespace

// As any file renamed into place: 0666 less the umask, or the mode of the file it replaces.
TEST(PdfFileWriter, TheFileGetsTheModeOfANewFile)
{
    const struct { mode_t umask, older, expected; } cases[] = {{022, 0, 0644}, {027, 0, 0640}, {077, 0640, 0640}};
    for (const auto &k : cases) {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("mode.pdf")));
        if (k.older)
            ::close(::open(path.constData(), O_CREAT | O_WRONLY, k.older));
        const mode_t before = ::umask(k.umask);
        ASSERT_TRUE(writePages(QFile::decodeName(path), {QSizeF(100, 50)}));
        ::umask(before);
        struct stat st {};
        ASSERT_EQ(::stat(path.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, k.expected) << std::oct << k.umask << " " << k.older;
    }
}
