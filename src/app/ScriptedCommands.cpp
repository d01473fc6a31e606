#include "app/ScriptedCommands.h"

#include <QStringList>
#include <QTimer>

#include <cstdlib>

#include "platform/CDialog.h"
#include "platform/CFrameWnd.h"

namespace venkora {

bool ScriptedCommands::Schedule(CFrameWnd& frame) {
    const char* script = std::getenv("VENKORA_TEST_COMMANDS");
    if (!script || *script == '\0') return false;
    const QStringList ids = QString::fromLocal8Bit(script).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QTimer::singleShot(0, &frame, [&frame, ids] {
        // The dialog seam answers only while the scripted commands run.
        CDialog::SetModalSeam([](CDialog& shown) {
            shown.OnOK();
            return shown.result();
        });
        for (const QString& id : ids) frame.router().Execute(id.trimmed().toUInt());
        CDialog::SetModalSeam({});
    });
    return true;
}

}  // namespace venkora
