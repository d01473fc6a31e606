// The main window: its menus, toolbar and accelerators as the tables give them, the enabling
// rules and check marks, the message pane, the placement and bar layout kept between runs, and
// the tips item that the help menu gets whenever a menu is about to be used.

#include <QMenu>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QtTest/QTest>

#include <array>
#include <cstdint>
#include <utility>

#include "AppFixture.h"
#include "editview/FindReplaceState.h"
#include "platform/CFindReplaceDialog.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "core/WindowPlacement.h"

namespace venkora::test {
namespace {

class MainFrameTest : public AppFixture {
protected:
    // "text=id" per entry, "-" per separator; a submenu as "title=0" followed by its entries.
    static QStringList Entries(const QList<QAction*>& actions) {
        QStringList entries;
        for (QAction* action : actions) {
            entries << (action->isSeparator()
                            ? QStringLiteral("-")
                            : action->text() + QLatin1Char('=') +
                                  QString::number(action->property("venkoraCommandId").toUInt()));
            if (action->menu()) entries << Entries(action->menu()->actions());
        }
        return entries;
    }
    // The same as the command rows give it for `popup`.
    static QStringList ExpectedEntries(const MenuPopup& popup) {
        QStringList expected;
        std::size_t submenu = 0;
        for (const unsigned id : popup.ids) {
            if (id == MenuPopup::kSubmenu) {
                const MenuPopup& inner = popup.submenus[submenu++];
                expected << QtText(inner.title) + QStringLiteral("=0") << ExpectedEntries(inner);
                continue;
            }
            expected << (id == 0 ? QStringLiteral("-")
                                 : QString::fromStdString(FindCommandRow(CommandRows(), id)->MenuItemText()) +
                                       QLatin1Char('=') + QString::number(id));
        }
        return expected;
    }
    QMenu* Menu(int index) { return frame().menuBar()->actions().at(index)->menu(); }
    // "title[item,...]|..." of a menu bar; an item with a command id as "text=id".
    static QString Dump(const QList<QAction*>& actions) {
        QStringList items;
        for (QAction* action : actions) {
            const unsigned id = action->property("venkoraCommandId").toUInt();
            QString item = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (id != 0) item += QLatin1Char('=') + QString::number(id);
            if (action->menu()) item += QLatin1Char('[') + Dump(action->menu()->actions()).replace('|', ',') + QLatin1Char(']');
            items << item;
        }
        return items.join('|');
    }
    void Open(QMenu* menu) { QMetaObject::invokeMethod(menu, "aboutToShow"); }
};

TEST_F(MainFrameTest, MenusToolbarAndKeysAreBuiltFromTheCommandRows) {
    ASSERT_TRUE(Start());
    const QList<QAction*> popups = frame().menuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(MainMenu().size()));
    for (std::size_t p = 0; p < MainMenu().size(); ++p) {
        const MenuPopup& popup = MainMenu()[p];
        EXPECT_EQ(popups[static_cast<qsizetype>(p)]->text(), QtText(popup.title));
        EXPECT_EQ(Entries(Menu(static_cast<int>(p))->actions()), ExpectedEntries(popup));
    }

    auto* toolBar = frame().findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    const QList<QAction*> buttons = toolBar->actions();
    ASSERT_EQ(buttons.size(), static_cast<qsizetype>(MainToolBar().size()));
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const unsigned id = MainToolBar()[static_cast<std::size_t>(i)];
        EXPECT_EQ(buttons[i]->isSeparator(), id == 0);
        if (id == 0) continue;
        const CommandRow* row = FindCommandRow(CommandRows(), id);
        EXPECT_EQ(buttons[i]->property("venkoraCommandId").toUInt(), id);
        EXPECT_EQ(buttons[i]->toolTip(), QtText(row->tooltip));
        EXPECT_TRUE(QFile::exists(QtText(row->icon))) << row->icon;
        EXPECT_FALSE(buttons[i]->icon().isNull()) << row->icon;
    }
    EXPECT_TRUE(toolBar->isMovable());
    EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);

    // A shortcut of the window for every key of the rows.
    QStringList keys;
    for (const CommandRow& row : CommandRows()) {
        for (const KeyChord& chord : {row.key, row.alternateKey}) {
            if (!chord.IsNone()) keys << QString::fromStdString(chord.Text());
        }
    }
    QStringList shortcuts;
    for (const QShortcut* shortcut : frame().findChildren<QShortcut*>()) {
        shortcuts << shortcut->key().toString(QKeySequence::PortableText)
                         .replace(QStringLiteral("Shift"), QStringLiteral("Umschalt"))
                         .replace(QStringLiteral("Ctrl"), QStringLiteral("Strg"))
                         .replace(QStringLiteral("Ins"), QStringLiteral("Einfg"))
                         .replace(QStringLiteral("Del"), QStringLiteral("Entf"))
                         .replace(QStringLiteral("Backspace"), QStringLiteral("Rücktaste"));
    }
    keys.sort();
    shortcuts.sort();
    EXPECT_EQ(shortcuts, keys);
}

TEST_F(MainFrameTest, MenusAskTheRulesWhenTheyOpen) {
    ASSERT_TRUE(Start());
    Open(Menu(0));
    EXPECT_TRUE(frame().ActionFor(kIdFilePrint)->isEnabled());
    EXPECT_FALSE(frame().ActionFor(kIdFileMruFirst)->isEnabled());  // no recent files
    EXPECT_TRUE(frame().ActionFor(kIdFileNew)->isEnabled());
    Open(Menu(1));
    EXPECT_FALSE(frame().ActionFor(kIdEditCut)->isEnabled());
    EXPECT_TRUE(frame().ActionFor(kIdOptimize)->isEnabled());
    view().ReplaceSelection("abc", true);
    view().SetSelection(0, 2);
    Open(Menu(1));
    EXPECT_TRUE(frame().ActionFor(kIdEditCut)->isEnabled());
    EXPECT_TRUE(frame().ActionFor(kIdEditUndo)->isEnabled());

    Open(Menu(2));
    EXPECT_TRUE(frame().ActionFor(kIdViewToolbar)->isChecked());
    Execute(kIdViewToolbar);
    Open(Menu(2));
    EXPECT_FALSE(frame().ActionFor(kIdViewToolbar)->isChecked());
    EXPECT_TRUE(frame().findChild<QToolBar*>()->isHidden());
}

TEST_F(MainFrameTest, DisabledCommandsCannotBeIssuedByKey) {
    ASSERT_TRUE(Start());
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    view().ReplaceSelection("abc", true);
    view().SetSelection(1, 1);
    QTest::keyClick(&view(), Qt::Key_X, Qt::ControlModifier);  // nothing selected: cut disabled
    EXPECT_EQ(Text(), "abc");
    view().SetSelection(0, 1);
    QTest::keyClick(&view(), Qt::Key_Delete, Qt::ShiftModifier);  // the frame's alternate for cut
    EXPECT_EQ(Text(), "bc");
    QTest::keyClick(&view(), Qt::Key_Backspace, Qt::AltModifier);  // undo
    EXPECT_EQ(Text(), "abc");
}

TEST_F(MainFrameTest, FindReplaceAndRepeatHaveKeysThatFollowTheirRules) {
    ASSERT_TRUE(Start());
    const FindReplaceState& state = view().findReplaceState();
    const auto activate = [this] {
        QApplication::setActiveWindow(&frame());
        return QTest::qWaitForWindowActive(&frame());
    };
    ASSERT_TRUE(activate());
    using Selection = std::pair<std::size_t, std::size_t>;
    QTest::keyClick(&view(), Qt::Key_F, Qt::ControlModifier);  // no text: disabled
    EXPECT_EQ(state.dialog, nullptr);
    view().ReplaceSelection("eins zwei eins", true);
    view().SetSelection(0, 4);
    QTest::keyClick(&view(), Qt::Key_F3);  // nothing searched yet: disabled
    EXPECT_EQ(view().GetSelectionRange(), Selection(0, 4));
    QTest::keyClick(&view(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(state.dialog && state.dialog->windowTitle() == "Suchen");
    QTest::keyClick(state.dialog, Qt::Key_Return);  // "Weitersuchen" for the selected "eins"
    EXPECT_EQ(view().GetSelectionRange(), Selection(10, 14));
    QTest::keyClick(state.dialog, Qt::Key_Escape);
    ASSERT_TRUE(activate());
    view().SetSelection(0, 0);
    QTest::keyClick(&view(), Qt::Key_F3);
    EXPECT_EQ(view().GetSelectionRange(), Selection(0, 4));
    QTest::keyClick(&view(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(state.dialog && state.dialog->windowTitle() == "Ersetzen");
}

// Besides the beep, the message pane says what was not found and how many places "Alle
// ersetzen" replaced; Shift+F3 searches the last text upwards, F3 keeps its direction.
TEST_F(MainFrameTest, SearchesSayWhatTheyDidInTheMessagePane) {
    ASSERT_TRUE(Start());
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    view().ReplaceSelection("eins zwei eins drei eins", true);
    view().SetSelection(10, 10);
    view().FindNext({"eins", true, false, ""});
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{10}, std::size_t{14}));
    QTest::keyClick(&view(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{0}, std::size_t{4}));
    QTest::keyClick(&view(), Qt::Key_F3);  // still downwards
    EXPECT_EQ(view().GetSelectionRange(), std::make_pair(std::size_t{10}, std::size_t{14}));
    view().FindNext({"fünf", true, false, ""});
    EXPECT_EQ(frame().MessageText(), QStringLiteral("„fünf“ wurde nicht gefunden."));
    view().SetSelection(0, 0);
    view().ReplaceAll({"eins", true, false, "1"});
    EXPECT_EQ(frame().MessageText(), QStringLiteral("3 Stellen ersetzt."));
}

TEST_F(MainFrameTest, TheHelpMenuGetsTheTipsItemOnceByMouseOrKeyboard) {
    for (const bool keyboard : {false, true}) {
        ASSERT_TRUE(Start());
        QFocusEvent altKey(QEvent::FocusIn, Qt::MenuBarFocusReason);
        keyboard ? void(QApplication::sendEvent(frame().menuBar(), &altKey)) : Open(Menu(0));
        Open(Menu(3));
        EXPECT_TRUE(Dump(frame().menuBar()->actions())
                        .endsWith("&?[Ti&ps und Tricks...=104,-,Inf&o über Venkora...=57664]"))
            << keyboard;
        Stop();
    }
}

TEST_F(MainFrameTest, TheTipsItemGoesIntoTheLastHelpMenuOrANewOne) {
    // Menus as "title:item,item;title:..." and the menu bar after each OnInitMenu.
    const std::pair<QString, QString> rows[] = {
        {"&Datei:x", "&Datei[x]|&?[Ti&ps und Tricks...=104]"},
        {"&?:a;&?:b", "&?[a]|&?[Ti&ps und Tricks...=104,-,b]"},
        {"&?:", "&?[Ti&ps und Tricks...=104,-]"},
        {"&?:Ti&ps und Tricks...,c", "&?[Ti&ps und Tricks...,c]"},
        {"&!:a;?:b", "&![a]|?[b]|&?[Ti&ps und Tricks...=104]"},
    };
    for (const auto& [menus, expected] : rows) {
        CMainFrame owner(profile);
        QMenuBar bar;
        for (const QString& menu : menus.split(';')) {
            QMenu* popup = bar.addMenu(menu.section(':', 0, 0));
            for (const QString& item : menu.section(':', 1).split(',', Qt::SkipEmptyParts)) popup->addAction(item);
        }
        owner.OnInitMenu(&bar);
        EXPECT_EQ(Dump(bar.actions()), expected) << menus.toStdString();
        owner.OnInitMenu(&bar);
        EXPECT_EQ(Dump(bar.actions()), expected) << menus.toStdString() << " the second time";
    }
}

TEST_F(MainFrameTest, PromptsThenBereit) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame().MessageText(), QStringLiteral("Bereit"));
    QStatusTipEvent prompt(frame().ActionFor(kIdFileOpen)->statusTip());
    QApplication::sendEvent(&frame(), &prompt);
    EXPECT_EQ(frame().MessageText(), QStringLiteral("Öffnet ein bestehendes Dokument."));
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&frame(), &leave);
    EXPECT_EQ(frame().MessageText(), QStringLiteral("Bereit"));
    frame().SetMessageText(QStringLiteral("Lösche Leerzeichen..."));
    EXPECT_EQ(frame().MessageText(), QStringLiteral("Lösche Leerzeichen..."));
}

TEST_F(MainFrameTest, FirstStartTakesMostOfTheScreenInItsMiddle) {
    ASSERT_TRUE(Start());
    const QRect area = frame().screen()->availableGeometry();
    const QRect window = frame().geometry();
    EXPECT_TRUE(frame().isVisible() && area.contains(window));
    EXPECT_TRUE(window.width() > area.width() / 2 && window.height() > area.height() / 2);
    EXPECT_LE((window.center() - area.center()).manhattanLength(), 2);
}

TEST_F(MainFrameTest, PlacementComesBackForNormalMaximizedAndMinimized) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(frame().ReadWindowPlacement().has_value());  // first run
    frame().setGeometry(120, 80, 640, 480);
    Stop();
    std::optional<WindowPlacement> stored = WindowPlacement::Parse(profile.GetString("Einstellungen", "FensterPos"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->flags, 0u);
    EXPECT_EQ(stored->showCmd, 1u);

    ASSERT_TRUE(Start());
    EXPECT_EQ(frame().geometry(), QRect(120, 80, 640, 480));
    frame().showMaximized();
    Stop();
    stored = WindowPlacement::Parse(profile.GetString("Einstellungen", "FensterPos"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->flags, 2u);
    EXPECT_EQ(stored->showCmd, 3u);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame().isMaximized());
    EXPECT_EQ(frame().normalGeometry(), QRect(120, 80, 640, 480));

    frame().showMinimized();  // maximized before: restoring goes back to the normal rectangle
    Stop();
    stored = WindowPlacement::Parse(profile.GetString("Einstellungen", "FensterPos"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->showCmd, 2u);
    EXPECT_EQ(stored->flags, 0u);
}

// Stored numbers may be anything: the window comes back inside the screen's free area, and is
// stored as it was shown.
TEST_F(MainFrameTest, ExtremePlacementNumbersGiveAWindowInsideTheScreen) {
    for (const char* value : {"0,1,-1,-1,-1,-1,-2147483648,-2147483648,2147483647,2147483647",
                              "0,1,0,0,0,0,2147483647,2147483647,-2147483648,-2147483648",
                              "0,1,0,0,0,0,-2147483648,0,2147483647,200", "0,1,0,0,0,0,50000,50000,50400,50300"}) {
        SCOPED_TRACE(value);
        profile.WriteString("Einstellungen", "FensterPos", value);
        ASSERT_TRUE(Start());
        const QRect shown = frame().normalGeometry();
        const QRect area = frame().screen()->availableGeometry();
        // Inside but for the window frame's margins, which the window system may add.
        EXPECT_TRUE(area.intersects(shown) && shown.width() <= area.width() && shown.height() <= area.height())
            << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height();
        Stop();
        const auto stored = WindowPlacement::Parse(profile.GetString("Einstellungen", "FensterPos"));
        ASSERT_TRUE(stored);
        const WindowPlacement::Rect& r = stored->normalPosition;
        EXPECT_EQ((std::array<std::int64_t, 4>{r.left, r.top, std::int64_t{r.right} - r.left,
                                               std::int64_t{r.bottom} - r.top}),
                  (std::array<std::int64_t, 4>{shown.x(), shown.y(), shown.width(), shown.height()}));
    }
}

TEST_F(MainFrameTest, BarsComeBackAsTheyWereLeft) {
    ASSERT_TRUE(Start());
    Execute(kIdViewStatusBar);
    frame().addToolBar(Qt::LeftToolBarArea, frame().findChild<QToolBar*>());
    Stop();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame().statusBar()->isHidden());
    EXPECT_EQ(frame().toolBarArea(frame().findChild<QToolBar*>()), Qt::LeftToolBarArea);
    Execute(kIdViewToolbar);
    Stop();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(frame().findChild<QToolBar*>()->isHidden());
}

// The class names of the windows shown while it lives, in order.
class ShowOrder : public QObject {
public:
    ShowOrder() { qApp->installEventFilter(this); }
    ~ShowOrder() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            shown << watched->metaObject()->className();
        }
        return false;
    }
    QStringList shown;
};

TEST_F(MainFrameTest, AFloatingToolbarIsShownAfterTheMainWindowSoItLiesAboveIt) {
    ASSERT_TRUE(Start());
    auto* toolBar = frame().findChild<QToolBar*>();
    toolBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);  // as a toolbar dragged off
    toolBar->setGeometry(300, 400, 200, 30);
    toolBar->show();
    Stop();

    ShowOrder order;
    ASSERT_TRUE(Start());
    toolBar = frame().findChild<QToolBar*>();
    EXPECT_TRUE(toolBar->isFloating());
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_EQ(toolBar->pos(), QPoint(300, 400));
    EXPECT_TRUE(order.shown.endsWith(QStringLiteral("QToolBar"))) << order.shown.join(' ').toStdString();
    Open(Menu(2));
    EXPECT_TRUE(frame().ActionFor(kIdViewToolbar)->isChecked());
}

TEST_F(MainFrameTest, EveryCloseRequestWritesPlacementAndBarsEvenWhenCancelled) {
    ASSERT_TRUE(Start());
    view().ReplaceSelection("ungesichert", true);
    saveAnswers = {SaveAnswer::Cancel};
    EXPECT_FALSE(frame().close());
    EXPECT_FALSE(app->profile().GetString("Einstellungen", "FensterPos").empty());
    EXPECT_FALSE(app->profile().GetBinary("StatusBars", "Symbolleiste").empty());
    EXPECT_EQ(Text(), "ungesichert");
}

}  // namespace
}  // namespace venkora::test
