#pragma once

#include <memory>
#include <vector>

#include "ui/widgets/pane.h"

class PAction;
class PComic;
class PContext;
class PPoint;
class PShape;
class PWorld;

/** What the shape and brush panes share: they show the attributes of the shape that the edit
    context holds, re-read it on the selection, attribute and mode notifications, and hand every
    change to the world as one undoable action. The pane itself stays visible while no shape is
    shown and hides its widgets instead, so that it goes on hearing the notifications that bring
    the next shape.

        auto* pane = new PBrushPane(decorPane, 0, 20, 12, PBrushPane::rows);
        pane->setWorld(&world);   // from then on the notifications keep it up to date
*/
class PAttributePane : public PPane
{
public:
    /** Widgets shown and enabled together, such as the controls of one shape class. */
    struct Section
    {
        std::vector<PWidget*> widgets;

        template <class W> W* add(W* widget)
        {
            widgets.push_back(widget);
            return widget;
        }
        void show(bool on) const;
        void enable(bool on) const;
    };

    PAttributePane(PPane* parent, int x, int y, int w, int h);

    /** Shows the shape of the session's context; null shows nothing. */
    void setWorld(PWorld* session);
    /** 6 and 16 refresh, 17 rebuilds, 18 refreshes what the selection changed. */
    void onNotify(PNotify code) override;
    /** Re-reads the current comic, shape and point and shows their values. */
    void refresh();
    /** Forgets the shape and point, then refreshes. */
    void rebuild();
    /** True while the pane shows a shape (its widgets are visible). */
    bool showsShape() const { return shape != nullptr; }

    /** The text key of the heading for a shape class. */
    static const char* titleKeyFor(uint16_t classId);

    PWorld* world = nullptr;
    PContext* context = nullptr;
    PComic* comic = nullptr;
    PShape* shape = nullptr;
    PPoint* point = nullptr;

protected:
    /** The shape the context offers this pane, or null. */
    virtual PShape* currentShape() const;
    /** Shows the values of `shape` (null: hides the widgets). */
    virtual void showValues() = 0;
    /** Shows what depends on `point` only. */
    virtual void showPoint() = 0;

    /** The current point when it belongs to shape, else null. */
    PPoint* currentPoint(const PShape* ofShape) const;
    /** True when an edit may act on `shape`: there is a session and the shape is still the
        context's current one (a shape deleted since the last refresh is never touched). */
    bool canEdit() const;
    /** Hands action to the world, which performs it and keeps it on the undo list. */
    void perform(std::unique_ptr<PAction> action);
};
