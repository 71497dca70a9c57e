#include "app/window.h"

#include "app/content.h"
#include "app/nwindow.h"
#include "model/option.h"
#include "model/translate.h"
#include "ui/popup.h"
#include "ui/widgets/alertbox.h"
#include "ui/widgets/readymark.h"

namespace
{
/** The modal box around the alert or error pane. Its title-bar button and Escape give the
    box's close answer; the title-bar button only where closing has an answer. Escape is
    handled here alone, not also as a shortcut of the title-bar button, so it answers once. */
class ModalBox : public juce::DialogWindow
{
public:
    ModalBox(const juce::String& title, juce::Component& pane, bool closeAnswers, std::function<void()> dismiss)
        : juce::DialogWindow(title, juce::Colours::white, false, true), answersOnClose(closeAnswers),
          onDismiss(std::move(dismiss))
    {
        setUsingNativeTitleBar(false);
        setResizable(false, false);
        setContentNonOwned(&pane, true);
        centreWithSize(getWidth(), getHeight());
    }
    ~ModalBox() override { clearContentComponent(); }

    void closeButtonPressed() override
    {
        if (answersOnClose)
            onDismiss();
    }

    bool escapeKeyPressed() override
    {
        onDismiss();
        return true;
    }

    void paintOverChildren(juce::Graphics&) override { ready.painted(); }

private:
    bool answersOnClose;
    std::function<void()> onDismiss;
    PReadyMark ready{*this};
};

constexpr int fallbackWidth = 1024, fallbackHeight = 768;

juce::Rectangle<int> mainDisplayArea()
{
    if (const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return display->userArea;
    return {0, 0, fallbackWidth, fallbackHeight};
}

/** Asks before a file is replaced whose name only came about by appending the extension:
    the chooser's own warning did not see that name. */
bool mayReplace(const juce::File& file)
{
    if (!file.exists())
        return true;
    return PAlertBox::show(juce::MessageBoxIconType::WarningIcon, TRANS("File already exists"),
                           TRANS("There's already a file called: FLNM").replace("FLNM", file.getFullPathName()) +
                               "\n\n" + TRANS("Are you sure you want to overwrite it?"),
                           {TRANS("Overwrite"), TRANS("Cancel")}) == 1;
}
} // namespace

PWindow::PWindow(std::unique_ptr<PContent> c)
    : options(c->options), content(std::move(c)), defaultColumns(PContent::defaultColumns),
      defaultRows(PContent::defaultRows), columns(defaultColumns), rows(defaultRows), alertPane(options),
      errorPane(options)
{
    content->window = this;
    peer = std::make_unique<NWindow>(*this);
    peer->setContentNonOwned(content->getComponent(), false);
    layoutWindow(true);
}

PWindow::~PWindow()
{
    // The peer shows the content pane's component, so it goes first.
    peer.reset();
    content.reset();
}

void PWindow::setTitle(const char* key)
{
    if (key != nullptr)
        setTitleText(translate(key));
}

void PWindow::setTitleText(const juce::String& text)
{
    peer->setName(text);
}

void PWindow::setIcon(const juce::String& path)
{
    const auto image = juce::ImageFileFormat::loadFrom(juce::File(path));
    if (image.isValid() && peer->getPeer() != nullptr)
        peer->getPeer()->setIcon(image);
}

void PWindow::setVisible(bool on)
{
    peer->setVisible(on);
    if (on)
        peer->toFront(true);
}

PWindow::Layout PWindow::computeLayout(const POption& o, int defaultCols, int defaultRowCount,
                                       juce::Rectangle<int> display, int titleBarHeight)
{
    const int u = o.u, c = o.cell;
    const int sideFrame = 3 * u + 2, topFrame = 5 * u + 2 + titleBarHeight;
    if (o.maximised)
        return {juce::jmax(1, (display.getWidth() - sideFrame) / c),
                juce::jmax(1, (display.getHeight() - topFrame) / c), display.getWidth(), display.getHeight()};
    return {defaultCols, defaultRowCount, c * defaultCols + sideFrame, c * defaultRowCount + topFrame};
}

void PWindow::layoutWindow(bool centre)
{
    const auto display = mainDisplayArea();
    const auto size = computeLayout(*options, defaultColumns, defaultRows, display, peer->getTitleBarHeight());
    columns = size.columns;
    rows = size.rows;
    peer->cell = options->cell;
    peer->setMenuBar(peer.get(), menuBarHeight(options->u));
    if (centre)
        peer->setBounds(display.withSizeKeepingCentre(size.width, size.height));
    else
        peer->setSize(size.width, size.height);
}

void PWindow::requestClose()
{
    peer->closeButtonPressed();
}

void PWindow::clearMenus()
{
    menuCount = 0;
}

void PWindow::addMenu(PPopup* menu)
{
    if (menu != nullptr && menuCount < maxMenus)
        menus[menuCount++] = menu;
}

void PWindow::menusChanged()
{
    peer->menuItemsChanged();
}

int16_t PWindow::message(PAlert::Type type, const char* key)
{
    return messageText(type, translate(key != nullptr ? key : ""));
}

int16_t PWindow::messageText(PAlert::Type type, const juce::String& text)
{
    alertPane.setMessageText(text, type);
    alertPane.setBounds(alertPane.preferredSize());
    // The answer is what a button or the close gesture said, never the modal loop's own end
    // code: a loop that ends for any other reason must not read as Yes or No.
    int answer = PAlert::closeAnswer(alertPane.type);
    juce::Component::SafePointer<juce::DialogWindow> shown;
    const auto answerWith = [&answer, &shown](int given)
    {
        answer = given;
        if (shown != nullptr)
            shown->exitModalState(given);
    };
    ModalBox box(translate(PAlert::titleKey(alertPane.type)), alertPane, PAlert::closeAnswers(alertPane.type),
                 [&answerWith, type = alertPane.type] { answerWith(PAlert::closeAnswer(type)); });
    shown = &box;
    alertPane.onAnswer = answerWith;
    box.runModalLoop();
    alertPane.onAnswer = nullptr;
    return static_cast<int16_t>(answer);
}

void PWindow::error(const char* key)
{
    errorText(translate(key != nullptr ? key : ""));
}

void PWindow::errorText(const juce::String& text)
{
    errorPane.setMessageText(text);
    errorPane.setBounds(errorPane.preferredSize());
    juce::Component::SafePointer<juce::DialogWindow> shown;
    const auto leave = [&shown]
    {
        if (shown != nullptr)
            shown->exitModalState(0);
    };
    ModalBox box(translate("Message.Error"), errorPane, true, leave);
    shown = &box;
    errorPane.onClose = leave;
    box.runModalLoop();
    errorPane.onClose = nullptr;
}

juce::String PWindow::filterFor(ChooserKind kind)
{
    switch (kind)
    {
    // Both cases: file names are case-sensitive here, and cameras write ".JPG".
    case ChooserKind::openImage: return "*.jpg;*.jpeg;*.png;*.gif;*.JPG;*.JPEG;*.PNG;*.GIF";
    case ChooserKind::savePng: return "*.png";
    case ChooserKind::saveJpg: return "*.jpg";
    case ChooserKind::savePdf: return "*.pdf";
    case ChooserKind::saveSvg: return "*.svg";
    case ChooserKind::saveCbz: return "*.cbz";
    default: return {};
    }
}

juce::String PWindow::withExtension(ChooserKind kind, const juce::String& path)
{
    const auto extension =
        juce::File::createFileWithoutCheckingPath(path).getFileExtension().fromFirstOccurrenceOf(".", false, false);
    const auto keepOr = [&](const char* wanted, const char* alternative = nullptr)
    {
        const bool has =
            extension.equalsIgnoreCase(wanted) || (alternative != nullptr && extension.equalsIgnoreCase(alternative));
        return has ? path : path + "." + wanted;
    };
    switch (kind)
    {
    case ChooserKind::savePng: return keepOr("png");
    case ChooserKind::saveJpg: return keepOr("jpg", "jpeg");
    case ChooserKind::savePdf: return keepOr("pdf");
    case ChooserKind::saveSvg: return keepOr("svg");
    case ChooserKind::saveCbz: return keepOr("cbz");
    default: return path;
    }
}

bool PWindow::chooseFile(ChooserKind kind, const char* titleKey, juce::String& path)
{
    path.clear();
    const auto filter = filterFor(kind);
    if (titleKey == nullptr || filter.isEmpty())
        return false;
    if (lastFolder.isEmpty())
        lastFolder.assign(juce::File::getCurrentWorkingDirectory().getFullPathName());
    juce::FileChooser chooser(translate(titleKey), juce::File(lastFolder.toString()), filter, false);
    const bool saving = kind != ChooserKind::openImage;
    if (!(saving ? chooser.browseForFileToSave(true) : chooser.browseForFileToOpen()))
        return false;
    const auto chosen = chooser.getResult();
    const auto full = withExtension(kind, chosen.getFullPathName());
    if (saving && full != chosen.getFullPathName() && !mayReplace(juce::File(full)))
        return false;
    path = full;
    lastFolder.assign(chosen.getParentDirectory().getFullPathName());
    return true;
}
