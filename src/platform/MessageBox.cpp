#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <new>

#include "core/ArchiveException.h"
#include "core/MemoryException.h"
#include "core/UserException.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

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

// A reason ("keine Berechtigung") as the line of its own it is in a message: "Keine Berechtigung."
QString AsSentence(QString reason) {
    reason[0] = reason[0].toUpper();
    if (!reason.endsWith(QLatin1Char('.'))) reason += QLatin1Char('.');
    return reason;
}

}  // namespace

bool ReportFailures(QWidget* parent, const QString& failedText, const std::function<void()>& work) {
    QString reason;
    try {
        work();
        return true;
    } catch (const UserException&) {
        return false;  // already reported
    } catch (const ArchiveException& e) {
        reason = QString::fromStdString(e.reason());
    } catch (const MemoryException&) {
        reason = QtText(text::kOutOfMemory);
    } catch (const std::bad_alloc&) {
        reason = QtText(text::kOutOfMemory);
    }
    ShowMessageBox(reason.isEmpty() ? failedText : failedText + QLatin1Char('\n') + AsSentence(reason),
                   parent);
    return false;
}

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
