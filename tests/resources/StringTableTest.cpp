// The string table: a sample of entries, the split into prompt and tooltip, lookups of ids
// without an entry, and that every command the user can reach has a prompt.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/CodePage.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"

namespace venkora {
namespace {

struct Sample {
    unsigned id;
    std::string_view prompt;
    std::string_view tooltip;  // empty: the entry has no line feed
};

constexpr Sample kSamples[] = {
    {kIdOptimize, "Optimiert unnötige Zeichen aus einem Dokument", "Optimieren"},
    {kIdTabLength, "Ändert die Tabulator Länge", "Tabulator Länge"},
    {kIdAppExit, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.",
     "Beenden"},
    {kIdViewToolbar, "Blendet die Symbolleiste ein oder aus.", "Symbolleiste ein-/ausschalten"},
    {kIdEditPaste, "Fügt den Inhalt der Zwischenablage ein.", "Einfügen"},
    {kIdTipOfTheDay, "Zeigt einen der Tips und Tricks an.", ""},
    {kIdFileMruFirst, "Öffnet dieses Dokument.", ""},
    {kIdFileMruFirst + 3, "Öffnet dieses Dokument.", ""},
    {kIdFileMruLast, "Öffnet dieses Dokument.", ""},
    {kIdsWindowClose, "Schließt das aktive Fenster und fordert zur Dokumentspeicherung auf.", ""},
    {kIdsAppTitle, "Venkora", ""},
    {kIdsIdleMessage, "Bereit", ""},
    {kIdIndicatorCaps, "UF", ""},
    {kIdIndicatorOverwrite, "ÜB", ""},
    {kIdsHelpMenuTitle, "&?", ""},
    {kIdsTipsMenuItem, "Ti&ps und Tricks...", ""},
};

TEST(StringTable, EntriesSplitIntoPromptAndTooltip) {
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.id);
        std::string whole(sample.prompt);
        if (!sample.tooltip.empty()) whole += "\n" + std::string(sample.tooltip);
        EXPECT_EQ(StringTable::Find(sample.id), whole);
        EXPECT_EQ(StringTable::Prompt(sample.id), sample.prompt);
        EXPECT_EQ(StringTable::Tooltip(sample.id), sample.tooltip);
    }
}

TEST(StringTable, DocumentStringHasSevenFields) {
    const std::optional<std::string_view> text = StringTable::Find(kIdrMainFrame);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Venkora\n\nVenkora\n\n\nVenkorar.Document\nVenkora Document");
    EXPECT_EQ(StringTable::Prompt(kIdrMainFrame), "Venkora");
}

TEST(StringTable, IdsWithoutEntryGiveNothing) {
    constexpr unsigned kUnknown[] = {
        0, kIdFilePrintDirect, kIdFileMruFirst - 1, kIdEditPaste + 1, kIdIndicatorExt - 1, ~0u,
    };
    for (unsigned id : kUnknown) {
        SCOPED_TRACE(id);
        EXPECT_EQ(StringTable::Find(id), std::nullopt);
        EXPECT_EQ(StringTable::Prompt(id), "");
        EXPECT_EQ(StringTable::Tooltip(id), "");
    }
}

TEST(StringTable, EveryReachableCommandHasAPrompt) {
    // The items of the menus, the toolbar buttons and the accelerator keys.
    constexpr unsigned kMenuCommands[] = {
        kIdFileNew, kIdFileOpen, kIdFileSave, kIdFileSaveAs, kIdFilePrint, kIdFilePrintPreview,
        kIdFilePrintSetup, kIdFileMruFirst, kIdAppExit, kIdEditUndo, kIdOptimize, kIdEditCut,
        kIdEditCopy, kIdEditPaste, kIdSelectAllText, kIdToggleWordWrap, kIdViewToolbar,
        kIdViewStatusBar, kIdTabLength, kIdDisplayFont, kIdTipOfTheDay, kIdAppAbout, kIdNextPane,
        kIdPrevPane,
    };
    for (unsigned id : kMenuCommands) {
        EXPECT_FALSE(StringTable::Prompt(id).empty()) << id;
    }
    constexpr unsigned kToolbarCommands[] = {
        kIdFileNew, kIdFileOpen, kIdFileSave, kIdEditUndo, kIdEditCut,
        kIdEditCopy, kIdEditPaste, kIdOptimize, kIdFilePrint, kIdAppAbout,
    };
    for (unsigned id : kToolbarCommands) {
        EXPECT_FALSE(StringTable::Tooltip(id).empty()) << id;
    }
}

TEST(StringTable, EveryEntryIsNonEmptyUtf8) {
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        const std::optional<std::string_view> text = StringTable::Find(id);
        if (!text) continue;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_TRUE(CodePage::IsValidUtf8(*text)) << id;
    }
}

}  // namespace
}  // namespace venkora
