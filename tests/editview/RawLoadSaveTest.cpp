// Loading files into the view and saving them back, byte for byte, with the size limit, the
// failures and a save that never damages the old file.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

#include "EditViewFixture.h"
#include "core/ArchiveException.h"
#include "core/UserException.h"

namespace venkora::test {
namespace {

using namespace std::string_literals;

class RawLoadSaveTest : public EditViewFixture {
protected:
    QString PathOf(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    static void WriteFile(const QString& path, const std::string& bytes) {
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    }
    static std::string ReadFile(const QString& path) {
        std::ifstream in(path.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void Open(const QString& path) {
        Archive::LoadFile(path, [this](Archive& archive) { view->SerializeRawText(archive); });
    }
    void Save(const QString& path) {
        Archive::StoreFile(path, [this](Archive& archive) { view->SerializeRawText(archive); });
    }

    QTemporaryDir dir;
};

TEST_F(RawLoadSaveTest, FilesComeBackByteForByte) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    const std::string files[] = {
        "",
        "eins\ntwo\nthree\n",
        "cr\ronly\r",
        "mixed\r\nends\nand\rmore\n\r",
        "Gr\xfc\xdf\x65 \x80\x84\x93 \xff",
        "NUL\0inside\0\0and at the end\0"s,
        allBytes,
        std::string(CEditViewPlus::kTextLimit, 'x'),
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes.substr(0, 20));
        WriteFile(PathOf("in.txt"), bytes);
        Open(PathOf("in.txt"));
        EXPECT_EQ(Text(), bytes);
        EXPECT_FALSE(document.IsModified());
        Save(PathOf("out.txt"));
        EXPECT_EQ(ReadFile(PathOf("out.txt")), bytes);
    }
}

TEST_F(RawLoadSaveTest, AFileOverTheLimitIsRefusedAndTheTextStays) {
    Load("bisher");
    WriteFile(PathOf("big.txt"), std::string(CEditViewPlus::kTextLimit + 1, 'x'));
    EXPECT_THROW(Open(PathOf("big.txt")), UserException);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("zu groß"))) << messages.front().toStdString();
    EXPECT_TRUE(messages.front().contains(QStringLiteral("1.048.575")));
    EXPECT_EQ(Text(), "bisher");
}

TEST_F(RawLoadSaveTest, ShortReadsAndBadLengthsAreArchiveErrors) {
    Load("bisher");
    QByteArray data("\x05\x00\x00\x00" "abc", 7);  // a length of 5, but only 3 bytes follow
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Archive shortArchive(buffer, Archive::Mode::Load);
    try {
        view->SerializeWithLength(shortArchive);
        FAIL() << "no exception";
    } catch (const ArchiveException& e) {
        EXPECT_EQ(e.kind(), ArchiveException::Kind::EndOfFile);
    }
    EXPECT_EQ(Text(), "bisher");

    QByteArray tooLong("\x00\x00\x10\x00", 4);  // 1,048,576
    QBuffer tooLongBuffer(&tooLong);
    tooLongBuffer.open(QIODevice::ReadOnly);
    Archive tooLongArchive(tooLongBuffer, Archive::Mode::Load);
    try {
        view->SerializeWithLength(tooLongArchive);
        FAIL() << "no exception";
    } catch (const ArchiveException& e) {
        EXPECT_EQ(e.kind(), ArchiveException::Kind::BadIndex);
    }
    EXPECT_EQ(Text(), "bisher");
}

TEST_F(RawLoadSaveTest, TheLengthPrefixedFormRoundTrips) {
    Load("a\0b\r\n"s);
    QByteArray data;
    QBuffer out(&data);
    out.open(QIODevice::WriteOnly);
    Archive store(out, Archive::Mode::Store);
    view->SerializeWithLength(store);
    EXPECT_EQ(data, QByteArray("\x05\x00\x00\x00" "a\0b\r\n", 9));

    view->ClearText();
    QBuffer in(&data);
    in.open(QIODevice::ReadOnly);
    Archive load(in, Archive::Mode::Load);
    view->SerializeWithLength(load);
    EXPECT_EQ(Text(), "a\0b\r\n"s);
}

TEST_F(RawLoadSaveTest, OpeningReportsWhyInGerman) {
    const auto reason = [this](const QString& path) {
        try {
            Open(path);
        } catch (const ArchiveException& e) {
            return e.reason();
        }
        return std::string("opened");
    };
    EXPECT_EQ(reason(PathOf("missing.txt")), "Datei nicht gefunden");
    EXPECT_EQ(reason(dir.path()), "ist ein Verzeichnis");
}

TEST_F(RawLoadSaveTest, SavingKeepsPermissionsAndWritesThroughALink) {
    WriteFile(PathOf("target.txt"), "alt");
    ASSERT_EQ(chmod(PathOf("target.txt").toLocal8Bit().constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(PathOf("target.txt"), PathOf("link.txt")));
    Load("neu");
    Save(PathOf("link.txt"));
    EXPECT_TRUE(QFileInfo(PathOf("link.txt")).isSymLink());
    EXPECT_EQ(ReadFile(PathOf("target.txt")), "neu");
    struct stat info {};
    ASSERT_EQ(stat(PathOf("target.txt").toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no leftovers
}

TEST_F(RawLoadSaveTest, SavingKeepsTheOwnerAndTheOtherHardLinks) {
    const QString single = PathOf("single.txt");
    const QString linked = PathOf("linked.txt");
    WriteFile(single, "alt");
    WriteFile(linked, "alt");
    ASSERT_EQ(link(linked.toLocal8Bit().constData(), PathOf("second.txt").toLocal8Bit().constData()), 0);
    ASSERT_EQ(chmod(single.toLocal8Bit().constData(), 0640), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(single.toLocal8Bit().constData(), 65534, 65534), 0);
    }
    struct stat before[2] {};
    ASSERT_EQ(stat(single.toLocal8Bit().constData(), &before[0]), 0);
    ASSERT_EQ(stat(linked.toLocal8Bit().constData(), &before[1]), 0);
    Load("neu");
    Save(single);
    Save(linked);
    struct stat after[2] {};
    ASSERT_EQ(stat(single.toLocal8Bit().constData(), &after[0]), 0);
    ASSERT_EQ(stat(linked.toLocal8Bit().constData(), &after[1]), 0);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(after[i].st_uid, before[i].st_uid);
        EXPECT_EQ(after[i].st_gid, before[i].st_gid);
        EXPECT_EQ(after[i].st_mode, before[i].st_mode);
    }
    EXPECT_EQ(after[1].st_ino, before[1].st_ino);
    EXPECT_EQ(ReadFile(PathOf("second.txt")), "neu") << "the other name sees the change";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);  // no leftovers
}

TEST_F(RawLoadSaveTest, AFileThatTellsNoSizeIsReadToItsEnd) {
    const QString path = QStringLiteral("/proc/version");  // its size shows as 0
    const std::string expected = ReadFile(path);
    ASSERT_FALSE(expected.empty());
    Open(path);
    EXPECT_EQ(Text(), expected);
}

TEST_F(RawLoadSaveTest, AFailedSaveLeavesTheOldFileWhole) {
    const std::string old = "der alte Inhalt";
    WriteFile(PathOf("keep.txt"), old);
    Load(std::string(200000, 'n'));

    // A full disk, made with the file-size limit: writes beyond 64 KiB fail.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 65536;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string reason;
    try {
        Save(PathOf("keep.txt"));
    } catch (const ArchiveException& e) {
        reason = e.reason();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadFile(PathOf("keep.txt")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(view->GetTextLength(), 200000u);
}

// A file its user may write, in a folder the user may not: saving fails and the file stays.
// The superuser may write into any folder, so it saves as an ordinary user there.
TEST_F(RawLoadSaveTest, SavingIntoAReadOnlyFolderFailsAndKeepsTheFile) {
    constexpr uid_t kNobody = 65534;
    const QByteArray keep = PathOf("keep.txt").toLocal8Bit();
    WriteFile(PathOf("keep.txt"), "alt");
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
    Load("neu");
    const auto saveFails = [this] {
        try {
            Save(PathOf("keep.txt"));
        } catch (const ArchiveException&) {
            return true;
        }
        return false;
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(saveFails());
    } else {
        ASSERT_EQ(chown(keep.constData(), kNobody, kNobody), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
            _exit(saveFails() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    chmod(dir.path().toLocal8Bit().constData(), 0755);
    EXPECT_EQ(ReadFile(PathOf("keep.txt")), "alt");
}

}  // namespace
}  // namespace venkora::test
