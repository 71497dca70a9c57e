#pragma once

#include <memory>

#include <juce_gui_basics/juce_gui_basics.h>

class PContent;
class PLook;
class PStartup;
class POption;
class PWindow;
class PComic;
class PWorld;

/** The application: prepares the user's folders, options, language and comics, opens the
    main window around the content pane and ends the program in order. */
class PMain : public juce::JUCEApplication
{
public:
    PMain();
    ~PMain() override;

    const juce::String getApplicationName() override { return "Plumet Comics"; }
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override { return true; }
    void anotherInstanceStarted(const juce::String&) override {}
    void initialise(const juce::String& commandLine) override;
    void shutdown() override;
    /** Asks the save question once, whoever asked to quit, then ends the message loop. */
    void systemRequestedQuit() override;
    void unhandledException(const std::exception*, const juce::String&, int) override {}

    std::unique_ptr<POption> options;
    std::unique_ptr<PWorld> world;
    std::unique_ptr<PWindow> window;
    /** Owned by the window. */
    PContent* content = nullptr;

private:
    bool start();
    bool loadLanguage(const PStartup& startup);
    bool loadWorld(const PStartup& startup);
    void openWindow(const PStartup& startup);
    /** The comic of a file named on the command line (as a file manager passes it), loaded into
        the world; null when none is named or it cannot be loaded, which is told to the user. */
    PComic* namedComic();
    /** Shows the library's own alert box, whose texts are given ready to show. */
    static void alert(const juce::String& title, const juce::String& text, const juce::String& button);

    std::unique_ptr<PLook> look;
};
