#include "ui/widgets/dialog.h"

#include "model/translate.h"
#include "ui/widgets/ndialog.h"
#include "ui/widgets/pane.h"

std::function<void(PDialog&)> PDialog::scriptedRun;

PDialog::PDialog(PPane* root, const juce::String& titleKey, bool ownsPane) : pane(root)
{
    jassert(root != nullptr);
    if (ownsPane)
        ownedPane.reset(root);
    pane->dialog = this;
    paneComponent = pane->getComponent();
    peer = std::make_unique<NDialog>(*this, ::translate(titleKey), pane->lightColour());
    peer->setContentNonOwned(pane->getComponent(), true);
}

PDialog::~PDialog()
{
    if (peer->isCurrentlyModal())
        peer->exitModalState(cancelled);
    // The pane may be gone already when its owner deleted it first; its component tells.
    if (paneComponent != nullptr)
    {
        peer->clearContentComponent();
        pane->dialog = nullptr;
    }
    peer.reset();
    ownedPane.reset();
}

void PDialog::fitToPane()
{
    if (paneComponent == nullptr)
        return;
    const auto size = pane->gridPixelSize();
    paneComponent->setSize(size.x, size.y);
    pane->refreshLook();
    peer->setContentComponentSize(size.x, size.y);
}

int PDialog::run()
{
    if (paneComponent == nullptr || isRunning())
        return cancelled;
    result = cancelled;
    fitToPane();
    if (scriptedRun)
    {
        scriptedRun(*this);
        return result;
    }
    peer->setBackgroundColour(pane->lightColour());
    peer->addToDesktop();
    peer->centreAroundComponent(juce::TopLevelWindow::getActiveTopLevelWindow(), peer->getWidth(), peer->getHeight());
    peer->setVisible(true);
    peer->toFront(true);
#if JUCE_MODAL_LOOPS_PERMITTED
    result = peer->runModalLoop();
#endif
    peer->setVisible(false);
    peer->removeFromDesktop();
    return result;
}

void PDialog::close(int code)
{
    result = code;
    if (isRunning())
        peer->exitModalState(code);
}

void PDialog::closeRequested()
{
    if (paneComponent == nullptr || pane->canClose())
        close(closeResult);
}

bool PDialog::returnRequested()
{
    if (returnResult == noReturn || !isRunning())
        return false;
    close(returnResult);
    return true;
}

void PDialog::setTitle(const juce::String& key)
{
    peer->setName(::translate(key));
}

bool PDialog::isRunning() const
{
    return peer->isCurrentlyModal();
}
