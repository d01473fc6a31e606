// Venkora: starts the application, runs the event loop and ends with the application's exit code.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>
#include <vector>

#include "app/CQuendelApp.h"
#include "app/ScriptedCommands.h"
#include "app/TerminationRequest.h"
#include "frame/CMainFrame.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Venkora"));
    QApplication::setOrganizationName(QStringLiteral("talberg"));
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
    // A termination signal closes the window as its close box does, once the event loop runs.
    const venkora::TerminationRequest termination([&app] {
        if (app.mainFrame()) app.mainFrame()->close();
    });
    if (!app.InitInstance()) {
        app.SetExitCode(1);
        return app.ExitInstance();
    }
    venkora::ScriptedCommands::Schedule(*app.mainFrame());
    QApplication::exec();
    return app.ExitInstance();
}
