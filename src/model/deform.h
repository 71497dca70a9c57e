#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/geometry.h"

class PGroup;

/** The warp of a deformed group: up to three quadrilaterals whose source corners are carried
    onto their target corners by one plane homography each, the quadrilateral being chosen per
    point. It works in page coordinates, after the group's matrix and before the device matrix;
    since every device matrix is a scale plus a translation, the warp drawn on screen, in a
    bitmap and in the vector files is the same, and a cache built through it fits every view.
        PDeform stage;
        stage.setUp(group, view.current);        // off again when a target folds over
        stage.map(x, y);
*/
class PDeform
{
public:
    /** Modes 1 and below leave points alone; 2 to 6 pick the quadrilateral layout. */
    static constexpr uint16_t off = 1, corners = 2, taller = 3, wider = 4, archAbove = 5, archBelow = 6;
    /** Smallest cross product (square centimetres), denominator and ray length that count as non-zero. */
    static constexpr double epsilon = 1.2e-7;

    struct Point
    {
        double x = 0, y = 0;
    };
    using Quad = std::array<Point, 4>;
    using Grid = std::array<Point, 9>;

    /** A projective map (x, y) -> ((h0 x + h1 y + h2) / w, (h3 x + h4 y + h5) / w), w = h6 x + h7 y + h8. */
    struct Homography
    {
        std::array<double, 9> h{1, 0, 0, 0, 1, 0, 0, 0, 1};
        double denominator(Point p) const { return h[6] * p.x + h[7] * p.y + h[8]; }
        Point apply(Point p) const;
        /** The inverse map; false when this one is singular. */
        bool invert(Homography& out) const;
    };

    /** The nine rest points of a mode around raw bounds (left, top, right, bottom). */
    static Grid restPoints(const PRect& raw, uint16_t mode);
    /** The rest points of a group's handles in its own coordinates, for the layout the stage uses;
        all at the origin when the group has no extent. */
    static Grid restPointsOf(const PGroup& group);
    /** The quadrilateral layout a group is warped with. */
    static uint16_t stageModeOf(const PGroup& group);
    /** The corner indices into the nine points of each quadrilateral of a mode (modes 2 to 6). */
    static const std::vector<std::array<int, 4>>& quadrilateralsOf(uint16_t mode);
    /** True when every corner of q turns the same way as orientation (+1 or -1) by at least epsilon. */
    static bool isConvex(const Quad& q, double orientation);
    /** The homography carrying the corners of from onto those of to; false when either is degenerate.
        It is scaled so that its denominator is 1 at the first source corner. */
    static bool solve(const Quad& from, const Quad& to, Homography& out);

    /** Sets the stage up for a group whose matrix is groupToPage; false (and off) when the group has
        no extent or a target quadrilateral is not strictly convex. */
    bool setUp(const PGroup& group, const PMatrix& groupToPage);
    /** Sets the stage up from nine source and nine target handles already in page coordinates. */
    bool setUp(uint16_t stageMode, const Grid& source, const Grid& target);
    void switchOff() { mode = off; }
    bool isOn() const { return mode >= corners; }

    /** The index of the quadrilateral whose map a source point goes through. */
    int quadrilateralFor(Point p) const;
    /** Maps a point through the stage (unchanged when off). */
    Point map(Point p) const;
    void map(float& x, float& y) const;
    /** The source point that maps onto a target point; false when none is found (p is then unchanged). */
    bool unmap(Point p, Point& out) const;

    uint16_t mode = off;
    int quadCount = 0;
    std::array<Quad, 3> source{}, target{};
    std::array<Homography, 3> forward{}, backward{};
    Point centre, targetCentre;
    std::array<double, 3> rayAngle{};
    /** The source handles of the separating line of modes 3 and 4. */
    Point lineA, lineB;

private:
    int sectorFor(Point p) const;
    void setUpRays(uint16_t stageMode, const Grid& sourceGrid);
};
