#pragma once

#include <string>
#include <vector>

#include "model/option.h"
#include "ui/widgets/pane.h"

/** A root pane that writes down every report it receives, e.g. "click B", "change A", "notify 18". */
class RecordingPane : public PPane
{
public:
    explicit RecordingPane(POption* o, int columns = 20, int rows = 12) : PPane(columns, rows, o) {}

    void onClick(PWidget* s) override { note("click", s); }
    void onChange(PWidget* s) override { note("change", s); }
    void onSelect(PWidget* s) override { note("select", s); }
    void onCommand(PWidget* s, PKeyCommand key) override
    {
        note("command " + std::to_string(static_cast<int>(key)), s);
    }
    void onNotify(PNotify code) override { log.push_back(name + " notify " + std::to_string(static_cast<int>(code))); }
    void onReorder(PWidget* s) override { note("reorder", s); }

    void note(const std::string& what, PWidget* source)
    {
        auto* c = source != nullptr ? source->getComponent() : nullptr;
        log.push_back(what + " " + (c != nullptr ? c->getName().toStdString() : std::string("?")));
    }

    std::string name = "root";
    std::vector<std::string> log;
};

/** A child pane that writes its notifications into a shared log. */
class ListeningPane : public PPane
{
public:
    ListeningPane(PPane* parentPane, std::string paneName, std::vector<std::string>& sharedLog)
        : PPane(parentPane, 0, 0, 4, 4, PPane::Kind::plain), name(std::move(paneName)), log(sharedLog)
    {
    }
    void onNotify(PNotify code) override { log.push_back(name + " notify " + std::to_string(static_cast<int>(code))); }

    std::string name;
    std::vector<std::string>& log;
};

/** What the library does when the user clicks a button peer: flip a toggling button, then
    tell the widget. */
inline void click(PWidget& widget)
{
    if (auto* b = dynamic_cast<juce::Button*>(widget.getComponent()); b != nullptr && b->getClickingTogglesState())
        b->setToggleState(!b->getToggleState(), juce::dontSendNotification);
    widget.activate();
}

/** Names a widget's peer so that the log can say which widget reported. */
template <class W> W* named(W* widget, const char* name)
{
    widget->getComponent()->setName(name);
    return widget;
}
