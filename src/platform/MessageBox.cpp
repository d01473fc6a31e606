#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

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

}  // namespace

void ShowMessageBox(const QString& text, QWidget* parent) {
    if (Seam()) {
        Seam()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    box.exec();
}

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
