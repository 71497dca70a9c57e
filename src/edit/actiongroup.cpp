#include "edit/actiongroup.h"

#include "edit/actionungroup.h"
#include "edit/world.h"
#include "model/group.h"

PActionGroup::PActionGroup(PWorld& w, PArray& l) : PAction(w), list(l)
{
    for (int i = 0; i < list.size(); ++i)
        if (isShape(list.at(i)) && list.at(i)->hasFlag(PFlag::selected))
        {
            selected.append(list.at(i));
            positions.push_back(i);
        }
}

void PActionGroup::gather(PBase* element)
{
    auto* shape = static_cast<PShape*>(element);
    if (shape->classId() != PClass::group)
    {
        members.push_back({shape, nullptr, PActionShape::Placement::of(*shape)});
        group->children.append(shape);
        return;
    }
    auto* marked = static_cast<PGroup*>(shape);
    for (int i = 0; i < marked->children.size(); ++i)
    {
        PShape* member = marked->childAt(i);
        members.push_back({member, marked, PActionShape::Placement::of(*member)});
        PActionUngroup::liftOut(*member, *marked);
        group->children.append(member);
    }
    marked->children.clear();
}

void PActionGroup::apply(bool)
{
    if (selected.isEmpty() || (group != nullptr && heldGroup == nullptr))
        return;
    if (group == nullptr)
    {
        heldGroup = std::make_unique<PGroup>();
        group = heldGroup.get();
    }
    group->resetTransform();
    members.clear();
    for (auto* shape : selected)
        gather(shape);
    list.removeAll(selected);
    list.append(heldGroup.release());
    // Emptied while the new group holds their members, so deleting them deletes nothing else.
    for (auto* shape : selected)
        if (shape->classId() == PClass::group)
            dissolved.emplace_back(static_cast<PGroup*>(shape));
    group->centreOrigin();
    group->invalidate();
    live().setTarget(group, PClass::group);
    notify(PNotify::selection);
}

void PActionGroup::revert()
{
    if (group == nullptr || heldGroup != nullptr)
        return;
    if (live().target(PClass::group) == group)
        live().setTarget(nullptr, PClass::group);
    list.remove(group);
    group->children.clear();
    heldGroup.reset(group);
    for (auto& member : members)
    {
        member.before.applyTo(*member.shape);
        member.shape->invalidate();
        if (member.from != nullptr)
            member.from->children.append(member.shape);
    }
    for (int i = 0; i < selected.size(); ++i)
        list.insert(positions[static_cast<size_t>(i)], selected.at(i));
    // The list holds the marked groups again.
    for (auto& emptied : dissolved)
        (void) emptied.release();
    dissolved.clear();
    notify(PNotify::selection);
}
