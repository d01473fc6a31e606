#include "platform/CFrameWnd.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <optional>
#include <string>

#include "core/RecentFileList.h"
#include "core/StandardIds.h"
#include "platform/ActionCmdUI.h"
#include "platform/CDocument.h"
#include "platform/CWinApp.h"
#include "platform/FileNameCodec.h"
#include "platform/QtKeys.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

constexpr const char* kCommandId = "venkoraCommandId";

unsigned CommandIdOf(const QAction* action) {
    return action->property(kCommandId).toUInt();
}

// A recent file as a menu entry: "&1 ~/Briefe/brief.txt", ampersands doubled.
QString RecentEntryText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/'))) shown = QLatin1Char('~') + shown.mid(home.size());
    if (shown.size() > 60) shown = shown.left(20) + QStringLiteral("...") + shown.right(37);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

// The name of the first local file among dropped data, as its bytes; nullopt when it brings
// none.
std::optional<std::string> FirstLocalFile(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) continue;
        return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
    }
    return std::nullopt;
}

}  // namespace

CFrameWnd::CFrameWnd(std::span<const CommandRow> commands, QString idleText)
    : commands_(commands), idleText_(std::move(idleText)) {
    messagePane_ = new QLabel(idleText_, this);
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    statusBar()->addWidget(messagePane_, 1);
    qApp->installEventFilter(this);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CFrameWnd::ScheduleIdleUpdate);
}

CFrameWnd::~CFrameWnd() { qApp->removeEventFilter(this); }

void CFrameWnd::SetView(QWidget* view, CommandTarget* viewTarget, CDocument* document) {
    view_ = view;
    viewTarget_ = viewTarget;
    document_ = document;
    setCentralWidget(view);
    document->SetDialogParent(this);
    document->SetTitleChangedHandler([this] { OnUpdateFrameTitle(); });
    UpdateChain();
    OnUpdateFrameTitle();
}

void CFrameWnd::SetApplication(CommandTarget* app, const RecentFileList* recentFiles) {
    app_ = app;
    recentFiles_ = recentFiles;
    UpdateChain();
}

void CFrameWnd::UpdateChain() {
    std::vector<CommandTarget*> chain;
    if (viewTarget_) chain.push_back(viewTarget_);
    if (document_) chain.push_back(document_);
    chain.push_back(this);
    if (app_) chain.push_back(app_);
    router_.SetChain(std::move(chain));
}

QAction* CFrameWnd::ActionFor(unsigned id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* CFrameWnd::MakeAction(unsigned id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setProperty(kCommandId, id);
    if (const CommandRow* row = FindCommandRow(commands_, id)) {
        action->setStatusTip(QtText(row->prompt));
        if (!row->tooltip.empty()) action->setToolTip(QtText(row->tooltip));
        if (!row->icon.empty()) action->setIcon(QIcon(QtText(row->icon)));
    }
    connect(action, &QAction::triggered, this, [this, id] {
        router_.Execute(id);
        ScheduleIdleUpdate();
    });
    return action;
}

QAction* CFrameWnd::ActionOrNew(unsigned id) {
    if (QAction* action = ActionFor(id)) return action;
    const CommandRow* row = FindCommandRow(commands_, id);
    QAction* action = MakeAction(id, row ? QString::fromStdString(row->MenuItemText()) : QString());
    actions_.emplace(id, action);
    return action;
}

void CFrameWnd::BuildMenuBar(std::span<const MenuPopup> popups) {
    for (const MenuPopup& popup : popups) {
        QMenu* menu = menuBar()->addMenu(QtText(popup.title));
        FillMenu(menu, popup);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            OnInitMenu(menuBar());
            OnInitMenuPopup(menu);
            UpdateMenu(menu);
        });
        connect(menu, &QMenu::aboutToHide, this, [this] { SetMessageText(idleText_); });
    }
}

void CFrameWnd::FillMenu(QMenu* menu, const MenuPopup& popup) {
    std::size_t submenu = 0;
    for (const unsigned id : popup.ids) {
        if (id == 0) {
            menu->addSeparator();
        } else if (id == MenuPopup::kSubmenu) {
            const MenuPopup& inner = popup.submenus[submenu++];
            QMenu* innerMenu = menu->addMenu(QtText(inner.title));
            FillMenu(innerMenu, inner);
            connect(innerMenu, &QMenu::aboutToShow, this, [this, innerMenu] { UpdateMenu(innerMenu); });
        } else {
            menu->addAction(ActionOrNew(id));
        }
    }
}

void CFrameWnd::AddAccelerators() {
    for (const CommandRow& row : commands_) {
        for (const KeyChord& chord : {row.key, row.alternateKey}) {
            if (chord.IsNone()) continue;
            auto* shortcut = new QShortcut(QKeySequence(QtKeys(chord)), this);
            shortcut->setContext(Qt::WindowShortcut);
            const unsigned id = row.id;
            connect(shortcut, &QShortcut::activated, this, [this, id] {
                router_.Execute(id);
                ScheduleIdleUpdate();
            });
        }
    }
}

QToolBar* CFrameWnd::BuildToolBar(const QString& objectName, std::span<const unsigned> ids) {
    toolBar_ = new QToolBar(QtText(text::kToolBarTitle), this);
    toolBar_->setObjectName(objectName);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (unsigned id : ids) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        toolBar_->addAction(ActionOrNew(id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    return toolBar_;
}

void CFrameWnd::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (const unsigned id = CommandIdOf(action)) {
            ActionCmdUI ui(id, *action);
            router_.Update(ui);
        }
    }
}

void CFrameWnd::UpdateIdle() {
    idleUpdatePending_ = false;
    if (toolBar_) {
        for (QAction* action : toolBar_->actions()) {
            if (const unsigned id = CommandIdOf(action)) {
                ActionCmdUI ui(id, *action);
                router_.Update(ui);
            }
        }
    }
    OnIdleUpdate();
}

void CFrameWnd::ScheduleIdleUpdate() {
    if (idleUpdatePending_) return;
    idleUpdatePending_ = true;
    QTimer::singleShot(0, this, &CFrameWnd::UpdateIdle);
}

void CFrameWnd::OnInitMenu(QWidget*) {}

void CFrameWnd::OnInitMenuPopup(QMenu* menu) { FillRecentFiles(menu); }

void CFrameWnd::FillRecentFiles(QMenu* menu) {
    // The recent files take the place of the entry "Letzte Datei", or the place of the
    // entries shown last time.
    const QList<QAction*> actions = menu->actions();
    QAction* first = nullptr;
    QAction* following = nullptr;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const unsigned id = CommandIdOf(actions[i]);
        if (id >= kIdFileMruFirst && id <= kIdFileMruLast) {
            if (!first) first = actions[i];
            following = i + 1 < actions.size() ? actions[i + 1] : nullptr;
        }
    }
    if (!first || !recentFiles_) return;
    for (QAction* action : actions) {
        const unsigned id = CommandIdOf(action);
        if (id >= kIdFileMruFirst && id <= kIdFileMruLast) {
            menu->removeAction(action);
            if (action != ActionFor(kIdFileMruFirst)) action->deleteLater();
        }
    }
    const std::vector<std::string>& entries = recentFiles_->entries();
    if (entries.empty()) {
        QAction* placeholder = ActionFor(kIdFileMruFirst);
        const CommandRow* row = FindCommandRow(commands_, kIdFileMruFirst);
        placeholder->setText(row ? QtText(row->menuText) : QString());
        menu->insertAction(following, placeholder);
        return;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const unsigned id = kIdFileMruFirst + static_cast<unsigned>(i);
        QAction* action =
            i == 0 ? ActionFor(kIdFileMruFirst) : MakeAction(id, QString());
        action->setText(RecentEntryText(static_cast<int>(i), FileNameCodec::ForDisplay(FileNameCodec::Decode(entries[i]))));
        menu->insertAction(following, action);
    }
}

void CFrameWnd::SetMessageText(const QString& text) {
    messagePane_->setText(text);
    messagePane_->repaint();
    emit messageTextChanged(text);
}

QString CFrameWnd::MessageText() const { return messagePane_->text(); }

void CFrameWnd::OnUpdateFrameTitle() {
    if (!document_) return;
    setWindowTitle(document_->GetTitle() + QStringLiteral(" - ") + QCoreApplication::applicationName());
}

bool CFrameWnd::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        SetMessageText(tip.isEmpty() ? idleText_ : tip);
        return true;
    }
    if (event->type() == QEvent::WindowActivate && document_) {
        // Once the activation is done, while the window still shows and no modal dialog does.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !QApplication::activeModalWidget()) document_->CheckFileChangedElsewhere();
        });
    }
    return QMainWindow::event(event);
}

bool CFrameWnd::eventFilter(QObject* watched, QEvent* event) {
    // The menu bar takes the focus when it is entered by keyboard (Alt).
    if (event->type() == QEvent::FocusIn && watched == menuBar()) OnInitMenu(menuBar());
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
        case QEvent::Drop:
            ScheduleIdleUpdate();
            break;
        default:
            break;
    }
    if (TakeFileDrop(watched, event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

bool CFrameWnd::TakeFileDrop(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) || !acceptDrops()) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    auto& drop = static_cast<QDropEvent&>(*event);
    const std::optional<std::string> file = FirstLocalFile(*drop.mimeData());
    if (!widget || widget->window() != this || !file) return false;
    // Only as a copy: a file manager told of a move would delete the file.
    if (!(drop.possibleActions() & Qt::CopyAction)) {
        drop.ignore();
        return true;
    }
    drop.setDropAction(Qt::CopyAction);
    drop.accept();
    if (type == QEvent::Drop) {
        // Opened once the drop is over: its source waits for the end of the drop, not for the
        // answer to the save question.
        const auto open = [path = FileNameCodec::Decode(*file)] {
            if (CWinApp* app = CWinApp::Current()) app->OpenDocumentFile(&path);
        };
        QMetaObject::invokeMethod(this, open, Qt::QueuedConnection);
    }
    return true;
}

bool CFrameWnd::OnClose() { return !document_ || document_->SaveModified(); }

void CFrameWnd::closeEvent(QCloseEvent* event) {
    if (OnClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CFrameWnd::OnViewToolbar() {
    if (toolBar_) toolBar_->setHidden(!toolBar_->isHidden());
}

void CFrameWnd::OnUpdateViewToolbar(CmdUI& ui) { ui.SetCheck(toolBar_ && !toolBar_->isHidden()); }

void CFrameWnd::OnViewStatusBar() { statusBar()->setHidden(!statusBar()->isHidden()); }

void CFrameWnd::OnUpdateViewStatusBar(CmdUI& ui) { ui.SetCheck(!statusBar()->isHidden()); }

const CommandTarget::Map& CFrameWnd::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&CFrameWnd::OnViewToolbar>(kIdViewToolbar),
        OnUpdate<&CFrameWnd::OnUpdateViewToolbar>(kIdViewToolbar),
        OnCommand<&CFrameWnd::OnViewStatusBar>(kIdViewStatusBar),
        OnUpdate<&CFrameWnd::OnUpdateViewStatusBar>(kIdViewStatusBar),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
