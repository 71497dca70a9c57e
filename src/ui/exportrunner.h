#pragma once

#include <functional>

#include <juce_core/juce_core.h>

#include "draw/exportprogress.h"
#include "model/result.h"

/** Runs an export of several pages off the message thread while a modal window shows "page N
    of M" and offers Cancel. The window being modal, nothing can change the comic while its
    pages are drawn; Cancel asks the export to stop, and a stopped export leaves no file.

        const auto result = PExportRunner::run("FileChooser.ExportPDF", [&](const PExportProgress::Callback& progress)
            { return PVectorExport::exportPdf(comic, file, PVectorExport::allPages, options, {true, progress}); });
*/
class PExportRunner
{
public:
    using Job = std::function<PResult(const PExportProgress::Callback&)>;

    /** Runs job under the progress window titled by the text key; its result, or
        PExportProgress::stopped after Cancel. */
    static PResult run(const char* titleKey, const Job& job);
    /** The line under the progress bar: "Page 2 of 7" in the interface language. */
    static juce::String progressText(int pagesDone, int pageCount);
};
