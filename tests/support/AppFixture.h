#pragma once
// The whole application in the test process: started with a settings store in memory, the
// user's answers to dialogs given by the test, message boxes recorded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <deque>
#include <functional>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CQuendelApp.h"
#include "app/CQuendelDoc.h"
#include "app/CQuendelView.h"
#include "frame/CMainFrame.h"
#include "core/MemoryProfileStore.h"
#include "platform/MessageBox.h"
#include "platform/UserPrompts.h"
#include "TemporaryDirectory.h"

namespace venkora::test {

// Whether text in `font` stands in columns, measured on the font drawn here (Qt's fixed-pitch
// flag misses some monospace fonts): ten narrow letters take the room of ten wide ones.
inline bool ColumnsLineUp(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QString(10, QLatin1Char('i'))) ==
           metrics.horizontalAdvance(QString(10, QLatin1Char('W')));
}

class AppFixture : public testing::Test {
protected:
    AppFixture() {
        SetMessageBoxSeam([this](const QString& text) { messages << text; });
        UserPromptSeams seams;
        seams.openFileName = [this]() -> std::optional<QString> { return Next(openAnswers); };
        seams.saveFileName = [this](const QString&) -> std::optional<QString> {
            return Next(saveAsAnswers);
        };
        seams.saveChanges = [this](const QString& title) {
            questions << title;
            const SaveAnswer answer = saveAnswers.empty() ? SaveAnswer::Cancel : saveAnswers.front();
            if (!saveAnswers.empty()) saveAnswers.pop_front();
            return answer;
        };
        seams.changedFile = [this](ChangedFileQuestion question, const QString&) {
            changedFileQuestions.push_back(question);
            return changedFileAnswer(question);
        };
        seams.restoreUnsaved = [this](const QString& name, const QString&) {
            restoreQuestions << name;
            const SaveAnswer answer = restoreAnswers.empty() ? SaveAnswer::Cancel : restoreAnswers.front();
            if (!restoreAnswers.empty()) restoreAnswers.pop_front();
            return answer;
        };
        SetUserPromptSeams(std::move(seams));
    }
    ~AppFixture() override {
        app.reset();
        SetMessageBoxSeam({});
        SetUserPromptSeams({});
        if (stateHome_) {
            setenv("XDG_STATE_HOME", stateHome_->c_str(), 1);
        } else {
            unsetenv("XDG_STATE_HOME");
        }
    }

    // Starts the application with `arguments` and the settings in `profile`.
    bool Start(std::vector<std::string> arguments = {}) {
        // The unsaved texts of these runs stay in the test's folder.
        setenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toLocal8Bit().constData(), 1);
        app = std::make_unique<CQuendelApp>(std::move(arguments));
        auto store = std::make_unique<MemoryProfileStore>();
        *store = profile;
        // The tip of the day's modal loop at start-up would wait for a person.
        if (!offerStartupTip) store->WriteInt("Tip", "StartUp", 1);
        app->SetProfileStore(std::move(store));
        return app->InitInstance();
    }
    // Ends the run as the program does and keeps the settings for the next start.
    void Stop() {
        if (app->mainFrame()) app->mainFrame()->close();
        app->ExitInstance();
        profile = static_cast<MemoryProfileStore&>(app->profile());
    }

    CMainFrame& frame() { return *app->mainFrame(); }
    CQuendelDoc& doc() { return *app->document(); }
    CQuendelView& view() { return *app->view(); }
    ViewSettings& viewSettings() { return app->viewSettings(); }
    bool Execute(unsigned id) { return frame().router().Execute(id); }

    // Types `text` into the view character by character.
    void Type(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&view(), &press);
        }
    }

    std::string Text() {
        const char* text = view().LockText();
        std::string copy(text, view().GetTextLength());
        view().UnlockText();
        return copy;
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static void WriteFile(const QString& path, const std::string& bytes) {
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    }
    static std::string ReadFile(const QString& path) { return TemporaryDirectory::Read(path.toStdString()); }

    MemoryProfileStore profile;
    // Start-up offers the tip of the day as "Tip"/"StartUp" in `profile` says; off unless set.
    bool offerStartupTip = false;
    std::unique_ptr<CQuendelApp> app;
    QTemporaryDir dir;
    QStringList messages;
    QStringList questions;
    std::deque<SaveAnswer> saveAnswers;
    // File names the dialogs answer, one per showing; an empty name (or none left) cancels.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAsAnswers;
    // The questions about a file changed elsewhere, and the answer to each (Nein unless set).
    std::vector<ChangedFileQuestion> changedFileQuestions;
    std::function<bool(ChangedFileQuestion)> changedFileAnswer = [](ChangedFileQuestion) { return false; };
    // The questions whether to restore unsaved text (the document's name), and their answers
    // (Abbrechen when none is left).
    QStringList restoreQuestions;
    std::deque<SaveAnswer> restoreAnswers;

private:
    static std::optional<QString> Next(std::deque<QString>& answers) {
        if (answers.empty()) return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) return std::nullopt;
        return answer;
    }

    // XDG_STATE_HOME as it was before the first start, given back at the end.
    const std::optional<std::string> stateHome_ = [] {
        const char* value = getenv("XDG_STATE_HOME");
        return value ? std::optional<std::string>(value) : std::nullopt;
    }();
};

}  // namespace venkora::test
