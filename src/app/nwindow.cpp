#include "app/nwindow.h"

#include "app/content.h"
#include "app/window.h"
#include "model/option.h"
#include "model/translate.h"
#include "ui/popup.h"
#include "ui/widgets/npane.h"

NWindow::NWindow(PWindow& w)
    : juce::DocumentWindow("Plumet Comics", juce::Colours::lightgrey, juce::DocumentWindow::allButtons, true), owner(w)
{
    setUsingNativeTitleBar(false);
    setResizable(false, false);
    setMenuBar(this, PWindow::menuBarHeight(owner.options->u));
}

NWindow::~NWindow()
{
    setMenuBar(nullptr);
    clearContentComponent();
}

void NWindow::closeButtonPressed()
{
    if (!owner.content->canClose())
        return;
    owner.closing = true;
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        app->systemRequestedQuit();
}

void NWindow::maximiseButtonPressed()
{
    owner.options->maximised = !owner.options->maximised;
    owner.layoutWindow(true);
}

bool NWindow::keyPressed(const juce::KeyPress& key)
{
    if (const auto code = NPane::commandForKey(key); code != PKeyCommand::none && owner.content != nullptr)
    {
        owner.content->onCommand(owner.content.get(), code);
        return true;
    }
    return juce::DocumentWindow::keyPressed(key);
}

void NWindow::paintOverChildren(juce::Graphics&)
{
    ready.painted();
}

juce::StringArray NWindow::getMenuBarNames()
{
    juce::StringArray names;
    for (int i = 0; i < owner.menuCount; ++i)
        names.add(::translate(owner.menus[i]->title.toString()));
    return names;
}

juce::PopupMenu NWindow::getMenuForIndex(int index, const juce::String&)
{
    if (index < 0 || index >= owner.menuCount)
        return {};
    owner.content->onMenuUpdate();
    return owner.menus[index]->menu;
}

void NWindow::menuItemSelected(int id, int)
{
    owner.content->onMenu(commandOfMenuId(id));
}
