// The settings file through QSettings, beyond what ProfileStoreTest.cpp checks of both stores:
// how values and names stand in the file, bad values, corrupt and unreadable files give the
// defaults, and only a regular file is ever read or written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "platform/QSettingsProfileStore.h"

namespace venkora {
namespace {

constexpr std::string_view kMissing = "<fehlt>";

class QSettingsProfileStoreTest : public ::testing::Test {
protected:
    // A new file name for each call: QSettings keeps files it has read in a cache per name.
    QString NewPath() { return dir_.filePath(QString("s%1.conf").arg(++files_)); }

    QString WriteFile(const std::string& bytes) {
        const QString path = NewPath();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir_;
    int files_ = 0;
};

TEST_F(QSettingsProfileStoreTest, IntegersAreUnsignedDecimalTextUnderEscapedNames) {
    const QString path = NewPath();
    QSettingsProfileStore store(path);
    store.WriteInt("OptimierenDlg", "Nur Leerzeilen", 1);
    store.WriteInt("OptimierenDlg", "H\xC3\xB6he", static_cast<std::uint32_t>(-13));
    const QByteArray file = Contents(path);
    EXPECT_TRUE(file.contains("\nNur%20Leerzeilen=1\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("\nH%F6he=4294967283\n")) << file.toStdString();
}

TEST_F(QSettingsProfileStoreTest, NamesAreFoundWithoutRegardToCaseAndKeepTheirSpelling) {
    const QString path = WriteFile("[OptimierenDlg]\nNur%20Leerzeilen=1\nH%F6he=5\n");
    QSettingsProfileStore store(path);
    EXPECT_EQ(store.GetInt("optimierendlg", "NUR LEERZEILEN", 0), 1u);
    EXPECT_EQ(store.GetInt("OPTIMIERENDLG", "H\xC3\x96HE", 0), 5u);
    store.WriteInt("OPTIMIERENDLG", "nur leerzeilen", 0);
    store.WriteString("optimierendlg", "Neu", "n");

    const QByteArray text = Contents(path);
    EXPECT_TRUE(text.startsWith("[OptimierenDlg]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nNur%20Leerzeilen=0\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nNeu=n\n")) << text.toStdString();
    EXPECT_EQ(text.count('['), 1) << text.toStdString();
    EXPECT_FALSE(text.contains("nur") || text.contains("NUR")) << text.toStdString();
    EXPECT_EQ(QSettingsProfileStore(path).GetInt("OPTIMIERENDLG", "NUR LEERZEILEN", 7), 0u);
}

TEST_F(QSettingsProfileStoreTest, UnusableIntegersGiveTheDefault) {
    const QString path =
        WriteFile("[S]\nText=abc\nZuGross=4294967296\nLeer=\nListe=1, 2\nBytes=@ByteArray(1)\n");
    const QSettingsProfileStore store(path);
    for (const char* key : {"Text", "ZuGross", "Leer", "Liste", "Bytes", "Fehlt"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(store.GetInt("S", key, 42), 42u);
    }
}

TEST_F(QSettingsProfileStoreTest, CorruptOrUnreadableFilesGiveDefaults) {
    std::mt19937 random(20240611);
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise += static_cast<char>(random() & 0xFF);
    const QString corrupt = WriteFile(noise);
    const QString folder = dir_.filePath("ordner.conf");
    ASSERT_TRUE(QDir().mkdir(folder));
    QString locked;
    if (geteuid() != 0) {
        locked = WriteFile("[S]\nZahl=1\nText=a\n");
        ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    }
    for (const QString& path : {corrupt, folder, locked}) {
        if (path.isEmpty()) continue;
        SCOPED_TRACE(path.toStdString());
        QSettingsProfileStore store(path);
        EXPECT_EQ(store.GetInt("S", "Zahl", 42), 42u);
        EXPECT_EQ(store.GetString("S", "Text", kMissing), kMissing);
        store.WriteInt("S", "Zahl", 3);  // must not throw or crash, whether it lands or not
        EXPECT_EQ(store.GetInt("S", "Zahl", 42), 3u) << "kept for the run";
    }
}

TEST_F(QSettingsProfileStoreTest, OnlyARegularFileIsReadOrWritten) {
    const QString fifo = dir_.filePath("fifo");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    // A device of its own (the superuser only), so no system device is at stake.
    const QString device = dir_.filePath("zero");
    const bool haveDevice =
        geteuid() == 0 && mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    const QString regular = WriteFile("[S]\nZahl=1\n");
    const QString later = WriteFile("[S]\nZahl=1\n");
    for (const QString& target : {fifo, device, dir_.path()}) {
        if (target == device && !haveDevice) continue;
        SCOPED_TRACE(target.toStdString());
        const QString link = NewPath();
        ASSERT_TRUE(QFile::link(target, link));
        QSettingsProfileStore store(link);
        ASSERT_TRUE(store.readFailure());
        EXPECT_EQ(store.GetInt("S", "Zahl", 42), 42u);
        store.WriteInt("S", "Zahl", 3);
        EXPECT_EQ(store.GetInt("S", "Zahl", 42), 3u) << "kept for the run";
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    }
    EXPECT_EQ(QSettingsProfileStore(regular).readFailure(), std::nullopt);
    struct stat info {};
    ASSERT_EQ(stat(fifo.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    if (haveDevice) {
        ASSERT_EQ(stat(device.toLocal8Bit().constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
    }

    // A file that turns into a FIFO during the run is no longer written (nor read).
    QSettingsProfileStore store(later);
    ASSERT_TRUE(QFile::remove(later));
    ASSERT_EQ(mkfifo(later.toLocal8Bit().constData(), 0644), 0);
    store.WriteInt("S", "Zahl", 5);
    EXPECT_EQ(store.GetInt("S", "Zahl", 42), 5u);
    ASSERT_EQ(stat(later.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(QSettingsProfileStoreTest, TheUsersFileIsWhereQSettingsKeepsIt) {
    const QString config = dir_.filePath("config");
    setenv("XDG_CONFIG_HOME", config.toLocal8Bit().constData(), 1);
    const QString qtPath =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("talberg"),
                  QStringLiteral("Venkora"))
            .fileName();
    const QString path =
        QSettingsProfileStore::UserFilePath(QStringLiteral("talberg"), QStringLiteral("Venkora"));
    EXPECT_EQ(path, qtPath);
    EXPECT_EQ(qtPath, config + QStringLiteral("/talberg/Venkora.conf"));

    // The folder is made with the first value written.
    QSettingsProfileStore(path).WriteInt("S", "Zahl", 7);
    EXPECT_EQ(QSettingsProfileStore(path).GetInt("S", "Zahl", 0), 7u);
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace venkora
