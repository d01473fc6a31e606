// The about box: its texts with the build's version, the link to the maker's address, which
// opens while the dialog stays open, and Enter and Escape closing it.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest/QTest>

#include "about/CAboutDlg.h"
#include "about/CLinkLabel.h"

namespace venkora::test {
namespace {

TEST(CAboutDlgTest, TextsLinkAndClosingKeys) {
    QStringList opened;
    CLinkLabel::SetOpenUrlSeam([&opened](const QUrl& url) { return opened << url.toString(), true; });
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        CDialog::SetModalSeam<CAboutDlg>([key](CAboutDlg& shown) {
            QStringList texts;
            for (const QLabel* label : shown.findChildren<QLabel*>()) texts << label->text();
            EXPECT_EQ(texts, QStringList({"Venkora Version " VENKORA_VERSION, texts.value(1), "https://talberg.example/venkora"}));
            EXPECT_EQ(texts.value(1).count('\n'), 1) << "two lines about the makers";
            EXPECT_EQ(shown.link().linkTarget, "https://talberg.example/venkora");
            EXPECT_TRUE(shown.findChild<QPushButton*>("1")->isDefault());
            EXPECT_EQ(shown.focusWidget(), shown.findChild<QPushButton*>("1"));
            shown.show();
            QTest::mouseClick(&shown.link(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            EXPECT_TRUE(shown.isVisible()) << "the dialog stays open";
            QTest::keyClick(&shown, key);
            EXPECT_FALSE(shown.isVisible());
            return shown.result();
        });
        EXPECT_EQ(CAboutDlg().DoModal(nullptr), result) << key;
    }
    EXPECT_EQ(opened, QStringList(2, "https://talberg.example/venkora"));
    CDialog::SetModalSeam({});
    CLinkLabel::SetOpenUrlSeam({});
}

}  // namespace
}  // namespace venkora::test
