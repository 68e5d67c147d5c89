#include "file_list_world.h"

#include <utility>

namespace quorrin::browse::test {
namespace {

// Keeps every read handed over, to be landed (or not) when a test says.
class HandOverRunner final : public ReadRunner {
public:
    struct Begun {
        ReadRequest request;
        Land land;
    };
    void start(ReadRequest request, Land land) override { begun.push_back({std::move(request), std::move(land)}); }
    void stop() override { ++stops; }

    std::vector<Begun> begun;
    int stops = 0;
};

// The list of FileListWorld (app.exe, hidden.exe, system.com, tool.com)
// with its reads handed to a runner.
class ReadsElsewhere : public FileListWorld {
protected:
    ReadsElsewhere() { list->setReadRunner(&runner); }

    // Lands read `i` with what the folder holds.
    void land(std::size_t i)
    {
        const ReadRequest& request = runner.begun.at(i).request;
        runner.begun.at(i).land(readEntries(fs, rules, request.dir, request.mask, request.type, {}),
                                fs.watchFolder(request.dir));
    }

    HandOverRunner runner;
};

TEST_F(ReadsElsewhere, OnlyTheLastReadBegunLandsAndReportsTheChange)
{
    const std::uint64_t reads = list->readCount();
    list->SetMask("*.exe");
    list->SetMask("*.com");
    ASSERT_EQ(runner.begun.size(), 2U);
    EXPECT_EQ(runner.begun[1].request, (ReadRequest{"C:\\Data", "*.com", mainWindowType, {}}));
    // Another mask: the old items go at once, the box shows the mask.
    EXPECT_TRUE(list->reading());
    EXPECT_TRUE(list->Items().empty());
    EXPECT_EQ(edit.text(), "*.com");
    EXPECT_EQ(changes, 0);

    runner.begun[0].land(ListedEntries{{"stale.exe"}, {EntryFacts{}}}, nullptr);
    EXPECT_TRUE(list->Items().empty());
    land(1);
    EXPECT_EQ(list->Items(), (Names{"system.com", "tool.com"}));
    EXPECT_FALSE(list->reading());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list->readCount(), reads + 1);
    land(1); // a second landing of the same read changes nothing
    EXPECT_EQ(changes, 1);
}

TEST_F(ReadsElsewhere, AStoppedReadNeverLandsAndTheListReportsWhatItHolds)
{
    list->SetMask("*.exe");
    list->StopReading();
    EXPECT_EQ(runner.stops, 1);
    EXPECT_FALSE(list->reading());
    EXPECT_EQ(changes, 1);
    land(0);
    EXPECT_TRUE(list->Items().empty());
    EXPECT_EQ(changes, 1);
    list->StopReading(); // nothing under way: nothing to stop
    EXPECT_EQ(runner.stops, 1);
}

TEST_F(ReadsElsewhere, AReadOfTheSameFolderKeepsTheItemsUntilItLands)
{
    list->Rescan();
    EXPECT_TRUE(list->reading());
    EXPECT_EQ(list->Items().size(), 4U);
    // The read under way will report; no second one is begun.
    EXPECT_TRUE(list->RescanIfChanged());
    EXPECT_EQ(runner.begun.size(), 1U);
    fs.addFile("C:\\Data\\new.exe");
    land(0);
    EXPECT_EQ(list->Items().size(), 5U);
}

// A typed name is selected once the read lands; a file the mask hides
// becomes the mask, and the read of that mask selects it.
TEST_F(ReadsElsewhere, ATypedFileIsSelectedWhenTheReadLands)
{
    const struct {
        const char* typed;
        std::size_t reads;
        const char* mask;
        const char* selected;
    } cases[] = {
        {"D:\\Docs\\prog.exe", 1, "*.exe;*.com", "prog.exe"},
        {"D:\\Docs\\MEMO.DOC", 2, "MEMO.DOC", "memo.doc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        list->SetCurrentDir("C:\\Data");
        list->SetMask("*.exe;*.com");
        runner.begun.clear();
        list->ApplyPathText(c.typed);
        EXPECT_EQ(list->SelectedName(), "");
        for (std::size_t i = 0; i < runner.begun.size(); ++i)
            land(i);
        EXPECT_EQ(runner.begun.size(), c.reads);
        EXPECT_EQ(list->Mask(), c.mask);
        EXPECT_EQ(list->SelectedName(), c.selected);
        EXPECT_EQ(edit.text(), c.selected);
        EXPECT_FALSE(list->reading());
    }
}

TEST_F(ReadsElsewhere, ANewReadDropsTheNameToSelect)
{
    list->SetMask("*.exe");
    list->SelectName("app.exe");
    list->SetMask("*.*");
    land(1);
    EXPECT_EQ(list->SelectedName(), "");
}

} // namespace
} // namespace quorrin::browse::test
