// Venkora: starts the application, runs the event loop and ends with the application's exit code.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/CQuendelApp.h"
#include "app/CommandLineInfo.h"
#include "app/ScriptedCommands.h"
#include "app/TerminationRequest.h"
#include "frame/CMainFrame.h"

int main(int argc, char** argv) {
    // Printing from the command line needs no display: it runs offscreen, so it works the same
    // with or without one.
    const std::vector<std::string_view> rawArguments(argv + std::min(argc, 1), argv + argc);
    if (venkora::CommandLineInfo::Parse(rawArguments).PrintsOnly()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/venkora.svg")));
    // Qt's own dialogs and buttons speak German.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        arguments.push_back(argument.toStdString());
    }
    venkora::CQuendelApp app(std::move(arguments));
    // A termination signal closes the shown window as its close box does; the tip of the day,
    // shown at start-up before the event loop runs, goes with it. Before the window has shown
    // (an error box at start-up), the user has nothing to lose: the run ends at once with exit
    // code 1 and writes nothing. After the window has gone, the run is ending anyway.
    bool started = false;
    const venkora::TerminationRequest termination([&app, &started] {
        venkora::CMainFrame* frame = app.mainFrame();
        if (frame && frame->isVisible()) {
            if (frame->close() && !started) {
                if (QWidget* startupTip = QApplication::activeModalWidget()) startupTip->close();
            }
        } else if (!started) {
            std::_Exit(1);
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
