"""The models the game loads at start-up, and the creeper's ball.

Blocks are 30-unit cubes centred on the origin (drawn at cell centres), the
floor tile spans 0..30 in x and z with its top at y 0, characters and
missiles face +z, y is up. Blocks, tiles and particles keep to one material:
they are drawn by the hundreds every frame and each material is one draw.
"""

import math
import os

from geometry import Model, chamfered_cube_points, ring

BLOCKS = "Data/Block/Models"


def block(name, colour, what):
    m = Model(name, what + ": a 30-unit cube centred on the origin, edges chamfered.")
    m.material(name, colour, (0.25, 0.25, 0.25))
    m.hull(name, chamfered_cube_points(14.6, 13.0))
    return m


def tile():
    m = Model("DefaultTile", "Floor tile: spans 0..30 in x and z, top face at y 0, a plate\n"
                             "raised over a slab so that the grid shows between tiles.")
    m.material("DefaultTile", (0.34, 0.37, 0.33), (0.05, 0.05, 0.05))
    m.box("DefaultTile", 0, 30, -3, -0.6, 0, 30)
    m.hull("DefaultTile", [(x, y, z) for y in (-0.6, 0) for x, z in
                           ((0.8, 1.6), (1.6, 0.8), (28.4, 0.8), (29.2, 1.6),
                            (29.2, 28.4), (28.4, 29.2), (1.6, 29.2), (0.8, 28.4))])
    return m


def goal():
    m = Model("GoalBlock", "Goal block: a white cube with a golden diamond raised on each of its\n"
                           "six sides, within the 30-unit cell.")
    m.material("GoalWhite", (0.96, 0.96, 0.94), (0.5, 0.5, 0.5))
    m.material("GoalGold", (1.0, 0.78, 0.2), (0.8, 0.7, 0.3))
    m.hull("GoalWhite", chamfered_cube_points(14.0, 12.6))
    diamond = [(0, 8), (8, 0), (0, -8), (-8, 0)]
    inner = [(0, 4), (4, 0), (0, -4), (-4, 0)]
    for axis, sign in ((0, 1), (0, -1), (1, 1), (1, -1), (2, 1), (2, -1)):
        pts = []
        for (a, b), depth in [(p, 13.9) for p in diamond] + [(p, 15.0) for p in inner]:
            p = [a, b]
            p.insert(axis, sign * depth)
            pts.append(tuple(p))
        m.hull("GoalGold", pts)
    return m


def acid():
    m = Model("AcidBlock", "Acid block: a sickly yellow-green cube covered in bubbles, so that\n"
                           "its outline differs from the smooth green block.")
    m.material("AcidBlock", (0.78, 0.95, 0.05), (0.6, 0.6, 0.2))
    m.hull("AcidBlock", chamfered_cube_points(13.6, 12.2))
    bubbles = [(-7, -6, 3.5), (5, -8, 2.5), (7, 6, 3.0), (-5, 8, 2.0), (0, 0, 2.8)]
    for axis in range(3):
        for sign in (-1, 1):
            for a, b, r in bubbles:
                pts = []
                for depth, half in ((12.8, r), (min(13.6 + 0.4 * r, 15.0), 0.6 * r)):
                    for da in (-half, half):
                        for db in (-half, half):
                            p = [a + da, b + db]
                            p.insert(axis, sign * depth)
                            pts.append(tuple(p))
                m.hull("AcidBlock", pts)
    return m


# Missiles fly fast (10 units an update), so their models are drawn well
# beyond their 12-unit body and in light colours that show over any block.
# Every missile type shares them.
def missile_head():
    m = Model("MissileHead", "Missile head: a glowing four-sided spearhead along +z with two blades,\n"
                             "spun about z in flight; drawn larger than the missile's 12-unit body.")
    m.material("MissileCore", (1.0, 0.97, 0.85), (0.9, 0.9, 0.9))
    m.material("MissileEdge", (1.0, 0.82, 0.3), (0.6, 0.5, 0.3))
    m.hull("MissileCore", [(0, 0, 14), (4, 0, 3), (-4, 0, 3), (0, 4, 3), (0, -4, 3), (0, 0, -5)])
    m.hull("MissileEdge", [(0, 0, 8), (8, 0, 1), (-8, 0, 1), (0, 0, -4), (0, 1, 1.5), (0, -1, 1.5)])
    return m


def missile_tail():
    m = Model("MissileTail", "Missile tail: four fins and a tapering streak behind the head along -z.")
    m.material("MissileFin", (1.0, 0.72, 0.25), (0.3, 0.2, 0.1))
    m.material("MissileTrail", (1.0, 0.92, 0.6), (0.2, 0.2, 0.1))
    m.hull("MissileFin", [(0, 0, -3), (8, 0, -12), (-8, 0, -12), (0, 0, -14), (0, 0.8, -10), (0, -0.8, -10)])
    m.hull("MissileFin", [(0, 0, -3), (0, 8, -12), (0, -8, -12), (0, 0, -14), (0.8, 0, -10), (-0.8, 0, -10)])
    streak = [(2.5 * math.cos(math.pi * i / 3), 2.5 * math.sin(math.pi * i / 3), -3) for i in range(6)]
    m.hull("MissileTrail", streak + [(0, 0, -24)])
    return m


def acid_fragment(part):
    m = Model("AcidFragment" + part, "Acid fragment %s: a small shard of acid." % part.lower())
    m.material("AcidFragment", (0.7, 1.0, 0.1), (0.4, 0.4, 0.1))
    if part == "Head":
        m.hull("AcidFragment", [(0, 0, 5), (2, 0, 0), (-2, 0, 0), (0, 2, 0), (0, -2, 0), (0, 0, -1.5)])
    else:
        m.hull("AcidFragment", [(0, 0, -1), (1.5, 0, -3), (-1.5, 0, -3), (0, 1.5, -3), (0, -1.5, -3), (0, 0, -5)])
    return m


def shadow():
    m = Model("Shadow", "Ground shadow: flat dark grey discs of radius 9 to 13.5, each a little\n"
                        "lower and lighter than the one inside it, so that the shadow fades\n"
                        "towards its edge; the top at the origin.")
    for step, radius, grey in ((0, 9, 0.16), (1, 10.5, 0.19), (2, 12, 0.22), (3, 13.5, 0.25)):
        name = "Shadow%d" % step
        m.material(name, (grey, grey, grey), (0, 0, 0))
        m.hull(name, ring(radius, -0.1 * step, 24) + ring(radius, -0.4, 24))
    return m


def ammo(kind):
    if kind == "Blue":
        m = Model("BlueAmmo", "Blue-missile ammunition: a blue gem, centred, within +-9.")
        m.material("BlueAmmo", (0.2, 0.4, 1.0), (0.7, 0.7, 0.9))
        m.hull("BlueAmmo", [(0, 9, 0), (0, -9, 0)] + ring(6, 0, 6))
        m.material("BlueAmmoBand", (0.85, 0.9, 1.0), (0.5, 0.5, 0.5))
        m.hull("BlueAmmoBand", ring(6.3, 0.6, 6) + ring(6.3, -0.6, 6))
    elif kind == "Red":
        m = Model("RedAmmo", "Red-missile ammunition: an orange cartridge with a pointed top, centred.")
        m.material("RedAmmo", (1.0, 0.5, 0.0), (0.6, 0.4, 0.2))
        m.hull("RedAmmo", ring(4.5, -8, 6) + ring(4.5, 2, 6) + [(0, 9, 0)])
        m.material("RedAmmoBand", (0.6, 0.15, 0.05), (0.2, 0.1, 0.1))
        m.hull("RedAmmoBand", ring(5.2, -6.5, 6) + ring(5.2, -4, 6))
    else:
        m = Model("DestroyAmmo", "Destroy-missile ammunition: a grey spiked mine, centred.")
        m.material("DestroyAmmo", (0.5, 0.5, 0.5), (0.6, 0.6, 0.6))
        m.hull("DestroyAmmo", chamfered_cube_points(5, 3.5))
        m.material("DestroyAmmoSpike", (0.25, 0.25, 0.27), (0.4, 0.4, 0.4))
        for axis in range(3):
            for sign in (-1, 1):
                pts = []
                for a in (-2, 2):
                    for b in (-2, 2):
                        p = [a, b]
                        p.insert(axis, sign * 4.8)
                        pts.append(tuple(p))
                tip = [0, 0]
                tip.insert(axis, sign * 9)
                pts.append(tuple(tip))
                m.hull("DestroyAmmoSpike", pts)
    return m


def particle():
    m = Model("Particle", "Explosion particle: a six-pointed spark of three crossed spikes, 8 units\n"
                          "across, exactly one material (the particle material replaces its colour).")
    m.material("Particle", (1, 1, 1), (0, 0, 0))
    for axis in range(3):
        pts = []
        for sign in (-1, 1):
            tip = [0, 0]
            tip.insert(axis, sign * 4)
            pts.append(tuple(tip))
        for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            p = [a, b]
            p.insert(axis, 0)
            pts.append(tuple(p))
        m.hull("Particle", pts)
    return m


def help_symbol():
    m = Model("HelpSymbol", "Help sign: a golden question mark 18 units tall, centred on the origin.")
    m.material("HelpSymbol", (1.0, 0.82, 0.15), (0.8, 0.7, 0.3))
    z0, z1 = -1.5, 1.5
    for x0, x1, y0, y1 in ((-4.5, 4.5, 6.5, 9.0),    # top bar
                           (2.5, 5.5, 2.0, 8.0),     # right side
                           (-5.5, -2.5, 4.0, 8.0),   # left hook
                           (-1.5, 4.0, 0.5, 3.0),    # middle bar
                           (-1.5, 1.5, -4.0, 1.0),   # stem
                           (-1.6, 1.6, -9.0, -5.8)):  # dot
        m.box("HelpSymbol", x0, x1, y0, y1, z0, z1)
    return m


def rollie_pollie():
    m = Model("RolliePollie", "Creeper: a segmented ball of radius 14 that rolls about its x axis;\n"
                              "its plates alternate in colour around that axis so the roll shows.")
    m.material("ShellDark", (0.25, 0.28, 0.38), (0.3, 0.3, 0.35))
    m.material("ShellLight", (0.6, 0.64, 0.72), (0.4, 0.4, 0.45))
    m.material("ShellCap", (0.75, 0.2, 0.15), (0.3, 0.2, 0.2))
    wedges, rings_ = 10, 7
    pts = [(14, 0, 0), (-14, 0, 0)]
    for i in range(1, rings_):
        a = math.pi * i / rings_
        for j in range(wedges):
            b = 2 * math.pi * (j + 0.5) / wedges
            pts.append((14 * math.cos(a), 14 * math.sin(a) * math.cos(b), 14 * math.sin(a) * math.sin(b)))

    def colour(normal, centre):
        if abs(centre[0]) > 11.5:
            return "ShellCap"
        angle = math.atan2(centre[2], centre[1]) % (2 * math.pi)
        return "ShellDark" if int(angle / (2 * math.pi / wedges)) % 2 == 0 else "ShellLight"

    m.hull("ShellDark", pts, colour)
    return m


def all_models():
    return [
        (BLOCKS, tile()),
        (BLOCKS, block("DefaultBlock", (0.56, 0.57, 0.6), "Grey block")),
        (BLOCKS, block("RedBlock", (0.86, 0.16, 0.12), "Red block")),
        (BLOCKS, block("BlueBlock", (0.16, 0.38, 0.92), "Blue block")),
        (BLOCKS, block("GreenBlock", (0.18, 0.7, 0.26), "Green block (also the pet)")),
        (BLOCKS, block("YellowBlock", (0.96, 0.8, 0.16), "Yellow block (also the elevator)")),
        (BLOCKS, block("BlackBlock", (0.1, 0.1, 0.12), "Black block")),
        (BLOCKS, goal()),
        (BLOCKS, block("PurpleBlock", (0.56, 0.22, 0.78), "Purple block (also the blob)")),
        (BLOCKS, acid()),
        ("Data/Attack/Missile/Models", missile_head()),
        ("Data/Attack/Missile/Models", missile_tail()),
        ("Data/Attack/Missile/Models", acid_fragment("Head")),
        ("Data/Attack/Missile/Models", acid_fragment("Tail")),
        ("Data/Status/Shadow", shadow()),
        ("Data/Items/Models", ammo("Red")),
        ("Data/Items/Models", ammo("Blue")),
        ("Data/Items/Models", ammo("Destroy")),
        ("Data/Particles", particle()),
        ("Data/Text", help_symbol()),
        ("Data/Character/RolliePollie/Models", rollie_pollie()),
    ]


def write_all(root):
    for directory, model in all_models():
        model.write(os.path.join(root, directory))
