#include "ui/exportrunner.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include "model/translate.h"

namespace
{
/** The library's progress window around one job, which it runs on its own thread. */
class ProgressWindow : public juce::ThreadWithProgressWindow
{
public:
    ProgressWindow(const char* titleKey, const PExportRunner::Job& j)
        : juce::ThreadWithProgressWindow(::translate(titleKey), true, true, cancelWait, ::translate("Text.Cancel")),
          job(j)
    {
        for (auto* child : getAlertWindow()->getChildren())
            if (auto* found = dynamic_cast<juce::ProgressBar*>(child))
                bar = found;
    }

    void run() override
    {
        result = job(
            [this](int done, int count)
            {
                setProgress(count > 0 ? static_cast<double>(done) / count : 1.0);
                // The bar shows the page count. Not the window's message: setting that lays its
                // text out at once, outside the glyph lock that the export's threads hold while
                // they lay out the comic's texts with the same typefaces.
                juce::MessageManager::callAsync(
                    [shown = bar, text = PExportRunner::progressText(done, count)]
                    {
                        if (shown != nullptr)
                            shown->setTextToDisplay(text);
                    });
                return !threadShouldExit();
            });
    }

    PResult result = PResult::failure(PExportProgress::stopped);

private:
    /** How long Cancel waits for the page being drawn before the thread is stopped by force;
        a page at print resolution can take a few seconds. */
    static constexpr int cancelWait = 60000;
    const PExportRunner::Job& job;
    juce::Component::SafePointer<juce::ProgressBar> bar;
};
} // namespace

PResult PExportRunner::run(const char* titleKey, const Job& job)
{
    ProgressWindow window(titleKey, job);
    if (!window.runThread())
        return PResult::failure(PExportProgress::stopped);
    return window.result;
}

juce::String PExportRunner::progressText(int pagesDone, int pageCount)
{
    if (pageCount <= 0)
        return {};
    return ::translate("Message.ExportProgress")
        .replace("%1", juce::String(juce::jmin(pagesDone + 1, pageCount)))
        .replace("%2", juce::String(pageCount));
}
