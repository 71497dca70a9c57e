#pragma once

#include <functional>

/** How a multi-page export reports each finished page and how its caller stops it. The callback
    hears (pages done, pages in all) after every page and answers false to stop: the export then
    leaves no file, keeps any old file as it was, and ends with the message key stopped. It is
    called on the thread that runs the export.

        auto result = PComicBookExport::exportComic(comic, file, settings);   // settings.progress set
        if (result.messageKey() == PExportProgress::stopped) ...              // nothing to tell
*/
class PExportProgress
{
public:
    using Callback = std::function<bool(int pagesDone, int pageCount)>;
    static constexpr const char* stopped = "Message.ExportStopped";

    /** True unless the callback asks to stop; without a callback an export always goes on. */
    static bool goOn(const Callback& callback, int pagesDone, int pageCount)
    {
        return !callback || callback(pagesDone, pageCount);
    }
};
