// The modeless dialog base through a small dialog of its own: shown
// over its owner without a modal loop, and every way of closing tells the owner once, after which
// the dialog deletes itself.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QtTest/QTest>

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/CModelessDialog.h"
#include "platform/MessageBox.h"

namespace venkora::test {
namespace {

// A count from 1 to 9 with an OK button.
class CountDlg : public CModelessDialog {
public:
    static constexpr int kIdCount = 1000;

    CountDlg() : CModelessDialog(QStringLiteral("Anzahl"), 120, 40) {
        auto* ok = Place(new QPushButton(QStringLiteral("OK"), this), kIdOk, 63, 7, 50, 14);
        edit = Place(new QLineEdit(this), kIdCount, 7, 7, 40, 14);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    }

    std::uint32_t count = 3;
    QLineEdit* edit;

protected:
    bool DoDataExchange(bool save) override {
        if (!save) {
            edit->setText(QString::number(count));
            return true;
        }
        const std::optional<std::uint32_t> value = ReadUnsigned(edit, 1, 9);
        if (value) count = *value;
        return value.has_value();
    }
};

TEST(CModelessDialogTest, ShownWithoutALoopAndEveryCloseTellsTheOwnerOnce) {
    QStringList messages;
    SetMessageBoxSeam([&messages](const QString& text) { messages << text; });
    QWidget owner;
    owner.show();
    struct Row {
        const char* way;
        std::function<void(CountDlg&)> close;
        int result;
        std::uint32_t count;
    };
    const auto ok = [](CountDlg& dialog) { dialog.findChild<QPushButton*>(QString::number(CountDlg::kIdOk))->click(); };
    for (const Row& row : {Row{"Escape", [](CountDlg& d) { QTest::keyClick(d.edit, Qt::Key_Escape); },
                               QDialog::Rejected, 3},
                           Row{"close box", [](CountDlg& d) { d.close(); }, QDialog::Rejected, 3},
                           Row{"OK", [&](CountDlg& d) {
                                   d.edit->setText(QStringLiteral("0"));
                                   ok(d);  // refused: stays open
                                   EXPECT_TRUE(d.isVisible());
                                   d.edit->setText(QStringLiteral("5"));
                                   ok(d);
                               }, QDialog::Accepted, 5}}) {
        SCOPED_TRACE(row.way);
        QPointer<CountDlg> dialog = new CountDlg;
        std::optional<std::uint32_t> told;
        QObject::connect(dialog, &CModelessDialog::closed, [&] {
            EXPECT_FALSE(told.has_value()) << "told twice";
            EXPECT_EQ(dialog->result(), row.result);
            told = dialog->count;
        });
        dialog->Create(&owner);
        EXPECT_TRUE(dialog->isVisible() && !dialog->isModal() && !QApplication::activeModalWidget());
        EXPECT_EQ(dialog->parentWidget(), &owner);
        EXPECT_EQ(dialog->edit->text(), "3");
        row.close(*dialog);
        EXPECT_EQ(told, row.count);
        EXPECT_FALSE(dialog->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
    }
    EXPECT_EQ(messages, QStringList{"Bitte geben Sie eine ganze Zahl zwischen 1 und 9 ein."});
    SetMessageBoxSeam({});
}

}  // namespace
}  // namespace venkora::test
