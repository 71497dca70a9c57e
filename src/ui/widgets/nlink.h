#pragma once

#include "ui/widgets/nclickpeer.h"

/** The peer of a link: the library's web-link button; its click goes to the handler. */
class NLink : public NClickPeer<juce::HyperlinkButton>
{
public:
    using NClickPeer::NClickPeer;
};
