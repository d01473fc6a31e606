// New, open, save and save as on the one document, the save question, the window title and the
// recent-file list, through the commands as the menus and keys issue them.

#include <QMimeData>
#include <QtTest/QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "AppFixture.h"
#include "resources/CommandIds.h"

namespace venkora::test {
namespace {

using namespace std::string_literals;

class DocumentFlowTest : public AppFixture {};

TEST_F(DocumentFlowTest, StartsWithAnUntitledUnmodifiedDocument) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Unbenannt - Venkora"));
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(view().GetTextLength(), 0u);
}

TEST_F(DocumentFlowTest, OpensTheFileNamedOnTheCommandLine) {
    WriteFile(Path("brief.txt"), "Sehr geehrte\r\nDamen\0"s);
    ASSERT_TRUE(Start({Path("brief.txt").toStdString()}));
    EXPECT_EQ(Text(), "Sehr geehrte\r\nDamen\0"s);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("brief.txt - Venkora"));
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(DocumentFlowTest, AMissingFileOnTheCommandLineEndsTheStart) {
    EXPECT_FALSE(Start({Path("fehlt/fehlt.txt").toStdString()}));  // in a folder that is not there
    EXPECT_EQ(messages, QStringList{QStringLiteral("„fehlt.txt“ kann nicht geöffnet werden.\n"
                                                   "Datei nicht gefunden.")});
    EXPECT_EQ(app->mainFrame(), nullptr);
}

// "+N": the caret at the start of line N as the view counts lines, or of the last line, and the
// line in the middle of the window once painted, as far as the text allows.
TEST_F(DocumentFlowTest, APlusLineOnTheCommandLinePutsTheCaretOnThatLine) {
    std::string text;
    const char* const ends[] = {"\n", "\r", "\r\n"};
    for (int line = 1; line <= 400; ++line) text += "Zeile " + std::to_string(line) + ends[line % 3];
    WriteFile(Path("lang.txt"), text);
    const std::pair<const char*, std::size_t> rows[] = {{"+1", 0}, {"+301", text.find("Zeile 301\r")},
        {"+200", text.find("Zeile 200\r\n")}, {"+999", text.size()}, {"+", text.size()}};
    for (const auto& [argument, lineStart] : rows) {
        ASSERT_TRUE(Start({argument, Path("lang.txt").toStdString()}));
        EXPECT_EQ(view().GetSelectionRange(), std::make_pair(lineStart, lineStart)) << argument;
        frame().grab();  // paints
        const long line = view().SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, lineStart);
        const long shown = view().SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
        const long lastTop = view().SendScintilla(QsciScintilla::SCI_GETLINECOUNT) - shown;
        EXPECT_EQ(view().SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE),
                  std::clamp(line - shown / 2, 0L, lastTop));
        Stop();
    }
}

// Dropped files open as opened ones (save question first), as a copy, the first local one; text stays text.
TEST_F(DocumentFlowTest, DroppedFilesOpenAsOpenedOnesAndDroppedTextStaysText) {
    const std::string folder = dir.path().toStdString() + "/";
    for (const char* name : {"\xe4.txt", "b.txt"}) std::ofstream(folder + name) << name;
    const auto url = [&folder](const char* name) { return QUrl::fromEncoded(("file://" + folder + name).c_str()); };
    ASSERT_TRUE(Start());
    Type(QStringLiteral("Entwurf"));
    saveAnswers = {SaveAnswer::Cancel, SaveAnswer::No};
    const std::pair<QList<QUrl>, std::string> rows[] = {  // dropped files (none: the text "+"), text afterwards
        {{url("b.txt")}, "Entwurf"},
        {{QUrl(QStringLiteral("https://example.org/a.txt")), url("%E4.txt"), url("b.txt")}, "\xe4.txt"},
        {{}, "+\xe4.txt"},
    };
    for (const auto& [urls, after] : rows) {
        QMimeData data;
        urls.isEmpty() ? data.setText(QStringLiteral("+")) : data.setUrls(urls);
        QDragEnterEvent enter({1, 1}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QDropEvent drop({1, 1}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view().viewport(), &enter);
        QApplication::sendEvent(view().viewport(), &drop);
        QCoreApplication::processEvents();
        EXPECT_TRUE(urls.isEmpty() || drop.dropAction() == Qt::CopyAction);
        EXPECT_EQ(Text(), after);
    }
    EXPECT_EQ(app->recentFiles().entries(), std::vector<std::string>{folder + "\xe4.txt"});
    unlink((folder + "\xe4.txt").c_str());  // a name QTemporaryDir cannot remove
}

TEST_F(DocumentFlowTest, NewAsksOnlyAboutAModifiedText) {
    ASSERT_TRUE(Start());
    view().ReplaceSelection("Entwurf", true);
    ASSERT_TRUE(doc().IsModified());

    saveAnswers = {SaveAnswer::Cancel};
    Execute(kIdFileNew);
    EXPECT_EQ(Text(), "Entwurf");  // cancelled: the text stays
    EXPECT_EQ(questions, QStringList{QStringLiteral("Unbenannt")});

    saveAnswers = {SaveAnswer::No};
    Execute(kIdFileNew);
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(doc().IsModified());

    questions.clear();
    Execute(kIdFileNew);  // not modified: no question
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(DocumentFlowTest, AnsweringYesSavesFirst) {
    ASSERT_TRUE(Start());
    view().ReplaceSelection("Notiz", true);
    saveAnswers = {SaveAnswer::Yes};
    saveAsAnswers = {Path("notiz.txt")};
    Execute(kIdFileNew);
    EXPECT_EQ(ReadFile(Path("notiz.txt")), "Notiz");
    EXPECT_EQ(Text(), "");

    // Yes, but the save dialog is cancelled: nothing happens.
    view().ReplaceSelection("Noch eine", true);
    saveAnswers = {SaveAnswer::Yes};
    saveAsAnswers = {QString()};
    Execute(kIdFileNew);
    EXPECT_EQ(Text(), "Noch eine");
}

TEST_F(DocumentFlowTest, OpenSaveAndSaveAsKeepEveryByte) {
    const std::string bytes = "eins\ntwo\rdrei\r\n\x80\xff\0"s;
    WriteFile(Path("quelle.txt"), bytes);
    ASSERT_TRUE(Start());
    openAnswers = {Path("quelle.txt")};
    Execute(kIdFileOpen);
    EXPECT_EQ(Text(), bytes);

    saveAsAnswers = {Path("kopie")};  // no extension is appended
    Execute(kIdFileSaveAs);
    EXPECT_EQ(ReadFile(Path("kopie")), bytes);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("kopie - Venkora"));

    view().SetSelection(0, 0);
    view().ReplaceSelection("+", true);
    ASSERT_TRUE(doc().IsModified());
    Execute(kIdFileSave);
    EXPECT_EQ(ReadFile(Path("kopie")), "+" + bytes);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(ReadFile(Path("quelle.txt")), bytes);
}

TEST_F(DocumentFlowTest, AFailedOpenLeavesTextAndFlag) {
    ASSERT_TRUE(Start());
    view().ReplaceSelection("ungespeichert", true);
    saveAnswers = {SaveAnswer::No};
    openAnswers = {dir.path()};  // a folder
    Execute(kIdFileOpen);
    EXPECT_EQ(Text(), "ungespeichert");
    EXPECT_TRUE(doc().IsModified());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().endsWith(QStringLiteral(" kann nicht geöffnet werden.\n"
                                                         "Ist ein Verzeichnis.")));
}

TEST_F(DocumentFlowTest, OnlyRegularFilesAreOpenedOrReplaced) {
    const std::string fifo = Path("fifo").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    ASSERT_TRUE(QFile::link(Path("fifo"), Path("zur-fifo")));
    // A device of its own (the superuser only), so no system device is at stake.
    const bool device = geteuid() == 0 && mknod(Path("null").toLocal8Bit().constData(),
                                                S_IFCHR | 0666, makedev(1, 3)) == 0;
    ASSERT_TRUE(Start());
    view().ReplaceSelection("ungespeichert", true);
    for (const char* name : {"fifo", "zur-fifo", "null"}) {
        if (std::string_view(name) == "null" && !device) continue;
        SCOPED_TRACE(name);
        messages.clear();
        saveAnswers = {SaveAnswer::No};
        openAnswers = {Path(name)};
        Execute(kIdFileOpen);
        saveAsAnswers = {Path(name)};
        Execute(kIdFileSaveAs);
        const QString what = QStringLiteral("„%1“ kann nicht %2 werden.\nIst keine gewöhnliche Datei.");
        EXPECT_EQ(messages, (QStringList{what.arg(QString::fromUtf8(name), QStringLiteral("geöffnet")),
                                         what.arg(QString::fromUtf8(name), QStringLiteral("gespeichert"))}));
        EXPECT_EQ(Text(), "ungespeichert");
        EXPECT_TRUE(doc().IsModified());
    }
    struct stat info {};
    ASSERT_EQ(stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFileInfo(Path("zur-fifo")).isSymLink());
    if (device) {
        ASSERT_EQ(lstat(Path("null").toLocal8Bit().constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
    }
}

TEST_F(DocumentFlowTest, TheRecentListKeepsFourNewestFirstAndDropsVanishedFiles) {
    ASSERT_TRUE(Start());
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
        WriteFile(Path(name), name);
        openAnswers = {Path(name)};
        Execute(kIdFileOpen);
    }
    openAnswers = {Path("c.txt")};
    Execute(kIdFileOpen);
    const std::vector<std::string> expected = {Path("c.txt").toStdString(), Path("e.txt").toStdString(),
                                               Path("d.txt").toStdString(), Path("b.txt").toStdString()};
    EXPECT_EQ(app->recentFiles().entries(), expected);

    EXPECT_TRUE(Execute(kIdFileMruFirst + 2));  // d.txt
    EXPECT_EQ(Text(), "d.txt");
    QFile::remove(Path("b.txt"));
    Execute(kIdFileMruFirst + 3);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(app->recentFiles().entries().size(), 3u);
    EXPECT_EQ(Text(), "d.txt");

    Stop();
    ASSERT_TRUE(Start());  // the list survives the run
    EXPECT_EQ(app->recentFiles().entries().size(), 3u);
    EXPECT_EQ(app->recentFiles().entries().front(), Path("d.txt").toStdString());
}

TEST_F(DocumentFlowTest, OptimizeStaysEnabledAfterNewOpenAndSave) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame().router().IsEnabled(kIdOptimize));
    WriteFile(Path("x.txt"), "x");
    openAnswers = {Path("x.txt")};
    Execute(kIdFileOpen);
    Execute(kIdFileSave);
    EXPECT_TRUE(frame().router().IsEnabled(kIdOptimize));
}

// Another program writes other bytes into the open file ('w'), puts a file of the same size and
// time in its place ('r') or deletes it ('d'); then Ctrl+S or not, and the window becomes
// active twice (and once while a question shows).
TEST_F(DocumentFlowTest, AFileChangedElsewhereIsReloadedOrOverwrittenOnlyWhenTheUserSaysSo) {
    using Q = ChangedFileQuestion;
    struct Row { char change; bool typed; unsigned command; bool answer; std::vector<Q> asked; std::string editor, disk; };
    const Row rows[] = {
        {'w', false, 0, true, {Q::Reload}, "Neu von außen\n", "Neu von außen\n"},
        {'w', false, 0, false, {Q::Reload}, "Alt\n", "Neu von außen\n"},
        {'r', true, 0, true, {Q::ReloadLosingChanges}, "Neu\n", "Neu\n"},
        {'r', true, 0, false, {Q::ReloadLosingChanges}, "+Alt\n", "Neu\n"},
        {'d', true, 0, true, {}, "+Alt\n", ""},
        {'w', true, kIdFileSave, false, {Q::SaveAnyway, Q::ReloadLosingChanges}, "+Alt\n", "Neu von außen\n"},
        {'r', true, kIdFileSave, true, {Q::SaveAnyway}, "+Alt\n", "+Alt\n"},
        {'d', true, kIdFileSave, true, {}, "+Alt\n", "+Alt\n"},
    };
    const QString file = Path("brief.txt");
    const std::string path = file.toStdString(), other = path + ".neu";
    ASSERT_TRUE(Start());
    QEvent activation(QEvent::WindowActivate);
    const auto activate = [&] { QCoreApplication::sendEvent(&frame(), &activation), QCoreApplication::processEvents(); };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.disk + " after " + row.change);
        WriteFile(file, "Alt\n");
        saveAnswers = {SaveAnswer::No};
        openAnswers = {file};
        Execute(kIdFileOpen);
        if (row.typed) view().ReplaceSelection("+", true);
        const timespec times[2] = {TemporaryDirectory::Status(path).st_atim, TemporaryDirectory::Status(path).st_mtim};
        WriteFile(row.change == 'w' ? file : file + ".neu", row.change == 'w' ? "Neu von außen\n" : "Neu\n");
        ASSERT_TRUE(row.change != 'r' || (utimensat(AT_FDCWD, other.c_str(), times, 0) == 0 &&
                                          std::rename(other.c_str(), path.c_str()) == 0));
        if (row.change == 'd') QFile::remove(file);
        changedFileQuestions.clear();
        changedFileAnswer = [&](Q) { return activate(), row.answer; };
        if (row.command) Execute(row.command);
        activate();
        activate();
        EXPECT_EQ(changedFileQuestions, row.asked);
        EXPECT_EQ(Text(), row.editor);
        EXPECT_EQ(QFile::exists(file) ? ReadFile(file) : "", row.disk);
        EXPECT_EQ(doc().IsModified(), row.typed && row.editor != row.disk);
    }
}

// A project's .editorconfig holds for the documents of its files only: Enter's line end and the
// shown tab width while one is shown, the text brought to it at each save as one step that undo
// takes back, the caret on its line; a new document and the stored settings know nothing of it.
TEST_F(DocumentFlowTest, AProjectsEditorConfigHoldsForItsOwnDocumentsOnly) {
    WriteFile(Path(".editorconfig"), "root = true\n[*.txt]\nend_of_line = crlf\ntab_width = 3\n"
                                     "trim_trailing_whitespace = true\ninsert_final_newline = true\n"
                                     "[kaputt/*]\nindent_size = 2\n");
    QDir(dir.path()).mkdir(QStringLiteral("kaputt"));
    WriteFile(Path("kaputt/.editorconfig"), "[*.txt\n");
    WriteFile(Path("brief.txt"), "eins\nzwei \t\ndrei");
    WriteFile(Path("kaputt/notiz.txt"), "a \n");
    ASSERT_TRUE(Start());
    const int settingsTabWidth = view().GetTabStopWidth();

    openAnswers = {Path("brief.txt")};
    Execute(kIdFileOpen);
    EXPECT_EQ(view().lineEnd(), LineEndKind::CrLf);
    EXPECT_EQ(view().GetTabStopWidth(), 3 * 4);
    view().SetSelection(11, 11);  // behind "zwei \t"
    Execute(kIdFileSave);
    EXPECT_EQ(ReadFile(Path("brief.txt")), "eins\r\nzwei\r\ndrei\r\n");
    EXPECT_EQ(view().GetSelectionRange(), (std::pair<std::size_t, std::size_t>(10, 10)));  // behind "zwei"
    EXPECT_EQ(frame().MessageText(), QStringLiteral("Vor dem Speichern nach .editorconfig angepasst: "
                                                    "trim_trailing_whitespace, end_of_line, insert_final_newline."));
    Execute(kIdEditUndo);
    EXPECT_EQ(Text(), "eins\nzwei \t\ndrei");
    EXPECT_TRUE(doc().IsModified());

    saveAnswers = {SaveAnswer::No};
    Execute(kIdFileNew);
    EXPECT_EQ(view().lineEnd(), LineEndKind::Lf);
    EXPECT_EQ(view().GetTabStopWidth(), settingsTabWidth);
    view().ReplaceSelection("neu ", true);
    saveAsAnswers = {Path("neu.txt")};
    Execute(kIdFileSaveAs);
    EXPECT_EQ(ReadFile(Path("neu.txt")), "neu\r\n");
    EXPECT_EQ(view().lineEnd(), LineEndKind::CrLf);

    // An .editorconfig that cannot be read: the file is loaded and saved as it is, and the
    // message pane says why.
    openAnswers = {Path("kaputt/notiz.txt")};
    Execute(kIdFileOpen);
    Execute(kIdFileSave);
    EXPECT_EQ(ReadFile(Path("kaputt/notiz.txt")), "a \n");
    EXPECT_EQ(view().GetTabStopWidth(), settingsTabWidth);
    EXPECT_TRUE(frame().MessageText().contains(QStringLiteral("Zeile 1"))) << frame().MessageText().toStdString();

    Stop();
    EXPECT_EQ(profile.GetInt("Einstellungen", "TabStops", 0), 0u);  // not stored

    // A file named on the command line that is not there yet belongs to its project too.
    ASSERT_TRUE(Start({Path("spaeter.txt").toStdString()}));
    EXPECT_EQ(view().lineEnd(), LineEndKind::CrLf);
    EXPECT_EQ(view().GetTabStopWidth(), 3 * 4);
}

}  // namespace
}  // namespace venkora::test
