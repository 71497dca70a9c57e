#pragma once

#include <vector>

#include "edit/notifier.h"

/** Stands in for the content pane: keeps every notification code in the order it came. */
class RecordingNotifier : public PNotifier
{
public:
    void notify(PNotify code, PBase*) override { codes.push_back(code); }

    /** The codes so far, forgetting them. */
    std::vector<PNotify> take()
    {
        auto out = codes;
        codes.clear();
        return out;
    }

    std::vector<PNotify> codes;
};
