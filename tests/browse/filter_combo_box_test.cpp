#include "browse_world.h"

namespace quorrin::browse::test {
namespace {

using namespace std::chrono_literals;

TEST(FilterParsing, PresetsInFilterOrderWithTheFirstSelected)
{
    const testing::ShiftJisTextRules rules;
    auto j = [&](std::string_view utf8) { return rules.fromUtf8(utf8); };
    const std::string po = "\x83\x7C"; // the second byte of ポ is "|": it must not split the text
    const struct {
        std::string filter;
        Names items, masks;
    } cases[] = {
        {j(mainWindowFilterUtf8),
         {j("実行ファイル"), j("テキスト (*.TXT, *.DOC)"), j("動画 (*.AVI, *.MPG, ASF)"),
          j("イメージ (*.jpg, *.bmp, *.ico, *.wmf, *.emf)"), j("ビットマップ (*.bmp)"), j("アイコン (*.ico)"),
          j("メタ (*.wmf, *.emf)"), j("すべて (*.*)")},
         {"*.exe;*.com", "*.txt;*.doc", "*.avi;*.mpg;*.mpeg;*.asf", "*.jpg;*.bmp;*.ico;*.wmf;*.emf", "*.bmp", "*.ico",
          "*.wmf;*.emf", "*.*"}},
        {"A|*.a|B", {"A"}, {"*.a"}},
        {"A||B|*.b", {"A", "B"}, {"", "*.b"}},
        {"A|", {"A"}, {""}},
        {po + "|*.p" + po, {po}, {"*.p" + po}},
        {"no bar at all", {}, {}},
    };
    TFilterComboBox fresh(rules);
    EXPECT_EQ(fresh.Items(), Names{j("すべてのファイル (*.*)")});
    EXPECT_EQ(fresh.SelectedMask(), "*.*");
    for (const auto& c : cases) {
        SCOPED_TRACE(caseLabel(c.filter));
        TFilterComboBox filter(rules);
        filter.SetFilter(c.filter);
        EXPECT_EQ(filter.Items(), c.items);
        EXPECT_EQ(filter.Masks(), c.masks);
        EXPECT_EQ(filter.ItemIndex(), c.items.empty() ? -1 : 0);
    }
}

TEST_F(BrowseWorld, SelectedMaskFallsBackToTheLastPresetThenToEverything)
{
    for (const int index : {8, -1}) {
        filter->SetItemIndex(index);
        EXPECT_EQ(filter->ItemIndex(), -1);
        EXPECT_EQ(filter->SelectedMask(), "*.*");
        EXPECT_EQ(filter->ItemIndex(), 7);
    }
    filter->SetItemIndex(4);
    EXPECT_EQ(filter->SelectedMask(), "*.bmp");
    EXPECT_EQ(takeEvents(), Names{}); // from code: no events
    filter->SetFilter("none");
    EXPECT_EQ(filter->SelectedMask(), "*.*");
    EXPECT_EQ(filter->ItemIndex(), -1);
}

TEST_F(BrowseWorld, AFilterEqualAsAFileNameChangesNothing)
{
    filter->SetItemIndex(3);
    filter->SetFilter(rules.upperAsFileName(filter->Filter()));
    EXPECT_EQ(filter->ItemIndex(), 3);
    EXPECT_EQ(takeEvents(), Names{});
    filter->SetFilter("Text|*.txt|All|*.*");
    EXPECT_EQ(files->Mask(), "*.txt");
    EXPECT_EQ(takeEvents(), (Names{"file change C:\\Windows", "filter change 0 *.txt"}));
}

TEST_F(BrowseWorld, ChoosingThePresetWhoseMaskTheListHasDoesNotReread)
{
    files->SetMask("*.bmp");
    newSearches();
    takeEvents();
    edit.setText("typed, not applied");
    filter->chooseByUser(4);
    EXPECT_EQ(newSearches(), Names{});
    EXPECT_EQ(takeEvents(),
              (Names{"filter click", "filter change 4 typed, not applied", "filter change 4 typed, not applied"}));
}

TEST_F(BrowseWorld, ChoosingTheShownPresetAgainPutsBackItsMaskAfterATypedOne)
{
    filter->SetItemIndex(7);
    files->ApplyPathText("*.exe");
    takeEvents();
    filter->chooseByUser(7);
    EXPECT_EQ(files->Mask(), "*.*");
    EXPECT_EQ(edit.text(), "*.*");
    EXPECT_EQ(takeEvents(),
              (Names{"filter click", "file change C:\\Windows", "filter change 7 *.*", "filter change 7 *.*"}));
}

TEST_F(BrowseWorld, TypingOnTheClosedFilterSelectorClicksThenSetsTheMaskAndReportsTwice)
{
    filter->setClock(manualClock());
    EXPECT_TRUE(filter->typeKey(rules.fromUtf8("テ")));
    EXPECT_EQ(filter->ItemIndex(), 1);
    EXPECT_EQ(files->Mask(), "*.txt;*.doc");
    EXPECT_EQ(newSearches(), (Names{"C:\\Windows\\*.txt", "C:\\Windows\\*.doc"}));
    EXPECT_EQ(takeEvents(), (Names{"filter click", "file change C:\\Windows", "filter change 1 *.txt;*.doc",
                                   "filter change 1 *.txt;*.doc"}));
    now += 100ms;
    EXPECT_FALSE(filter->typeKey("z"));
    // Backspace reports without choosing: the selected preset's mask again.
    files->SetMask("*.exe");
    takeEvents();
    EXPECT_TRUE(filter->typeKey("\b"));
    EXPECT_EQ(filter->ItemIndex(), 1);
    EXPECT_EQ(files->Mask(), "*.txt;*.doc");
    EXPECT_EQ(takeEvents(), (Names{"file change C:\\Windows", "filter change 1 *.txt;*.doc"}));
}

} // namespace
} // namespace quorrin::browse::test
