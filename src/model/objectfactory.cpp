#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/point.h"
#include "model/stream.h"

PBase* createStreamObject(uint16_t classId)
{
    switch (classId)
    {
        case PClass::group: return new PGroup();
        case PClass::layer: return new PLayer();
        case PClass::page: return new PPage();
        case PClass::point: return new PPoint();
        case PClass::shape: return new PShape();
        default: return nullptr;
    }
}
