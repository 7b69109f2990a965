#include "engine/model/VXOBJShell.h"

#include <map>
#include <numeric>
#include <utility>

namespace {

int rootOf(std::vector<int>& parent, int i)
{
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// Triangles joined through shared positions form one shell.
int shellCount(const std::map<std::pair<int, int>, int>& edges, int positionCount)
{
    std::vector<int> parent(positionCount);
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<bool> used(positionCount, false);
    for (const auto& edge : edges) {
        used[edge.first.first] = true;
        used[edge.first.second] = true;
        parent[rootOf(parent, edge.first.first)] = rootOf(parent, edge.first.second);
    }
    int shells = 0;
    for (int i = 0; i < positionCount; ++i) {
        shells += used[i] && rootOf(parent, i) == i ? 1 : 0;
    }
    return shells;
}

} // namespace

bool isClosedOutwardShell(const VXOBJClientVertexDataSet& dataSet)
{
    // The position of every unique vertex, by vertex number.
    std::vector<int> positionOf(dataSet.vertices.size(), -1);
    for (const auto& entry : dataSet.vertexIndexByKey) {
        if (entry.second >= 0 && entry.second < static_cast<int>(positionOf.size())) {
            positionOf[entry.second] = entry.first.vertex;
        }
    }
    std::map<std::pair<int, int>, int> edges;
    double volume = 0.0;
    int triangles = 0;
    for (const VXOBJVertexBlock& block : dataSet.blocks) {
        if (block.indices.size() % 3 != 0) {
            return false;
        }
        for (size_t i = 0; i < block.indices.size(); i += 3) {
            int corner[3];
            for (int k = 0; k < 3; ++k) {
                const int vertex = block.indices[i + k];
                if (vertex < 0 || vertex >= static_cast<int>(positionOf.size()) || positionOf[vertex] < 0) {
                    return false;
                }
                corner[k] = positionOf[vertex];
            }
            for (int k = 0; k < 3; ++k) {
                edges[std::make_pair(corner[k], corner[(k + 1) % 3])] += 1;
            }
            const VXVec4& a = dataSet.positions[corner[0]];
            const VXVec4& b = dataSet.positions[corner[1]];
            const VXVec4& c = dataSet.positions[corner[2]];
            volume += static_cast<double>(a.x()) * (b.y() * c.z() - b.z() * c.y())
                - static_cast<double>(a.y()) * (b.x() * c.z() - b.z() * c.x())
                + static_cast<double>(a.z()) * (b.x() * c.y() - b.y() * c.x());
            ++triangles;
        }
    }
    if (triangles == 0) {
        return false;
    }
    for (const auto& edge : edges) {
        const auto reverse = edges.find(std::make_pair(edge.first.second, edge.first.first));
        if (edge.second != 1 || reverse == edges.end() || reverse->second != 1) {
            return false;
        }
    }
    // Shells that touch could hide a back face exactly in the plane of a
    // front face, where either may win a pixel.
    return volume > 0.0 && shellCount(edges, static_cast<int>(dataSet.positions.size())) == 1;
}
