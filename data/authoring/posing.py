"""Stance angles for the skeleton format.

A stance file gives each bone three angles (a0, a1, a2) in degrees that the
engine turns into Ry(a0) * Rx(a1) * Ry(a2): about y, then x, then y again.
Poses are easier to author as a pitch about x, a yaw about y and a roll
about z; `stance_angles` converts R = Ry(yaw) * Rx(pitch) * Rz(roll) into the
file's three angles and checks the result.

Directions for a character facing +z with y up: a positive pitch swings a
hanging limb backwards (and tips an upright bone forwards); a positive roll
swings a hanging limb towards +x, the character's left; a positive yaw turns
the front towards +x.
"""

import math


def rx(a):
    c, s = math.cos(a), math.sin(a)
    return ((1, 0, 0), (0, c, -s), (0, s, c))


def ry(a):
    c, s = math.cos(a), math.sin(a)
    return ((c, 0, s), (0, 1, 0), (-s, 0, c))


def rz(a):
    c, s = math.cos(a), math.sin(a)
    return ((c, -s, 0), (s, c, 0), (0, 0, 1))


def mul(a, b):
    return tuple(tuple(sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3)) for i in range(3))


def rotation(pitch=0.0, yaw=0.0, roll=0.0):
    d = math.radians
    return mul(ry(d(yaw)), mul(rx(d(pitch)), rz(d(roll))))


def yxy(m):
    """Angles (degrees) with m = Ry(a) Rx(b) Ry(c)."""
    b = math.acos(max(-1.0, min(1.0, m[1][1])))
    if abs(math.sin(b)) < 1e-7:
        # Rx(0) or Rx(180): only a + c (or a - c) is fixed; put it all in a.
        if m[1][1] > 0:
            a, c = math.atan2(m[0][2], m[0][0]), 0.0
        else:
            a, c = math.atan2(-m[0][2], m[0][0]), 0.0
    else:
        a = math.atan2(m[0][1], m[2][1])
        c = math.atan2(m[1][0], -m[1][2])
    return math.degrees(a), math.degrees(b), math.degrees(c)


def wrap(angle):
    """An angle in degrees within (-180, 180]."""
    angle = math.fmod(angle, 360.0)
    if angle > 180.0:
        angle -= 360.0
    elif angle <= -180.0:
        angle += 360.0
    return angle


def stance_angles(pitch=0.0, yaw=0.0, roll=0.0):
    """The file's three angles for the pose rotation; of the two equivalent
    triples (a, b, c) and (a + 180, -b, c + 180) the one with the smaller
    turns about y, so that a plain pitch reads as (0, pitch, 0)."""
    m = rotation(pitch, yaw, roll)
    a, b, c = yxy(m)
    candidates = [(wrap(a), b, wrap(c)), (wrap(a + 180.0), -b, wrap(c + 180.0))]
    a, b, c = min(candidates, key=lambda t: (round(abs(t[0]) + abs(t[2]), 6), -t[1]))
    back = mul(ry(math.radians(a)), mul(rx(math.radians(b)), ry(math.radians(c))))
    err = max(abs(back[i][j] - m[i][j]) for i in range(3) for j in range(3))
    assert err < 1e-6, (pitch, yaw, roll, err)
    return tuple(0.0 if abs(v) < 5e-4 else v for v in (a, b, c))


def quaternion(angles):
    """The engine's quaternion (x, y, z, w) of three file angles:
    q = Qy(a0) * Qx(a1) * Qy(a2), Hamilton products."""
    def axis_angle(deg, axis):
        h = math.radians(deg) / 2.0
        v = [0.0, 0.0, 0.0]
        v[axis] = math.sin(h)
        return (v[0], v[1], v[2], math.cos(h))

    def product(a, b):
        ax, ay, az, aw = a
        bx, by, bz, bw = b
        return (aw * bx + ax * bw + ay * bz - az * by, aw * by - ax * bz + ay * bw + az * bx,
                aw * bz + ax * by - ay * bx + az * bw, aw * bw - ax * bx - ay * by - az * bz)

    a0, a1, a2 = angles
    return product(product(axis_angle(a0, 1), axis_angle(a1, 0)), axis_angle(a2, 1))


def qdot(a, b):
    return sum(x * y for x, y in zip(a, b))


class Pose:
    """Named bone rotations; bones not named keep the rest pose."""

    def __init__(self, **bones):
        self.bones = dict(bones)

    def but(self, **bones):
        merged = dict(self.bones)
        merged.update(bones)
        return Pose(**merged)

    def mirrored(self):
        """The same pose with left and right exchanged."""
        out = {}
        for name, (pitch, yaw, roll) in ((n, expand(r)) for n, r in self.bones.items()):
            other = name[:-1] + {"L": "R", "R": "L"}[name[-1]] if name[-1] in "LR" and name[-2].islower() else name
            out[other] = (pitch, -yaw, -roll)
        return Pose(**out)

    def rotation_of(self, bone):
        return expand(self.bones.get(bone, (0, 0, 0)))


def expand(r):
    if isinstance(r, (int, float)):
        return (float(r), 0.0, 0.0)
    r = tuple(float(v) for v in r)
    return r + (0.0,) * (3 - len(r))
