#include "banner.h"

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <string_view>

#include "rtfkit/banner_picture.h"

namespace assetgen {
namespace {

constexpr std::u32string_view kTitle = U"ZORDON VIDÉK";
constexpr std::u32string_view kCapsOnly = U"ZORDON VIDEK";  // without the accent
constexpr int kTracking = 16;

// The double rules run across the whole band, 12 pixels from the sides: a
// 2-pixel outer rule and a 1-pixel inner rule, mirrored top and bottom.
constexpr int kRuleLeft = 12;
constexpr int kOuterTop = 3;
constexpr int kInnerTop = 8;
constexpr int kInnerBottom = qv::kBannerHeight - 1 - kInnerTop;  // 109
constexpr int kOuterBottom = qv::kBannerHeight - 2 - kOuterTop;  // 113

// The text keeps this distance from the inner rules.
constexpr int kTextClearance = 5;

using Mirror = std::function<double(double)>;

std::vector<PointF> Diamond(double cx, double cy, double halfWidth, double halfHeight) {
  return {{cx, cy - halfHeight}, {cx + halfWidth, cy}, {cx, cy + halfHeight}, {cx - halfWidth, cy}};
}

// Calls draw(mirror) with mirror(x) = x and then with x reflected about the
// band's vertical centre line, for ornaments that stand on both sides.
void BothSides(const std::function<void(const Mirror&)>& draw) {
  draw([](double x) { return x; });
  draw([](double x) { return qv::kBannerWidth - x; });
}

void DrawRules(Canvas& c) {
  const int right = qv::kBannerWidth - kRuleLeft;
  c.FillRect(kRuleLeft, kOuterTop, right, kOuterTop + 2, kInk);
  c.FillRect(kRuleLeft, kInnerTop, right, kInnerTop + 1, kInk);
  c.FillRect(kRuleLeft, kInnerBottom, right, kInnerBottom + 1, kInk);
  c.FillRect(kRuleLeft, kOuterBottom, right, kOuterBottom + 2, kInk);

  // Jewels set across each pair of rules at the centre and the quarters,
  // dots at the ends.
  const double topJewel = (kOuterTop + kInnerTop + 1) / 2.0;
  const double bottomJewel = qv::kBannerHeight - topJewel;
  for (double x : {qv::kBannerWidth / 2.0, qv::kBannerWidth / 4.0, 3 * qv::kBannerWidth / 4.0}) {
    for (double y : {topJewel, bottomJewel}) {
      c.FillPolygon(Diamond(x, y, 13, 6.5), kPaper);
      c.FillPolygon(Diamond(x, y, 11, 5.5), kInk);
    }
  }
  BothSides([&](const Mirror& mx) {
    for (double y : {topJewel, bottomJewel}) c.Disc(mx(kRuleLeft), y, 4, kInk);
  });
}

// Half of the scroll at the outer end of a side rule: a spiral rising above
// (or falling below) the rule's line.
std::vector<PointF> Scroll(double x, double middle, double radius, bool upper) {
  std::vector<PointF> path;
  const double sign = upper ? -1 : 1;
  const double cy = middle + sign * radius;
  for (int i = 0; i <= 180; ++i) {
    const double t = i / 180.0;
    const double angle = std::numbers::pi / 2 + t * 3 * std::numbers::pi;
    const double r = radius * (1 - 0.7 * t);
    path.push_back({x + r * std::cos(angle), cy - sign * r * std::sin(angle)});
  }
  return path;
}

// The ornament at each side of the name, on the line `middle`: a rule from
// a scroll near the edge to a diamond and a dot beside the text, with an
// open diamond halfway.
void DrawSideOrnaments(Canvas& c, const InkBox& text, int textLeft, int middle) {
  const double inner = textLeft + text.left - 34.0;  // left side; mirrored for the right
  const double outer = 70;
  const double half = (outer + inner) / 2;
  BothSides([&](const Mirror& mx) {
    c.Stroke({{mx(outer), middle + 0.0}, {mx(inner - 12), middle + 0.0}}, 1.2, kInk);
    c.FillPolygon(Diamond(mx(inner), middle, 14, 9), kInk);
    c.Disc(mx(inner + 22), middle, 3, kInk);
    c.FillPolygon(Diamond(mx(half), middle, 12, 8), kInk);
    c.FillPolygon(Diamond(mx(half), middle, 7, 4), kPaper);
    for (bool upper : {true, false}) {
      std::vector<PointF> scroll = Scroll(outer, middle, 14, upper);
      for (PointF& p : scroll) p.x = mx(p.x);
      c.Stroke(scroll, 1.2, kInk);
    }
  });
}

}  // namespace

Canvas DrawBanner() {
  Canvas c(qv::kBannerWidth, qv::kBannerHeight);
  DrawRules(c);

  // The largest size whose ink, accent included, fits between the inner
  // rules with some clearance; the text is centred in that space.
  constexpr int kSpaceTop = kInnerTop + 1 + kTextClearance;
  constexpr int kSpaceBottom = kInnerBottom - kTextClearance;
  std::unique_ptr<qv::LabelFont> font;
  InkBox ink;
  for (int size = 120;; --size) {
    if (size < 20) throw std::runtime_error("the title does not fit the banner");
    font = qv::OpenDrawingFont("Liberation Serif", true, size);
    ink = qv::MeasureInk(*font, kTitle, kTracking);
    if (ink.height() <= kSpaceBottom - kSpaceTop) break;
  }
  const int baseline = (kSpaceTop + kSpaceBottom - ink.height()) / 2 - ink.top;
  const int textLeft = (qv::kBannerWidth - ink.width()) / 2 - ink.left;
  c.Text(*font, textLeft, baseline, kTitle, kTracking, kInk);

  // The side ornaments line up with the middle of the capitals.
  const InkBox caps = qv::MeasureInk(*font, kCapsOnly, kTracking);
  DrawSideOrnaments(c, ink, textLeft, baseline + (caps.top + caps.bottom) / 2);
  return c;
}

}  // namespace assetgen
