#pragma once

#include <string>
#include <vector>

#include "edit/action.h"

/** An action that only writes "+tag" when applied and "-tag" when reverted into a shared log,
    so that tests can follow the order in which the history runs actions. */
class StepAction : public PAction
{
public:
    StepAction(PWorld& session, std::string stepTag, std::vector<std::string>& stepLog)
        : PAction(session), tag(std::move(stepTag)), log(stepLog)
    {
    }
    ~StepAction() override { log.push_back("~" + tag); }

    void name(PName& out) const override { out.assign(juce::String(tag)); }

    std::string tag;
    std::vector<std::string>& log;

protected:
    void apply(bool redo) override { log.push_back((redo ? "++" : "+") + tag); }
    void revert() override { log.push_back("-" + tag); }
};
