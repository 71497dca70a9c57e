#include "ui/optiondialog.h"

#include <algorithm>

#include "model/choicelists.h"
#include "model/image.h"
#include "model/option.h"
#include "model/translate.h"
#include "ui/widgets/alertbox.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/label.h"
#include "ui/widgets/number.h"
#include "ui/widgets/preview.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int pageButtonWidth = 5, pageRows = POptionDialog::rows - 2;
constexpr int bottomRow = POptionDialog::rows - 1, buttonWidth = 4;
constexpr int labelWidth = 12, boxWidth = 5, wideBoxWidth = 7, unitWidth = 2, checkWidth = 18, titleWidth = 20;
constexpr int previewWidth = 10, previewRows = 7, wallColumn = previewWidth + 1, wallWidth = 8;
constexpr int identWidth = 4, sliderWidth = 7, tintWidth = 2;
/** What the wallpaper chooser offers: the image files the program reads. */
const char* const imageFilter = "*.jpg;*.jpeg;*.png;*.gif";

const char* const pageKeys[] = {"OptionEdit.Misc", "OptionEdit.Wall", "OptionEdit.Gui", "OptionEdit.Color"};
const char* const editorRowKeys[] = {"OptionColor.GroundGrid", "OptionColor.Selection", "OptionColor.HandleLock"};
const char* const themeRowKeys[] = {"OptionColor.Pages", "OptionColor.Layers", "OptionColor.Clips",
                                    "OptionColor.Decor"};

/** The folder the wallpaper chooser starts in: the one an image was last chosen from. */
juce::File& wallpaperFolder()
{
    static juce::File folder = juce::File::getSpecialLocation(juce::File::userPicturesDirectory);
    return folder;
}

juce::File askForImage()
{
    juce::FileChooser chooser(::translate("FileChooser.Load"), wallpaperFolder(), imageFilter, false);
    if (!chooser.browseForFileToOpen())
        return {};
    wallpaperFolder() = chooser.getResult().getParentDirectory();
    return chooser.getResult();
}

void alertUser(const juce::String& text)
{
    (void) PAlertBox::show(juce::MessageBoxIconType::WarningIcon, ::translate("Message.Error"), text,
                           {::translate("Text.Close")});
}

template <class W> W* reporting(W* widget, PHandler* to)
{
    widget->owner = to;
    return widget;
}

void label(PPane* page, int row, const char* key, int width = labelWidth)
{
    (new PLabel(page, 0, row, width, 0))->setText(key);
}

/** The code of a box's choice, or the value it stood for when nothing is chosen. */
int16_t codeOr(const PCombo* box, int16_t fallback)
{
    const int code = box->selectedCode();
    return code != 0 ? static_cast<int16_t>(code) : fallback;
}
} // namespace

POptionDialog::POptionDialog(POption* o) : PPane(columns, rows, o), chooseImage(askForImage), reportError(alertUser)
{
    jassert(options != nullptr);
    backup = std::make_unique<POption>();
    backup->copyFrom(options);
    for (int i = 0; i < pageCount; ++i)
    {
        auto* button = new PButton(this, i * pageButtonWidth, 0, pageButtonWidth, 0);
        button->setText(pageKeys[i]);
        if (i > 0)
            button->joinRing(*pageButtons[0]);
        pageButtons[static_cast<size_t>(i)] = button;
        pages[static_cast<size_t>(i)] = new PPane(this, 0, 1, columns, pageRows, PPane::Kind::plain);
    }
    buildMisc(pages[misc]);
    buildWall(pages[wall]);
    buildGui(pages[gui]);
    buildColour(pages[colour]);
    accept = new PButton(this, columns - 2 * buttonWidth, bottomRow, buttonWidth, 0);
    accept->setText("Text.Accept");
    cancel = new PButton(this, columns - buttonWidth, bottomRow, buttonWidth, 0);
    cancel->setText("Text.Cancel");
    load();
    showPage(misc);
}

POptionDialog::~POptionDialog() = default;

void POptionDialog::buildMisc(PPane* page)
{
    (new PTitle(page, 0, 0, titleWidth, 0))->setText("OptionMisc.Grid");
    label(page, 1, "OptionMisc.Size");
    label(page, 2, "OptionMisc.Divs");
    label(page, 3, "OptionMisc.Angle");
    PCombo** boxes[] = {&sizeCm, &sizeIn, &divsCm, &divsIn};
    for (int i = 0; i < 4; ++i)
    {
        auto* box = reporting(new PCombo(page, labelWidth, 1 + i / 2, boxWidth, 0), this);
        box->fill(PChoiceList::grid);
        box->setTooltip(i < 2 ? "OptionMisc.TipSize" : "OptionMisc.TipDivs");
        *boxes[i] = box;
    }
    sizeUnit = new PLabel(page, labelWidth + boxWidth, 1, unitWidth, 0);
    divsUnit = new PLabel(page, labelWidth + boxWidth, 2, unitWidth, 0);
    angle = reporting(new PCombo(page, labelWidth, 3, boxWidth, 0), this);
    angle->fill(PChoiceList::angle);
    angle->setTooltip("OptionMisc.TipAngle");

    (new PTitle(page, 0, 5, titleWidth, 0))->setText("OptionMisc.Misc");
    useInch = reporting(new PCheck(page, 0, 6, checkWidth, 0), this);
    useInch->setText("OptionMisc.UseInch");
    useInch->setTooltip("OptionMisc.TipUseInch");
    label(page, 7, "OptionMisc.Export");
    exportDpi = reporting(new PCombo(page, labelWidth, 7, wideBoxWidth, 0), this);
    exportDpi->fill(PChoiceList::dpi);
    exportDpi->setTooltip("OptionMisc.TipExport");
    label(page, 8, "OptionMisc.Smoothing");
    smoothing = reporting(new PNumber(page, labelWidth, 8, boxWidth, 0, PNumber::Kind::smoothing), this);
    smoothing->setTooltip("OptionMisc.TipSmoothing");
    taper = reporting(new PCheck(page, 0, 9, checkWidth, 0), this);
    taper->setText("OptionMisc.Taper");
    taper->setTooltip("OptionMisc.TipTaper");
}

void POptionDialog::buildWall(PPane* page)
{
    (new PTitle(page, 0, 0, titleWidth, 0))->setText("OptionWall.Title");
    wallPreview = new PPreview(page, 0, 1, previewWidth, previewRows);
    (new PLabel(page, wallColumn, 1, wallWidth, 0))->setText("OptionWall.File");
    wallFile = reporting(new PButton(page, wallColumn, 2, wallWidth, 0), this);
    wallClear = reporting(new PButton(page, wallColumn, 3, wallWidth, 0), this);
    wallClear->setText("OptionWall.Clear");
    (new PLabel(page, wallColumn, 5, wallWidth, 0))->setText("OptionWall.Opaque");
    wallOpacity = reporting(new PSlider(page, wallColumn, 6, wallWidth, 0, PSlider::Kind::unit), this);
}

void POptionDialog::buildGui(PPane* page)
{
    (new PTitle(page, 0, 0, titleWidth, 0))->setText("OptionGui.GUI");
    label(page, 1, "OptionGui.Font");
    guiSize = reporting(new PCombo(page, labelWidth, 1, boxWidth, 0), this);
    guiSize->fill(PChoiceList::gui);
    guiSize->setTooltip("OptionGui.TipFont");
    label(page, 2, "OptionGui.Point");
    pointSize = reporting(new PCombo(page, labelWidth, 2, boxWidth, 0), this);
    pointSize->fill(PChoiceList::pixel);
    pointSize->setTooltip("OptionGui.TipPoint");
    label(page, 3, "OptionGui.Track");
    // From 0.1, not 0: a pad that does not move at all would look broken.
    trackSpeed = reporting(new PSlider(page, labelWidth, 3, sliderWidth, 0, PSlider::Kind::fraction), this);
    trackSpeed->setTooltip("OptionGui.TipTrack");
    label(page, 4, "OptionGui.Save");
    autosave = reporting(new PIdent(page, labelWidth, 4, identWidth), this);
    autosave->setTooltip("OptionGui.TipSave");
    lockCursor = reporting(new PCheck(page, 0, 6, checkWidth, 0), this);
    lockCursor->setText("OptionGui.Lock");
    lockCursor->setTooltip("OptionGui.TipLock");
    tooltips = reporting(new PCheck(page, 0, 7, checkWidth, 0), this);
    tooltips->setText("OptionGui.Tooltip");
    tooltips->setTooltip("OptionGui.TipTooltip");
}

void POptionDialog::buildColour(PPane* page)
{
    (new PTitle(page, 0, 0, titleWidth, 0))->setText("OptionColor.Title");
    for (int row = 0; row < 3; ++row)
    {
        label(page, 1 + row, editorRowKeys[row]);
        for (int i = 0; i < 2; ++i)
            editorTints[static_cast<size_t>(2 * row + i)] =
                reporting(new PTint(page, labelWidth + i * tintWidth, 1 + row, tintWidth, 0), this);
    }
    (new PTitle(page, 0, 4, titleWidth, 0))->setText("OptionColor.Theme");
    for (int row = 0; row < 4; ++row)
    {
        label(page, 5 + row, themeRowKeys[row]);
        for (int i = 0; i < 2; ++i)
            themeTints[static_cast<size_t>(2 * row + i)] =
                reporting(new PTint(page, labelWidth + i * tintWidth, 5 + row, tintWidth, 0), this);
    }
}

std::array<uint32_t*, 6> POptionDialog::editorColours() const
{
    return {&options->groundColour,     &options->gridColour,   &options->selectionColour1,
            &options->selectionColour2, &options->handleColour, &options->lockColour};
}

std::array<uint32_t*, 8> POptionDialog::themeColours() const
{
    return {&options->pagesLight, &options->pagesDark, &options->layersLight, &options->layersDark,
            &options->clipsLight, &options->clipsDark, &options->decorLight,  &options->decorDark};
}

void POptionDialog::load()
{
    for (auto* box : {sizeCm, sizeIn})
        box->select(options->gridSize);
    for (auto* box : {divsCm, divsIn})
        box->select(options->gridDivisions);
    angle->select(options->snapAngle);
    useInch->setOn(options->useInch);
    exportDpi->select(options->exportDpi);
    smoothing->setValue(options->smoothing);
    taper->setOn(options->taper);
    wallOpacity->setValue(options->wallOpacity);
    guiSize->select(options->guiSize);
    pointSize->select(options->pointSize);
    trackSpeed->setValue(options->trackSpeed);
    autosave->setValue(options->autosaveEvery);
    lockCursor->setOn(options->lockCursor);
    tooltips->setOn(options->tooltips);
    const auto editor = editorColours();
    for (size_t i = 0; i < editor.size(); ++i)
        editorTints[i]->setColour(*editor[i]);
    const auto theme = themeColours();
    for (size_t i = 0; i < theme.size(); ++i)
        themeTints[i]->setColour(*theme[i]);
    showUnitPair();
    showWallpaper();
}

void POptionDialog::store()
{
    const bool inch = useInch->isOn();
    options->gridSize = codeOr(inch ? sizeIn : sizeCm, options->gridSize);
    options->gridDivisions = codeOr(inch ? divsIn : divsCm, options->gridDivisions);
    options->snapAngle = codeOr(angle, options->snapAngle);
    options->useInch = inch;
    options->exportDpi = codeOr(exportDpi, options->exportDpi);
    options->smoothing = std::clamp(smoothing->getValue(), POption::leastSmoothing, POption::mostSmoothing);
    options->taper = taper->isOn();
    options->wallOpacity = wallOpacity->getValue();
    options->guiSize = codeOr(guiSize, options->guiSize);
    options->pointSize = codeOr(pointSize, options->pointSize);
    options->trackSpeed = trackSpeed->getValue();
    options->autosaveEvery = static_cast<int16_t>(autosave->getValue());
    options->lockCursor = lockCursor->isOn();
    options->tooltips = tooltips->isOn();
    const auto editor = editorColours();
    for (size_t i = 0; i < editor.size(); ++i)
        *editor[i] = editorTints[i]->colour;
    const auto theme = themeColours();
    for (size_t i = 0; i < theme.size(); ++i)
        *theme[i] = themeTints[i]->colour;
    options->modified = true;
}

void POptionDialog::revert()
{
    // Palette colours and presets were stored on purpose, each with its own button.
    const auto palette = options->palette;
    const auto presets = options->fontPresets;
    options->copyFrom(backup.get());
    options->palette = palette;
    options->fontPresets = presets;
    if (wallpaperChanged)
    {
        // Only a wallpaper made in this dialog goes; the one the canvas may hold comes back.
        options->wall = std::move(originalWall);
        wallpaperChanged = false;
    }
    options->recompute();
}

void POptionDialog::showPage(int page)
{
    if (page < 0 || page >= pageCount)
        return;
    shownPage = page;
    pageButtons[static_cast<size_t>(page)]->setOn(true);
    for (int i = 0; i < pageCount; ++i)
        pages[static_cast<size_t>(i)]->setVisible(i == page);
}

void POptionDialog::showUnitPair()
{
    const bool inch = useInch->isOn();
    sizeCm->setVisible(!inch);
    divsCm->setVisible(!inch);
    sizeIn->setVisible(inch);
    divsIn->setVisible(inch);
    sizeUnit->setText(inch ? "Text.in" : "Text.cm");
    divsUnit->setText(inch ? "Text.in" : "Text.cm");
}

void POptionDialog::showWallpaper()
{
    const PImage* image = options->wall.get();
    const bool named = image != nullptr && !image->file.isEmpty();
    if (auto* button = dynamic_cast<juce::Button*>(wallFile->getComponent()))
        button->setButtonText(named ? juce::File(image->file.toString()).getFileName()
                                    : ::translate("OptionWall.Load"));
    wallClear->setEnabled(image != nullptr);
    wallPreview->setPicture(image != nullptr ? image->getImage() : juce::Image(), wallOpacity->getValue());
}

bool POptionDialog::loadWallpaper(const juce::File& file)
{
    // Tried on its own first, so that an unreadable file does not cost the wallpaper there is.
    PImage trial;
    trial.setFile(file.getFullPathName());
    if (!trial.loadImage(nullptr))
    {
        reportError(::translate("OptionWall.LoadError") + "\n(" + file.getFullPathName() + ")");
        return false;
    }
    setOriginalAside();
    options->wall = std::make_unique<PImage>();
    PImage& image = *options->wall;
    image.setFile(file.getFullPathName());
    image.setFlag(PImage::byFullPath, true);
    image.setFlag(PImage::inImagesFolder, false);
    (void) image.loadImage(nullptr);
    image.x = image.y = 0;
    image.scaleX = image.scaleY = 1;
    image.invalidate();
    wallpaperChanged = true;
    showWallpaper();
    return true;
}

void POptionDialog::clearWallpaper()
{
    if (options->wall == nullptr)
        return;
    setOriginalAside();
    options->wall.reset();
    wallpaperChanged = true;
    showWallpaper();
}

void POptionDialog::setOriginalAside()
{
    if (wallpaperChanged)
        return;
    originalWall = std::move(options->wall);
}

void POptionDialog::onClick(PWidget* source)
{
    for (int i = 0; i < pageCount; ++i)
        if (source == pageButtons[static_cast<size_t>(i)])
            showPage(i);
    if (source == wallFile)
    {
        const auto file = chooseImage ? chooseImage() : juce::File();
        if (file != juce::File())
            (void) loadWallpaper(file);
    }
    else if (source == wallClear)
        clearWallpaper();
    else if (source == accept)
    {
        store();
        options->recompute();
        save();
        close(PDialog::accepted);
    }
    else if (source == cancel)
    {
        revert();
        close(PDialog::cancelled);
    }
}

void POptionDialog::onChange(PWidget* source)
{
    if (source == useInch)
    {
        // The pair coming into view takes the choice of the pair going: it names the same spacing.
        const bool inch = useInch->isOn();
        (inch ? sizeIn : sizeCm)->select((inch ? sizeCm : sizeIn)->selectedCode());
        (inch ? divsIn : divsCm)->select((inch ? divsCm : divsIn)->selectedCode());
        showUnitPair();
    }
    else if (source == wallOpacity)
        showWallpaper();
}

bool POptionDialog::canClose()
{
    revert();
    return true;
}

void POptionDialog::save()
{
    if (options->path.isEmpty())
        return;
    if (!options->save().ok())
        reportError(::translate("Message.SaveError") + "\n(" + options->path + ")");
}

void POptionDialog::close(int result)
{
    if (auto* d = findDialog())
        d->close(result);
}

POptionDialog::Outcome POptionDialog::run(POption& options)
{
    const int16_t sizeBefore = options.guiSize;
    auto* pane = new POptionDialog(&options);
    PDialog dialog(pane, "OptionEdit.Title", true);
    Outcome outcome;
    outcome.accepted = dialog.run() == PDialog::accepted;
    if (!outcome.accepted)
        pane->revert();
    outcome.guiSizeChanged = outcome.accepted && options.guiSize != sizeBefore;
    outcome.wallpaperChanged = pane->wallpaperChanged;
    outcome.replacedWall = std::move(pane->originalWall);
    return outcome;
}
