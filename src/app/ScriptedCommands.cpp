#include "app/ScriptedCommands.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <cstdlib>

#include "app/CSetTabStops.h"
#include "optimizer/COptimierenDlg.h"
#include "platform/CFrameWnd.h"

namespace venkora {

bool ScriptedCommands::Schedule(CFrameWnd& frame) {
    const char* script = std::getenv("VENKORA_TEST_COMMANDS");
    if (!script) return false;
    COptimierenDlg::SetModalSeam([](COptimierenDlg& dialog) {
        return dialog.OnOK() ? static_cast<int>(QDialog::Accepted) : static_cast<int>(QDialog::Rejected);
    });
    CSetTabStops::SetModalSeam([](CSetTabStops& dialog) {
        return dialog.OnOK() ? static_cast<int>(QDialog::Accepted) : static_cast<int>(QDialog::Rejected);
    });
    const QStringList ids = QString::fromLocal8Bit(script).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QTimer::singleShot(0, &frame, [&frame, ids] {
        for (const QString& id : ids) frame.router().Execute(id.trimmed().toUInt());
    });
    return true;
}

}  // namespace venkora
