// The tab length dialog: it shows the preset length and accepts only 1 to 16.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStringList>

#include "app/CSetTabStops.h"
#include "platform/MessageBox.h"

namespace venkora::test {
namespace {

TEST(CSetTabStopsTest, ShowsTheLengthAndAcceptsOnly1To16) {
    QStringList messages;
    SetMessageBoxSeam([&messages](const QString& text) { messages << text; });
    CDialog::SetModalSeam<CSetTabStops>([&messages](CSetTabStops& shown) {
        auto* edit = shown.findChild<QLineEdit*>(QString::number(CSetTabStops::kIdTabLengthEdit));
        EXPECT_EQ(edit->text(), "8");
        for (const char* text : {"0", "17", "x", "-4", ""}) {
            messages.clear();
            edit->setText(text);
            EXPECT_FALSE(shown.OnOK()) << text;
            EXPECT_EQ(messages, QStringList{"Bitte geben Sie eine ganze Zahl zwischen 1 und 16 ein."}) << text;
            EXPECT_TRUE(shown.focusWidget() == edit && edit->selectedText() == text) << text;
        }
        EXPECT_EQ(shown.tabLength, 8u);
        edit->setText("4");
        EXPECT_TRUE(shown.OnOK());
        return shown.result();
    });
    CSetTabStops dialog;
    dialog.tabLength = 8;
    EXPECT_EQ(dialog.DoModal(nullptr), QDialog::Accepted);
    EXPECT_EQ(dialog.tabLength, 4u);
    SetMessageBoxSeam({});
    CDialog::SetModalSeam({});
}

}  // namespace
}  // namespace venkora::test
