#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/curve.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/shade.h"
#include "model/stream.h"
#include "model/text.h"

PBase* createStreamObject(uint16_t classId)
{
    switch (classId)
    {
    case PClass::brush: return new PBrush();
    case PClass::card: return new PCard();
    case PClass::clip: return new PClip();
    case PClass::curve: return new PCurve();
    case PClass::decor: return new PDecor();
    case PClass::image: return new PImage();
    case PClass::text: return new PText();
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
