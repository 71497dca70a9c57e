#include <gtest/gtest.h>

#include <vector>

#include "model/array.h"

namespace
{
/** Elements a, b, c ... that count their deletions, to tell owning from referring operations. */
struct Tracked : PBase
{
    Tracked(int* deathCount, int mark) : deaths(deathCount), id(mark) {}
    ~Tracked() override { ++*deaths; }
    PBase* clone() const override { return new Tracked(deaths, id); }
    int* deaths;
    int id;
};

struct Pool
{
    explicit Pool(int n)
    {
        for (int i = 0; i < n; ++i)
            owned.push_back(std::make_unique<Tracked>(&deaths, i));
    }
    void fill(PArray& a, std::vector<int> ids) const
    {
        for (int i : ids)
            a.append(owned[static_cast<size_t>(i)].get());
    }
    int deaths = 0;
    std::vector<std::unique_ptr<Tracked>> owned;
};

std::vector<int> ids(const PArray& a)
{
    std::vector<int> out;
    for (auto* p : a)
        out.push_back(static_cast<Tracked*>(p)->id);
    return out;
}
} // namespace

TEST(ArrayCapacity, ReserveZeroReleasesWithoutDeleting)
{
    Pool pool(12);
    PArray a;
    pool.fill(a, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    a.reserve(0);
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.getCapacity(), 0);
    EXPECT_EQ(pool.deaths, 0);
}

TEST(ArrayOwnership, DeepCopyReplacesWithClonesAndDeleteAllDeletes)
{
    int deaths = 0;
    PArray source, copy;
    source.append(new Tracked(&deaths, 7));
    copy.append(new Tracked(&deaths, 99));
    copy.deepCopy(source);
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(ids(copy), std::vector<int>({7}));
    EXPECT_NE(copy.at(0), source.at(0));
    source.deleteAll();
    copy.deleteAll();
    EXPECT_EQ(deaths, 3);
}

TEST(ArrayOrder, BringSelectedToFrontKeepsRelativeOrder)
{
    Pool pool(4); // a, B, c, D with the capitals selected
    pool.owned[1]->flags = pool.owned[3]->flags = PFlag::selected;
    PArray a;
    pool.fill(a, {0, 1, 2, 3});
    a.bringSelectedToFront();
    EXPECT_EQ(ids(a), std::vector<int>({0, 2, 1, 3}));
    a.clear();
}

TEST(ArrayOrder, InsertionsClampTheirIndex)
{
    Pool pool(6);
    struct Row
    {
        int at;
        std::vector<int> one, all;
    };
    // [0, 1] receives element 5 alone, or the elements [3, 4] together.
    const Row rows[] = {{-3, {5, 0, 1}, {3, 4, 0, 1}}, {1, {0, 5, 1}, {0, 3, 4, 1}}, {40, {0, 1, 5}, {0, 1, 3, 4}}};
    PArray extra;
    pool.fill(extra, {3, 4});
    for (const auto& row : rows)
    {
        PArray a, b;
        pool.fill(a, {0, 1});
        pool.fill(b, {0, 1});
        a.insert(row.at, pool.owned[5].get());
        b.insertAll(row.at, extra);
        EXPECT_EQ(ids(a), row.one) << row.at;
        EXPECT_EQ(ids(b), row.all) << row.at;
        a.clear(), b.clear();
    }
    extra.insertAll(1, extra); // into itself
    EXPECT_EQ(ids(extra), std::vector<int>({3, 3, 4, 4}));
    extra.clear();
}
