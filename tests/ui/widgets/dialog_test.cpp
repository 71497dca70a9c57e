#include <gtest/gtest.h>

#include "edit/notifier.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/recorder.h"

namespace
{
/** A dialog pane that may refuse to close. */
class GuardedPane : public RecordingPane
{
public:
    using RecordingPane::RecordingPane;
    bool canClose() override { return allowClose; }
    bool allowClose = true;
};

TEST(Dialog, RootPaneKnowsItsDialogAndNotificationsStayInside)
{
    POption options;
    RecordingPane window(&options);
    auto* pane = new GuardedPane(&options, 10, 6);
    pane->name = "dialog";
    {
        PDialog dialog(pane, "Message.Info", true);
        auto* child = new ListeningPane(pane, "child", pane->log);
        EXPECT_EQ(child->findDialog(), &dialog);
        child->broadcast(PNotify::attribute);
        const auto heard = " notify " + std::to_string(static_cast<int>(PNotify::attribute));
        EXPECT_EQ(pane->log, (std::vector<std::string>{"dialog" + heard, "child" + heard}));
        EXPECT_TRUE(window.log.empty());
        EXPECT_FALSE(dialog.isRunning());
    }
}

TEST(Dialog, CloseButtonAsksThePaneFirst)
{
    POption options;
    GuardedPane pane(&options, 10, 6);
    PDialog dialog(&pane, "Message.Warning");
    dialog.closeResult = 1;
    pane.allowClose = false;
    dialog.closeRequested();
    EXPECT_EQ(dialog.result, 0);
    pane.allowClose = true;
    dialog.closeRequested();
    EXPECT_EQ(dialog.result, 1);
}

TEST(Dialog, OutlivingItsPaneIsHarmless)
{
    POption options;
    auto pane = std::make_unique<GuardedPane>(&options, 10, 6);
    PDialog dialog(pane.get(), "Message.Warning");
    pane.reset();
    dialog.closeRequested();
    EXPECT_EQ(dialog.run(), PDialog::cancelled);
}
} // namespace
