#include <gtest/gtest.h>

#include "edit/notifier.h"
#include "ui/widgets/button.h"
#include "ui/widgets/opane.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/requests.h"

namespace
{
TEST(PaneBounds, ChildPaneTakesItsGridBoxWithInsets)
{
    POption options;
    RecordingPane root(&options, 20, 12); // 486 x 294
    auto* framed = new PPane(&root, 2, 1, 3, 1, PPane::Kind::framed);
    // Grid box (54, 30, 66, 18); insets (6, 8, -12, -20); then -u+1 and +2u-2.
    EXPECT_EQ(framed->getComponent()->getBounds(), juce::Rectangle<int>(55, 33, 64, 8));
    auto* plain = new PPane(&root, 0, 0, -1, -1, PPane::Kind::plain);
    EXPECT_EQ(plain->getComponent()->getBounds(), juce::Rectangle<int>(1, 1, 484, 292));
}

TEST(PaneBounds, FollowTheParentsSize)
{
    POption options;
    RecordingPane root(&options, 20, 12);
    auto* right = new PPane(&root, -4, 0, -1, 2, PPane::Kind::plain);
    root.getComponent()->setSize(606, 294);
    EXPECT_EQ(right->getComponent()->getRight(), 606 - 1);
}

TEST(PaneKinds, OpenGLPaneHasOnlyTheSurfacePeer)
{
    POption options;
    RecordingPane root(&options);
    auto* gl = new PPane(&root, 0, 0, 4, 4, PPane::Kind::openGL);
    EXPECT_EQ(gl->isGL, 1);
    EXPECT_EQ(gl->component, nullptr);
    ASSERT_NE(gl->glComponent, nullptr);
    EXPECT_EQ(gl->getComponent(), gl->glComponent);
    EXPECT_TRUE(gl->isPane());
    EXPECT_FALSE(gl->glComponent->context.isAttached()) << "nothing attaches before the surface is on screen";
    auto* plain = new PPane(&root, 0, 0, 4, 4, PPane::Kind::inset);
    EXPECT_EQ(plain->isGL, 0);
    EXPECT_EQ(plain->glComponent, nullptr);
}

TEST(PaneNotify, ReachesVisiblePanesOnlyNewestFirst)
{
    POption options;
    RecordingPane root(&options);
    auto* p1 = new ListeningPane(&root, "p1", root.log);
    auto* p2 = new ListeningPane(&root, "p2", root.log);
    new ListeningPane(p2, "p3", root.log);
    new ListeningPane(p1, "p4", root.log);
    auto* p5 = new ListeningPane(&root, "p5", root.log);
    new PButton(&root, 0, 0, 1, 0);
    p2->setVisible(false);

    p5->broadcast(PNotify::selection);
    const auto heard = " notify " + std::to_string(static_cast<int>(PNotify::selection));
    EXPECT_EQ(root.log, (std::vector<std::string>{"root" + heard, "p5" + heard, "p1" + heard, "p4" + heard}));
}

/** Deletes a sibling while it is told: the walk must not visit the deleted pane. */
class DeletingPane : public ListeningPane
{
public:
    using ListeningPane::ListeningPane;
    void onNotify(PNotify code) override
    {
        ListeningPane::onNotify(code);
        delete victim;
        victim = nullptr;
    }
    PPane* victim = nullptr;
};

TEST(PaneNotify, SurvivesAHandlerThatDeletesASibling)
{
    POption options;
    RecordingPane root(&options);
    auto* older = new ListeningPane(&root, "older", root.log);
    auto* newer = new DeletingPane(&root, "newer", root.log);
    newer->victim = older;
    root.notifyTree(PNotify::switchChanged);
    const auto heard = " notify " + std::to_string(static_cast<int>(PNotify::switchChanged));
    EXPECT_EQ(root.log, (std::vector<std::string>{"root" + heard, "newer" + heard}));
    EXPECT_EQ(newer->next, nullptr);
}

/** A window's root that answers requests by writing them down. */
struct AnsweringRoot : RecordingPane, PRequests
{
    using RecordingPane::RecordingPane;
    void requestSave() override { asked.push_back("save"); }
    void requestUndo() override { asked.push_back("undo"); }
    void requestRedo() override { asked.push_back("redo"); }
    void requestHelp() override { asked.push_back("help"); }
    void requestPageStep(int step) override { asked.push_back("step " + std::to_string(step)); }
    std::vector<std::string> asked;
};

TEST(PaneRequests, TheFourKeysAskTheRootOnceAndTellNoPane)
{
    POption options;
    AnsweringRoot root(&options);
    auto* leaf = new PPane(new PPane(&root, 0, 0, 4, 4, PPane::Kind::plain), 0, 0, 2, 2, PPane::Kind::plain);
    // Ctrl+S, Ctrl+Z, Ctrl+Y and F1 as the key table codes them; a pane's other keys ask nothing.
    for (auto key : {PKeyCommand::save, PKeyCommand::undo, PKeyCommand::redo, PKeyCommand::help, PKeyCommand::cut,
                     PKeyCommand::home})
        leaf->onCommand(leaf, key);
    EXPECT_EQ(root.asked, (std::vector<std::string>{"save", "undo", "redo", "help"}));
    EXPECT_TRUE(root.log.empty()) << "a request is no news for the panes";

    // A tree whose root cannot answer (a dialog's, a test's) asks nobody and does not fail.
    RecordingPane plainRoot(&options);
    auto* child = new PPane(&plainRoot, 0, 0, 2, 2, PPane::Kind::plain);
    EXPECT_EQ(child->requests(), nullptr);
    child->onCommand(child, PKeyCommand::save);
    EXPECT_TRUE(plainRoot.log.empty());
}

TEST(PaneTree, FindsWindowAndDialogUpTheParents)
{
    POption options;
    RecordingPane root(&options);
    auto* mid = new PPane(&root, 0, 0, 4, 4, PPane::Kind::plain);
    auto* leaf = new PPane(mid, 0, 0, 2, 2, PPane::Kind::plain);
    EXPECT_EQ(leaf->findWindow(), nullptr);
    EXPECT_EQ(leaf->findDialog(), nullptr);
    EXPECT_EQ(leaf->options, &options) << "options come from the parent";

    delete mid;
    EXPECT_EQ(root.children, nullptr);
    EXPECT_EQ(root.getComponent()->getNumChildComponents(), 0);
}
} // namespace
