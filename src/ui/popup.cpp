#include "ui/popup.h"

#include "model/translate.h"
#include "ui/command.h"
#include "ui/entry.h"

namespace
{
/** One line of a kind's table; a null key stands for a separator. */
struct Line
{
    PCommand id;
    const char* key;
};

constexpr Line separator{PCommand::none, nullptr};

constexpr Line comicLines[] = {{PCommand::open, "Menu.Open"},          {PCommand::close, "Menu.Close"},
                               {PCommand::save, "Menu.Save"},          separator,
                               {PCommand::setting, "Menu.Setting"},    {PCommand::tuning, "Menu.Tuning"},
                               {PCommand::exportComic, "Menu.Export"}, {PCommand::exportComicBook, "Menu.ExportCbz"},
                               {PCommand::option, "Menu.Option"},      separator,
                               {PCommand::exit, "Menu.Exit"}};

constexpr Line helpLines[] = {{PCommand::guide, "Menu.Guide"},
                              {PCommand::decor, "Menu.Decor"},
                              separator,
                              {PCommand::localeE, "Menu.LocaleE"},
                              {PCommand::localeD, "Menu.LocaleD"},
                              {PCommand::localeF, "Menu.LocaleF"},
                              separator,
                              {PCommand::about, "Menu.About"}};

constexpr Line editLines[] = {{PCommand::create, "Popup.New"},
                              {PCommand::import, "Popup.Import"},
                              {PCommand::cut, "Popup.Cut"},
                              {PCommand::copy, "Popup.Copy"},
                              {PCommand::paste, "Popup.Paste"}};

constexpr Line pageExportLines[] = {separator,
                                    {PCommand::exportJpg, "Popup.JPG"},
                                    {PCommand::exportPng, "Popup.PNG"},
                                    {PCommand::exportPdf, "Popup.PDF"},
                                    {PCommand::exportSvg, "Popup.SVG"},
                                    separator,
                                    {PCommand::inkSeries, "Popup.Ink"},
                                    {PCommand::colourSeries, "Popup.Color"}};

constexpr Line groupLines[] = {separator,
                               {PCommand::group1, "Popup.Group1"},
                               {PCommand::group2, "Popup.Group2"},
                               {PCommand::group3, "Popup.Group3"},
                               {PCommand::group4, "Popup.Group4"},
                               {PCommand::group5, "Popup.Group5"}};

constexpr Line canvasFirstLines[] = {{PCommand::cut, "Popup.Cut"},
                                     {PCommand::copy, "Popup.Copy"},
                                     {PCommand::paste, "Popup.Paste"},
                                     separator,
                                     {PCommand::raise, "Popup.Raise"},
                                     {PCommand::lower, "Popup.Lower"},
                                     separator,
                                     {PCommand::init, "Popup.Init"}};

constexpr Line canvasSecondLines[] = {{PCommand::cut, "Popup.Cut"},
                                      {PCommand::copy, "Popup.Copy"},
                                      {PCommand::paste, "Popup.Paste"},
                                      separator,
                                      {PCommand::raise, "Popup.Raise"},
                                      {PCommand::lower, "Popup.Lower"},
                                      {PCommand::front, "Popup.Front"},
                                      {PCommand::back, "Popup.Back"},
                                      separator,
                                      {PCommand::flipH, "Popup.FlipH"},
                                      {PCommand::flipV, "Popup.FlipV"},
                                      {PCommand::flipD, "Popup.FlipD"},
                                      separator,
                                      {PCommand::init, "Popup.Init"}};

template <size_t n> void addLines(PPopup& popup, const Line (&lines)[n])
{
    for (const auto& line : lines)
        if (line.key == nullptr)
            popup.addSeparator();
        else
            popup.addEntry(line.id, line.key);
}

/** The digit popups of the number widget: "0*" … "9*" pick the tens, "0" … "9" the units. */
void addDigits(PPopup& popup, PCommand (*lineOf)(int digit), const char* suffix)
{
    for (int digit = 0; digit < digitLineCount; ++digit)
        popup.addPlainEntry(lineOf(digit), juce::String(digit) + suffix);
}
} // namespace

const juce::Colour PPopup::highlight{0xFFFFD24A};

PPopup::PPopup(PHandler* handler) : owner(handler) {}

PPopup::~PPopup()
{
    entries.deleteAll();
}

void PPopup::build(Kind kind)
{
    menu.clear();
    entries.deleteAll();
    switch (kind)
    {
    case Kind::comicMenu: setTitle("Menu.Comic"), addLines(*this, comicLines); break;
    case Kind::helpMenu: setTitle("Menu.Help"), addLines(*this, helpLines); break;
    case Kind::pagePopup: addLines(*this, editLines), addLines(*this, pageExportLines); break;
    case Kind::layerPopup: addLines(*this, editLines); break;
    case Kind::clipPopup: addLines(*this, editLines), addLines(*this, groupLines); break;
    case Kind::canvasFirst: addLines(*this, canvasFirstLines); break;
    case Kind::canvasSecond: addLines(*this, canvasSecondLines); break;
    case Kind::tensPopup: addDigits(*this, tensDigit, "*"); break;
    case Kind::unitsPopup: addDigits(*this, unitsDigit, ""); break;
    default: break;
    }
    rebuild();
}

void PPopup::setTitle(const char* key)
{
    if (key != nullptr)
        title.assign(juce::String(key));
}

void PPopup::addSeparator()
{
    auto* entry = new PEntry();
    entry->separator = true;
    entries.append(entry);
}

void PPopup::addEntry(PCommand id, const char* key)
{
    addPlainEntry(id, translate(key));
}

void PPopup::addPlainEntry(PCommand id, const juce::String& text)
{
    auto* entry = new PEntry();
    entry->text = text;
    entry->id = id;
    entries.append(entry);
}

PEntry* PPopup::findEntry(PCommand id) const
{
    for (auto* item : entries)
    {
        auto* entry = static_cast<PEntry*>(item);
        if (!entry->separator && entry->id == id)
            return entry;
    }
    return nullptr;
}

const PEntry* PPopup::find(PCommand id) const
{
    return findEntry(id);
}

const PEntry* PPopup::entryAt(int i) const
{
    return entries.get<PEntry>(i);
}

void PPopup::setEnabled(PCommand id, bool on)
{
    if (auto* entry = findEntry(id))
        entry->enabled = on;
}

void PPopup::setColoured(PCommand id, bool on)
{
    if (auto* entry = findEntry(id))
        entry->coloured = on;
}

void PPopup::rebuild()
{
    menu.clear();
    for (auto* item : entries)
    {
        const auto* entry = static_cast<const PEntry*>(item);
        if (entry->separator)
            menu.addSeparator();
        else if (entry->coloured)
            menu.addColouredItem(menuIdOf(entry->id), entry->text, highlight, entry->enabled, false);
        else
            menu.addItem(menuIdOf(entry->id), entry->text, entry->enabled, false);
    }
}

std::function<PCommand(PPopup&)> PPopup::scriptedShow;

PCommand PPopup::show()
{
    if (scriptedShow)
        return scriptedShow(*this);
    return commandOfMenuId(menu.show());
}
