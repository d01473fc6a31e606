#pragma once
// A static text that is a link: it shows its text underlined in the label's font, blue while
// unvisited, purple once opened, red while the pointer is over it, under a pointing hand. A
// left click opens `linkTarget` with the desktop's handler for addresses (under the wait cursor)
// and, when that succeeds, makes the link visited. While the pointer is over the text the label
// holds the mouse, so that it sees the pointer leave; a click ends the hover and repaints in the
// new colour. Right clicks and context menus end here. For keyboard users the link is also a tab
// stop that opens with Space or Return. The owner sets the text and the target.

#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

namespace venkora {

class CLinkLabel : public QLabel {
    Q_OBJECT

public:
    enum LinkState : int { kUnvisited = 0, kVisited = 1, kHover = 2 };

    explicit CLinkLabel(QWidget* parent = nullptr);

    QString linkTarget;
    int linkState() const { return linkState_; }

    // Opens `linkTarget`; true when the desktop took it.
    bool OpenLink();
    // Enters (remembering the state to go back to) or leaves the hover state, and repaints.
    void SetHover(bool on);

    // Replaces the desktop's handler for addresses (tests); it says whether it opened the
    // address. An empty function restores the desktop's.
    using OpenUrlSeam = std::function<bool(const QUrl& url)>;
    static void SetOpenUrlSeam(OpenUrlSeam seam);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A hover ends when the label is hidden or its window loses the focus, so the mouse is free.
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void EndHover();
    // A click or key: opens the link and, on success, makes it visited.
    void Activate();
    void ApplyColour();

    int linkState_ = kUnvisited;
    int stateBeforeHover_ = kUnvisited;
};

}  // namespace venkora
