// The picture files against the core's tables: every bitmap is the kind and size the loaders
// and the layout expect, and the drawings say what their elements mean.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/MainWindowLayout.h"
#include "helm/PadPictures.h"

namespace helmsway::testing {
namespace {

std::string pathOf(std::string_view name) {
    return std::string(HELMSWAY_ASSETS_DIR) + "/" + std::string(name);
}

std::vector<std::uint8_t> bytesOf(std::string_view name) {
    std::ifstream in(pathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int size = 4) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | b.at(at + static_cast<std::size_t>(i));
    return value;
}

QImage picture(std::string_view name) {
    QImage image(QString::fromStdString(pathOf(name)));
    EXPECT_FALSE(image.isNull()) << name << " is missing or not a bitmap";
    return image;
}

// 24 bits a pixel, uncompressed, with the one header every loader knows (LoadImageW and Qt
// alike), at exactly the size the element was laid out for.
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
        const auto bytes = bytesOf(name);
        ASSERT_GE(bytes.size(), 54u) << name;
        // Header size, bits a pixel, compression.
        EXPECT_EQ(std::tuple(le(bytes, 14), le(bytes, 28, 2), le(bytes, 30)), std::tuple(40, 24, 0))
            << name;
        EXPECT_EQ(picture(name).size(), QSize(size.width, size.height)) << name;
    }
}

// Four images, 16 and 32 pixels at 4 and 8 bits, each with its AND mask (its header is twice
// as high as the image) and a directory entry that agrees with it, or Windows picks wrong.
TEST(Assets, IconHoldsTheFourImagesWithMasks) {
    const auto b = bytesOf(kProgramIcon);
    ASSERT_GE(b.size(), 6u);
    ASSERT_EQ(std::pair(le(b, 0, 2), le(b, 2, 2)), std::pair(0u, 1u)) << "not an icon";
    std::set<std::pair<int, int>> kinds;
    for (std::size_t i = 0; i < le(b, 4, 2); ++i) {
        const std::size_t entry = 6 + 16 * i, size = le(b, entry + 8), at = le(b, entry + 12);
        ASSERT_LE(at + size, b.size());
        const int width = b.at(entry), bits = static_cast<int>(le(b, at + 14, 2));
        EXPECT_EQ(std::tuple(le(b, at + 4), le(b, at + 8), le(b, entry + 6, 2)),
                  std::tuple(width, 2 * width, bits));
        const std::size_t xorRow = (static_cast<std::size_t>(width * bits) + 31) / 32 * 4;
        const std::size_t andRow = (static_cast<std::size_t>(width) + 31) / 32 * 4;
        EXPECT_EQ(size, 40 + (std::size_t{4} << bits) + (xorRow + andRow) * width) << width;
        kinds.insert({width, bits});
    }
    EXPECT_EQ(kinds, (std::set<std::pair<int, int>>{{16, 4}, {16, 8}, {32, 4}, {32, 8}}));
}

bool isGold(QColor p) {
    return p.red() > 150 && p.green() > 100 && p.blue() < 90 && p.red() > p.green();
}
bool isWhiteHot(QColor p) { return p.red() > 200 && p.green() > 200 && p.blue() > 220; }

// Every arrow is drawn in its colour and points its element's way: the heavy head pulls the
// drawing's centre of mass off the middle toward where the arrow points. Only the first 25
// columns count, as element 4 cuts its wider bitmap off there.
TEST(Assets, ArrowsAreDrawnAndPointTheirElementsWay) {
    const std::array<std::pair<int, int>, 8> kWay{
        {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};
    std::vector<std::tuple<std::string_view, std::pair<int, int>, bool (*)(QColor)>> cases;
    for (std::int16_t e = 0; e < 8; ++e)
        cases.emplace_back(findControl(mainWindowControls(), {Control::cmdDirection, e})->bitmap,
                           kWay[static_cast<std::size_t>(e)], isGold);
    for (std::size_t d = 0; d < kDiagonalPictures.size(); ++d) {
        cases.emplace_back(kDiagonalPictures[d].inactive, kWay[2 * d], isGold);
        cases.emplace_back(kDiagonalPictures[d].active, kWay[2 * d], isWhiteHot);
    }
    for (const auto& [file, way, lit] : cases) {
        const QImage image = picture(file);
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < std::min(image.width(), 25); ++x)
                if (lit(image.pixelColor(x, y))) sumX += x, sumY += y, ++count;
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
    const auto count = [](std::string_view file, bool (*is)(QColor)) {
        const QImage image = picture(file);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += is(image.pixelColor(x, y));
        return n;
    };
    const auto red = [](QColor p) { return p.red() > 180 && p.green() < 90; };
    const auto yellow = [](QColor p) {
        return p.red() > 180 && p.green() > 150 && p.green() > p.blue() + 60;
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
