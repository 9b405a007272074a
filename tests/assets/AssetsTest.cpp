// The picture files against the core's tables: every bitmap is the kind and size the loaders
// and the layout expect, and the drawings say what their elements mean.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BitmapFile.h"
#include "app/MainWindowLayout.h"
#include "helm/PadPictures.h"

namespace helmsway::testing {
namespace {

std::string str(std::string_view s) { return std::string(s); }

BitmapFile bitmap(std::string_view name) {
    const auto bmp = readBitmap(str(name));
    EXPECT_TRUE(bmp && !bmp->pixels.empty()) << name << " is missing or not a plain bitmap";
    return bmp.value_or(BitmapFile{});
}

// 24 bits a pixel, uncompressed, whole, with the one header every loader knows (LoadImageW
// and Qt alike), at exactly the size the element was laid out for.
TEST(Assets, EveryBitmapIsPlainAndSizedForItsElement) {
    std::vector<std::pair<std::string_view, PixelSize>> expected;
    for (const auto& c : mainWindowControls())
        if (c.kind == ControlKind::PictureElement) expected.emplace_back(c.bitmap, c.bitmapSize);
    for (const auto& [inactive, active] : kDiagonalPictures)
        for (const auto name : {inactive, active}) expected.emplace_back(name, PixelSize{25, 25});
    for (std::int16_t element = 1; element <= 3; ++element) {
        const PixelSize size =
            findControl(mainWindowControls(), {Control::cmdSpeed, element})->bitmapSize;
        for (const auto name :
             {kSpeedPictures[element - 1].inactive, kSpeedPictures[element - 1].active})
            expected.emplace_back(name, size);
    }
    for (const auto& [name, size] : expected) {
        const BitmapFile bmp = bitmap(name);
        EXPECT_EQ(bmp.infoSize, 40) << name;
        EXPECT_EQ(std::pair(bmp.width, bmp.height), std::pair(size.width, size.height)) << name;
    }
}

TEST(Assets, IconHoldsTheFourImagesWithMasks) {
    const auto images = readIcon(str(kProgramIcon));
    ASSERT_TRUE(images) << "not a readable icon";
    std::set<std::pair<int, int>> kinds;
    for (const auto& image : *images) {
        EXPECT_TRUE(image.hasAndMask) << image.width << " px, " << image.bitsPerPixel << " bpp";
        kinds.insert({image.width, image.bitsPerPixel});
    }
    EXPECT_EQ(kinds, (std::set<std::pair<int, int>>{{16, 4}, {16, 8}, {32, 4}, {32, 8}}));
}

bool isGold(Pixel p) { return p.red > 150 && p.green > 100 && p.blue < 90 && p.red > p.green; }
bool isWhiteHot(Pixel p) { return p.red > 200 && p.green > 200 && p.blue > 220; }

// Every arrow is drawn in its colour and points its element's way: the heavy head pulls the
// drawing's centre of mass off the middle toward where the arrow points. Only the first 25
// columns count, as element 4 cuts its wider bitmap off there.
TEST(Assets, ArrowsAreDrawnAndPointTheirElementsWay) {
    const std::array<std::pair<int, int>, 8> kWay{
        {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};
    std::vector<std::tuple<std::string_view, std::pair<int, int>, bool (*)(Pixel)>> cases;
    for (std::int16_t e = 0; e < 8; ++e)
        cases.emplace_back(findControl(mainWindowControls(), {Control::cmdDirection, e})->bitmap,
                           kWay[static_cast<std::size_t>(e)], isGold);
    for (std::size_t d = 0; d < kDiagonalPictures.size(); ++d) {
        cases.emplace_back(kDiagonalPictures[d].inactive, kWay[2 * d], isGold);
        cases.emplace_back(kDiagonalPictures[d].active, kWay[2 * d], isWhiteHot);
    }
    for (const auto& [file, way, lit] : cases) {
        const BitmapFile bmp = bitmap(file);
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < bmp.height; ++y)
            for (int x = 0; x < std::min(bmp.width, 25); ++x)
                if (lit(bmp.at(x, y))) sumX += x, sumY += y, ++count;
        ASSERT_GE(count, 60) << file << " has too little of its colour to be seen";
        for (const auto& [off, sign] :
             {std::pair{sumX / count - 12, way.first}, std::pair{sumY / count - 12, way.second}}) {
            if (sign == 0)
                EXPECT_LT(std::abs(off), 0.25) << file << " leans sideways";
            else
                EXPECT_GT(off * sign, 0.25) << file << " points the wrong way";
        }
    }
}

// The speed words: the inactive ones red, the active ones yellow, as the row tells the mode.
TEST(Assets, SpeedWordsAreRedWhenInactiveAndYellowWhenActive) {
    const auto count = [](std::string_view file, bool (*is)(Pixel)) {
        const BitmapFile bmp = bitmap(file);
        return std::count_if(bmp.pixels.begin(), bmp.pixels.end(), is);
    };
    const auto red = [](Pixel p) { return p.red > 180 && p.green < 90; };
    const auto yellow = [](Pixel p) {
        return p.red > 180 && p.green > 150 && p.green > p.blue + 60;
    };
    for (const auto& [inactive, active] : kSpeedPictures) {
        EXPECT_GE(count(inactive, red), 30) << inactive;
        EXPECT_EQ(count(inactive, yellow), 0) << inactive;
        EXPECT_GE(count(active, yellow), 30) << active;
        EXPECT_EQ(count(active, red), 0) << active;
    }
}

}  // namespace
}  // namespace helmsway::testing
