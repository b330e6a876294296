#include "preview/mesh_drawing.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "preview/texture_mapping.h"
#include "preview/texture_sampling.h"

namespace kavrin::preview {

namespace {

// A light from the upper left, behind the camera, that turns with it: the direction its rays
// travel in camera space, of length 1.
constexpr Vec3 LIGHT_RAYS{0.4082482904638631, 0.4082482904638631, 0.8164965809277261};
constexpr double AMBIENT = 0.45;
constexpr double DIFFUSE = 0.55;
constexpr double MAX_SHADE = 8191.0;
constexpr double DARKEST_SHADE_LIGHT = 0.25;
constexpr float BACK_FACE_LIGHT = 0.7f;  // the inside of a surface is drawn a little darker
const uint8_t PLAIN_GREY[3] = {176, 176, 176};

// A normal's light; a normal of no length faces every way and gets the ambient light only.
float normalLight(const Vec3& normal) {
    const double length =
        std::sqrt(normal.x * normal.x + normal.y * normal.y + normal.z * normal.z);
    if (length == 0.0) return static_cast<float>(AMBIENT);
    const double facing =
        -(normal.x * LIGHT_RAYS.x + normal.y * LIGHT_RAYS.y + normal.z * LIGHT_RAYS.z) / length;
    return static_cast<float>(AMBIENT + DIFFUSE * std::max(facing, 0.0));
}

// Shade values run from 0, the brightest, to 8191, the darkest.
float shadeLight(int16_t shade) {
    const double darkness = std::clamp(shade / MAX_SHADE, 0.0, 1.0);
    return static_cast<float>(1.0 - (1.0 - DARKEST_SHADE_LIGHT) * darkness);
}

struct ProjectedVertex {
    RasterVertex raster;
    bool visible = false;  // not nearer than the camera's nearest distance
};

std::vector<ProjectedVertex> projectVertices(const Camera& camera, const MeshPlacement& placement) {
    const MeshInfo& mesh = *placement.mesh;
    const Transform toCamera = camera.toCamera * placement.transform;
    std::vector<ProjectedVertex> out(mesh.vertices.size());
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vec3 p = toCamera.apply(vertexPoint(mesh.vertices[i]));
        ProjectedVertex& v = out[i];
        v.visible = p.z >= camera.nearest;
        if (!v.visible) continue;
        v.raster.x = static_cast<float>(camera.centreX + camera.focal * p.x / p.z);
        v.raster.y = static_cast<float>(camera.centreY + camera.focal * p.y / p.z);
        v.raster.inverseDepth = static_cast<float>(1.0 / p.z);
        if (i < mesh.normals.size()) {
            v.raster.light = normalLight(toCamera.turn(vertexPoint(mesh.normals[i])));
        } else if (i < mesh.shades.size()) {
            v.raster.light = shadeLight(mesh.shades[i]);
        }
    }
    return out;
}

// Polygons are drawn in an order of their own, not the order the mesh lists them in: where two
// cover a pixel at the same depth, the one drawn first stays, and a level lists the polygons of
// a WAD's mesh in another order.
std::vector<uint32_t> drawingOrder(const MeshInfo& mesh) {
    std::vector<uint32_t> order(mesh.polygons.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const PolygonRef& p = mesh.polygons[a];
        const PolygonRef& q = mesh.polygons[b];
        if (p.vertices != q.vertices) return p.vertices < q.vertices;
        return p.shape < q.shape;
    });
    return order;
}

constexpr uint16_t GLOWING = 1;  // attribute bit: the game adds the polygon's colour

// A polygon ready to fill: its corners on the image with their texture points, and its pixels.
struct DrawnPolygon {
    RasterVertex corners[4];
    int cornerCount = 3;
    TextureSampler texture;
    bool glows = false;
};

std::optional<DrawnPolygon> preparePolygon(const ObjectSourceBlock& block,
                                           const std::vector<ProjectedVertex>& vertices,
                                           const PolygonRef& polygon, Fill fill) {
    DrawnPolygon out;
    out.cornerCount = polygon.cornerCount();
    for (int i = 0; i < out.cornerCount; ++i) {
        const uint16_t vertex = polygon.vertices[i];
        if (vertex >= vertices.size() || !vertices[vertex].visible) return std::nullopt;
        out.corners[i] = vertices[vertex].raster;
    }
    if (fill == Fill::Plain) {
        out.texture = {PLAIN_GREY, 1, 1};
        return out;
    }
    const std::optional<PolygonTexture> texture = polygonTexture(block.textures, polygon);
    if (!texture) return std::nullopt;
    const std::optional<TextureSampler> sampler = textureSampler(block.texturePages, *texture);
    if (!sampler) return std::nullopt;
    out.texture = *sampler;
    out.glows = (polygon.attributes & GLOWING) != 0;
    for (int i = 0; i < out.cornerCount; ++i) {
        out.corners[i].u = texture->corners[i].u - texture->left;
        out.corners[i].v = texture->corners[i].v - texture->top;
    }
    return out;
}

void fillPolygon(RenderTarget& target, Layer layer, DrawnPolygon polygon) {
    if (polygon.glows != (layer == Layer::Glow)) return;
    if (layer == Layer::Back) {
        for (int i = 0; i < polygon.cornerCount; ++i) polygon.corners[i].light *= BACK_FACE_LIGHT;
    }
    const RasterVertex* c = polygon.corners;
    fillTriangle(target, layer, c[0], c[1], c[2], polygon.texture);
    if (polygon.cornerCount == 4) fillTriangle(target, layer, c[0], c[2], c[3], polygon.texture);
}

}  // namespace

void drawPose(RenderTarget& target, const Camera& camera, const ObjectSourceBlock& block,
              const Pose& pose, Fill fill) {
    std::vector<DrawnPolygon> polygons;
    for (const MeshPlacement& placement : pose) {
        const std::vector<ProjectedVertex> vertices = projectVertices(camera, placement);
        for (uint32_t index : drawingOrder(*placement.mesh)) {
            const PolygonRef& polygon = placement.mesh->polygons[index];
            if (std::optional<DrawnPolygon> drawn =
                    preparePolygon(block, vertices, polygon, fill)) {
                polygons.push_back(*drawn);
            }
        }
    }
    for (Layer layer : {Layer::Front, Layer::Back, Layer::Glow}) {
        for (const DrawnPolygon& polygon : polygons) fillPolygon(target, layer, polygon);
    }
}

}  // namespace kavrin::preview
