#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace venkora {

namespace {

MessageBoxSeam& Seam() {
    static MessageBoxSeam seam;
    return seam;
}

std::function<void()>& BeepSeam() {
    static std::function<void()> seam;
    return seam;
}

bool onStandardError = false;

}  // namespace

void ShowMessageBox(const QString& text, QWidget* parent) {
    if (Seam()) {
        Seam()(text);
        return;
    }
    if (onStandardError) {
        QString line = QCoreApplication::applicationName().toLower() + QStringLiteral(": ") + text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    box.exec();
}

void ReportMessagesOnStandardError() { onStandardError = true; }

void SetMessageBoxSeam(MessageBoxSeam seam) { Seam() = std::move(seam); }

void MessageBeep() {
    if (BeepSeam()) {
        BeepSeam()();
    } else {
        QApplication::beep();
    }
}

void SetMessageBeepSeam(std::function<void()> seam) { BeepSeam() = std::move(seam); }

}  // namespace venkora
