// The find and replace dialog on its own: the controls of each kind with their mnemonics, the
// texts and flags it starts with, and the one notification each button, Return and Escape send.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <set>
#include <tuple>
#include <vector>

#include "platform/CFindReplaceDialog.h"

namespace venkora::test {
namespace {

using Dlg = CFindReplaceDialog;
using Message = std::tuple<unsigned, QString, QString>;

TEST(CFindReplaceDialogTest, EachKindNotifiesItsOwnerOfEveryRequest) {
    QWidget owner;
    owner.show();
    for (const bool findOnly : {true, false}) {
        SCOPED_TRACE(findOnly ? "Suchen" : "Ersetzen");
        auto* dialog = new Dlg(findOnly);
        std::vector<Message> messages;
        QObject::connect(dialog, &Dlg::findReplaceMessage,
                         [&](unsigned flags, const QString& find, const QString& replace) {
                             messages.emplace_back(flags, find, replace);
                         });
        dialog->Create(QStringLiteral("alt"), QStringLiteral("neu"), Dlg::kFrDown | Dlg::kFrHideWholeWord,
                       &owner);
        const auto control = [dialog](int id) { return dialog->findChild<QWidget*>(QString::number(id)); };
        EXPECT_EQ(dialog->windowTitle(), findOnly ? "Suchen" : "Ersetzen");
        // One mnemonic for every control but "Abbrechen" and the frame "Richtung", none twice.
        std::set<QChar> mnemonics;
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const auto* label = qobject_cast<QLabel*>(widget);
            if (!button && !label) continue;
            const QString text = button ? button->text() : label->text();
            if (text == "Abbrechen") continue;
            ASSERT_EQ(text.count('&'), 1) << text.toStdString();
            EXPECT_TRUE(mnemonics.insert(text[text.indexOf('&') + 1].toLower()).second) << text.toStdString();
        }

        auto* find = static_cast<QLineEdit*>(control(Dlg::kIdFindWhat));
        EXPECT_EQ(find->text(), "alt");
        EXPECT_FALSE(static_cast<QCheckBox*>(control(Dlg::kIdMatchCase))->isChecked());
        find->clear();  // nothing to search for: the search buttons wait
        QTest::keyClick(find, Qt::Key_Return);
        EXPECT_TRUE(messages.empty());
        EXPECT_FALSE(static_cast<QPushButton*>(control(Dlg::kIdOk))->isEnabled());

        find->setText(QStringLiteral("Wort"));
        static_cast<QCheckBox*>(control(Dlg::kIdMatchCase))->click();
        static_cast<QRadioButton*>(control(Dlg::kIdUp))->click();
        QTest::keyClick(find, Qt::Key_Return);
        const unsigned kept = Dlg::kFrHideWholeWord | Dlg::kFrMatchCase;  // and up
        std::vector<Message> expected{{kept | Dlg::kFrFindNext, "Wort", "neu"}};
        if (!findOnly) {
            static_cast<QLineEdit*>(control(Dlg::kIdReplaceWith))->setText(QStringLiteral("Satz"));
            static_cast<QPushButton*>(control(Dlg::kIdReplaceAll))->click();
            expected.emplace_back(kept | Dlg::kFrReplaceAll, "Wort", "Satz");
        }
        QTest::keyClick(find, Qt::Key_Escape);
        expected.emplace_back(Dlg::kFrDialogTerm | Dlg::kFrMatchCase, "Wort",
                              findOnly ? "neu" : "Satz");
        EXPECT_EQ(messages, expected);
        EXPECT_FALSE(dialog->isVisible());
    }
}

}  // namespace
}  // namespace venkora::test
