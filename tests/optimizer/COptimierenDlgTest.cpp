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
#include <vector>

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
        CDialog::SetModalSeam({});
    }

    using enum CDialog::StandardId;
    using enum COptimierenDlg::ControlId;

    // One showing; `act` drives the open dialog.
    int Show(const std::function<void()>& act) {
        CDialog::SetModalSeam<COptimierenDlg>([&act](COptimierenDlg& shown) {
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
    std::string Stored(std::string_view key) { return store.GetString("OptimierenDlg", key, "-"); }
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
        for (int id : {kIdLeerz, kIdLeerzEnde, kIdLeerzAnf, kIdTab, kIdTabEnde, kIdTabAnf, kIdZeilenumbruch,
                       kIdNurLeerzeilen, kIdBendef, kIdBendefEnde, kIdBendefAnf, kIdMarkierung, kIdLeerzZuTab,
                       kIdTabZuLeerz, kIdLoescheUeberz}) {
            EXPECT_FALSE(Checked(id)) << id;
        }
        EXPECT_TRUE(Checked(kIdAlle));
        EXPECT_TRUE(Checked(kIdGesamtesDokument));  // the range preset by the caller
        EXPECT_EQ(Text(kIdTabbreite), "2");
        EXPECT_EQ(Text(kIdBendefZeichen), "");
        for (int id : {kIdLeerzEnde, kIdLeerzAnf, kIdTabEnde, kIdTabAnf, kIdAlle, kIdNurLeerzeilen, kIdBendefZeichen,
                       kIdBendefEnde, kIdBendefAnf, kIdLoescheUeberz}) {
            EXPECT_FALSE(Enabled(id)) << id;
        }
        for (int id : {kIdMarkierung, kIdGesamtesDokument, kIdTabbreite, kIdLeerzZuTab, kIdTabZuLeerz}) {
            EXPECT_TRUE(Enabled(id)) << id;
        }
    });
}

TEST_F(COptimierenDlgTest, AMasterSwitchedOffKeepsItsDependentsAsTheyStand) {
    Show([this] {
        Click(kIdLeerz);
        Click(kIdLeerzEnde);
        Click(kIdLeerz);
        EXPECT_TRUE(Checked(kIdLeerzEnde));
        EXPECT_FALSE(Enabled(kIdLeerzEnde));
        Click(kIdBendef);
        Get<QLineEdit>(kIdBendefZeichen)->setText("#");
        Click(kIdBendef);
        EXPECT_TRUE(Ok());
    });
    EXPECT_EQ(Stored("Leerz") + Stored("LeerzEnde") + Stored("Benutzerdef Zeichen"), "01#");
    Show([this] {
        EXPECT_TRUE(Checked(kIdLeerzEnde) && !Enabled(kIdLeerzEnde));
        EXPECT_TRUE(Text(kIdBendefZeichen) == "#" && !Enabled(kIdBendefZeichen));
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
                  Click(kIdLeerz);
                  Click(kIdTab);
                  Click(kIdBendef);
                  refused("Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Leerzeichen.");
                  Click(kIdLeerzAnf);
                  refused("Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der Tabulatoren.");
                  Click(kIdTabEnde);
                  refused("Bitte wählen Sie Zeilenanfang und/oder Zeilenende für das optimieren der "
                          "Benutzerdefinierten Zeichen.");
                  Click(kIdBendefAnf);
                  refused("Bitte geben Sie ein benutzerdefiniertes Zeichen ein, wenn Sie benutzerdefiniert wählen.");
                  Get<QLineEdit>(kIdBendefZeichen)->setText(QStringLiteral("ä"));
                  EXPECT_TRUE(Ok());
              }),
              QDialog::Accepted);
    EXPECT_EQ(Stored("LeerzAnf") + Stored("TabEnde") + Stored("BendefAnf") + Stored("Tabbreite"), "1112");
    EXPECT_EQ(Stored("Benutzerdef Zeichen"), "\xC3\xA4");
    EXPECT_EQ(dialog.options().bendefZeichen, "\xC3\xA4");
}

TEST_F(COptimierenDlgTest, TheConversionsExcludeEachOtherAfterAClick) {
    Show([this] {
        Click(kIdLeerzZuTab);
        EXPECT_TRUE(Enabled(kIdLoescheUeberz));
        Click(kIdLoescheUeberz);
        Click(kIdTabZuLeerz);
        EXPECT_TRUE(!Checked(kIdLeerzZuTab) && !Enabled(kIdLoescheUeberz) && Checked(kIdLoescheUeberz));
        Click(kIdLeerzZuTab);
        EXPECT_TRUE(!Checked(kIdTabZuLeerz) && Enabled(kIdLoescheUeberz));
    });
}

TEST_F(COptimierenDlgTest, StoredValuesTheControlsCannotHoldAsSuch) {
    Show([] {});  // "alle" checked from the default, to be cleared by the next showing
    store.WriteInt("OptimierenDlg", "Tabbreite", 300);
    store.WriteInt("OptimierenDlg", "Nur Leerzeilen", 5);
    store.WriteInt("OptimierenDlg", "Tab zu Leerz", 1);
    store.WriteInt("OptimierenDlg", "Leerz zu Tab", 1);
    store.WriteString("OptimierenDlg", "Benutzerdef Zeichen", "\xE2\x82\xAC|\xE4|\xC3");  // UTF-8, then not
    Show([this] {
        EXPECT_EQ(Text(kIdTabbreite), "44");
        EXPECT_FALSE(Checked(kIdAlle) || Checked(kIdNurLeerzeilen));
        EXPECT_EQ(Text(kIdBendefZeichen), QStringLiteral("€|ä|Ã"));
        EXPECT_TRUE(Checked(kIdLeerzZuTab) && Checked(kIdTabZuLeerz) && Enabled(kIdLoescheUeberz));
        Click(kIdLeerzZuTab);  // switched off: the other one stays on
        EXPECT_TRUE(Checked(kIdTabZuLeerz));
        Click(kIdLeerzZuTab);
        EXPECT_FALSE(Checked(kIdTabZuLeerz));
    });
}

TEST_F(COptimierenDlgTest, TheWidthIsAWholeNumberFrom0To255) {
    Show([this] {
        auto* width = Get<QLineEdit>(kIdTabbreite);
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
    store.WriteInt("OptimierenDlg", "Tab", 1);
    EXPECT_EQ(Show([this] {
                  Click(kIdLeerz);
                  Click(kIdTab);
                  dialog.OnCancel();
              }),
              QDialog::Rejected);
    EXPECT_EQ(Stored("Leerz") + Stored("Tab"), "-1");
    EXPECT_EQ(dialog.options().leerz, 1);  // the click put it into the field
    Show([this] { EXPECT_TRUE(!Checked(kIdLeerz) && Checked(kIdTab)); });
}

TEST_F(COptimierenDlgTest, LaidOutInDialogUnitsWithOkFirst) {
    const QFontMetrics metrics(dialog.font());
    const double letter = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    const auto x = [&](int units) { return static_cast<int>(std::lround(units * letter / 4)); };
    const auto y = [&](int units) { return static_cast<int>(std::lround(units * metrics.height() / 8.0)); };
    EXPECT_EQ(dialog.minimumSize(), QSize(x(184), y(241)));
    EXPECT_EQ(dialog.maximumSize(), dialog.minimumSize());
    auto* ok = Get<QPushButton>(kIdOk);
    EXPECT_EQ(ok->geometry(), QRect(QPoint(x(66), y(220)), QPoint(x(116) - 1, y(234) - 1)));
    EXPECT_EQ(Get<QWidget>(kIdTabbreite)->geometry(),
              QRect(QPoint(x(137), y(156)), QPoint(x(163) - 1, y(168) - 1)));
    EXPECT_TRUE(ok->isDefault());
    std::vector<int> tabOrder;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) tabOrder.push_back(w->objectName().toInt());
    }
    EXPECT_EQ(tabOrder, (std::vector<int>{kIdOk, kIdCancel, kIdLeerz, kIdLeerzEnde, kIdLeerzAnf, kIdTab, kIdTabEnde,
                                          kIdTabAnf, kIdZeilenumbruch, kIdAlle, kIdNurLeerzeilen, kIdBendef,
                                          kIdBendefZeichen, kIdBendefEnde, kIdBendefAnf, kIdMarkierung,
                                          kIdGesamtesDokument, kIdTabbreite, kIdLeerzZuTab, kIdTabZuLeerz,
                                          kIdLoescheUeberz}));
    // The focus starts on OK at every showing, also after a refused width took it away.
    Show([this] {
        Get<QLineEdit>(kIdTabbreite)->setText("x");
        Ok();
    });
    Show([this, ok] { EXPECT_EQ(dialog.focusWidget(), ok); });
}

TEST_F(COptimierenDlgTest, TabEntersARadioGroupAtItsCheckedButtonAndArrowsMoveWithinIt) {
    store.WriteInt("OptimierenDlg", "Zeilenumbruch", 1);
    store.WriteInt("OptimierenDlg", "Nur Leerzeilen", 1);
    struct Row {
        int range, before, entered, after;  // preset range; Tab from `before` lands on `entered`, then `after`
        Qt::Key arrow;                      // moves to and checks `moved`
        int moved;
    };
    // The same showing twice: the checked button decides, not the one that had the focus last.
    for (const Row& row : {Row{1, kIdBendef, kIdGesamtesDokument, kIdTabbreite, Qt::Key_Left, kIdMarkierung},
                           Row{1, kIdBendef, kIdGesamtesDokument, kIdTabbreite, Qt::Key_Left, kIdMarkierung},
                           Row{0, kIdBendef, kIdMarkierung, kIdTabbreite, Qt::Key_Right, kIdGesamtesDokument},
                           Row{1, kIdZeilenumbruch, kIdNurLeerzeilen, kIdBendef, Qt::Key_Up, kIdAlle}}) {
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
