// SPDX-License-Identifier: MIT
#pragma once
// The numbers behind the lightning-bolt emblem, as plain functions: the
// model, the whole-degree sine table, the rotation step, the projection,
// the grey of the sides and the order in which the polygons are filled.

#include <QPoint>
#include <QSize>

#include <array>
#include <vector>

namespace bolt {

constexpr int VertexCount = 22;

struct Vertex {
    float x = 0, y = 0, z = 0;
    bool operator==(const Vertex &o) const { return x == o.x && y == o.y && z == o.z; }
};
// Indexed 0..21 for the vertices numbered 1..22.
using Vertices = std::array<Vertex, VertexCount>;
using Points = std::array<QPoint, VertexCount>;

// Whole-degree angles, any integer: taken modulo 360.
float sinDeg(int degrees);
float cosDeg(int degrees);

// The sines and cosines of the three turning speeds.
struct Turn {
    float sx = 0, cx = 1, sy = 0, cy = 1, sz = 0, cz = 1;
    static Turn of(int x, int y, int z);
};

// The model in model units: face 1..11 at z = 2, its partners 12..22 at z = -2.
Vertices model();
// Pixels per model unit for a control of this size: the smaller side div 32.
int scaleFor(QSize size);
void scale(Vertices &vertices, int scale);
// Parallel projection, truncating towards zero.
QPoint project(const Vertex &v, QPoint centre);
Points projectAll(const Vertices &vertices, QPoint centre);
// One rotation step: v := Rx(x) . Ry(-y) . Rz(z) . v.
Vertex rotate(const Vertex &v, const Turn &turn);

// The grey (0..255) of the sides when shading: darker the more the depths
// of vertices 1, 4, 12 and 15 spread. A scale of 0 gives white.
int shadeLevel(const Vertices &vertices, int scale);

enum class Fill { Side, FaceFront, FaceBack };
struct Polygon {
    Fill fill;
    std::vector<int> vertices; // vertex numbers 1..22
};
// The polygons of one picture in the order they are filled: one group of
// horizontal sides, the six slanted sides, then one face over them.
std::vector<Polygon> paintOrder(const Vertices &vertices);

} // namespace bolt
