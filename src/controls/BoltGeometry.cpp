// SPDX-License-Identifier: MIT
#include "controls/BoltGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace bolt {
namespace {

// Entry i is sin(i degrees), formed in extended precision and kept in
// single precision; no trigonometric function is evaluated after this.
const std::array<float, 360> &sineTable()
{
    static const std::array<float, 360> table = [] {
        std::array<float, 360> t{};
        const long double pi = 3.14159265358979323846264338327950288L;
        for (int i = 0; i < 360; ++i)
            t[i] = float(std::sin(i * pi * (1.0L / 180)));
        return t;
    }();
    return table;
}

int normalised(int degrees)
{
    const int r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

constexpr float ModelTable[11][2] = {{-5, -14}, {9, -14}, {0, -4}, {6, -4}, {0, 4}, {6, 4},
                                     {-4, 16},  {-2, 8},  {-8, 8}, {-4, 0}, {-12, 0}};

Polygon polygon(Fill fill, std::initializer_list<int> vertices)
{
    return Polygon{fill, std::vector<int>(vertices)};
}

float z(const Vertices &v, int number) { return v[number - 1].z; }

} // namespace

float sinDeg(int degrees) { return sineTable()[normalised(degrees)]; }

// cos a = sin (90 - a); normalising first keeps 90 - a from overflowing.
float cosDeg(int degrees) { return sinDeg(90 - normalised(degrees)); }

Turn Turn::of(int x, int y, int z)
{
    return Turn{sinDeg(x), cosDeg(x), sinDeg(y), cosDeg(y), sinDeg(z), cosDeg(z)};
}

Vertices model()
{
    Vertices v;
    for (int k = 0; k < 11; ++k) {
        v[k] = {ModelTable[k][0], ModelTable[k][1], 2};
        v[k + 11] = {ModelTable[k][0], ModelTable[k][1], -2};
    }
    return v;
}

int scaleFor(QSize size) { return std::min(size.width(), size.height()) / 32; }

void scale(Vertices &vertices, int scale)
{
    for (Vertex &v : vertices) {
        v.x *= float(scale);
        v.y *= float(scale);
        v.z *= float(scale);
    }
}

QPoint project(const Vertex &v, QPoint centre)
{
    return {int(std::trunc(v.x)) + centre.x(), int(std::trunc(v.y)) + centre.y()};
}

Points projectAll(const Vertices &vertices, QPoint centre)
{
    Points p;
    for (int i = 0; i < VertexCount; ++i)
        p[i] = project(vertices[i], centre);
    return p;
}

// The sums are formed in extended precision from the single-precision
// inputs and stored back in single precision, step after step.
Vertex rotate(const Vertex &v, const Turn &t)
{
    using L = long double;
    const L x = v.x, y = v.y, z = v.z;
    const L sx = t.sx, cx = t.cx, sy = t.sy, cy = t.cy, sz = t.sz, cz = t.cz;
    return Vertex{float(cy * cz * x - cy * sz * y - sy * z),
                  float((cx * sz - sx * sy * cz) * x + (cx * cz + sx * sy * sz) * y - sx * cy * z),
                  float((sx * sz + cx * sy * cz) * x + (sx * cz - cx * sy * sz) * y + cx * cy * z)};
}

int shadeLevel(const Vertices &vertices, int scale)
{
    if (scale == 0)
        return 255; // the figure has collapsed to a point: nothing to darken
    const float depths[] = {z(vertices, 1), z(vertices, 4), z(vertices, 12), z(vertices, 15)};
    const auto [low, high] = std::minmax_element(std::begin(depths), std::end(depths));
    const int d = int(std::trunc(std::fabs(*high - *low)));
    return std::max(0, 255 - d * 16 / scale);
}

std::vector<Polygon> paintOrder(const Vertices &v)
{
    std::vector<Polygon> order;
    order.reserve(9);
    if (z(v, 1) < z(v, 7)) {
        // The top of the figure is nearer than its point: the upward ledges show.
        order.push_back(polygon(Fill::Side, {1, 12, 13, 2}));
        order.push_back(polygon(Fill::Side, {3, 14, 15, 4}));
        order.push_back(polygon(Fill::Side, {5, 16, 17, 6}));
    } else {
        order.push_back(polygon(Fill::Side, {8, 19, 20, 9}));
        order.push_back(polygon(Fill::Side, {10, 21, 22, 11}));
    }
    for (const auto &side : {std::initializer_list<int>{2, 13, 14, 3}, {4, 15, 16, 5},
                             {6, 17, 18, 7}, {7, 18, 19, 8}, {9, 20, 21, 10}, {11, 22, 12, 1}})
        order.push_back(polygon(Fill::Side, side));
    if (z(v, 1) < z(v, 12))
        order.push_back(polygon(Fill::FaceFront, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    else
        order.push_back(polygon(Fill::FaceBack, {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
    return order;
}

} // namespace bolt
