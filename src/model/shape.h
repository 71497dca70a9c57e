#pragma once

#include "model/base.h"
#include "model/geometry.h"

class PViewState;
class PShade;

/** Base of every shape kind: position, scale and rotation in the parent's coordinates,
    cached bounds in page coordinates, and the twenty-four operations that layers, groups,
    back-ends and actions dispatch through. Its transform is T(x, y) R(rotation) S(scaleX, scaleY). */
class PShape : public PBase
{
public:
    uint16_t classId() const override { return PClass::shape; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    float sortValue() const override { return sortKey; }
    bool isInside(const PRect& area) const override;

    virtual void setOrigin(float px, float py) { (void) px, (void) py; }
    virtual void centreOrigin() {}
    virtual void normalize();
    virtual void flip(bool horizontal);
    virtual void getBounds(PRect& out, bool raw) const { (void) out, (void) raw; }
    virtual void collectShades(PArray& shades) { (void) shades; }
    virtual void applyShade(PShade& shade, PArray& changed) { (void) shade, (void) changed; }
    virtual void collectShadeUsers(PArray& shades) { (void) shades; }
    virtual void build(PViewState& view) { (void) view; }
    virtual void resetTransform();

    /** T(x, y) R(rotation) S(scaleX, scaleY), and its inverse (identity when a scale is zero). */
    PMatrix transform() const;
    PMatrix inverseTransform() const;

    float x = 0, y = 0;
    float scaleX = 1, scaleY = 1;
    float rotation = 0;
    PRect bounds = PRect::of(0, 0, 0, 0);
    /** Position in the owning list, written by hit tests and collectors. */
    int32_t slot = 0;
    /** Run-time ordering key, never saved. */
    float sortKey = 0;
};

/** Reads a float, replacing NaN and infinity (never written by this program) by fallback. */
float readFinite(PStream& s, float fallback);

/** Area and hit collection over a list of shapes, top first, writing each shape's slot:
    what layers, cards and decor content share. A group reports its own hits. */
void collectShapesInside(const PArray& shapes, const PRect& area, PArray& out);
void collectShapeHits(const PArray& shapes, float x, float y, float scale, PEditMode mode, PArray& out);

/** True for objects of every shape class (the lists of layers and groups hold only these). */
bool isShape(const PBase* object);
