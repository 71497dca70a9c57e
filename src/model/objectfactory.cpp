#include "model/curve.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/shade.h"
#include "model/stream.h"

PBase* createStreamObject(uint16_t classId)
{
    switch (classId)
    {
        case PClass::curve: return new PCurve();
        case PClass::group: return new PGroup();
        case PClass::layer: return new PLayer();
        case PClass::page: return new PPage();
        case PClass::panel: return new PPanel();
        case PClass::point: return new PPoint();
        case PClass::shade: return new PShade();
        case PClass::shape: return new PShape();
        default: return nullptr;
    }
}
