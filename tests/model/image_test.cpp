#include <gtest/gtest.h>

#include <cmath>

#include "draw/view2.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/option.h"
#include "support/testfiles.h"
#include "support/tolerance.h"

namespace
{
constexpr double halfWidth100 = 1.7638888625, halfHeight50 = 0.88194443125; // 100 x 50 pixels

bool writePicture(const juce::File& file, juce::ImageFileFormat&& format, int w, int h)
{
    juce::Image picture(juce::Image::RGB, w, h, true);
    juce::FileOutputStream out(file);
    return out.openedOk() && format.writeImageToStream(picture, out);
}

std::unique_ptr<PImage> storedImage(const juce::String& file, int w, int h, uint32_t flags = 0)
{
    auto image = std::make_unique<PImage>();
    image->file.assign(file);
    image->pixelWidth = w, image->pixelHeight = h, image->flags = flags;
    return image;
}

void build(PShape& shape, POption* options = nullptr)
{
    PView2 view;
    view.options = options;
    shape.build(view);
}

bool isFinite(const PRect& r)
{
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) && std::isfinite(r.bottom);
}
} // namespace

TEST(ImageBounds, StoredPixelSizeGivesTheBoxWithoutAFile)
{
    auto image = storedImage("", 100, 50);
    PRect r;
    image->getBounds(r, true);
    EXPECT_TRUE(isNear(r.left, -halfWidth100) && isNear(r.right, halfWidth100));
    EXPECT_TRUE(isNear(r.top, -halfHeight50) && isNear(r.bottom, halfHeight50));
    image->x = 1, image->y = -1, image->scaleX = 2;
    image->getBounds(r, false);
    EXPECT_TRUE(isNear(r.left, 1 - 2 * halfWidth100) && isNear(r.top, -1 - halfHeight50));
}

TEST(ImageLoad, ReadsPngJpegAndGifByPathOrFromTheImagesFolder)
{
    TempFolder tmp;
    ASSERT_TRUE(writePicture(tmp.file("a.png"), juce::PNGImageFormat(), 30, 20));
    ASSERT_TRUE(writePicture(tmp.file("b.jpg"), juce::JPEGImageFormat(), 8, 6));
    POption options;
    options.imagesFolder = tmp.folder.getFullPathName();
    const struct
    {
        juce::String file;
        POption* folderSource;
        int w, h;
    } cases[] = {{tmp.path("a.png"), nullptr, 30, 20},
                 {"b.jpg", &options, 8, 6},
                 {juce::String(PLUMET_TEST_DATA) + "/three_by_two.gif", nullptr, 3, 2}};
    for (const auto& c : cases)
    {
        auto image = storedImage(c.file, 100, 50);
        ASSERT_TRUE(image->loadImage(c.folderSource)) << c.file;
        EXPECT_EQ(image->pixelWidth, c.w);
        EXPECT_EQ(image->pixelHeight, c.h);
    }
    EXPECT_FALSE(storedImage("b.jpg", 0, 0)->loadImage(nullptr)); // not in the working folder

    // Drawing loads by itself, from the images folder too when the image lives there.
    auto drawn = storedImage("a.png", 0, 0, PImage::inImagesFolder);
    build(*drawn, &options);
    EXPECT_TRUE(drawn->hasImage());
    EXPECT_TRUE(isNear(drawn->bounds.right, 30 * PImage::pointsToCentimetres / 2));
    drawn->setFile(tmp.path("b.jpg"));
    ASSERT_TRUE(drawn->loadImage(nullptr));
    EXPECT_EQ(drawn->pixelWidth, 8);
}

TEST(ImageLoad, MissingOrUnreadableFileKeepsTheStoredSizeAndDrawsAnEmptyBox)
{
    TempFolder tmp;
    tmp.file("text.png").replaceWithText("not a picture");
    tmp.file("empty.gif").create();
    tmp.file("folder.png").createDirectory();
    for (const auto& name :
         {juce::String(), tmp.path("missing.png"), tmp.path("text.png"), tmp.path("empty.gif"), tmp.path("folder.png")})
    {
        auto image = storedImage(name, 100, 50, PImage::inImagesFolder);
        EXPECT_FALSE(image->loadImage(nullptr)) << name;
        build(*image);
        EXPECT_FALSE(image->hasImage());
        EXPECT_EQ(image->pixelWidth, 100);
        EXPECT_EQ(image->pixelHeight, 50);
        EXPECT_TRUE(isNear(image->bounds.right, halfWidth100)) << name;
        EXPECT_TRUE(image->hitTest(0, 0, 1, PEditMode::none)) << name;
    }
}

TEST(ImageBuild, ZeroPixelSizesAndZeroScalesGiveNoNaN)
{
    auto unknown = storedImage("", 0, 0);
    build(*unknown);
    EXPECT_TRUE(unknown->getBox().isEmpty());
    EXPECT_TRUE(isFinite(unknown->bounds));
    EXPECT_FALSE(unknown->hitTest(0, 0, 1, PEditMode::none));

    auto flat = storedImage("", 100, 50);
    flat->x = 2, flat->scaleX = 0, flat->scaleY = 0;
    build(*flat);
    EXPECT_TRUE(isFinite(flat->bounds));
    EXPECT_TRUE(isNear(flat->bounds.left, 2) && isNear(flat->bounds.right, 2));
}

TEST(ImageNormalize, ScalesStayBetweenOneHundredthAndTen)
{
    PImage image;
    image.scaleX = 20, image.scaleY = 0;
    image.normalize();
    EXPECT_EQ(image.scaleX, 10.0f);
    EXPECT_EQ(image.scaleY, 0.01f);
    image.scaleX = std::nanf("");
    image.normalize();
    EXPECT_EQ(image.scaleX, 1.0f);
}

TEST(ImageFile, FileNameSurvivesALoadOnlyWithAKeepFlag)
{
    const uint32_t flags[] = {0, PImage::inImagesFolder, PImage::byFullPath, PImage::highQuality};
    const bool kept[] = {false, true, true, false};
    PComic comic;
    auto* decor = new PDecor();
    comic.decor.append(decor);
    PGroup& content = decor->contentForEdit();
    for (auto f : flags)
    {
        auto* image = storedImage("pic.png", 40, 30, f | PFlag::selected).release();
        image->imageTag = 9, image->opacity = 0.5f;
        image->x = 1, image->y = 2, image->scaleX = 3, image->scaleY = 4, image->rotation = 0.5f;
        content.children.append(image);
    }
    auto* damaged = storedImage("", -5, -1).release();
    damaged->opacity = std::nanf("");
    content.children.append(damaged);

    PComic loaded;
    ASSERT_EQ(reload(comic, loaded), PLoadResult::ok);
    const PGroup& back = *loaded.decor.get<PDecor>(0)->content;
    for (int i = 0; i < 4; ++i)
    {
        auto* image = dynamic_cast<PImage*>(back.childAt(i));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->flags, flags[i]);
        EXPECT_EQ(image->file.toString(), kept[i] ? "pic.png" : "") << i;
        EXPECT_EQ(image->pixelWidth, 40);
        EXPECT_EQ(image->pixelHeight, 30);
        EXPECT_EQ(image->imageTag, 9);
        EXPECT_EQ(image->opacity, 0.5f);
        EXPECT_TRUE(image->x == 1 && image->y == 2 && image->scaleX == 3 && image->scaleY == 4);
        EXPECT_EQ(image->rotation, 0.5f);
    }
    auto* repaired = dynamic_cast<PImage*>(back.childAt(4));
    ASSERT_NE(repaired, nullptr);
    EXPECT_EQ(repaired->opacity, 1.0f);
    EXPECT_EQ(repaired->pixelWidth, 0);
    EXPECT_EQ(repaired->pixelHeight, 0);
}
