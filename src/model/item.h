#pragma once

#include "model/base.h"
#include "model/name.h"

/** A named document object: projects, pages, layers, clips, decor and typefaces. */
class PItem : public PBase
{
public:
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;

    /** A short translated word shown beside the item in lists; false when there is none. */
    virtual bool statusText(PName& out) const;
    /** True when lists order this item by `index` rather than by name. */
    virtual bool sortsByNumber() const { return false; }

    PName name;
    uint16_t tag = 0;
    /** Position in the owning list, kept so that undoing a deletion restores it; -1 appends. */
    int32_t index = 0;
};

/** Item order for sorting: by index when either item sorts by number, else by name. */
int compareItems(const PItem& a, const PItem& b);
