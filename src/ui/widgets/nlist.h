#pragma once

#include "ui/widgets/npeer.h"

class PList;

/** The peer of a list: the library's list box, its own row model and a drop target for
    rows dragged within it. Everything it learns goes to the list widget. */
class NList : public NPeer<juce::ListBox>, public juce::ListBoxModel, public juce::DragAndDropTarget
{
public:
    explicit NList(PList& owner);
    ~NList() override;

    int getNumRows() override;
    void paintListBoxItem(int row, juce::Graphics& g, int width, int height, bool selected) override;
    void selectedRowsChanged(int lastRowSelected) override;
    void listBoxItemClicked(int row, const juce::MouseEvent& e) override;
    void listBoxItemDoubleClicked(int row, const juce::MouseEvent& e) override;
    juce::var getDragSourceDescription(const juce::SparseSet<int>& rows) override;
    bool keyPressed(const juce::KeyPress& key) override;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;

    /** The drag description of rows and its reading; false for a description of another kind. */
    static juce::var describeDrag(PDragKind kind, int firstRow, int rowCount);
    static bool readDrag(const juce::var& description, PDragKind& kind, int& firstRow, int& rowCount);
    /** The key handling shared by lists and tables: arrows move the selection, command keys
        go to the list; true when the key was used. */
    static bool forwardKey(PList& list, const juce::KeyPress& key);

private:
    PList& list;
};
