#include "edit/actionungroup.h"

#include "edit/world.h"
#include "model/group.h"

PActionUngroup::PActionUngroup(PWorld& w, PArray& l, PBase* g)
    : PAction(w), list(l), group(g != nullptr && g->classId() == PClass::group ? static_cast<PGroup*>(g) : nullptr)
{
}

void PActionUngroup::liftOut(PShape& member, const PShape& parent)
{
    parent.transform().transform(member.x, member.y);
    member.rotation += parent.rotation;
    member.scaleX *= parent.scaleX;
    member.scaleY *= parent.scaleY;
    member.invalidate();
}

void PActionUngroup::apply(bool)
{
    const int at = list.indexOf(group);
    if (group == nullptr || heldGroup != nullptr || at < 0)
        return;
    position = at;
    members.clear();
    for (int i = 0; i < group->children.size(); ++i)
    {
        PShape* member = group->childAt(i);
        members.push_back({member, PActionShape::Placement::of(*member)});
        liftOut(*member, *group);
    }
    list.remove(group);
    list.insertAll(at, group->children);
    group->children.clear();
    heldGroup.reset(group);
    if (live().target(PClass::group) == group)
        live().setTarget(nullptr, PClass::group);
    notify(PNotify::selection);
}

void PActionUngroup::revert()
{
    if (heldGroup == nullptr)
        return;
    for (auto& member : members)
    {
        list.remove(member.shape);
        member.before.applyTo(*member.shape);
        group->children.append(member.shape);
    }
    list.insert(position, heldGroup.release());
    group->invalidate();
    notify(PNotify::selection);
}
