// The link control under synthetic pointer events and keys: its states with their colours, the
// mouse held while hovering only, clicks that open or fail, and what it ignores.

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>

#include "about/CLinkLabel.h"

namespace venkora::test {
namespace {

TEST(CLinkLabelTest, StatesColoursAndWhatOpensTheLink) {
    QWidget parent;
    auto* link = new CLinkLabel(&parent);
    link->setGeometry(10, 10, 150, 20);
    link->linkTarget = "https://talberg.example/venkora";
    parent.show();
    int opened = 0;
    bool opens = false;
    CLinkLabel::SetOpenUrlSeam([&](const QUrl& url) {
        EXPECT_EQ(url.toString(), link->linkTarget);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ++opened;
        return opens;
    });
    const auto send = [link](QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QMouseEvent event(type, at, link->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(link, &event);
    };
    // Per step the event (i inside, o outside, f failing click, c click, r right click, s Space,
    // e Return) and the state after it.
    const QColor colours[] = {QColor(0, 0, 255), QColor(128, 0, 128), QColor(255, 0, 0)};
    for (const std::string step : {"o0", "i2", "i2", "o0", "i2", "f0", "i2", "r2", "c1", "i2", "o1", "f1", "s1", "e1"}) {
        opens = step[0] != 'f';
        if (step[0] == 'i' || step[0] == 'o') send(QEvent::MouseMove, step[0] == 'i' ? QPoint(5, 5) : QPoint(-5, 40), Qt::NoButton);
        if (step[0] == 'f' || step[0] == 'c' || step[0] == 'r') {
            send(QEvent::MouseButtonPress, QPoint(5, 5), step[0] == 'r' ? Qt::RightButton : Qt::LeftButton);
        }
        QKeyEvent key(QEvent::KeyPress, step[0] == 's' ? Qt::Key_Space : Qt::Key_Return, Qt::NoModifier);
        if (step[0] == 's' || step[0] == 'e') QApplication::sendEvent(link, &key);
        const int state = step[1] - '0';
        EXPECT_EQ(link->linkState(), state) << step;
        EXPECT_EQ(link->palette().color(link->foregroundRole()), colours[state]) << step;
        EXPECT_EQ(QWidget::mouseGrabber() == link, state == 2) << step;
    }
    EXPECT_EQ(opened, 5);
    CLinkLabel::SetOpenUrlSeam({});

    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->font().family(), parent.font().family());
    EXPECT_EQ(link->font().pointSizeF(), parent.font().pointSizeF());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->focusPolicy() & Qt::TabFocus);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), link->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(link, &menu);
    EXPECT_TRUE(menu.isAccepted()) << "the request ends at the link";
}

}  // namespace
}  // namespace venkora::test
