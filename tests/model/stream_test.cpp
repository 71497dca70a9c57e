#include <gtest/gtest.h>

#include <functional>

#include "../support/testfiles.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/point.h"

namespace
{
/** A file whose root is nothing but one list of objects: lets any object meet the list reader
    without the class that normally holds it. */
class ShapeBox : public PProject
{
public:
    ~ShapeBox() override { items.deleteAll(); }

    void write(PStream& s) const override { s.writeList(items); }
    void read(PStream& s) override { s.readList(items); }

    template <class T> T* at(int i) const { return dynamic_cast<T*>(items.at(i)); }

    PArray items;
};

constexpr int boxClass = PClass::project; // the class id that names a ShapeBox file
constexpr auto ok = PLoadResult::ok, damaged = PLoadResult::damaged, incomplete = PLoadResult::newerOrIncomplete;

StreamBytes boxHeader(int version = 1)
{
    StreamBytes b;
    b.i16(boxClass).i16(version);
    return b;
}

PLoadResult loadBytes(const StreamBytes& bytes, ShapeBox& box)
{
    return box.load(zlibStream(bytes.block()));
}

StreamBytes& emptyLayer(StreamBytes& b)
{
    return b.object(PClass::layer).i32(0).item(u"A", 0, 0).emptyList().i16(50);
}
} // namespace

TEST(StreamRoundTrip, ListsMixClassesAndKeepOnlyTheLowFlagBits)
{
    ShapeBox box;
    auto* shape = new PShape();
    shape->flags = 0x100 | PFlag::current | PFlag::selected;
    shape->x = -1.25f, shape->y = 2.5f, shape->scaleX = 0.5f, shape->scaleY = 3, shape->rotation = -0.7f;
    shape->bounds = PRect::of(1, 2, 3, 4);
    shape->sortKey = 8;
    auto* point = new PPoint(2, 3);
    point->thickness = 150, point->sharpness = 100, point->variant = 65535;
    box.items.append(shape);
    box.items.append(new PLayer());
    box.items.append(point);

    ShapeBox r;
    ASSERT_EQ(reload(box, r), ok);
    ASSERT_EQ(r.items.size(), 3);
    ASSERT_TRUE(r.at<PShape>(0) && r.at<PLayer>(1) && r.at<PPoint>(2));
    const auto* s = r.at<PShape>(0);
    EXPECT_EQ(s->flags, 0x100u);
    EXPECT_TRUE(s->x == -1.25f && s->y == 2.5f && s->scaleX == 0.5f && s->scaleY == 3 && s->rotation == -0.7f);
    EXPECT_TRUE(s->bounds.right == 0 && s->sortValue() == 0); // run-time only
    const auto* p = r.at<PPoint>(2);
    EXPECT_TRUE(p->x == 2 && p->y == 3 && p->thickness == 150 && p->sharpness == 100 && p->variant == 65535);
}

TEST(StreamRead, VersionZeroFieldsKeepTheirDefaultsAndFlagsAreMasked)
{
    auto bytes = boxHeader(0);
    bytes.listBegin(2).object(PClass::layer).i32(-1).item(u"Old", 0, 0).emptyList(); // no stroke
    bytes.object(PClass::point).i32(0).f32(3).f32(4).i16(60).i16(70).listEnd();      // no variant
    ShapeBox box;
    ASSERT_EQ(loadBytes(bytes, box), ok);
    ASSERT_TRUE(box.at<PLayer>(0) && box.at<PPoint>(1));
    EXPECT_EQ(box.at<PLayer>(0)->stroke, 50);
    EXPECT_EQ(box.at<PLayer>(0)->flags, 0xFFFFu);
    EXPECT_EQ(box.at<PPoint>(1)->sharpness, 70);
    EXPECT_EQ(box.at<PPoint>(1)->variant, 0);
}

TEST(StreamRead, HostileContentFailsCleanly)
{
    struct Row
    {
        const char* what;
        std::function<void(StreamBytes&)> body;
        PLoadResult result;
    };
    const auto layerNamed = [](StreamBytes& b) -> StreamBytes& { return b.listBegin(1).object(PClass::layer).i32(0); };
    const Row rows[] = {
        {"a valid layer", [](StreamBytes& b) { emptyLayer(b.listBegin(1)).listEnd(); }, ok},
        {"a null child", [](StreamBytes& b) { emptyLayer(b.listBegin(2).object(0)).listEnd(); }, ok},
        {"text of length 0", [&](StreamBytes& b) { layerNamed(b).i16(1105).i16(0).i16(0).i32(0); }, incomplete},
        {"text of negative length", [&](StreamBytes& b) { layerNamed(b).i16(1105).i16(-1); }, incomplete},
        {"text of length 200",
         [&](StreamBytes& b)
         {
             layerNamed(b).i16(1105).i16(200);
             for (int i = 0; i < 200; ++i)
                 b.i16('x');
             b.i16(0).i32(0).emptyList().i16(50).listEnd();
         },
         incomplete},
        {"text with a list tag", [&](StreamBytes& b) { layerNamed(b).emptyList().i16(0).i32(0); }, incomplete},
        {"negative count", [](StreamBytes& b) { b.listBegin(-1).listEnd(); }, incomplete},
        {"huge count, no data", [](StreamBytes& b) { b.listBegin(0x7FFFFFFF); }, incomplete},
        {"unknown class id", [](StreamBytes& b) { b.listBegin(1).object(77).i32(0).listEnd(); }, incomplete},
        {"file root class in a list", [](StreamBytes& b) { b.listBegin(1).object(PClass::comic).i32(0); }, incomplete},
        {"no object tag", [](StreamBytes& b) { b.listBegin(1).i16(PClass::layer).i32(0); }, incomplete},
        {"no list end", [](StreamBytes& b) { b.listBegin(0); }, incomplete},
        {"no list begin", [](StreamBytes& b) { b.listEnd().i32(0); }, incomplete},
        {"layer among a layer's shapes",
         [&](StreamBytes& b) { emptyLayer(layerNamed(b).emptyText().i16(0).i32(0).listBegin(1)).listEnd().i16(50); },
         incomplete},
        {"layer among a page's panels",
         [](StreamBytes& b) { emptyLayer(b.listBegin(1).object(PClass::page).i32(0).item(u"", 0, 0).listBegin(1)); },
         incomplete},
        {"data ends inside a point", [](StreamBytes& b) { b.listBegin(1).object(PClass::point).i32(0).i16(0); },
         incomplete},
        {"nothing after the header", [](StreamBytes&) {}, incomplete},
    };
    for (const auto& row : rows)
    {
        auto bytes = boxHeader();
        row.body(bytes);
        ShapeBox box;
        EXPECT_EQ(loadBytes(bytes, box), row.result) << row.what;
    }
}

TEST(StreamRead, HeaderDecidesKindAndVersion)
{
    const std::pair<std::vector<int>, PLoadResult> rows[] = {
        {{boxClass, 0}, ok},
        {{boxClass, 2}, incomplete},
        {{boxClass, 1000}, incomplete},
        {{boxClass, 1001}, damaged},
        {{boxClass, -1}, damaged},
        {{PClass::comic, 1}, damaged},
        {{boxClass}, damaged},
        {{}, damaged},
    };
    for (const auto& [header, result] : rows)
    {
        StreamBytes bytes;
        for (int v : header)
            bytes.i16(v);
        if (header.size() == 2)
            bytes.emptyList();
        ShapeBox box;
        EXPECT_EQ(loadBytes(bytes, box), result) << header.size() << " header values";
    }
}

TEST(StreamRead, NestingBeyondTheDepthLimitIsDamage)
{
    for (int levels : {PStream::maxObjectDepth, PStream::maxObjectDepth + 1})
    {
        ShapeBox box;
        PArray* list = &box.items;
        for (int i = 0; i < levels; ++i)
        {
            auto* g = new PGroup();
            list->append(g);
            list = &g->children;
        }
        ShapeBox loaded;
        EXPECT_EQ(reload(box, loaded), levels <= PStream::maxObjectDepth ? ok : incomplete) << levels;
    }
}

TEST(StreamSave, FailedSaveKeepsTheOldFileAndTheModifiedMark)
{
    TempFolder tmp;
    tmp.file("folder.plm").createDirectory(); // rename() cannot put a file over a folder
    ShapeBox old;
    old.path = tmp.path("old.plm");
    ASSERT_TRUE(old.save());
    const auto before = bytesOf(inflateFile(tmp.file("old.plm")));
    ASSERT_TRUE(tmp.file("old.plm").setReadOnly(true));
    for (const char* name : {"folder.plm", "missing/box.plm", "old.plm"})
    {
        ShapeBox box;
        box.path = tmp.path(name);
        box.items.append(new PShape());
        box.modified = true;
        EXPECT_FALSE(box.save()) << name;
        EXPECT_TRUE(box.modified) << name;
        EXPECT_EQ(tmp.fileNames(), juce::StringArray({"folder.plm", "old.plm"})) << name;
    }
    EXPECT_EQ(bytesOf(inflateFile(tmp.file("old.plm"))), before);
}
