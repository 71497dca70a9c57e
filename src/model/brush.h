#pragma once

#include <memory>

#include "model/brushgenerator.h"
#include "model/curve.h"

class PClip;

/** A curve that is not drawn itself but guides generated stroke curves: a pattern clip laid
    along it, stamped on it or a ribbon around it, chosen by `kind` and made reproducible by
    `seed`. The strokes are generated on the first build after any change and saved with the
    brush, so a loaded brush draws exactly what was saved.

        brush.invalidate();      // after any edit: the strokes are dropped
        brush.build(view);       // the guide's geometry, then the strokes when there are none
*/
class PBrush : public PCurve
{
public:
    /** Kind 3 turns its stamps along the guide. */
    static constexpr uint32_t alignStamps = 0x400;
    /** Kind 4 hangs its pattern vertically whatever the guide's direction. */
    static constexpr uint32_t hangVertically = 0x800;
    static constexpr float defaultParameter = 0.5f;

    PBrush();
    ~PBrush() override;

    uint16_t classId() const override { return PClass::brush; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void invalidate() override;
    bool hitTest(float px, float py, float scale, PEditMode mode) override;
    void collectShades(PArray& shades) override;
    void applyShade(PShade& shade, PArray& changed) override;
    void collectShadeUsers(PArray& shades) override;
    void build(PViewState& view) override;

    /** Replaces the strokes by freshly generated ones; false, with no strokes, when the kind is
        unknown or its generator has nothing to lay (no guide, or no usable pattern). */
    bool generateStrokes();
    PBrushGenerator::Input generatorInput() const;
    PCurve* strokeAt(int i) const { return strokes.get<PCurve>(i); }

    uint16_t kind = PBrushGenerator::thick;
    PArray strokes;
    std::unique_ptr<PClip> pattern;
    float density = defaultParameter;
    float thickness = defaultParameter;
    float largeness = defaultParameter;
    float distribute = 0;
    float oscillate = 0;
    int16_t seed = 0;

private:
    void buildStrokes(PViewState& view);
};
