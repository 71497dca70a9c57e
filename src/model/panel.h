#pragma once

#include <memory>

#include "model/curve.h"

class PLayer;

/** A comic panel: a closed curve whose outline clips the layers of artwork it owns. It may
    also own one further shape, its attachment, which is saved and copied with it. */
class PPanel : public PCurve
{
public:
    PPanel();
    ~PPanel() override;

    uint16_t classId() const override { return PClass::panel; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void clearMark() override;
    void invalidate() override;
    void setOrigin(float px, float py) override;
    void centreOrigin() override;
    void collectShadeUsers(PArray& shades) override;

    PLayer* layerAt(int i) const;
    /** True while no layer holds a shape: only then may the panel's origin move. */
    bool hasNoArtwork() const;
    /** Points every layer back at this panel. */
    void adoptLayers();

    PArray layers;
    std::unique_ptr<PShape> attachment;
};
