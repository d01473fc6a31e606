// Unsaved text kept against a crash: written while there is any, gone once saved or given up;
// left over from an editor that ended without saving, it is offered at the next start.

#include <sys/wait.h>
#include <unistd.h>

#include <QtTest/QTest>

#include <algorithm>

#include "AppFixture.h"
#include "core/RecoveryFolder.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

class RecoveryTest : public AppFixture {
protected:
    RecoveryFolder Folder() const { return RecoveryFolder(dir.filePath(QStringLiteral("state/venkora")).toStdString()); }
    // This run's recovery file, or nullopt when there is none.
    std::optional<RecoveryFile> Own() const {
        if (access(Folder().OwnFile().c_str(), F_OK) != 0) return std::nullopt;
        return RecoveryFile::Parse(TemporaryDirectory::Read(Folder().OwnFile()));
    }
};

TEST_F(RecoveryTest, UnsavedTextIsKeptUntilItIsSavedOrGivenUp) {
    const QString file = Path("brief.txt");
    WriteFile(file, "Hallo\n");
    ASSERT_TRUE(Start({file.toStdString()}));
    view().SetSelection(6, 6);
    Type(QStringLiteral("Welt"));
    EXPECT_FALSE(Own()) << "not at once while typing";
    // Two seconds after the last change.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Own().has_value(); }, 10000));
    const RecoveryFile kept = *Own();
    EXPECT_EQ(kept.text, "Hallo\nWelt");
    EXPECT_EQ(kept.path, file.toStdString());
    EXPECT_EQ(kept.identity, doc().fileIdentity());
    EXPECT_EQ(kept.process, ProcessIdentity::Current());

    Execute(kIdFileSave);
    EXPECT_FALSE(Own()) << "saved: nothing unsaved is left";
    Type(QStringLiteral("!"));
    app->KeepUnsavedTextNow();  // as at a termination signal: at once
    EXPECT_EQ(Own()->text, "Hallo\nWelt!");
    saveAnswers = {SaveAnswer::No};
    Stop();
    EXPECT_FALSE(Own()) << "given up at the save question";

    ASSERT_TRUE(Start());  // a new document has no path
    Type(QStringLiteral("neu"));
    app->KeepUnsavedTextNow();
    EXPECT_EQ(Own()->path, "");
    EXPECT_EQ(Own()->text, "neu");
}

// Each left over file is offered in turn: Nein puts it aside for a week, Abbrechen keeps it,
// a damaged one is put aside and named; Ja shows its text as the unsaved document of its file,
// which saving writes there, and ends the offers.
TEST_F(RecoveryTest, LeftoversAreOfferedOneByOne) {
    const RecoveryFolder folder = Folder();
    ASSERT_FALSE(folder.Write(RecoveryFile{}));  // makes the folder
    folder.RemoveOwn();
    const pid_t child = fork();
    if (child == 0) _exit(0);
    RecoveryFile crashed;
    crashed.process = ProcessIdentity{child, 1};
    waitpid(child, nullptr, 0);
    crashed.path = Path("notiz.txt").toStdString();
    crashed.text = "ungesichert\r\n";
    const auto leave = [&](const char* name, const std::string& bytes) {
        WriteFile(QString::fromStdString(folder.path() + "/" + name), bytes);
    };
    leave("1-1.wiederherstellung", crashed.Format());
    leave("2-2.wiederherstellung", crashed.Format().substr(0, 30));

    restoreAnswers = {SaveAnswer::Cancel};
    ASSERT_TRUE(Start());
    EXPECT_EQ(restoreQuestions, QStringList{QStringLiteral("notiz.txt")});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("2-2.wiederherstellung-beschaedigt"))) << messages.front().toStdString();
    Stop();

    restoreAnswers = {SaveAnswer::Yes};
    ASSERT_TRUE(Start());
    EXPECT_EQ(Text(), crashed.text);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(doc().GetPathName(), Path("notiz.txt"));
    EXPECT_EQ(Own()->text, crashed.text) << "kept as this run's own";
    Execute(kIdFileSave);
    EXPECT_EQ(ReadFile(Path("notiz.txt")), crashed.text);
    Stop();

    leave("1-1.wiederherstellung", crashed.Format());
    restoreAnswers = {SaveAnswer::No};
    restoreQuestions.clear();
    ASSERT_TRUE(Start());
    Stop();
    std::vector<std::string> left;
    for (const RecoveryFolder::Entry& entry : folder.Entries()) left.push_back(entry.name);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"1-1.wiederherstellung-verworfen"}));
    EXPECT_EQ(restoreQuestions.size(), 1);
}

// Ja restores a text in the code page it was edited in, whatever its bytes suggest; a text the
// editor cannot take is said, and its file stays for another try.
TEST_F(RecoveryTest, ARestoredTextKeepsItsCodePageAndOneTooLargeStays) {
    const RecoveryFolder folder = Folder();
    ASSERT_FALSE(folder.Write(RecoveryFile{}));  // makes the folder
    folder.RemoveOwn();
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    RecoveryFile crashed;
    crashed.process = ProcessIdentity{child, 1};
    crashed.text = "ASCII only\n";
    const std::string leftover = folder.path() + "/1-1.wiederherstellung";
    for (const CodePage::Kind kind : {CodePage::Kind::Utf8, CodePage::Kind::Windows1252}) {
        crashed.codePage = kind;
        WriteFile(QString::fromStdString(leftover), crashed.Format());
        restoreAnswers = {SaveAnswer::Yes};
        ASSERT_TRUE(Start());
        EXPECT_EQ(Text(), crashed.text);
        EXPECT_EQ(view().codePage().kind(), kind);
        EXPECT_EQ(Own()->codePage, kind);
        Stop();
    }

    crashed.text.assign(CEditViewPlus::kTextLimit + 1, 'x');
    WriteFile(QString::fromStdString(leftover), crashed.Format());
    restoreAnswers = {SaveAnswer::Yes};
    messages.clear();
    ASSERT_TRUE(Start());
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(access(leftover.c_str(), F_OK), 0) << "kept for another try";
}

}  // namespace
}  // namespace venkora::test
