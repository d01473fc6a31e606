// Command routing along view, document and application: handlers of a derived class before
// those of its base, enabling rules, commands without rule or without handler, and a target
// that is the second base of its class.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/CmdUI.h"
#include "resources/CommandIds.h"
#include "core/CommandRouter.h"
#include "core/CommandTarget.h"

namespace venkora {
namespace {

using Log = std::vector<std::string>;

// Records what the enabling rules set; what no rule sets stays empty.
class RecordingCmdUI : public CmdUI {
public:
    using CmdUI::CmdUI;
    void Enable(bool on) override { enabled = on; }
    void SetCheck(int state) override { check = state; }
    std::optional<bool> enabled;
    std::optional<int> check;
};

// An edit view: undo, copy and clear with rules on the selection, print without a rule.
class EditView : public CommandTarget {
public:
    explicit EditView(Log& log) : log_(log) {}
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    bool hasSelection = false;

protected:
    Log& log_;

private:
    void OnEditUndo() { log_.push_back("EditView undo"); }
    void OnEditCopy() { log_.push_back("EditView copy"); }
    void OnEditClear() { log_.push_back("EditView clear"); }
    void OnFilePrint() { log_.push_back("EditView print"); }
    void OnUpdateNeedsSelection(CmdUI& ui) { ui.Enable(hasSelection); }
};

const CommandTarget::Map& EditView::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&EditView::OnEditUndo>(kIdEditUndo),
        OnCommand<&EditView::OnEditCopy>(kIdEditCopy),
        OnUpdate<&EditView::OnUpdateNeedsSelection>(kIdEditCopy),
        OnCommand<&EditView::OnEditClear>(kIdEditClear),
        OnUpdate<&EditView::OnUpdateNeedsSelection>(kIdEditClear),
        OnCommand<&EditView::OnFilePrint>(kIdFilePrint),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

// The main view: its own undo, its own rule for clear, optimize, and word wrap with a check mark.
class MainView : public EditView {
public:
    using EditView::EditView;
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    bool readOnly = false;
    bool wordWrap = false;

private:
    void OnEditUndo() { log_.push_back("MainView undo"); }
    void OnUpdateEditClear(CmdUI& ui) { ui.Enable(hasSelection && !readOnly); }
    void OnOptimize() { log_.push_back("MainView optimize"); }
    void OnToggleWordWrap() { log_.push_back("MainView word wrap"); }
    void OnUpdateToggleWordWrap(CmdUI& ui) { ui.SetCheck(wordWrap ? 1 : 0); }
};

const CommandTarget::Map& MainView::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&MainView::OnEditUndo>(kIdEditUndo),
        OnUpdate<&MainView::OnUpdateEditClear>(kIdEditClear),
        OnCommand<&MainView::OnOptimize>(kIdOptimize),
        OnCommand<&MainView::OnToggleWordWrap>(kIdToggleWordWrap),
        OnUpdate<&MainView::OnUpdateToggleWordWrap>(kIdToggleWordWrap),
    };
    static const Map map{&EditView::CommandMap(), kEntries};
    return map;
}

// The document: save without a rule, and a rule for optimize that sets nothing.
class Document : public CommandTarget {
public:
    explicit Document(Log& log) : log_(log) {}
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

private:
    void OnFileSave() { log_.push_back("Document save"); }
    void OnUpdateOptimize(CmdUI&) {}

    Log& log_;
};

const CommandTarget::Map& Document::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&Document::OnFileSave>(kIdFileSave),
        OnUpdate<&Document::OnUpdateOptimize>(kIdOptimize),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

// The application: new without a rule, a rule for print that it does not handle, and a rule for
// optimize that disables it.
class Application : public CommandTarget {
public:
    explicit Application(Log& log) : log_(log) {}
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    bool hasPrinter = true;

private:
    void OnFileNew() { log_.push_back("Application new"); }
    void OnUpdateFilePrint(CmdUI& ui) { ui.Enable(hasPrinter); }
    void OnUpdateOptimize(CmdUI& ui) { ui.Enable(false); }

    Log& log_;
};

const CommandTarget::Map& Application::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&Application::OnFileNew>(kIdFileNew),
        OnUpdate<&Application::OnUpdateFilePrint>(kIdFilePrint),
        OnUpdate<&Application::OnUpdateOptimize>(kIdOptimize),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

class CommandRouterTest : public testing::Test {
protected:
    Log log;
    EditView editView{log};
    MainView mainView{log};
    Document document{log};
    Application application{log};
};

enum class Chain { Full, PlainEditView, ViewOnly, Empty };

struct RoutingCase {
    const char* label;
    Chain chain;
    unsigned id;
    bool hasSelection;
    bool readOnly;
    bool hasPrinter;
    bool enabled;
    const char* ran;  // the handler that Execute runs; nullptr: none
};

constexpr RoutingCase kRoutingCases[] = {
    {"derived handler before the base's", Chain::Full, kIdEditUndo, false, false, true, true,
     "MainView undo"},
    {"base handler of a plain base object", Chain::PlainEditView, kIdEditUndo, false, false, true,
     true, "EditView undo"},
    {"base rule disables without selection", Chain::Full, kIdEditCopy, false, false, true, false,
     nullptr},
    {"base rule and base handler reached through the derived view", Chain::Full, kIdEditCopy,
     true, false, true, true, "EditView copy"},
    {"derived rule before the base's", Chain::Full, kIdEditClear, true, true, true, false,
     nullptr},
    {"derived rule enables, base handler runs", Chain::Full, kIdEditClear, true, false, true,
     true, "EditView clear"},
    {"base rule applies to a plain base object", Chain::PlainEditView, kIdEditClear, true, true,
     true, true, "EditView clear"},
    {"document handler without rule", Chain::Full, kIdFileSave, false, false, true, true,
     "Document save"},
    {"application handler without rule", Chain::Full, kIdFileNew, false, false, true, true,
     "Application new"},
    {"later target's rule decides over an earlier handler", Chain::Full, kIdFilePrint, false,
     false, false, false, nullptr},
    {"later target's rule enables an earlier handler", Chain::Full, kIdFilePrint, false, false,
     true, true, "EditView print"},
    {"first rule sets nothing, a later disabling rule is not asked", Chain::Full, kIdOptimize,
     false, false, true, true, "MainView optimize"},
    {"handled by no target on a short chain", Chain::ViewOnly, kIdFileSave, false, false, true,
     false, nullptr},
    {"handled by nobody", Chain::Full, kIdAppExit, false, false, true, false, nullptr},
    {"empty chain", Chain::Empty, kIdEditUndo, false, false, true, false, nullptr},
};

TEST_F(CommandRouterTest, EnablingAndExecution) {
    for (const RoutingCase& c : kRoutingCases) {
        SCOPED_TRACE(c.label);
        log.clear();
        editView.hasSelection = mainView.hasSelection = c.hasSelection;
        mainView.readOnly = c.readOnly;
        application.hasPrinter = c.hasPrinter;

        CommandRouter router;
        switch (c.chain) {
            case Chain::Full: router.SetChain({&mainView, &document, &application}); break;
            case Chain::PlainEditView: router.SetChain({&editView, &document, &application}); break;
            case Chain::ViewOnly: router.SetChain({&mainView}); break;
            case Chain::Empty: break;
        }

        EXPECT_EQ(router.IsEnabled(c.id), c.enabled);
        RecordingCmdUI ui(c.id);
        router.Update(ui);
        EXPECT_EQ(ui.enabled.value_or(true), c.enabled);

        EXPECT_EQ(router.Execute(c.id), c.ran != nullptr);
        const Log expected = c.ran != nullptr ? Log{c.ran} : Log{};
        EXPECT_EQ(log, expected);
    }
}

TEST_F(CommandRouterTest, RuleThatSetsNothingLeavesTheElementAsItIs) {
    CommandRouter router;
    router.SetChain({&mainView, &document, &application});
    RecordingCmdUI ui(kIdOptimize);
    router.Update(ui);
    EXPECT_EQ(ui.enabled, std::nullopt);
    EXPECT_EQ(ui.check, std::nullopt);
}

TEST_F(CommandRouterTest, CommandsWithoutRuleAreSetExplicitly) {
    CommandRouter router;
    router.SetChain({&mainView, &document, &application});
    RecordingCmdUI handled(kIdFileSave);
    router.Update(handled);
    EXPECT_EQ(handled.enabled, true);
    RecordingCmdUI unhandled(kIdAppExit);
    router.Update(unhandled);
    EXPECT_EQ(unhandled.enabled, false);
}

TEST_F(CommandRouterTest, RuleSetsCheckMark) {
    CommandRouter router;
    router.SetChain({&mainView, &document, &application});
    for (bool wrap : {false, true}) {
        mainView.wordWrap = wrap;
        RecordingCmdUI ui(kIdToggleWordWrap);
        router.Update(ui);
        EXPECT_EQ(ui.check, wrap ? 1 : 0);
        EXPECT_EQ(ui.enabled, std::nullopt);
    }
    EXPECT_TRUE(router.Execute(kIdToggleWordWrap));
    EXPECT_EQ(log, Log{"MainView word wrap"});
}

// Stands for a toolkit widget: a polymorphic first base with state of its own.
class Widget {
public:
    virtual ~Widget() = default;
    virtual int Width() const { return width; }
    int width = 640;
    std::string name = "Ansicht";
};

// A view that derives from the widget first and from CommandTarget second.
class WidgetView : public Widget, public CommandTarget {
public:
    static const Map& CommandMap();
    const Map& GetCommandMap() const override { return CommandMap(); }

    bool canUndo = false;
    int undoCount = 0;
    int widthSeenByHandler = 0;

private:
    void OnEditUndo() {
        ++undoCount;
        widthSeenByHandler = Width();
    }
    void OnUpdateEditUndo(CmdUI& ui) { ui.Enable(canUndo); }
};

const CommandTarget::Map& WidgetView::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&WidgetView::OnEditUndo>(kIdEditUndo),
        OnUpdate<&WidgetView::OnUpdateEditUndo>(kIdEditUndo),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

TEST(CommandRouterMultipleInheritance, TargetAsSecondBase) {
    WidgetView view;
    CommandTarget* target = &view;
    // The target part does not start at the object's address, so the handlers must adjust it.
    ASSERT_NE(static_cast<void*>(target), static_cast<void*>(&view));

    CommandRouter router;
    router.SetChain({target});
    EXPECT_FALSE(router.IsEnabled(kIdEditUndo));
    EXPECT_FALSE(router.Execute(kIdEditUndo));
    EXPECT_EQ(view.undoCount, 0);

    view.canUndo = true;
    EXPECT_TRUE(router.IsEnabled(kIdEditUndo));
    EXPECT_TRUE(router.Execute(kIdEditUndo));
    EXPECT_EQ(view.undoCount, 1);
    EXPECT_EQ(view.widthSeenByHandler, 640);
    EXPECT_EQ(view.width, 640);
    EXPECT_EQ(view.name, "Ansicht");
}

}  // namespace
}  // namespace venkora
