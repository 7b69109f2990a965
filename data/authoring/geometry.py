"""Small meshes for the game's models, written as OBJ with one MTL each.

A model is a list of closed convex pieces, each the convex hull of a few
points, so every piece is watertight and wound counter-clockwise seen from
outside. Faces are flat shaded: every triangle corner carries its face normal.
Output is deterministic: the same calls give byte-identical files.
"""

import itertools
import math
import os

EPS = 1e-6


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def add(a, b):
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def scale(a, s):
    return (a[0] * s, a[1] * s, a[2] * s)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def length(a):
    return math.sqrt(dot(a, a))


def normalise(a):
    n = length(a)
    return (a[0] / n, a[1] / n, a[2] / n)


def hull_faces(points):
    """The faces of the convex hull of `points`: (outward normal, corners in
    counter-clockwise order seen from outside)."""
    pts = []
    for p in points:
        p = (float(p[0]), float(p[1]), float(p[2]))
        if all(length(sub(p, q)) > 1e-5 for q in pts):
            pts.append(p)
    size = max(max(abs(c) for c in p) for p in pts) or 1.0
    tol = 1e-6 * size
    planes = []
    for i, j, k in itertools.combinations(range(len(pts)), 3):
        n = cross(sub(pts[j], pts[i]), sub(pts[k], pts[i]))
        if length(n) < 1e-9 * size * size:
            continue
        n = normalise(n)
        d = [dot(n, sub(p, pts[i])) for p in pts]
        if all(x <= tol for x in d):
            pass
        elif all(x >= -tol for x in d):
            n = scale(n, -1.0)
        else:
            continue
        offset = dot(n, pts[i])
        if any(length(sub(n, m)) < 1e-5 and abs(offset - o) < tol * 10 for m, o in planes):
            continue
        planes.append((n, offset))
    faces = []
    for n, offset in planes:
        on = [p for p in pts if abs(dot(n, p) - offset) < tol * 10]
        centre = scale(tuple(sum(c) for c in zip(*on)), 1.0 / len(on))
        u = normalise(sub(on[0], centre))
        v = cross(n, u)
        on.sort(key=lambda p: math.atan2(dot(sub(p, centre), v), dot(sub(p, centre), u)))
        faces.append((n, on))
    faces.sort(key=lambda f: (round(f[0][0], 4), round(f[0][1], 4), round(f[0][2], 4)))
    return faces


class Model:
    """Pieces of one model, grouped by material."""

    def __init__(self, name, comment):
        self.name = name
        self.comment = comment
        self.materials = []  # (name, colour, specular)
        self.triangles = {}  # material -> [(normal, a, b, c)]

    def material(self, name, colour, specular=(0.1, 0.1, 0.1)):
        if name not in self.triangles:
            self.materials.append((name, colour, specular))
            self.triangles[name] = []
        return self

    def hull(self, material, points, material_of_face=None):
        """Adds the convex hull of `points`; `material_of_face(normal, centre)`
        may pick another material per face."""
        for n, corners in hull_faces(points):
            mat = material
            if material_of_face is not None:
                centre = scale(tuple(sum(c) for c in zip(*corners)), 1.0 / len(corners))
                mat = material_of_face(n, centre)
            for k in range(1, len(corners) - 1):
                self.triangles[mat].append((n, corners[0], corners[k], corners[k + 1]))
        return self

    def box(self, material, x0, x1, y0, y1, z0, z1):
        return self.hull(material, [(x, y, z) for x in (x0, x1) for y in (y0, y1) for z in (z0, z1)])

    def frustum(self, material, bottom, top):
        """A box whose bottom (y0, half-width x, half-depth z) and top differ;
        each is (y, hx, hz) or (y, hx, hz, cx, cz) with a centre offset."""
        pts = []
        for ring in (bottom, top):
            y, hx, hz = ring[0], ring[1], ring[2]
            cx, cz = (ring[3], ring[4]) if len(ring) > 3 else (0.0, 0.0)
            pts += [(cx + sx * hx, y, cz + sz * hz) for sx in (-1, 1) for sz in (-1, 1)]
        return self.hull(material, pts)

    def write(self, directory):
        os.makedirs(directory, exist_ok=True)
        positions, normals = [], []
        pindex, nindex = {}, {}

        def key(v):
            return tuple(fmt(c) for c in v)

        faces = []
        for name, _, _ in self.materials:
            lines = []
            for n, a, b, c in self.triangles[name]:
                nk = key(n)
                if nk not in nindex:
                    nindex[nk] = len(normals) + 1
                    normals.append(nk)
                corner = []
                for p in (a, b, c):
                    pk = key(p)
                    if pk not in pindex:
                        pindex[pk] = len(positions) + 1
                        positions.append(pk)
                    corner.append("%d//%d" % (pindex[pk], nindex[nk]))
                lines.append("f " + " ".join(corner))
            faces.append((name, lines))
        out = ["# " + line for line in self.comment.split("\n")]
        out.append("mtllib %s.mtl" % self.name)
        out += ["v " + " ".join(p) for p in positions]
        out += ["vn " + " ".join(n) for n in normals]
        for name, lines in faces:
            out.append("usemtl " + name)
            out += lines
        write_text(os.path.join(directory, self.name + ".obj"), out)

        mtl = ["# Materials of %s.obj" % self.name]
        for name, colour, specular in self.materials:
            mtl += ["newmtl " + name, "Ka " + " ".join(fmt(c) for c in colour),
                    "Kd " + " ".join(fmt(c) for c in colour), "Ks " + " ".join(fmt(c) for c in specular),
                    "Ns 16", ""]
        write_text(os.path.join(directory, self.name + ".mtl"), mtl[:-1])


def fmt(x):
    """A number as the files write it: at most four decimals, no "-0"."""
    s = "%.4f" % x
    s = s.rstrip("0").rstrip(".")
    if s in ("-0", ""):
        s = "0"
    return s


def write_text(path, lines, final_newline=True):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "\n".join(lines) + ("\n" if final_newline else "")
    with open(path, "w", newline="\n") as f:
        f.write(text)


def ring(radius, y, count, phase=0.0):
    """Points of a regular polygon around the y axis."""
    return [(radius * math.sin(phase + 2 * math.pi * i / count), y, radius * math.cos(phase + 2 * math.pi * i / count))
            for i in range(count)]


def chamfered_cube_points(outer, inner):
    """A cube of half-size `outer` whose edges are cut back to `inner`."""
    pts = []
    for axis in range(3):
        for s in (-outer, outer):
            for a in (-inner, inner):
                for b in (-inner, inner):
                    p = [a, b]
                    p.insert(axis, s)
                    pts.append(tuple(p))
    return pts
