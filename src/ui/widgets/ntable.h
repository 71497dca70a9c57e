#pragma once

#include "ui/widgets/npeer.h"

class PTable;

/** The peer of a table: the library's table list box, its model and a drop target for rows
    dragged within it. Everything it learns goes to the table widget. */
class NTable : public NPeer<juce::TableListBox>, public juce::TableListBoxModel, public juce::DragAndDropTarget
{
public:
    explicit NTable(PTable& owner);
    ~NTable() override;

    int getNumRows() override;
    void paintRowBackground(juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell(juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    void selectedRowsChanged(int lastRowSelected) override;
    void cellClicked(int row, int columnId, const juce::MouseEvent& e) override;
    void cellDoubleClicked(int row, int columnId, const juce::MouseEvent& e) override;
    juce::var getDragSourceDescription(const juce::SparseSet<int>& rows) override;
    bool keyPressed(const juce::KeyPress& key) override;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;

private:
    PTable& table;
};
