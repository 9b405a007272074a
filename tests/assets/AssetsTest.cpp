// The picture files against the core's tables: every name exists, every bitmap is the kind and
// size the loaders and the layout expect, and the drawings say what their elements mean.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BitmapFile.h"
#include "about/AboutLayout.h"
#include "app/MainWindowLayout.h"
#include "helm/PadPictures.h"

namespace helmsway::testing {
namespace {

std::string str(std::string_view s) { return std::string(s); }

std::vector<PicturePair> runTimePairs() {
    std::vector<PicturePair> pairs(kDiagonalPictures.begin(), kDiagonalPictures.end());
    pairs.insert(pairs.end(), kSpeedPictures.begin(), kSpeedPictures.end());
    return pairs;
}

// Loadable by LoadImageW and by Qt alike, at exactly the given size.
void expectPlainBitmap(const std::string& name, PixelSize size) {
    const auto bmp = readBitmap(name);
    ASSERT_TRUE(bmp) << name << " is missing or not a BMP";
    EXPECT_EQ(bmp->infoSize, 40) << name;
    EXPECT_EQ(bmp->bitsPerPixel, 24) << name;
    EXPECT_EQ(bmp->compression, 0) << name;
    EXPECT_EQ(bmp->width, size.width) << name;
    EXPECT_EQ(bmp->height, size.height) << name;
    EXPECT_EQ(bmp->pixels.size(), static_cast<std::size_t>(size.width * size.height))
        << name << " holds fewer pixels than its header promises";
}

TEST(Assets, EveryNameTheTablesMentionExists) {
    std::set<std::string> names{str(kProgramIcon), "helmsway.png"};
    for (const auto& c : mainWindowControls())
        if (!c.bitmap.empty()) names.insert(str(c.bitmap));
    for (const auto& c : aboutWindowControls())
        if (!c.bitmap.empty()) names.insert(str(c.bitmap));
    for (const auto& [inactive, active] : runTimePairs())
        names.insert({str(inactive), str(active)});
    for (const auto& name : names) EXPECT_TRUE(readFile(assetPath(name))) << name;
}

TEST(Assets, LaidOutBitmapsHaveTheLayoutTablesSize) {
    for (const auto& c : mainWindowControls())
        if (c.kind == ControlKind::PictureElement) expectPlainBitmap(str(c.bitmap), c.bitmapSize);
}

TEST(Assets, RunTimePicturesFitTheElementsTheyReplace) {
    for (const auto& [inactive, active] : kDiagonalPictures)
        for (auto name : {inactive, active}) expectPlainBitmap(str(name), {25, 25});
    for (std::int16_t element = 1; element <= 3; ++element) {
        const auto* speed = findControl(mainWindowControls(), {Control::cmdSpeed, element});
        ASSERT_NE(speed, nullptr);
        const auto& [inactive, active] = kSpeedPictures[static_cast<std::size_t>(element - 1)];
        for (auto name : {inactive, active}) expectPlainBitmap(str(name), speed->bitmapSize);
    }
}

TEST(Assets, IconHoldsTheFourImagesWithMasks) {
    const auto images = readIcon(str(kProgramIcon));
    ASSERT_TRUE(images) << "not a readable icon";
    std::set<std::pair<int, int>> kinds;
    for (const auto& image : *images) {
        EXPECT_EQ(image.width, image.height);
        EXPECT_TRUE(image.hasAndMask) << image.width << " px, " << image.bitsPerPixel << " bpp";
        kinds.insert({image.width, image.bitsPerPixel});
    }
    EXPECT_EQ(images->size(), 4u);
    EXPECT_EQ(kinds, (std::set<std::pair<int, int>>{{16, 4}, {16, 8}, {32, 4}, {32, 8}}));
}

TEST(Assets, ActivePicturesDifferFromInactiveOnes) {
    for (const auto& [inactive, active] : runTimePairs()) {
        const auto off = readBitmap(str(inactive)), on = readBitmap(str(active));
        ASSERT_TRUE(off && on) << inactive;
        EXPECT_NE(off->pixels, on->pixels) << active << " looks like " << inactive;
    }
}

// At start no facing is set, so the laid-out diagonals are the inactive run-time pictures.
TEST(Assets, InactiveDiagonalsLookLikeTheLaidOutOnes) {
    for (std::size_t d = 0; d < kDiagonalPictures.size(); ++d) {
        const auto* pad =
            findControl(mainWindowControls(), {Control::cmdDirection, diagonalElement(d)});
        ASSERT_NE(pad, nullptr);
        const auto laidOut = readBitmap(str(pad->bitmap));
        const auto inactive = readBitmap(str(kDiagonalPictures[d].inactive));
        ASSERT_TRUE(laidOut && inactive);
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x)
                ASSERT_EQ(laidOut->at(x, y), inactive->at(x, y))
                    << pad->bitmap << " " << x << "," << y;
    }
}

bool isGold(Pixel p) { return p.red > 150 && p.green > 100 && p.blue < 90 && p.red > p.green; }
bool isWhiteHot(Pixel p) { return p.red > 200 && p.green > 200 && p.blue > 220; }

// Every arrow is drawn (not blank), in its colour, and points its element's way: the heavy
// head pulls the drawing's centre of mass off the middle toward where the arrow points. Only
// the first 25 columns count, as element 4 cuts its wider bitmap off there.
TEST(Assets, ArrowsAreDrawnAndPointTheirElementsWay) {
    struct Case {
        std::string file;
        int dx, dy;
        bool (*lit)(Pixel);
    };
    const std::array<std::pair<int, int>, 8> kWay{
        {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};
    std::vector<Case> cases;
    for (std::int16_t e = 0; e < 8; ++e) {
        const auto* pad = findControl(mainWindowControls(), {Control::cmdDirection, e});
        ASSERT_NE(pad, nullptr);
        cases.push_back({str(pad->bitmap), kWay[static_cast<std::size_t>(e)].first,
                         kWay[static_cast<std::size_t>(e)].second, isGold});
    }
    for (std::size_t d = 0; d < kDiagonalPictures.size(); ++d) {
        const auto [dx, dy] = kWay[static_cast<std::size_t>(diagonalElement(d))];
        cases.push_back({str(kDiagonalPictures[d].inactive), dx, dy, isGold});
        cases.push_back({str(kDiagonalPictures[d].active), dx, dy, isWhiteHot});
    }
    for (const auto& c : cases) {
        const auto bmp = readBitmap(c.file);
        ASSERT_TRUE(bmp && !bmp->pixels.empty()) << c.file;
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < bmp->height; ++y)
            for (int x = 0; x < std::min(bmp->width, 25); ++x)
                if (c.lit(bmp->at(x, y))) sumX += x, sumY += y, ++count;
        ASSERT_GE(count, 60) << c.file << " has too little of its colour to be seen";
        const double cx = sumX / count - 12, cy = sumY / count - 12;
        for (auto [off, way] : {std::pair{cx, c.dx}, std::pair{cy, c.dy}}) {
            if (way == 0)
                EXPECT_LT(std::abs(off), 0.25) << c.file << " leans sideways";
            else
                EXPECT_GT(off * way, 0.25) << c.file << " points the wrong way";
        }
    }
}

// The speed words: the inactive ones red, the active ones yellow, as the row tells the mode.
TEST(Assets, SpeedWordsAreRedWhenInactiveAndYellowWhenActive) {
    const auto count = [](const BitmapFile& bmp, auto is) {
        return std::count_if(bmp.pixels.begin(), bmp.pixels.end(), is);
    };
    const auto red = [](Pixel p) { return p.red > 180 && p.green < 90; };
    const auto yellow = [](Pixel p) {
        return p.red > 180 && p.green > 150 && p.green > p.blue + 60;
    };
    for (const auto& [inactive, active] : kSpeedPictures) {
        const auto off = readBitmap(str(inactive)), on = readBitmap(str(active));
        ASSERT_TRUE(off && on && !off->pixels.empty() && !on->pixels.empty()) << inactive;
        EXPECT_GE(count(*off, red), 30) << inactive;
        EXPECT_EQ(count(*off, yellow), 0) << inactive;
        EXPECT_GE(count(*on, yellow), 30) << active;
        EXPECT_EQ(count(*on, red), 0) << active;
    }
}

}  // namespace
}  // namespace helmsway::testing
