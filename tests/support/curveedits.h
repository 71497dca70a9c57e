#pragma once

// Edits of a curve as the canvas hears of them, for comparing the frame after each with a full one.

#include <functional>

#include "edit/actionproperty.h"
#include "edit/world.h"
#include "model/curve.h"
#include "model/layer.h"
#include "model/point.h"
#include "ui/canvas2.h"

/** The first curve of a layer, or null. */
inline PCurve* firstCurve(const PLayer& layer)
{
    for (PBase* b : layer.shapes)
        if (b->classId() == PClass::curve)
            return static_cast<PCurve*>(b);
    return nullptr;
}

/** A move, a colour change, its undo and a point drag of curve; after each, compare(what). */
inline void editCurveFourWays(PWorld& world, PCanvas2& canvas, PCurve& curve,
                              const std::function<void(const char*)>& compare)
{
    curve.x += 1.2f;
    curve.invalidate();
    canvas.onNotify(PNotify::selection);
    compare("a move");

    world.record(std::make_unique<PActionProperty<uint32_t>>(world, &curve, PProperties::fillColour, curve.fillColour,
                                                             0xFF80FF80u));
    canvas.onNotify(PNotify::selection);
    compare("a colour change");

    world.undo();
    canvas.onNotify(PNotify::selection);
    compare("an undo");

    auto* point = static_cast<PPoint*>(curve.points.at(1));
    point->x += 1.5f, point->y -= 0.7f;
    curve.invalidate();
    canvas.onNotify(PNotify::selection);
    compare("a point drag");
}
