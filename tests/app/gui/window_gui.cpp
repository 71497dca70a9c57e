// The main window on a real display (run under xvfb-run): menu bar, title and the maximise rule.

#include <gtest/gtest.h>

#include "../../support/testfiles.h"
#include "app/content.h"
#include "app/nwindow.h"
#include "app/window.h"
#include "edit/world.h"
#include "model/option.h"
#include "ui/popup.h"

namespace
{
struct Shell
{
    TempFolder tmp;
    POption options{tmp.folder.getFullPathName()};
    PWorld world;
    std::unique_ptr<PWindow> window;

    Shell()
    {
        world.projectsFolder = tmp.folder.getFullPathName();
        world.options = &options;
        window = std::make_unique<PWindow>(std::make_unique<PContent>(&options));
        window->setVisible(true);
        window->content->setWorld(&world);
    }
    ~Shell() { window.reset(); }

    juce::Rectangle<int> display() const
    {
        return juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    }
};
} // namespace

TEST(MainWindow, MenuBarHoldsExactlyTheComicAndHelpMenus)
{
    Shell s;
    EXPECT_EQ(s.window->peer->getMenuBarNames(), juce::StringArray({"Menu.Comic", "Menu.Help"}));
    EXPECT_EQ(s.window->peer->getName(), "ComicOpen.Unnamed");
    EXPECT_EQ(s.window->peer->getMenuForIndex(2, {}).getNumItems(), 0);

    for (int i = 0; i < PWindow::maxMenus; ++i)
        s.window->addMenu(&s.window->content->menuHelp);
    EXPECT_EQ(s.window->menuCount, PWindow::maxMenus);
}

TEST(MainWindow, MaximiseSwitchesBetweenTheDisplayAndTheDefaultCells)
{
    Shell s;
    const auto normal = s.window->peer->getBounds();
    EXPECT_EQ(s.window->columns, PContent::defaultColumns);

    s.window->peer->maximiseButtonPressed();
    EXPECT_TRUE(s.options.maximised);
    EXPECT_EQ(s.window->peer->getBounds(), s.display());
    EXPECT_EQ(s.window->columns, (s.display().getWidth() - 3 * s.options.u - 2) / s.options.cell);

    s.window->peer->maximiseButtonPressed();
    EXPECT_FALSE(s.options.maximised);
    EXPECT_EQ(s.window->peer->getBounds(), normal);
    EXPECT_EQ(s.window->peer->getBounds().getCentre(), s.display().getCentre());
    EXPECT_EQ(s.window->rows, PContent::defaultRows);
}

TEST(MainWindow, MissingIconChangesNothing)
{
    Shell s;
    s.window->setIcon(s.tmp.path("no_icon.jpg"));
    s.window->setTitle(nullptr);
    EXPECT_EQ(s.window->peer->getName(), "ComicOpen.Unnamed");
}
