// Draws the three pictures behind the board and writes them as 8-bit bitmaps: make_pictures [output folder].
// Each scene is rendered in full colour with 3 x 3 supersampling, then reduced to a palette of its own
// (median cut refined by k-means) and mapped with error diffusion, so gradients stay smooth in 256 colours.
// Everything is deterministic: the same program writes the same bytes.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Side = 300;
constexpr int Samples = 3;  // per axis, per pixel
constexpr double Pi = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};
Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Colour operator*(Colour a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Colour Mix(Colour a, Colour b, double t) { return a * (1 - t) + b * t; }

double Clamp01(double t) { return t < 0 ? 0 : (t > 1 ? 1 : t); }
double Smooth(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// A gradient through colour stops at positions 0..1.
struct Stop {
    double at;
    Colour colour;
};
Colour Ramp(const std::vector<Stop>& stops, double t) {
    if (t <= stops.front().at) return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at)
            return Mix(stops[i - 1].colour, stops[i].colour,
                       Smooth(0, 1, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at)));
    return stops.back().colour;
}

// Integer hash to [0, 1); the basis of every random detail.
double Hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.0;
}

double ValueNoise(double x, double y, int seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = Smooth(0, 1, x - fx), ty = Smooth(0, 1, y - fy);
    const double a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
    const double c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
    return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty;
}

double Fbm(double x, double y, int seed, int octaves = 5) {
    double sum = 0, amplitude = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(x, y, seed + i * 101);
        norm += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / norm;
}

// ---- Sunset over a mountain lake -------------------------------------------------------------------

constexpr double Horizon = 188;
constexpr double SunX = 158, SunY = 150, SunRadius = 19;

double Ridge(double x, double base, double amplitude, double scale, int seed) {
    return base - amplitude * (Fbm(x / scale, 0.5, seed, 6) - 0.35);
}

Colour SunsetSky(double x, double y) {
    const double v = y / Horizon;
    Colour sky = Ramp({{0.00, {28, 22, 74}},
                       {0.30, {86, 44, 120}},
                       {0.55, {190, 76, 112}},
                       {0.75, {244, 130, 86}},
                       {0.92, {255, 186, 104}},
                       {1.00, {255, 214, 140}}},
                      v);
    const double d = std::hypot(x - SunX, y - SunY);
    sky = sky + Colour{255, 150, 70} * (0.55 * std::exp(-d / 38)) + Colour{120, 60, 40} * (0.5 * std::exp(-d / 110));
    // Long streaks of cloud, lit from below where the sun is near.
    const double streak = Fbm(x / 90, y / 9, 7) * Smooth(20, 60, y) * (1 - Smooth(120, 160, y));
    const double cloud = Smooth(0.52, 0.68, streak + 0.18 * (1 - v));
    const Colour lit = Mix(Colour{120, 50, 100}, Colour{255, 160, 120}, Clamp01(1.1 - d / 170));
    sky = Mix(sky, lit, cloud * 0.85);
    if (d < SunRadius) sky = Mix(Colour{255, 244, 200}, Colour{255, 220, 150}, d / SunRadius);
    else if (d < SunRadius + 1.5) sky = Mix(sky, Colour{255, 230, 170}, (SunRadius + 1.5 - d) / 1.5);
    return sky;
}

Colour SunsetAbove(double x, double y) {
    Colour c = SunsetSky(x, y);
    struct Layer {
        double base, amplitude, scale;
        int seed;
        Colour top, bottom;
    };
    const Layer layers[] = {
        {150, 70, 110, 11, {196, 108, 128}, {226, 150, 130}},
        {170, 80, 80, 23, {124, 58, 106}, {168, 92, 118}},
        {186, 95, 60, 37, {62, 30, 72}, {92, 46, 88}},
    };
    for (const Layer& layer : layers) {
        const double top = Ridge(x, layer.base, layer.amplitude, layer.scale, layer.seed);
        if (y >= top) {
            const double t = Clamp01((y - top) / std::max(4.0, Horizon - top));
            c = Mix(layer.top, layer.bottom, t);
            // Rock and haze: a gentle texture so the slopes are not flat paper cut-outs.
            c = c * (0.93 + 0.14 * Fbm(x / 14, y / 9, layer.seed + 5, 4));
        }
    }
    return c;
}

Colour Sunset(double x, double y) {
    if (y < Horizon) return SunsetAbove(x, y);
    const double depth = (y - Horizon) / (Side - Horizon);
    // Ripples: the reflection wavers more the nearer the water.
    const double wave = std::sin(y * 0.9 + 6 * Fbm(x / 40, y / 4, 51)) * (0.8 + 5 * depth);
    const double mirrored = std::max(0.0, 2 * Horizon - y - 1 + wave * 0.4);
    Colour c = SunsetAbove(std::clamp(x + wave, 0.0, Side - 1.0), mirrored);
    c = Mix(c * 0.82, Colour{40, 24, 70}, 0.2 + 0.35 * depth);
    // The sun's path of glitter.
    const double glitter = Fbm(x / 3, y / 1.2, 77, 3);
    const double path = std::exp(-std::pow((x - SunX) / (14 + 60 * depth), 2));
    c = c + Colour{255, 190, 120} * (Smooth(0.55, 0.75, glitter) * path * (0.9 - 0.4 * depth));
    // A dark shore in the foreground, with a few reeds.
    const double shore = Side - 18 - 22 * Fbm(x / 70, 3.3, 61) + 0.08 * std::max(0.0, x - 200);
    if (y > shore) c = Mix(Colour{26, 14, 34}, Colour{14, 8, 20}, Clamp01((y - shore) / 30));
    for (int i = 0; i < 24; ++i) {
        const double rx = 12 + 110 * Hash(i, 1, 90);
        const double height = 30 + 45 * Hash(i, 2, 90);
        const double lean = (Hash(i, 3, 90) - 0.5) * 0.35;
        const double t = (Side - y) / height;
        if (t >= 0 && t <= 1 && std::abs(x - (rx + lean * (Side - y))) < 1.1 * (1 - t) + 0.35)
            c = Colour{20, 10, 28};
    }
    return c;
}

// ---- A night sky over the hills -------------------------------------------------------------------

constexpr double MoonX = 222, MoonY = 68, MoonRadius = 24;

double HillTop(double x) { return 226 - 34 * (Fbm(x / 120, 8.5, 301, 5) - 0.4) - 0.06 * (x - 150); }

Colour Night(double x, double y) {
    const double v = y / Side;
    Colour c = Ramp({{0.0, {4, 6, 26}}, {0.45, {12, 22, 64}}, {0.72, {28, 52, 104}}, {0.82, {56, 88, 128}}}, v);
    // The Milky Way: a soft band across the sky, broken by dark lanes of dust.
    const double across = (x * 0.55 + y * 0.83 - 160) / 1.0;
    const double band = std::exp(-std::pow(across / 42, 2));
    const double glow = band * (0.45 + 0.8 * Fbm(x / 35, y / 35, 211));
    const double dust = Smooth(0.5, 0.7, Fbm(x / 18 + 3, y / 18, 223)) * band;
    c = c + Colour{110, 100, 150} * (glow * 0.55);
    c = Mix(c, c * 0.55, dust * 0.6);
    // Stars: many faint, a few bright with a soft halo; tints from blue-white to warm.
    for (int i = 0; i < 420; ++i) {
        const double sx = Hash(i, 10, 5) * Side, sy = Hash(i, 11, 5) * 250;
        const double dx = x - sx, dy = y - sy;
        if (std::abs(dx) > 6 || std::abs(dy) > 6) continue;
        const double bright = std::pow(Hash(i, 12, 5), 6);
        const double size = 0.45 + 0.9 * bright;
        const double tint = Hash(i, 13, 5);
        const Colour colour = tint < 0.3 ? Colour{190, 210, 255} : (tint > 0.85 ? Colour{255, 220, 170} : Colour{240, 240, 255});
        const double d2 = dx * dx + dy * dy;
        double light = std::exp(-d2 / (2 * size * size)) * (0.35 + 0.9 * bright);
        if (bright > 0.35) light += 0.5 * bright * std::exp(-std::abs(dx) * 1.5 - dy * dy * 4) +
                                    0.5 * bright * std::exp(-std::abs(dy) * 1.5 - dx * dx * 4);
        c = c + colour * light;
    }
    // The moon: a crescent with a faint earthshine on its dark side and a halo around it.
    const double dm = std::hypot(x - MoonX, y - MoonY);
    c = c + Colour{70, 90, 130} * (0.8 * std::exp(-(dm - MoonRadius) / 26) * (dm > MoonRadius));
    if (dm < MoonRadius + 1) {
        const double edge = Clamp01(MoonRadius + 1 - dm);
        const double shadow = std::hypot(x - (MoonX - 13), y - (MoonY - 8));
        const double lit = Smooth(MoonRadius - 1.0, MoonRadius + 1.0, shadow);
        const double craters = Fbm(x / 7, y / 7, 401, 4);
        const Colour face = Mix(Colour{236, 228, 196}, Colour{196, 186, 160}, Smooth(0.45, 0.7, craters));
        const Colour earthshine = Colour{48, 58, 96} * (0.9 + 0.2 * craters);
        c = Mix(c, Mix(earthshine, face, lit), edge);
    }
    // Hills with a band of pines along their crest, and a cabin with a lit window.
    const double far = HillTop(x) - 22 + 10 * std::sin(x / 37);
    if (y > far) c = Mix(Colour{22, 32, 62}, Colour{16, 24, 48}, Clamp01((y - far) / 40));
    const double top = HillTop(x);
    for (int i = 0; i < 30; ++i) {
        const double tx = i * 10.3 + 6 * Hash(i, 20, 9);
        if (tx > 150 && tx < 200) continue;  // the clearing around the cabin
        const double base = HillTop(tx) + 4;
        const double height = 16 + 22 * Hash(i, 21, 9);
        const double t = (base - y) / height;
        const double half = (1 - t) * height * 0.26 * (0.8 + 0.3 * std::fabs(std::sin(t * 18)));
        if (t >= 0 && t <= 1 && std::abs(x - tx) < half) c = Colour{8, 12, 22};
    }
    if (y > top) {
        // The meadow in front, faintly lit by the sky, with grass that catches the moonlight.
        c = Mix(Colour{16, 24, 40}, Colour{6, 9, 18}, Clamp01((y - top) / 60));
        c = c * (0.8 + 0.4 * Fbm(x / 6, y / 2, 333, 3));
    }
    const double cabinX = 176, cabinBase = HillTop(176) + 3;
    const bool wall = std::abs(x - cabinX) < 11 && y > cabinBase - 14 && y < cabinBase;
    const bool roof = y <= cabinBase - 14 && y > cabinBase - 26 && std::abs(x - cabinX) < 14 - (cabinBase - 14 - y);
    const bool chimney = x > cabinX + 4 && x < cabinX + 8 && y > cabinBase - 28 && y <= cabinBase - 18;
    if (wall || roof || chimney) c = Colour{6, 8, 14};
    const double wx = x - (cabinX - 3), wy = y - (cabinBase - 9);
    if (std::abs(wx) < 3.2 && std::abs(wy) < 3.2) c = Colour{255, 196, 96};
    c = c + Colour{255, 170, 80} * (0.25 * std::exp(-std::hypot(wx, wy) / 9) * (y < cabinBase + 12));
    return c;
}

// ---- A sunflower ----------------------------------------------------------------------------------

constexpr double FlowerX = 150, FlowerY = 146, DiscRadius = 50;
constexpr double GoldenAngle = 2.39996322972865332;

struct Seed {
    double x, y, radius;
};

std::vector<Seed> Seeds() {
    std::vector<Seed> seeds;
    for (int n = 1;; ++n) {
        const double r = 2.05 * std::sqrt(n);
        if (r > DiscRadius - 1) break;
        seeds.push_back({FlowerX + r * std::cos(n * GoldenAngle), FlowerY + r * std::sin(n * GoldenAngle),
                         1.25 + 0.012 * r});
    }
    return seeds;
}

// Each petal: a pointed ellipse along its own axis; returns how far inside (0 none .. 1) and where along it.
bool Petal(double x, double y, double angle, double length, double width, double& along, double& side) {
    const double dx = x - FlowerX, dy = y - FlowerY;
    const double u = dx * std::cos(angle) + dy * std::sin(angle) - DiscRadius + 10;
    const double w = -dx * std::sin(angle) + dy * std::cos(angle);
    if (u < 0 || u > length) return false;
    const double t = u / length;
    const double half = width * std::pow(std::sin(Pi * std::pow(t, 0.75)), 0.8);
    if (std::abs(w) > half) return false;
    along = t;
    side = w / std::max(half, 1e-6);
    return true;
}

Colour Sunflower(double x, double y, const std::vector<Seed>& seeds) {
    // A summer meadow out of focus: sky at the top, greens below, soft discs of light.
    const double v = y / Side;
    Colour c = Ramp({{0.0, {120, 176, 226}}, {0.35, {150, 196, 200}}, {0.55, {110, 160, 90}}, {1.0, {40, 90, 40}}},
                    v + 0.08 * (Fbm(x / 80, y / 80, 501) - 0.5));
    for (int i = 0; i < 18; ++i) {
        const double bx = Hash(i, 30, 3) * Side, by = 40 + Hash(i, 31, 3) * 240, br = 10 + 22 * Hash(i, 32, 3);
        const double d = std::hypot(x - bx, y - by);
        const double disc = Smooth(br + 1.5, br - 1.5, d) * (0.10 + 0.12 * Hash(i, 33, 3));
        c = Mix(c, by < 130 ? Colour{236, 246, 220} : Colour{200, 230, 120}, disc);
    }
    // The stem and a leaf.
    const double stemX = FlowerX + 8 * std::sin((y - FlowerY) / 60);
    if (y > FlowerY && std::abs(x - stemX) < 5.5) c = Mix(Colour{70, 130, 50}, Colour{40, 90, 30}, Clamp01((x - stemX + 5.5) / 11));
    {
        const double lx = x - (FlowerX + 40), ly = y - 250;
        const double u = lx * 0.8 + ly * 0.6, w = -lx * 0.6 + ly * 0.8;
        if (u > -40 && u < 40) {
            const double half = 16 * std::sin(Pi * (u + 40) / 80);
            if (std::abs(w) < half) c = Mix(Colour{80, 150, 60}, Colour{40, 100, 36}, Clamp01(0.5 + w / (2 * half) + 0.2 * (std::abs(w) < 1)));
        }
    }
    // Two rings of petals: the back ring darker and between the front ones.
    for (int ring = 0; ring < 2; ++ring) {
        const int count = 21;
        for (int i = 0; i < count; ++i) {
            const double angle = (i + 0.5 * ring) * 2 * Pi / count + 0.09 * (Hash(i, ring, 41) - 0.5);
            const double length = (ring == 0 ? 74 : 84) * (0.92 + 0.14 * Hash(i, ring + 5, 41));
            double along = 0, side = 0;
            if (!Petal(x, y, angle, length, ring == 0 ? 13.5 : 12.0, along, side)) continue;
            Colour petal = Ramp({{0.0, {226, 118, 6}}, {0.3, {255, 184, 16}}, {1.0, {255, 226, 64}}}, along);
            petal = petal * (1 - 0.16 * side * side - 0.12 * std::exp(-std::pow(side / 0.12, 2)) * along);
            if (ring == 0) petal = Mix(petal, Colour{176, 88, 8}, 0.35);  // the back ring, in shadow
            c = petal;
        }
    }
    // The disc: florets on the golden-angle spiral, green-gold at the heart, deep brown towards the rim.
    const double dc = std::hypot(x - FlowerX, y - FlowerY);
    if (dc < DiscRadius + 1) {
        double best = 1e9;
        for (const Seed& s : seeds) {
            const double d = std::hypot(x - s.x, y - s.y) / s.radius;
            best = std::min(best, d);
        }
        const double r = dc / DiscRadius;
        const Colour base = Ramp({{0.0, {120, 120, 30}}, {0.18, {110, 80, 20}}, {0.5, {72, 38, 12}}, {1.0, {46, 22, 8}}}, r);
        Colour floret = Mix(base * 1.45, base * 0.45, Smooth(0.2, 1.1, best));
        floret = floret + Colour{80, 50, 10} * (0.35 * std::exp(-best * best * 4) * Smooth(0.15, 0.6, r));
        // Light from the upper left.
        floret = floret * (1.0 + 0.25 * ((FlowerX - x) + (FlowerY - y)) / (DiscRadius * 1.4));
        c = Mix(c, floret, Clamp01(DiscRadius + 1 - dc));
    }
    return c;
}

// ---- Palette and mapping --------------------------------------------------------------------------

using Image = std::vector<std::array<double, 3>>;

struct Box {
    std::vector<int> members;
};

std::vector<std::array<double, 3>> MedianCut(const Image& image, int colours) {
    std::vector<Box> boxes(1);
    for (int i = 0; i < static_cast<int>(image.size()); ++i) boxes[0].members.push_back(i);
    auto extent = [&](const Box& box, int& axis) {
        double best = -1;
        for (int a = 0; a < 3; ++a) {
            double lo = 1e9, hi = -1e9;
            for (int i : box.members) lo = std::min(lo, image[i][a]), hi = std::max(hi, image[i][a]);
            // Weigh green most, as the eye does, so more entries go where differences show.
            const double weight = a == 1 ? 1.2 : (a == 0 ? 1.0 : 0.8);
            if ((hi - lo) * weight > best) best = (hi - lo) * weight, axis = a;
        }
        return best * std::sqrt(static_cast<double>(box.members.size()));
    };
    while (static_cast<int>(boxes.size()) < colours) {
        int pick = -1, axis = 0;
        double widest = 0;
        for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
            int a = 0;
            const double e = boxes[b].members.size() > 1 ? extent(boxes[b], a) : 0;
            if (e > widest) widest = e, pick = b, axis = a;
        }
        if (pick < 0) break;
        std::vector<int>& m = boxes[pick].members;
        std::stable_sort(m.begin(), m.end(), [&](int i, int j) { return image[i][axis] < image[j][axis]; });
        Box upper;
        upper.members.assign(m.begin() + static_cast<std::ptrdiff_t>(m.size() / 2), m.end());
        m.resize(m.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::array<double, 3>> palette;
    for (const Box& box : boxes) {
        std::array<double, 3> sum{};
        for (int i : box.members)
            for (int a = 0; a < 3; ++a) sum[a] += image[i][a];
        for (double& s : sum) s /= static_cast<double>(box.members.size());
        palette.push_back(sum);
    }
    while (static_cast<int>(palette.size()) < colours) palette.push_back({0, 0, 0});
    return palette;
}

int Nearest(const std::vector<std::array<double, 3>>& palette, const std::array<double, 3>& c) {
    int best = 0;
    double bestDistance = 1e18;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const double dr = palette[i][0] - c[0], dg = palette[i][1] - c[1], db = palette[i][2] - c[2];
        const double d = 0.30 * dr * dr + 0.59 * dg * dg + 0.11 * db * db;
        if (d < bestDistance) bestDistance = d, best = i;
    }
    return best;
}

struct Indexed {
    std::array<std::array<std::uint8_t, 3>, 256> palette;
    std::vector<std::uint8_t> pixels;  // top row first
};

Indexed Reduce(const Image& image) {
    std::vector<std::array<double, 3>> palette = MedianCut(image, 256);
    // A few rounds of k-means pull the entries to the middle of the colours they stand for.
    for (int round = 0; round < 4; ++round) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const auto& c : image) {
            auto& s = sums[Nearest(palette, c)];
            s[0] += c[0], s[1] += c[1], s[2] += c[2], s[3] += 1;
        }
        for (std::size_t i = 0; i < palette.size(); ++i)
            if (sums[i][3] > 0) palette[i] = {sums[i][0] / sums[i][3], sums[i][1] / sums[i][3], sums[i][2] / sums[i][3]};
    }
    Indexed out{};
    for (int i = 0; i < 256; ++i)
        for (int a = 0; a < 3; ++a) out.palette[i][a] = static_cast<std::uint8_t>(std::lround(std::clamp(palette[i][a], 0.0, 255.0)));
    std::vector<std::array<double, 3>> rounded(256);
    for (int i = 0; i < 256; ++i) rounded[i] = {double(out.palette[i][0]), double(out.palette[i][1]), double(out.palette[i][2])};
    // Floyd-Steinberg, serpentine, with the error damped a little so flat areas stay calm.
    Image work = image;
    out.pixels.resize(image.size());
    for (int y = 0; y < Side; ++y) {
        const bool forward = y % 2 == 0;
        for (int k = 0; k < Side; ++k) {
            const int x = forward ? k : Side - 1 - k;
            auto& c = work[y * Side + x];
            for (double& ch : c) ch = std::clamp(ch, 0.0, 255.0);
            const int index = Nearest(rounded, c);
            out.pixels[y * Side + x] = static_cast<std::uint8_t>(index);
            const int dir = forward ? 1 : -1;
            for (int a = 0; a < 3; ++a) {
                const double error = (c[a] - rounded[index][a]) * 0.85;
                auto spread = [&](int px, int py, double share) {
                    if (px >= 0 && px < Side && py < Side) work[py * Side + px][a] += error * share;
                };
                spread(x + dir, y, 7.0 / 16);
                spread(x - dir, y + 1, 3.0 / 16);
                spread(x, y + 1, 5.0 / 16);
                spread(x + dir, y + 1, 1.0 / 16);
            }
        }
    }
    return out;
}

template <typename Scene>
Image Render(Scene scene) {
    Image image(Side * Side);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    sum = sum + scene(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
            sum = sum * (1.0 / (Samples * Samples));
            image[y * Side + x] = {std::clamp(sum.r, 0.0, 255.0), std::clamp(sum.g, 0.0, 255.0), std::clamp(sum.b, 0.0, 255.0)};
        }
    return image;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A .bmp file: the 14-byte file header, then exactly the packed bitmap the game embeds.
bool Write(const std::string& path, const Indexed& picture, std::uint32_t pelsPerMeter) {
    constexpr std::uint32_t Packed = 40 + 1024 + Side * Side;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + Packed);
    Put32(out, 0);
    Put32(out, 14 + 40 + 1024);
    Put32(out, 40);
    Put32(out, Side);
    Put32(out, Side);  // positive: bottom row first
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);  // uncompressed
    Put32(out, 0);
    Put32(out, pelsPerMeter);
    Put32(out, pelsPerMeter);
    Put32(out, 0);
    Put32(out, 0);
    for (const auto& entry : picture.palette) {
        out.push_back(entry[2]);
        out.push_back(entry[1]);
        out.push_back(entry[0]);
        out.push_back(0);
    }
    for (int y = Side - 1; y >= 0; --y)
        out.insert(out.end(), picture.pixels.begin() + y * Side, picture.pixels.begin() + (y + 1) * Side);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "res";
    const std::vector<Seed> seeds = Seeds();
    const Image images[] = {
        Render(Sunset),
        Render(Night),
        Render([&](double x, double y) { return Sunflower(x, y, seeds); }),
    };
    const std::uint32_t pelsPerMeter[] = {2834, 2677, 2952};
    for (int i = 0; i < 3; ++i) {
        const std::string path = folder + "/picture" + std::to_string(i + 1) + ".bmp";
        if (!Write(path, Reduce(images[i]), pelsPerMeter[i])) {
            std::fprintf(stderr, "make_pictures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
