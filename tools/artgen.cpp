// artgen: draws the program's pictures and writes them as .ico and .bmp
// files for the resource compiler, so that no binary artwork lives in the
// repository. Runs on the build machine (plain C++, no platform headers).
//
//   artgen <output folder> [--preview]
//
// --preview also writes each picture as a .pam file (RGBA) for viewing.
// Shapes are sampled 8 x 8 times per pixel, which gives the smooth edges.
// Every picture is drawn at 100, 125, 150, 175 and 200 %: the shapes are
// given in 100 % pixels and sampled at the scale, so each size is sharp.
// Icons hold all sizes; bitmaps get one file per scale (name-150.bmp).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "png.h"

namespace {

const double Pi = 3.14159265358979323846;

struct rgba {
  double R = 0, G = 0, B = 0, A = 0;  // 0..255, alpha 0..1, not premultiplied
};

rgba Rgb(int r, int g, int b, double a = 1.0) { return {double(r), double(g), double(b), a}; }

rgba Mix(const rgba& a, const rgba& b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
          a.A + (b.A - a.A) * t};
}

// The scale the pictures are drawn at now (1 is 100 %).
double Scale = 1.0;

// A size in 100 % pixels at the current scale, halves rounded up as the
// program rounds them.
int Px(int v) { return static_cast<int>(std::floor(v * Scale + 0.5)); }

class canvas {
 public:
  canvas(int w, int h)
      : W(Px(w)), H(Px(h)), DesignW(w), DesignH(h), S(Scale), Pixels(static_cast<size_t>(W) * H) {}

  int W, H;            // pixels
  int DesignW, DesignH;  // at 100 %, the units the shapes are given in
  double S;
  std::vector<rgba> Pixels;

  rgba& At(int x, int y) { return Pixels[static_cast<size_t>(y) * W + x]; }
  const rgba& At(int x, int y) const { return Pixels[static_cast<size_t>(y) * W + x]; }

  // Source-over, with the coverage of the shape as extra alpha.
  void Blend(int x, int y, const rgba& c, double coverage) {
    const double a = c.A * coverage;
    if (a <= 0) return;
    rgba& d = At(x, y);
    const double outA = a + d.A * (1 - a);
    if (outA <= 0) return;
    d.R = (c.R * a + d.R * d.A * (1 - a)) / outA;
    d.G = (c.G * a + d.G * d.A * (1 - a)) / outA;
    d.B = (c.B * a + d.B * d.A * (1 - a)) / outA;
    d.A = outA;
  }

  // inside(x, y) in pixel coordinates, (0, 0) the top-left corner of the
  // first pixel; paint(x, y) gives the colour there (gradients).
  void Fill(const std::function<bool(double, double)>& inside,
            const std::function<rgba(double, double)>& paint) {
    const int n = 8;
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        int hits = 0;
        for (int sy = 0; sy < n; ++sy)
          for (int sx = 0; sx < n; ++sx)
            if (inside((x + (sx + 0.5) / n) / S, (y + (sy + 0.5) / n) / S)) ++hits;
        if (hits) Blend(x, y, paint((x + 0.5) / S, (y + 0.5) / S), double(hits) / (n * n));
      }
    }
  }
  void Fill(const std::function<bool(double, double)>& inside, const rgba& c) {
    Fill(inside, [c](double, double) { return c; });
  }
};

// ---- shapes

using shape = std::function<bool(double, double)>;

shape RoundRect(double l, double t, double r, double b, double radius) {
  return [=](double x, double y) {
    if (x < l || x > r || y < t || y > b) return false;
    const double cx = std::clamp(x, l + radius, r - radius);
    const double cy = std::clamp(y, t + radius, b - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

shape Rect(double l, double t, double r, double b) { return RoundRect(l, t, r, b, 0); }

shape Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
  };
}

shape Circle(double cx, double cy, double r) { return Ellipse(cx, cy, r, r); }

struct point {
  double X, Y;
};

// Even-odd rule.
shape Polygon(std::vector<point> pts) {
  return [pts](double x, double y) {
    bool in = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const point& a = pts[i];
      const point& b = pts[j];
      if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) in = !in;
    }
    return in;
  };
}

double SegmentDistance(double x, double y, const point& a, const point& b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double len = dx * dx + dy * dy;
  double t = len > 0 ? ((x - a.X) * dx + (y - a.Y) * dy) / len : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double px = a.X + t * dx - x, py = a.Y + t * dy - y;
  return std::sqrt(px * px + py * py);
}

// A pen line through the points with round ends and joins.
shape Stroke(std::vector<point> pts, double width) {
  return [pts, width](double x, double y) {
    if (pts.size() == 1) return SegmentDistance(x, y, pts[0], pts[0]) <= width / 2;
    for (size_t i = 1; i < pts.size(); ++i)
      if (SegmentDistance(x, y, pts[i - 1], pts[i]) <= width / 2) return true;
    return false;
  };
}

// Points on an elliptic arc; angles in degrees, counter-clockwise with y up
// (as a letter is drawn), from a0 to a1.
std::vector<point> Arc(double cx, double cy, double rx, double ry, double a0, double a1) {
  std::vector<point> pts;
  const int steps = 24;
  for (int i = 0; i <= steps; ++i) {
    const double a = (a0 + (a1 - a0) * i / steps) * Pi / 180;
    pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return pts;
}

shape Union(std::vector<shape> parts) {
  return [parts](double x, double y) {
    for (const shape& s : parts)
      if (s(x, y)) return true;
    return false;
  };
}

shape Minus(shape a, shape b) {
  return [a, b](double x, double y) { return a(x, y) && !b(x, y); };
}

std::function<rgba(double, double)> Vertical(const rgba& top, const rgba& bottom, double t0,
                                             double t1) {
  return [=](double, double y) { return Mix(top, bottom, std::clamp((y - t0) / (t1 - t0), 0.0, 1.0)); };
}

// ---- lettering: a small stroke font, y up from the baseline, cap height 10,
// x-height 7.5.

struct glyph {
  double Advance;
  std::vector<std::vector<point>> Strokes;
};

glyph Letter(char c) {
  constexpr double xh = 7.5, ch = 10, asc = 10.5;
  switch (c) {
    case 'A':
      return {8.6, {{{0, 0}, {4, ch}, {8, 0}}, {{1.5, 3.2}, {6.5, 3.2}}}};
    case 'E':
      return {6.8, {{{6, ch}, {0, ch}, {0, 0}, {6, 0}}, {{0, 5.1}, {5.2, 5.1}}}};
    case 'O':
      return {9.6, {Arc(4.4, 5, 4.4, 5, 0, 360)}};
    case 'S':
      return {7.4,
              {[] {
                 auto top = Arc(3.4, 7.45, 3.2, 2.55, 30, 270);
                 auto bottom = Arc(3.4, 2.55, 3.4, 2.55, 90, -150);
                 top.insert(top.end(), bottom.begin(), bottom.end());
                 return top;
               }()}};
    case 'b':
      return {7.2, {{{0, asc}, {0, 0}}, Arc(3.25, xh / 2, 3.25, xh / 2, 0, 360)}};
    case 'c':
      return {6.2, {Arc(3.3, xh / 2, 3.3, xh / 2, 40, 320)}};
    case 'd':
      return {7.2, {{{6.5, asc}, {6.5, 0}}, Arc(3.25, xh / 2, 3.25, xh / 2, 0, 360)}};
    case 'h':
      return {7.0, {{{0, asc}, {0, 0}}, [] {
                      auto a = Arc(3, 4.4, 3, 3.1, 180, 0);
                      a.push_back({6, 0});
                      return a;
                    }()}};
    case 'i':
      return {2.5, {{{0.4, xh}, {0.4, 0}}, {{0.4, 10.2}}}};
    case 'n':
      return {7.0, {{{0, xh}, {0, 0}}, [] {
                      auto a = Arc(3, 4.4, 3, 3.1, 180, 0);
                      a.push_back({6, 0});
                      return a;
                    }()}};
    case 'o':
      return {7.3, {Arc(3.3, xh / 2, 3.3, xh / 2, 0, 360)}};
    case 'p':
      return {7.2, {{{0, xh}, {0, -3}}, Arc(3.25, xh / 2, 3.25, xh / 2, 0, 360)}};
    case 'r':
      return {4.6, {{{0, xh}, {0, 0}}, Arc(3.6, 4.1, 3.6, 3.4, 180, 80)}};
    case 's':
      return {5.8,
              {[] {
                 auto top = Arc(2.7, 5.65, 2.5, 1.85, 35, 270);
                 auto bottom = Arc(2.7, 1.9, 2.7, 1.9, 90, -150);
                 top.insert(top.end(), bottom.begin(), bottom.end());
                 return top;
               }()}};
    case 't':
      return {4.4, {[] {
                      std::vector<point> a = {{1.2, 9.6}};
                      auto bend = Arc(3.4, 2.0, 2.2, 2.0, 180, 270);
                      a.insert(a.end(), bend.begin(), bend.end());
                      return a;
                    }(),
                    {{-0.2, xh}, {3.6, xh}}}};
    case 'u':
      return {7.0, {[] {
                      std::vector<point> a = {{0, xh}};
                      auto bow = Arc(3, 3.1, 3, 3.1, 180, 360);
                      a.insert(a.end(), bow.begin(), bow.end());
                      return a;
                    }(),
                    {{6, xh}, {6, 0}}}};
    case ' ':
      return {2.6, {}};
  }
  return {6, {}};
}

// Dark grey lettering, left-aligned with its baseline at `baseline` pixels
// from the top; squeezed sideways only if it would not fit the width.
void Lettering(canvas& c, const std::string& text, double baseline, double scale, double pen,
               const rgba& colour) {
  const double spacing = 1.5;
  double width = 0;
  for (char ch : text) width += Letter(ch).Advance + spacing;
  width -= spacing;
  const double left = 1.0 + pen / 2;
  double sx = scale;
  if (left + width * sx + pen / 2 + 0.5 > c.DesignW) sx = (c.DesignW - left - pen / 2 - 0.5) / width;
  std::vector<shape> strokes;
  double x = 0;
  for (char ch : text) {
    const glyph g = Letter(ch);
    for (const auto& s : g.Strokes) {
      std::vector<point> pts;
      for (const point& p : s) pts.push_back({left + (x + p.X) * sx, baseline - p.Y * scale});
      strokes.push_back(Stroke(pts, pen));
    }
    x += g.Advance + spacing;
  }
  c.Fill(Union(strokes), colour);
}

// ---- the pictures

const rgba White = Rgb(255, 255, 255);

// Rounded square with a white "Z"; the grey form is the disabled tray look.
canvas ProgramIcon(int size, bool grey) {
  canvas c(size, size);
  const double s = size / 16.0;
  const rgba top = grey ? Rgb(178, 178, 178) : Rgb(74, 150, 240);
  const rgba bottom = grey ? Rgb(122, 122, 122) : Rgb(22, 82, 190);
  const rgba edge = grey ? Rgb(105, 105, 105) : Rgb(16, 60, 150);
  c.Fill(RoundRect(0.5 * s, 0.5 * s, 15.5 * s, 15.5 * s, 3.2 * s), edge);
  c.Fill(RoundRect(0.5 * s + 1, 0.5 * s + 1, 15.5 * s - 1, 15.5 * s - 1, 3.2 * s - 1),
         Vertical(top, bottom, 1, size - 1));
  // A soft gloss over the upper half.
  c.Fill(RoundRect(0.5 * s + 1, 0.5 * s + 1, 15.5 * s - 1, 8 * s, 3.2 * s - 1),
         Vertical(Rgb(255, 255, 255, 0.28), Rgb(255, 255, 255, 0.04), 1, 8 * s));
  // The Z on the pixel grid: bars two pixels high at 16, four at 32.
  const double l = 4 * s, r = 12 * s, t = 3.5 * s, b = 12.5 * s, bar = 2 * s;
  const rgba glyph = grey ? Rgb(238, 238, 238) : White;
  c.Fill(Polygon({{l, t},
                  {r, t},
                  {r, t + bar},
                  {l + 2.9 * s, b - bar},
                  {r, b - bar},
                  {r, b},
                  {l, b},
                  {l, b - bar},
                  {r - 2.9 * s, t + bar},
                  {l, t + bar}}),
         glyph);
  return c;
}

// Shortcut Editor: a list of entries, each a coloured icon and a line.
canvas EditorIcon() {
  canvas c(16, 16);
  c.Fill(RoundRect(1.5, 1.5, 14.5, 14.5, 1.5), Rgb(96, 110, 130));
  c.Fill(RoundRect(2.5, 2.5, 13.5, 13.5, 0.8), White);
  const rgba colours[] = {Rgb(40, 110, 220), Rgb(230, 170, 30), Rgb(60, 160, 70)};
  for (int i = 0; i < 3; ++i) {
    const double y = 4 + i * 3.2;
    c.Fill(Rect(4, y, 6.4, y + 2.4), colours[i]);
    c.Fill(Rect(7.6, y + 0.7, 12, y + 1.7), Rgb(120, 120, 120));
  }
  return c;
}

// Options: a cog wheel.
canvas OptionsIcon() {
  canvas c(16, 16);
  auto cog = [](double cx, double cy, double inner, double outer, int teeth) {
    return [=](double x, double y) {
      const double dx = x - cx, dy = y - cy;
      const double r = std::sqrt(dx * dx + dy * dy);
      double a = std::atan2(dy, dx) / (2 * Pi) * teeth;
      a -= std::floor(a);
      const bool tooth = a > 0.25 && a < 0.75;
      return r <= (tooth ? outer : inner);
    };
  };
  c.Fill(Minus(cog(8, 8, 5.2, 7.3, 8), Circle(8, 8, 2.3)),
         Vertical(Rgb(150, 160, 175), Rgb(80, 90, 110), 1, 15));
  c.Fill(Minus(Circle(8, 8, 4.1), Circle(8, 8, 2.3)), Rgb(190, 198, 210, 0.55));
  return c;
}

// About: a blue disc with a white "i".
canvas AboutIcon() {
  canvas c(16, 16);
  c.Fill(Circle(8, 8, 7.3), Rgb(22, 82, 190));
  c.Fill(Circle(8, 8, 6.3), Vertical(Rgb(80, 156, 245), Rgb(30, 100, 210), 2, 14));
  c.Fill(Circle(8, 4.6, 1.2), White);
  c.Fill(Union({Rect(7, 6.8, 9, 11.6), Rect(6.2, 10.6, 9.8, 11.8), Rect(6.2, 6.8, 9, 7.8)}),
         White);
  return c;
}

// Exit: a red disc with a white power sign.
canvas ExitIcon() {
  canvas c(16, 16);
  c.Fill(Circle(8, 8, 7.3), Rgb(160, 28, 24));
  c.Fill(Circle(8, 8, 6.3), Vertical(Rgb(240, 90, 80), Rgb(196, 36, 30), 2, 14));
  // y grows downwards in pixel space, so the arc opens at the top.
  auto ring = Arc(8, 8.6, 3.7, 3.7, -60, 240);
  for (point& p : ring) p.Y = 2 * 8.6 - p.Y;
  c.Fill(Stroke(ring, 1.7), White);
  c.Fill(Stroke({{8, 3.6}, {8, 8}}, 1.7), White);
  return c;
}

// Find: a magnifying glass, blue lens in a dark rim, on a slanted handle.
canvas FindIcon() {
  canvas c(16, 16);
  c.Fill(Stroke({{9.6, 9.6}, {14, 14}}, 2.6), Rgb(70, 70, 80));
  c.Fill(Circle(6.6, 6.6, 5.4), Rgb(40, 55, 80));
  c.Fill(Circle(6.6, 6.6, 4.1), Vertical(Rgb(200, 228, 255), Rgb(110, 170, 235), 2.5, 10.7));
  c.Fill(Ellipse(5.2, 4.9, 1.7, 1.1), Rgb(255, 255, 255, 0.75));
  return c;
}

canvas CheckMark() {
  canvas c(16, 16);
  c.Fill(Stroke({{3.2, 8.4}, {6.6, 11.8}, {12.8, 4.2}}, 2.6), Rgb(84, 156, 236));
  return c;
}

canvas Cross() {
  canvas c(16, 16);
  c.Fill(Union({Stroke({{4.2, 4.2}, {11.8, 11.8}}, 2.6), Stroke({{11.8, 4.2}, {4.2, 11.8}}, 2.6)}),
         Rgb(214, 44, 38));
  return c;
}

// A right-pointing navy arrow, centred in a w x 16 picture.
canvas LinkArrow(int w) {
  canvas c(w, 16);
  const double cx = w / 2.0;
  c.Fill(Polygon({{cx - 4.5, 6.5},
                  {cx + 0.5, 6.5},
                  {cx + 0.5, 3.5},
                  {cx + 5, 8},
                  {cx + 0.5, 12.5},
                  {cx + 0.5, 9.5},
                  {cx - 4.5, 9.5}}),
         Vertical(Rgb(60, 110, 200), Rgb(0, 0, 128), 3.5, 12.5));
  return c;
}

// An opened yellow folder, 17 x 10, for the browse buttons.
canvas FolderGlyph() {
  canvas c(17, 10);
  const rgba edge = Rgb(176, 120, 16);
  c.Fill(Polygon({{0.5, 1.5}, {5, 1.5}, {6.2, 0.5}, {12.5, 0.5}, {12.5, 9.5}, {0.5, 9.5}}), edge);
  c.Fill(Polygon({{1.5, 2.5}, {5.4, 2.5}, {6.6, 1.5}, {11.5, 1.5}, {11.5, 8.5}, {1.5, 8.5}}),
         Rgb(236, 196, 90));
  c.Fill(Polygon({{3.2, 4.0}, {16.6, 4.0}, {13.2, 9.5}, {0.5, 9.5}}), edge);
  c.Fill(Polygon({{3.9, 5.0}, {15.0, 5.0}, {12.6, 8.6}, {1.9, 8.6}}),
         Vertical(Rgb(255, 230, 140), Rgb(246, 196, 64), 5, 9));
  return c;
}

// A red warning triangle with a white exclamation mark.
canvas Warning(int size) {
  canvas c(size, size);
  const double s = size / 22.0;
  const double top = 1.5 * s, bottom = 20.5 * s, l = 0.8 * s, r = 21.2 * s, mid = size / 2.0;
  auto tri = [&](double inset) {
    return Polygon({{mid, top + inset * 1.6}, {r - inset * 1.2, bottom - inset * 0.6},
                    {l + inset * 1.2, bottom - inset * 0.6}});
  };
  c.Fill(Union({tri(0), Stroke({{mid, top + 1.2 * s}, {r - 1 * s, bottom - 0.6 * s},
                                {l + 1 * s, bottom - 0.6 * s}, {mid, top + 1.2 * s}},
                               1.6 * s)}),
         Rgb(150, 20, 16));
  c.Fill(tri(1.4 * s), Vertical(Rgb(240, 80, 66), Rgb(200, 30, 24), top, bottom));
  if (Px(size) >= 16) {  // room for the rounded mark
    c.Fill(Stroke({{mid, 7.4 * s}, {mid, 13.2 * s}}, 2.3 * s), White);
    c.Fill(Circle(mid, 16.6 * s, 1.3 * s), White);
  } else {
    c.Fill(Rect(mid - 0.5, 3.6, mid + 0.5, 7.2), White);
    c.Fill(Rect(mid - 0.5, 8.0, mid + 0.5, 9.0), White);
  }
  return c;
}

// Tip: a light bulb.
canvas TipIcon() {
  canvas c(16, 16);
  c.Fill(Circle(8, 6.2, 5.2), Rgb(190, 140, 10));
  c.Fill(Circle(8, 6.2, 4.3), Vertical(Rgb(255, 246, 170), Rgb(250, 200, 40), 2, 11));
  c.Fill(Circle(6.6, 4.8, 1.3), Rgb(255, 255, 255, 0.8));
  c.Fill(RoundRect(5.6, 10.6, 10.4, 14.9, 1), Rgb(120, 120, 130));
  c.Fill(Rect(5.6, 12.3, 10.4, 13.0), Rgb(200, 200, 210));
  return c;
}

// A window frame with a blue title bar, given in pixels.
void WindowShape(canvas& c, double l, double t, double r, double b) {
  c.Fill(Rect(l, t, r, b), Rgb(70, 80, 100));
  c.Fill(Rect(l + 1, t + 1, r - 1, b - 1), White);
  c.Fill(Rect(l + 1, t + 1, r - 1, std::min(t + 3.5, b - 1)), Rgb(44, 110, 220));
}

canvas ApplicationIcon() {
  canvas c(16, 16);
  WindowShape(c, 1, 2, 15, 14);
  c.Fill(Rect(3, 7, 13, 8), Rgb(190, 190, 190));
  c.Fill(Rect(3, 9.5, 10, 10.5), Rgb(190, 190, 190));
  return c;
}

canvas FileIcon() {
  canvas c(16, 16);
  c.Fill(Polygon({{2.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 15.5}, {2.5, 15.5}}), Rgb(110, 110, 120));
  c.Fill(Polygon({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}), White);
  c.Fill(Polygon({{9.5, 1.5}, {12.5, 4.5}, {9.5, 4.5}}), Rgb(200, 200, 208));
  // The red letter A.
  c.Fill(Union({Stroke({{5.2, 12.8}, {8, 5.8}, {10.8, 12.8}}, 1.5), Stroke({{6.4, 10.4}, {9.6, 10.4}}, 1.3)}),
         Rgb(206, 30, 30));
  return c;
}

canvas FolderIcon() {
  canvas c(16, 16);
  const rgba edge = Rgb(180, 124, 18);
  c.Fill(Polygon({{0.5, 3.5}, {5.5, 3.5}, {7, 2}, {15.5, 2}, {15.5, 14.5}, {0.5, 14.5}}), edge);
  c.Fill(Polygon({{1.5, 4.5}, {5.9, 4.5}, {7.4, 3}, {14.5, 3}, {14.5, 13.5}, {1.5, 13.5}}),
         Rgb(238, 198, 92));
  c.Fill(Rect(0.5, 6, 15.5, 14.5), edge);
  c.Fill(Rect(1.5, 7, 14.5, 13.5), Vertical(Rgb(255, 228, 136), Rgb(246, 194, 60), 7, 13.5));
  return c;
}

canvas ShowMinimizedIcon() {
  canvas c(16, 16);
  c.Fill(Rect(1, 1, 15, 15), Rgb(200, 206, 216, 0.45));
  c.Fill(Rect(1, 11, 10, 15), Rgb(70, 80, 100));
  c.Fill(Rect(2, 12, 9, 14), Rgb(44, 110, 220));
  return c;
}

canvas ShowNormalIcon() {
  canvas c(16, 16);
  WindowShape(c, 1, 1, 11, 10);
  WindowShape(c, 5, 6, 15, 15);
  return c;
}

canvas ShowMaximizedIcon() {
  canvas c(16, 16);
  WindowShape(c, 0, 0, 16, 16);
  return c;
}

// A link: a blue globe with a pale meridian and equator, at any size.
canvas WebLinkIcon(int size) {
  canvas c(size, size);
  const double s = size / 16.0, m = size / 2.0, r = 7.2 * s;
  c.Fill(Circle(m, m, r), Rgb(20, 70, 160));
  c.Fill(Circle(m, m, r - std::max(1.0, s)), Vertical(Rgb(90, 170, 245), Rgb(30, 100, 205), m - r, m + r));
  const double pen = std::max(1.0, 0.9 * s);
  const rgba line = Rgb(225, 240, 255, 0.9);
  c.Fill(Minus(Ellipse(m, m, r * 0.45, r - s), Ellipse(m, m, r * 0.45 - pen, r - s - pen)), line);
  c.Fill(Rect(m - pen / 2, m - r + s, m + pen / 2, m + r - s), line);
  c.Fill(Rect(m - r + s, m - pen / 2, m + r - s, m + pen / 2), line);
  return c;
}

canvas Title(int w, int h, const std::string& text) {
  canvas c(w, h);
  const double baseline = h == 18 ? 13.5 : 12.5;
  Lettering(c, text, baseline, 1.0, 1.55, Rgb(72, 72, 72));
  return c;
}

// ---- files

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

uint8_t Byte(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); }

bool Save(const std::string& file, const std::vector<uint8_t>& data) {
  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && ok;
}

void PutInfoHeader(std::vector<uint8_t>& v, int w, int h, int bits, uint32_t imageSize) {
  Put32(v, 40);
  Put32(v, w);
  Put32(v, h);
  Put16(v, 1);
  Put16(v, bits);
  Put32(v, 0);  // BI_RGB
  Put32(v, imageSize);
  Put32(v, 2835);
  Put32(v, 2835);
  Put32(v, 0);
  Put32(v, 0);
}

// Bottom-up rows of BGRA, alpha straight (icons) or premultiplied (bitmaps
// for AlphaBlend).
std::vector<uint8_t> Bgra(const canvas& c, bool premultiplied) {
  std::vector<uint8_t> v;
  for (int y = c.H - 1; y >= 0; --y) {
    for (int x = 0; x < c.W; ++x) {
      const rgba& p = c.At(x, y);
      const double k = premultiplied ? p.A : (p.A > 0 ? 1.0 : 0.0);
      v.push_back(Byte(p.B * k));
      v.push_back(Byte(p.G * k));
      v.push_back(Byte(p.R * k));
      v.push_back(Byte(p.A * 255));
    }
  }
  return v;
}

// Icon images as PNG (read by Windows Vista and later): lossless RGBA, a
// fraction of the size of the uncompressed bitmap with its AND mask. The
// colour of a fully transparent pixel is black, as in the bitmap form.
std::vector<uint8_t> Ico(const std::vector<canvas>& images) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const canvas& c : images) {
    std::vector<uint8_t> px;
    for (const rgba& p : c.Pixels) {
      const double k = p.A > 0 ? 1.0 : 0.0;
      px.insert(px.end(), {Byte(p.R * k), Byte(p.G * k), Byte(p.B * k), Byte(p.A * 255)});
    }
    bodies.push_back(zvpng::Encode(c.W, c.H, px));
  }
  std::vector<uint8_t> v;
  Put16(v, 0);
  Put16(v, 1);
  Put16(v, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    v.push_back(images[i].W >= 256 ? 0 : images[i].W);
    v.push_back(images[i].H >= 256 ? 0 : images[i].H);
    v.push_back(0);
    v.push_back(0);
    Put16(v, 1);
    Put16(v, 32);
    Put32(v, static_cast<uint32_t>(bodies[i].size()));
    Put32(v, offset);
    offset += static_cast<uint32_t>(bodies[i].size());
  }
  for (const auto& b : bodies) v.insert(v.end(), b.begin(), b.end());
  return v;
}

std::vector<uint8_t> Bmp(const canvas& c, int bits) {
  std::vector<uint8_t> px;
  if (bits == 32) {
    px = Bgra(c, true);
  } else {
    // Opaque 24-bit: exact colours, composed over white.
    const int stride = (c.W * 3 + 3) & ~3;
    for (int y = c.H - 1; y >= 0; --y) {
      for (int x = 0; x < c.W; ++x) {
        const rgba& p = c.At(x, y);
        px.push_back(Byte(p.B * p.A + 255 * (1 - p.A)));
        px.push_back(Byte(p.G * p.A + 255 * (1 - p.A)));
        px.push_back(Byte(p.R * p.A + 255 * (1 - p.A)));
      }
      for (int i = c.W * 3; i < stride; ++i) px.push_back(0);
    }
  }
  std::vector<uint8_t> v;
  v.push_back('B');
  v.push_back('M');
  Put32(v, static_cast<uint32_t>(14 + 40 + px.size()));
  Put32(v, 0);
  Put32(v, 14 + 40);
  PutInfoHeader(v, c.W, c.H, bits, static_cast<uint32_t>(px.size()));
  v.insert(v.end(), px.begin(), px.end());
  return v;
}

std::vector<uint8_t> Pam(const canvas& c) {
  const std::string head = "P7\nWIDTH " + std::to_string(c.W) + "\nHEIGHT " + std::to_string(c.H) +
                           "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  std::vector<uint8_t> v(head.begin(), head.end());
  for (const rgba& p : c.Pixels) {
    v.push_back(Byte(p.R));
    v.push_back(Byte(p.G));
    v.push_back(Byte(p.B));
    v.push_back(Byte(p.A * 255));
  }
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: artgen <output folder> [--preview]\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const bool preview = argc > 2 && std::string(argv[2]) == "--preview";
  bool ok = true;
  const int percents[] = {100, 125, 150, 175, 200};
  // Each picture at every scale; an icon keeps one image per size (the
  // 100 % drawing of a size wins over a scaled smaller one).
  auto ico = [&](const std::string& name, const std::function<std::vector<canvas>()>& draw) {
    std::vector<canvas> images;
    for (int percent : percents) {
      Scale = percent / 100.0;
      for (canvas& c : draw()) {
        const bool known = std::any_of(images.begin(), images.end(), [&](const canvas& o) { return o.W == c.W; });
        if (!known) images.push_back(std::move(c));
      }
    }
    Scale = 1.0;
    ok = Save(dir + name + ".ico", Ico(images)) && ok;
    if (preview)
      for (const canvas& c : images)
        ok = Save(dir + name + "-" + std::to_string(c.W) + ".pam", Pam(c)) && ok;
  };
  auto bmp = [&](const std::string& name, const std::function<canvas()>& draw, int bits) {
    for (int percent : percents) {
      Scale = percent / 100.0;
      const std::string file = percent == 100 ? name : name + "-" + std::to_string(percent);
      const canvas c = draw();
      ok = Save(dir + file + ".bmp", Bmp(c, bits)) && ok;
      if (preview) ok = Save(dir + file + ".pam", Pam(c)) && ok;
    }
    Scale = 1.0;
  };

  ico("zorvane", [] { return std::vector<canvas>{ProgramIcon(32, false), ProgramIcon(16, false)}; });
  ico("trayactive", [] { return std::vector<canvas>{ProgramIcon(16, false)}; });
  ico("traydisabled", [] { return std::vector<canvas>{ProgramIcon(16, true)}; });
  ico("menueditor", [] { return std::vector<canvas>{EditorIcon()}; });
  ico("menuoptions", [] { return std::vector<canvas>{OptionsIcon()}; });
  ico("menuabout", [] { return std::vector<canvas>{AboutIcon()}; });
  ico("menuexit", [] { return std::vector<canvas>{ExitIcon()}; });
  ico("menufind", [] { return std::vector<canvas>{FindIcon()}; });
  ico("checkmark", [] { return std::vector<canvas>{CheckMark()}; });
  ico("cross", [] { return std::vector<canvas>{Cross()}; });
  ico("linkarrow", [] { return std::vector<canvas>{LinkArrow(16)}; });
  ico("tip", [] { return std::vector<canvas>{TipIcon()}; });
  ico("warning", [] { return std::vector<canvas>{Warning(22)}; });
  ico("warningsmall", [] { return std::vector<canvas>{Warning(11)}; });
  ico("typeapplication", [] { return std::vector<canvas>{ApplicationIcon()}; });
  ico("typefile", [] { return std::vector<canvas>{FileIcon()}; });
  ico("typefolder", [] { return std::vector<canvas>{FolderIcon()}; });
  ico("viewminimized", [] { return std::vector<canvas>{ShowMinimizedIcon()}; });
  ico("viewnormal", [] { return std::vector<canvas>{ShowNormalIcon()}; });
  ico("viewmaximized", [] { return std::vector<canvas>{ShowMaximizedIcon()}; });
  // Up to 150 %: the shell scales the nearest for larger displays, and the
  // program stays small.
  ico("weblink", [] {
    return Scale <= 1.5 ? std::vector<canvas>{WebLinkIcon(32), WebLinkIcon(16)} : std::vector<canvas>{};
  });

  // The ramp is stretched wherever it is shown: one picture serves all.
  canvas ramp(60, 1);
  for (int x = 0; x < 60; ++x) ramp.At(x, 0) = Rgb(195 + x, 195 + x, 195 + x);
  ok = Save(dir + "ramp.bmp", Bmp(ramp, 24)) && ok;
  if (preview) ok = Save(dir + "ramp.pam", Pam(ramp)) && ok;
  bmp("linkarrowwide", [] { return LinkArrow(24); }, 32);
  bmp("folderglyph", [] { return FolderGlyph(); }, 32);
  bmp("titleabout", [] { return Title(49, 16, "About"); }, 32);
  bmp("titleoptions", [] { return Title(64, 18, "Options"); }, 32);
  bmp("titleeditor", [] { return Title(125, 16, "Shortcut Editor"); }, 32);

  if (!ok) {
    std::fprintf(stderr, "artgen: could not write to %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
