#include "model/clip.h"

#include "model/card.h"
#include "model/shape.h"
#include "model/stream.h"

PClip::~PClip()
{
    cards.deleteAll();
}

void PClip::copyFrom(const PBase* other)
{
    PItem::copyFrom(other);
    if (auto* clip = dynamic_cast<const PClip*>(other))
    {
        clipSize = clip->clipSize;
        currentKey = clip->currentKey;
        cards.deepCopy(clip->cards);
    }
}

void PClip::write(PStream& s) const
{
    PItem::write(s);
    s.writeFloat(clipSize);
    s.writeInt16(currentKey);
    s.writeList(cards);
}

void PClip::read(PStream& s)
{
    PItem::read(s);
    // Later resizes divide by the size: a damaged value must not become NaN in the artwork.
    clipSize = readFinite(s, defaultSize);
    currentKey = s.readUInt16();
    s.readList(cards, PClass::card);
}

void PClip::setFlag(uint32_t mask, bool on)
{
    PItem::setFlag(mask, on);
    for (auto* card : cards)
        card->setFlag(mask, on);
}

void PClip::clearMark()
{
    PItem::clearMark();
    for (auto* card : cards)
        card->clearMark();
}

void PClip::invalidate()
{
    PItem::invalidate();
    for (auto* card : cards)
        card->invalidate();
}

PCard* PClip::cardAt(int i) const
{
    return cards.get<PCard>(i);
}

PCard* PClip::cardFor(uint16_t n)
{
    for (int i = 0; i < cards.size(); ++i)
        if (cardAt(i)->cardNo == n)
            return cardAt(i);
    auto* card = new PCard(n);
    cards.append(card);
    return card;
}

void PClip::trimEmptyCards()
{
    int keep = 1;
    for (int i = cards.size() - 1; i >= 0; --i)
        if (!cardAt(i)->shapes.isEmpty())
        {
            keep = i + 1;
            break;
        }
    while (cards.size() > keep)
    {
        PBase* last = cards.at(cards.size() - 1);
        cards.remove(last);
        delete last;
    }
}

void PClip::scaleBy(float f)
{
    if (!isUsableScaleFactor(f))
        return;
    for (auto* card : cards)
        static_cast<PCard*>(card)->scaleBy(f);
}

void PClip::setCurrentKeyOfAll(const PArray& clips, uint16_t key)
{
    for (auto* clip : clips)
        if (clip->classId() == PClass::clip)
            static_cast<PClip*>(clip)->currentKey = key;
}
