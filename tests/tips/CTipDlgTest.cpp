// The tip dialog on files of the test's own: the tips in turn and the stored position, when
// "StartUp" is read and stored, a replaced file, and files without a tip.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <functional>

#include "TemporaryDirectory.h"
#include "core/MemoryProfileStore.h"
#include "platform/MessageBox.h"
#include "tips/CTipDlg.h"

namespace venkora::test {
namespace {

class CTipDlgTest : public testing::Test {
protected:
    CTipDlgTest() { SetMessageBoxSeam([this](const QString& text) { messages << text; }); }
    ~CTipDlgTest() override {
        SetMessageBoxSeam({});
        CDialog::SetModalSeam({});
    }

    // Shows a dialog on `path`; `act` works it and sees its tip, its check box and its buttons.
    void Show(const QString& path, std::function<void(QString tip, QCheckBox*, QPushButton* next, QPushButton* close)> act) {
        CDialog::SetModalSeam<CTipDlg>([&act](CTipDlg& shown) {
            auto* next = shown.findChild<QPushButton*>("1002");
            act(shown.findChild<QLabel*>("1004")->text(), shown.findChild<QCheckBox*>("1001"), next,
                shown.findChild<QPushButton*>("1"));
            return shown.result();
        });
        CTipDlg dialog(path);
        dialog.LoadTipState(profile);
        dialog.DoModal(nullptr);
        dialog.SaveTipState(profile);
    }

    TemporaryDirectory dir;
    QString tips = QString::fromStdString(dir.Write("tips.txt", "; Kopf\n\n  eingerückt\nEins && zwei\nZwei\n"));
    MemoryProfileStore profile;
    QStringList messages;
};

TEST_F(CTipDlgTest, TheTipsComeInTurnAndThePositionIsKept) {
    Show(tips, [](QString tip, QCheckBox* startup, QPushButton* next, QPushButton* close) {
        EXPECT_EQ(tip, "Eins && zwei\n");
        EXPECT_TRUE(startup->isChecked());
        EXPECT_EQ(startup->window()->focusWidget(), startup);
        EXPECT_TRUE(close->isDefault());
        next->click();
        EXPECT_EQ(next->window()->findChild<QLabel*>("1004")->text(), "Zwei\n");
        next->click();
        EXPECT_EQ(next->window()->findChild<QLabel*>("1004")->text(), "Eins && zwei\n");
    });
    Show(tips, [](QString tip, QCheckBox*, QPushButton*, QPushButton*) { EXPECT_EQ(tip, "Zwei\n"); });
    EXPECT_EQ(profile.GetInt("Tip", "FilePos", 0), 40u);
    // A new time stamp: the file was replaced and starts again at its first tip.
    profile.WriteString("Tip", "TimeStamp", "Thu Jan  1 00:00:00 1970");
    Show(tips, [](QString tip, QCheckBox*, QPushButton*, QPushButton*) { EXPECT_EQ(tip, "Eins && zwei\n"); });
    EXPECT_EQ(profile.GetString("Tip", "TimeStamp").size(), 24u);
    EXPECT_NE(profile.GetString("Tip", "TimeStamp"), "Thu Jan  1 00:00:00 1970");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CTipDlgTest, StartUpIsStoredOnlyBySchliessen) {
    // Before: the stored value; the check box is clicked, then "Nächster Tipp" (shows the
    // field's value again) if asked, then the dialog ends by Escape or "Schließen".
    const struct {
        std::uint32_t before;
        bool next;
        bool escape;
        std::uint32_t after;
    } rows[] = {{0, false, true, 0}, {0, false, false, 1}, {0, true, false, 0}, {7, true, false, 1}};
    for (const auto& row : rows) {
        profile.WriteInt("Tip", "StartUp", row.before);
        Show(tips, [&row](QString, QCheckBox* startup, QPushButton* next, QPushButton* close) {
            startup->click();
            if (row.next) next->click();
            EXPECT_EQ(startup->isChecked(), row.before == 0 ? row.next : !row.next);
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            row.escape ? void(QApplication::sendEvent(startup->window(), &escape)) : close->click();
        });
        EXPECT_EQ(profile.GetInt("Tip", "StartUp", 77), row.after) << row.before << row.next << row.escape;
    }
}

TEST_F(CTipDlgTest, ACharacterSplitBetweenTwoPiecesIsReplacedAlone) {
    // A line of over 999 bytes shows as its first 999 bytes, then (after a new start from the
    // stored position) the rest. In Windows-1252 no character is split.
    const QString x996(996, 'x');
    const QChar mark = QChar::ReplacementCharacter;
    const struct {
        std::string bytes;
        QString first, second;
    } rows[] = {
        {"ü" + std::string(996, 'x') + "äöy\n", QString::fromUtf8("ü") + x996 + mark, mark + QString::fromUtf8("öy\n")},
        {"\xFC" + std::string(997, 'x') + "\xE4\xF6y\n", QString::fromUtf8("ü") + x996 + QString::fromUtf8("xä"),
         QString::fromUtf8("öy\n")},
    };
    for (const auto& row : rows) {
        const QString path = QString::fromStdString(dir.Write("lang.txt", row.bytes));
        profile.WriteInt("Tip", "FilePos", 0);
        for (const QString& expected : {row.first, row.second}) {
            Show(path, [&expected](QString tip, QCheckBox*, QPushButton*, QPushButton*) { EXPECT_EQ(tip, expected); });
        }
    }
}

TEST_F(CTipDlgTest, AMissingFileOrOneWithoutTipsShowsTheMissingText) {
    for (const std::string& path : {dir.Path() + "/fehlt.txt", dir.Path(), dir.Write("leer.txt", ""),
                                    dir.Write("kommentare.txt", "; nur\n\n\teingerückt\n")}) {
        Show(QString::fromStdString(path), [](QString tip, QCheckBox*, QPushButton* next, QPushButton*) {
            EXPECT_EQ(tip, "Tips-Datei ist im vorgeschriebenen Verzeichnis nicht vorhanden");
            EXPECT_FALSE(next->isEnabled());
        });
        EXPECT_EQ(profile.GetInt("Tip", "FilePos", 77), 77u) << path;
    }
    EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace venkora::test
