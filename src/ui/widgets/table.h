#pragma once

#include "ui/widgets/list.h"

/** A list whose rows have columns of text under translated headings. Reports like `PList`.

        auto* comics = new PTable(pane, 0, 1, -1, 10);
        comics->addColumn("ComicOpen.Name", 8);
        comics->addColumn("ComicOpen.Pages", 2);
        comics->setRows(items, {{"First comic", "12"}, {"Second", "3"}});
*/
class PTable : public PList
{
public:
    PTable(PPane* parent, int x, int y, int w, int h);
    /** Lets the peer go while the table is whole: its list box asks the rows' count on the way out. */
    ~PTable() override;

    void refreshLook() override;
    void paintRow(juce::Graphics& g, int row, int width, int height, bool selected) override;

    /** Adds a column under the translation of key, some cells wide. */
    void addColumn(const juce::String& key, int widthCells);
    /** Replaces the rows: one item and one text per column each (missing texts are empty). */
    void setRows(const std::vector<PItem*>& rowItems, const std::vector<juce::StringArray>& rowTexts);
    juce::String cellText(int row, int column) const;
    /** Draws one cell; the peer calls it (columns count from 0). */
    void paintCell(juce::Graphics& g, int row, int column, int width, int height, bool selected);

    std::vector<juce::StringArray> texts;

protected:
    bool reorder(int from, int insertBefore) override;

private:
    std::vector<int> columnCells;
};
