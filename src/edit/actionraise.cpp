#include "edit/actionraise.h"

#include "edit/context.h"
#include "model/array.h"
#include "model/shape.h"

namespace
{
bool overlap(const PBase* a, const PBase* b)
{
    if (!isShape(a) || !isShape(b))
        return false;
    const PRect& r = static_cast<const PShape*>(a)->bounds;
    const PRect& s = static_cast<const PShape*>(b)->bounds;
    if (r.isEmpty() || s.isEmpty())
        return false;
    return r.left <= s.right && s.left <= r.right && r.top <= s.bottom && s.top <= r.bottom;
}
} // namespace

PActionRaise::PActionRaise(PWorld& w, PArray& l, PBase* s, bool end) : PActionRaise(w, l, s, end, true) {}

PActionRaise::PActionRaise(PWorld& w, PArray& l, PBase* s, bool end, bool up)
    : PAction(w), list(l), shape(s), toEnd(end), upwards(up)
{
}

int PActionRaise::destination(const PArray& list, int from, bool upwards, bool toEnd)
{
    const int last = upwards ? list.size() - 1 : 0;
    if (from < 0 || toEnd)
        return from < 0 ? from : last;
    const int step = upwards ? 1 : -1;
    int at = from;
    while (at != last)
    {
        at += step;
        if (overlap(list.at(from), list.at(at)))
            break;
    }
    return at;
}

bool PActionRaise::move(int at, int destination)
{
    if (at < 0 || destination < 0 || list.at(at) != shape || at == destination)
        return false;
    list.remove(shape);
    list.insert(destination, shape);
    notify(mode == PPaneKind::decor ? PNotify::highQualityFrame : PNotify::geometry);
    return true;
}

void PActionRaise::apply(bool redo)
{
    from = list.indexOf(shape);
    // A redo repeats the step the user saw; the overlap rule asked again would follow bounds that
    // have changed since (a shape not drawn yet has none) and put the shape elsewhere.
    if (!redo)
        to = destination(list, from, upwards, toEnd);
    move(from, to);
}

void PActionRaise::revert()
{
    // Lowering by the same rule would stop after the first overlapping shape, short of where it stood.
    move(to, from);
}
