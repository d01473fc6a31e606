// The optimize dialog driven through its controls: what a showing reads from the store, the
// enabling and click rules, the OK checks and what OK stores, cancel, and the template layout.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QtTest/QTest>

#include <cmath>
#include <functional>
#include <string>

#include "optimizer/COptimierenDlg.h"
#include "optimizer/OptimizeOptionKey.h"
#include "core/MemoryProfileStore.h"
#include "platform/MessageBox.h"

namespace venkora::test {
namespace {

class COptimierenDlgTest : public testing::Test {
protected:
    COptimierenDlgTest() { SetMessageBoxSeam([this](const QString& text) { messages << text; }); }
    ~COptimierenDlgTest() override {
        SetMessageBoxSeam({});
        COptimierenDlg::SetModalSeam({});
    }

    // One showing; `act` drives the open dialog.
    int Show(const std::function<void()>& act) {
        COptimierenDlg::SetModalSeam([&act](COptimierenDlg& shown) {
            act();
            return shown.result();
        });
        return dialog.DoModal(nullptr);
    }
    bool Ok() { return dialog.OnOK(); }
    template <class Control = QAbstractButton>
    Control* Get(int id) { return dialog.findChild<Control*>(QString::number(id)); }
    void Click(int id) { Get(id)->click(); }
    bool Checked(int id) { return Get(id)->isChecked(); }
    bool Enabled(int id) { return Get<QWidget>(id)->isEnabled(); }
    QString Text(int id) { return Get<QLineEdit>(id)->text(); }
    std::string Stored(std::string_view key) { return store.GetString(kOptimizeSection, key, "-"); }
    bool StoredNothing() {
        for (const OptimizeOptionKey& key : OptimizeOptionKeys()) {
            if (Stored(key.name) != "-") return false;
        }
        return true;
    }

    MemoryProfileStore store;
    COptimierenDlg dialog{store};
    QStringList messages;
};

TEST_F(COptimierenDlgTest, FirstShowingWithAnEmptyStore) {
    dialog.options().bereich = 1;
    Show([this] {
        for (int id : {1000, 1001, 1002, 1008, 1009, 1010, 1005, 1014, 1011, 1015, 1016, 1003, 1020, 1021, 1022}) {
            EXPECT_FALSE(Checked(id)) << id;
        }
        EXPECT_TRUE(Checked(1013));
        EXPECT_TRUE(Checked(1004));  // the range preset by the caller
        EXPECT_EQ(Text(1019), "2");
        EXPECT_EQ(Text(1012), "");
        for (int id : {1001, 1002, 1009, 1010, 1013, 1014, 1012, 1015, 1016, 1022}) EXPECT_FALSE(Enabled(id)) << id;
        for (int id : {1003, 1004, 1019, 1020, 1021}) EXPECT_TRUE(Enabled(id)) << id;
    });
}

TEST_F(COptimierenDlgTest, AMasterSwitchedOffKeepsItsDependentsAsTheyStand) {
    Show([this] {
        Click(1000);
        Click(1001);
        Click(1000);
        EXPECT_TRUE(Checked(1001));
        EXPECT_FALSE(Enabled(1001));
        Click(1011);
        Get<QLineEdit>(1012)->setText("#");
        Click(1011);
        EXPECT_TRUE(Ok());
    });
    EXPECT_EQ(Stored("Leerz") + Stored("LeerzEnde") + Stored("Benutzerdef Zeichen"), "01#");
    Show([this] {
        EXPECT_TRUE(Checked(1001) && !Enabled(1001));
        EXPECT_TRUE(Text(1012) == "#" && !Enabled(1012));
    });
}

TEST_F(COptimierenDlgTest, OkChecksInTheirOrderAndStoresOnlyWhenAllPass) {
    const auto refused = [this](const char* message) {
        messages.clear();
        EXPECT_FALSE(Ok());
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(message)});
        EXPECT_TRUE(StoredNothing());
    };
    EXPECT_EQ(Show([&] {
                  Click(1000);
                  Click(1008);
                  Click(1011);
                  refused("Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Leerzeichen.");
                  Click(1002);
                  refused("Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Tabulatoren.");
                  Click(1009);
                  refused("Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der "
                          "Benutzerdefinierten Zeichen.");
                  Click(1016);
                  refused("Bitte geben Sie ein benutzerdefiniertes Zeichen ein, wenn Sie benutzerdefiniert wählen.");
                  Get<QLineEdit>(1012)->setText(QStringLiteral("ä"));
                  EXPECT_TRUE(Ok());
              }),
              QDialog::Accepted);
    EXPECT_EQ(Stored("LeerzAnf") + Stored("TabEnde") + Stored("BendefAnf") + Stored("Tabbreite"), "1112");
    EXPECT_EQ(Stored("Benutzerdef Zeichen"), "\xC3\xA4");
    EXPECT_EQ(dialog.options().bendefZeichen, "\xC3\xA4");
}

TEST_F(COptimierenDlgTest, TheConversionsExcludeEachOtherAfterAClick) {
    Show([this] {
        Click(1020);
        EXPECT_TRUE(Enabled(1022));
        Click(1022);
        Click(1021);
        EXPECT_TRUE(!Checked(1020) && !Enabled(1022) && Checked(1022));
        Click(1020);
        EXPECT_TRUE(!Checked(1021) && Enabled(1022));
    });
}

TEST_F(COptimierenDlgTest, StoredValuesTheControlsCannotHoldAsSuch) {
    Show([] {});  // "alle" checked from the default, to be cleared by the next showing
    store.WriteInt(kOptimizeSection, "Tabbreite", 300);
    store.WriteInt(kOptimizeSection, "Nur Leerzeilen", 5);
    store.WriteInt(kOptimizeSection, "Tab zu Leerz", 1);
    store.WriteInt(kOptimizeSection, "Leerz zu Tab", 1);
    store.WriteString(kOptimizeSection, "Benutzerdef Zeichen", "\xE2\x82\xAC|\xE4|\xC3");  // UTF-8, then not
    Show([this] {
        EXPECT_EQ(Text(1019), "44");
        EXPECT_FALSE(Checked(1013) || Checked(1014));
        EXPECT_EQ(Text(1012), QStringLiteral("€|ä|Ã"));
        EXPECT_TRUE(Checked(1020) && Checked(1021) && Enabled(1022));
        Click(1020);  // switched off: the other one stays on
        EXPECT_TRUE(Checked(1021));
        Click(1020);
        EXPECT_FALSE(Checked(1021));
    });
}

TEST_F(COptimierenDlgTest, TheWidthIsAWholeNumberFrom0To255) {
    Show([this] {
        auto* width = Get<QLineEdit>(1019);
        for (const char* text : {"256", "x", "", "-1", "4294967298", "1 2"}) {
            messages.clear();
            width->setText(text);
            EXPECT_FALSE(Ok()) << text;
            EXPECT_EQ(messages, QStringList{"Bitte geben Sie eine ganze Zahl zwischen 0 und 255 ein."}) << text;
            EXPECT_TRUE(dialog.focusWidget() == width && width->selectedText() == text) << text;
            EXPECT_TRUE(StoredNothing());
        }
        width->setText("0");
        EXPECT_TRUE(Ok());
    });
    EXPECT_EQ(Stored("Tabbreite"), "0");
}

TEST_F(COptimierenDlgTest, CancelStoresNothingAndTheNextShowingReadsTheStore) {
    store.WriteInt(kOptimizeSection, "Tab", 1);
    EXPECT_EQ(Show([this] {
                  Click(1000);
                  Click(1008);
                  dialog.OnCancel();
              }),
              QDialog::Rejected);
    EXPECT_EQ(Stored("Leerz") + Stored("Tab"), "-1");
    EXPECT_EQ(dialog.options().leerz, 1);  // the click put it into the field
    Show([this] { EXPECT_TRUE(!Checked(1000) && Checked(1008)); });
}

TEST_F(COptimierenDlgTest, LaidOutInDialogUnitsWithOkFirst) {
    const QFontMetrics metrics(dialog.font());
    const double letter = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    const auto x = [&](int units) { return static_cast<int>(std::lround(units * letter / 4)); };
    const auto y = [&](int units) { return static_cast<int>(std::lround(units * metrics.height() / 8.0)); };
    EXPECT_EQ(dialog.minimumSize(), QSize(x(184), y(241)));
    EXPECT_EQ(dialog.maximumSize(), dialog.minimumSize());
    auto* ok = Get<QPushButton>(1);
    EXPECT_EQ(ok->geometry(), QRect(QPoint(x(66), y(220)), QPoint(x(116) - 1, y(234) - 1)));
    EXPECT_EQ(Get<QWidget>(1019)->geometry(), QRect(QPoint(x(137), y(156)), QPoint(x(163) - 1, y(168) - 1)));
    EXPECT_TRUE(ok->isDefault());
    QStringList tabOrder;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) tabOrder << w->objectName();
    }
    EXPECT_EQ(tabOrder.join(' '), "1 2 1000 1001 1002 1008 1009 1010 1005 1013 1014 1011 1012 1015 1016 "
                                  "1003 1004 1019 1020 1021 1022");
    // The focus starts on OK at every showing, also after a refused width took it away.
    Show([this] {
        Get<QLineEdit>(1019)->setText("x");
        Ok();
    });
    Show([this, ok] { EXPECT_EQ(dialog.focusWidget(), ok); });
}

TEST_F(COptimierenDlgTest, TabEntersARadioGroupAtItsCheckedButtonAndArrowsMoveWithinIt) {
    store.WriteInt(kOptimizeSection, "Zeilenumbruch", 1);
    store.WriteInt(kOptimizeSection, "Nur Leerzeilen", 1);
    struct Row {
        int range, before, entered, after;  // preset range; Tab from `before` lands on `entered`, then `after`
        Qt::Key arrow;                      // moves to and checks `moved`
        int moved;
    };
    // The same showing twice: the checked button decides, not the one that had the focus last.
    for (const Row& row : {Row{1, 1011, 1004, 1019, Qt::Key_Left, 1003}, Row{1, 1011, 1004, 1019, Qt::Key_Left, 1003},
                           Row{0, 1011, 1003, 1019, Qt::Key_Right, 1004}, Row{1, 1005, 1014, 1011, Qt::Key_Up, 1013}}) {
        SCOPED_TRACE(row.entered);
        dialog.options().bereich = row.range;
        Show([&] {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            const auto focus = [this] { return dialog.focusWidget() ? dialog.focusWidget()->objectName().toInt() : 0; };
            Get<QWidget>(row.before)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(&dialog, Qt::Key_Tab);
            EXPECT_EQ(focus(), row.entered);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);  // the checked button stays checked
            EXPECT_TRUE(Checked(row.entered));
            QTest::keyClick(&dialog, Qt::Key_Tab);
            EXPECT_EQ(focus(), row.after);
            QTest::keyClick(&dialog, Qt::Key_Backtab);
            EXPECT_EQ(focus(), row.entered);
            QTest::keyClick(dialog.focusWidget(), row.arrow);
            EXPECT_EQ(focus(), row.moved);
            EXPECT_TRUE(Checked(row.moved));
            dialog.hide();
        });
    }
}

}  // namespace
}  // namespace venkora::test
