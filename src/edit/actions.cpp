#include "edit/actions.h"

#include "model/translate.h"

PActions::PActions(PWorld& w, const char* nameKey) : PAction(w)
{
    // The toolbar shows the name as it is, so it is kept translated.
    storedName.assign(::translate(nameKey));
}

PActions::~PActions()
{
    children.deleteAll();
}

void PActions::add(std::unique_ptr<PAction> child)
{
    if (child != nullptr)
        children.append(child.release());
}

bool PActions::changes(const PBase* object) const
{
    for (int i = 0; i < children.size(); ++i)
        if (children.get<PAction>(i)->changes(object))
            return true;
    return false;
}

void PActions::perform(bool redo)
{
    for (int i = 0; i < children.size(); ++i)
    {
        auto* child = children.get<PAction>(i);
        child->quiet = quiet;
        child->perform(redo);
    }
    done = true;
}

void PActions::undo()
{
    for (int i = children.size() - 1; i >= 0; --i)
    {
        auto* child = children.get<PAction>(i);
        child->quiet = quiet;
        child->undo();
    }
    done = false;
}
