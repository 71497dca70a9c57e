#include "app/main.h"

#include "app/content.h"
#include "app/startup.h"
#include "app/window.h"
#include "edit/world.h"
#include "model/option.h"
#include "model/translate.h"
#include "ui/editorhost.h"
#include "ui/look.h"
#include "ui/welcome.h"
#include "ui/widgets/alertbox.h"

PMain::PMain() = default;

PMain::~PMain()
{
    world.reset();
}

const juce::String PMain::getApplicationVersion()
{
    return "0.1.0";
}

void PMain::alert(const juce::String& title, const juce::String& text, const juce::String& button)
{
    (void) PAlertBox::show(juce::MessageBoxIconType::WarningIcon, title, text, {button});
}

void PMain::initialise(const juce::String&)
{
    if (!start())
        quit();
}

bool PMain::start()
{
    PStartup startup(PStartup::defaultProgramFolder(), PStartup::defaultUserFolder());
    if (!startup.prepareFolders())
    {
        // No language is loaded yet: these keys show as they are.
        alert(translate("Message.Error"), translate("Message.PathError") + startup.userFolder.getFullPathName(),
              translate("Text.Close"));
        return false;
    }
    bool firstStart = false;
    options = startup.loadOptions(
        [&firstStart]
        {
            // Only a new user is asked for the language: the welcome page follows for them.
            firstStart = true;
            return PStartup::languageFromAnswer(
                PAlertBox::show(juce::MessageBoxIconType::QuestionIcon, "Plumet Comics",
                                "Choose your language\nWaehlen Sie ihre Sprache\nChoisissez votre langue",
                                {"english", "deutsch", "francais"}));
        });
    if (!loadLanguage(startup))
        return false;
    startup.copySamples();
    options->imagesFolder = startup.imagesFolder().getFullPathName().substring(0, PName::maxLength);

    look = std::make_unique<PLook>(options.get());
    juce::LookAndFeel::setDefaultLookAndFeel(look.get());
    // Colour swatches and font buttons open the editors from here on.
    PEditorHost::installForProgram();
    if (!loadWorld(startup))
        return false;
    openWindow(startup);
    if (firstStart)
        juce::MessageManager::callAsync(
            [this]
            {
                if (options != nullptr && window != nullptr)
                    PWelcome::show(*options);
            });
    return true;
}

bool PMain::loadLanguage(const PStartup& startup)
{
    const auto file = startup.languageFile(options->language);
    if (!file.existsAsFile())
    {
        alert("Error", file.getFullPathName() + "\nis missing (language file)", "Close");
        return false;
    }
    installTranslations(file.loadFileAsString());
    return true;
}

bool PMain::loadWorld(const PStartup& startup)
{
    world = std::make_unique<PWorld>();
    world->dataFolder = startup.programFolder.getFullPathName();
    world->projectsFolder = startup.userFolder.getFullPathName();
    world->options = options.get();
    switch (PStartup::loadWorld(*world))
    {
    case PStartup::WorldLoad::newer:
        alert(translate("Message.Version"), translate("Message.VersionError"), translate("Text.Close"));
        return false;
    case PStartup::WorldLoad::damaged:
        if (world->loadFailure != nullptr)
            alert(translate("Message.Format"), translate("Message.PackError") + PStartup::failedComicName(*world),
                  translate("Text.Close"));
        return true;
    case PStartup::WorldLoad::ok: return true;
    }
    return true;
}

void PMain::openWindow(const PStartup& startup)
{
    auto pane = std::make_unique<PContent>(options.get());
    pane->programFolder = startup.programFolder;
    content = pane.get();
    window = std::make_unique<PWindow>(std::move(pane));
    window->setTitle("Plumet Comics");
    window->setIcon(startup.iconFile().getFullPathName());
    window->setVisible(true);
    content->startComic = namedComic();
    content->setWorld(world.get());
}

PComic* PMain::namedComic()
{
    for (const auto& argument : getCommandLineParameterArray())
    {
        if (argument.startsWith("-"))
            continue;
        const auto file = juce::File::getCurrentWorkingDirectory().getChildFile(argument.unquoted());
        PLoadResult result = PLoadResult::ok;
        if (PComic* comic = PStartup::openNamedComic(*world, file, result))
            return comic;
        // The program goes on with its usual start.
        const auto [title, text] = PStartup::loadMessageKeys(result);
        alert(translate(title), translate(text) + "\n" + file.getFullPathName(), translate("Text.Close"));
        return nullptr;
    }
    return nullptr;
}

void PMain::systemRequestedQuit()
{
    if (window != nullptr && !window->closing)
    {
        // A save that failed keeps the window, so that the user's work is not lost.
        if (!content->canClose())
            return;
        window->closing = true;
    }
    quit();
}

void PMain::shutdown()
{
    window.reset();
    content = nullptr;
    PWidgetHost::install(nullptr);
    juce::LookAndFeel::setDefaultLookAndFeel(nullptr);
    look.reset();
    options.reset();
    world.reset();
    installTranslations({});
}
