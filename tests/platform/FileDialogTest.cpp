// The open and save dialogs list a folder without opening a file in it: icons and types come
// from the names alone, so a file whose reading blocks cannot stop the program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>

#include "platform/UserPrompts.h"

namespace venkora {
namespace {

// The names of the files in the watched folder that were opened since the last call.
std::string OpenedFiles(int watch) {
    std::string names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length; (length = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (!(event->mask & IN_ISDIR) && event->len > 0) names.append(event->name).append(" ");
            at += sizeof(inotify_event) + event->len;
        }
    }
    return names;
}

TEST(FileDialogs, ListAFolderWithoutOpeningItsFiles) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    // Files only their contents would tell apart.
    std::ofstream(QDir(folder).filePath("daten").toStdString()) << "%PDF-1.4\n";
    std::ofstream(QDir(folder).filePath("skript").toStdString()) << "#!/bin/sh\necho Hallo\n";
    std::ofstream(QDir(folder).filePath("brief.txt").toStdString()) << "Hallo\n";
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, folder.toLocal8Bit().constData(), IN_OPEN), 0);

    const std::function<void()> dialogs[] = {
        [] { AskOpenFileName(nullptr); },
        [&folder] { AskSaveFileName(nullptr, QDir(folder).filePath("neu.txt")); },
    };
    for (const auto& ask : dialogs) {
        bool listed = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (QWidget* other = QApplication::activeModalWidget()) other->close();
                return;
            }
            dialog->setDirectory(folder);  // as typed into the name field
            auto* model = dialog->findChild<QFileSystemModel*>();
            listed = model && QTest::qWaitFor([&] { return model->rowCount(model->index(folder)) == 3; }, 20000);
            dialog->reject();
        });
        ask();
        EXPECT_TRUE(listed);
        EXPECT_EQ(OpenedFiles(watch), "");
    }
    close(watch);
}

}  // namespace
}  // namespace venkora
