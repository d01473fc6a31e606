// Venkora: starts the application, runs the event loop and ends with the application's exit code.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/CQuendelApp.h"
#include "app/CommandLineInfo.h"
#include "app/RecoveryKeeper.h"
#include "app/ScriptedCommands.h"
#include "app/TerminationRequest.h"
#include "core/FileDescriptor.h"
#include "core/SystemErrorText.h"
#include "frame/CMainFrame.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace {

// Qt's messages while it connects to the display. Without a display it ends the program with
// an English message and SIGABRT; that is said in German instead, with exit code 1. Otherwise
// its messages are passed on once it has started.
struct StartupMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<StartupMessage> g_startupMessages;

void OnStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string_view message = venkora::text::kNoDisplay;
        std::fprintf(stderr, "venkora: %.*s\n", static_cast<int>(message.size()), message.data());
        _exit(1);
    }
    g_startupMessages.push_back({type, context.category, text});
}

void PassOnStartupMessages() {
    qInstallMessageHandler(nullptr);
    for (const StartupMessage& message : std::exchange(g_startupMessages, {})) {
        const QMessageLogger logger(nullptr, 0, nullptr, message.category.constData());
        switch (message.type) {
            case QtDebugMsg: logger.debug("%s", qUtf8Printable(message.text)); break;
            case QtInfoMsg: logger.info("%s", qUtf8Printable(message.text)); break;
            default: logger.warning("%s", qUtf8Printable(message.text)); break;
        }
    }
}

// "--help", "--version" and "--wiederherstellen": the usage, the version or the recovery files
// on standard output. Exit code 0, or 1 when standard output does not take it (said on standard
// error).
int WriteInformation(venkora::CommandLineInfo::Request request) {
    using venkora::QtText;
    using Request = venkora::CommandLineInfo::Request;
    const std::string text =
        request == Request::Help      ? std::string(venkora::text::kUsage)
        : request == Request::Version ? QtText(venkora::text::kVersion).arg(QStringLiteral(VENKORA_VERSION)).toStdString()
                                      : venkora::RecoveryKeeper::Listing(venkora::RecoveryFolder(venkora::RecoveryFolder::DefaultPath()));
    const int error = venkora::FileDescriptor::Borrow(1).WriteAll(text);
    if (error == 0) return 0;
    const QString message =
        QtText(venkora::text::kStandardOutputFailed).arg(QtText(venkora::SystemErrorText(error)));
    std::fprintf(stderr, "venkora: %s\n", qUtf8Printable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // From the first moment a termination signal ends the run; see TerminationRequest.
    venkora::TerminationRequest::Install();
    // The usage and the version need no display, and printing from the command line runs
    // offscreen, so it works the same with or without one.
    const std::vector<std::string_view> rawArguments(argv + std::min(argc, 1), argv + argc);
    const venkora::CommandLineInfo commandLine = venkora::CommandLineInfo::Parse(rawArguments);
    using Request = venkora::CommandLineInfo::Request;
    if (commandLine.request != Request::Edit) return WriteInformation(commandLine.request);
    if (commandLine.PrintsOnly()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(OnStartupMessage);
    QApplication qtApp(argc, argv);
    PassOnStartupMessages();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/venkora.svg")));
    // Qt's own dialogs and buttons speak German.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    // The arguments Qt left (it takes its own options out) as the bytes they are: file names
    // need not be UTF-8.
    std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    venkora::CQuendelApp app(std::move(arguments));
    // Once the window shows, a termination signal closes it as its close box does; the tip of
    // the day, shown at start-up before the event loop runs, goes with it.
    bool started = false;
    const venkora::TerminationRequest termination([&app, &started] {
        // First the unsaved text, safe before any question that nobody may answer.
        app.KeepUnsavedTextNow();
        venkora::CMainFrame* frame = app.mainFrame();
        if (frame && frame->isVisible() && frame->close() && !started) {
            if (QWidget* startupTip = QApplication::activeModalWidget()) startupTip->close();
        }
    });
    if (!app.InitInstance()) return app.ExitInstance();
    // Closed during the start-up tip: there is no event loop to run.
    if (!app.mainFrame()->isVisible()) return app.ExitInstance();
    started = true;
    venkora::ScriptedCommands::Schedule(*app.mainFrame());
    QApplication::exec();
    return app.ExitInstance();
}
