"""The four characters: the hero, the jackal warrior (Anubis and the reaper),
the crystal wraithblade (zealot) and the stone colossus.

Every skeleton hangs from a root bone a little above the floor, so that
turning the root lays the whole body down for the death poses (bones only
rotate). Bone models have their joint at the origin and hang along -y, so
the rest pose, all rotations identity, stands upright facing +z.

Priorities follow one scheme for all four: 1 idle, walking and transitions;
2 the player's lying-dead loops (at most one above Stand, or the Stand
request after a restart would be ignored); 3 jumps and attacks; 5 pain;
7 death. A request at least two above the current set switches at once, one
within one of it waits for the current set to end, anything lower is
ignored.
"""

from character import Character, StanceSet, NONE, RECURSIVE, REFLEXIVE_RECURSIVE
from geometry import Model, ring
from posing import Pose

SKIN = (0.95, 0.78, 0.62)


def hero():
    c = Character("MainCharacter", "Hips")
    tunic, pad, trousers, boot = (0.12, 0.55, 0.66), (0.08, 0.36, 0.46), (0.2, 0.2, 0.3), (0.42, 0.26, 0.12)
    gold, hair, visor = (1.0, 0.78, 0.2), (0.32, 0.19, 0.1), (0.08, 0.08, 0.14)

    m = Model("Pelvis", "Hero pelvis: the belt, hung 9.5 to 12.8 above the root joint.")
    m.material("Belt", boot).material("Buckle", gold, (0.7, 0.6, 0.3))
    m.box("Belt", -4.2, 4.2, 9.5, 12.8, -2.7, 2.7)
    m.box("Buckle", -1.2, 1.2, 10.2, 12.1, 2.5, 3.1)
    pelvis = c.model(m)

    m = Model("Torso", "Hero torso: a tunic widening to the shoulders, a gold emblem in front.")
    m.material("Tunic", tunic).material("Emblem", gold, (0.7, 0.6, 0.3))
    m.frustum("Tunic", (0, 4.0, 2.6), (8.5, 5.0, 2.9))
    m.hull("Emblem", [(0, 7, 2.6), (1.5, 5.5, 2.6), (0, 4, 2.6), (-1.5, 5.5, 2.6),
                      (0, 6.4, 3.3), (0.9, 5.5, 3.3), (0, 4.6, 3.3), (-0.9, 5.5, 3.3)])
    torso = c.model(m)

    m = Model("Head", "Hero head with hair and a dark visor over the eyes, facing +z.")
    m.material("Skin", SKIN).material("Hair", hair).material("Visor", visor, (0.8, 0.8, 0.9))
    m.box("Skin", -2.9, 2.9, 0.3, 5.8, -2.9, 2.9)
    m.box("Skin", -1.2, 1.2, -0.5, 0.5, -1.2, 1.2)
    m.box("Hair", -3.1, 3.1, 4.6, 6.4, -3.1, 1.8)
    m.box("Hair", -3.1, 3.1, 1.8, 4.6, -3.1, -2.3)
    m.box("Visor", -2.3, 2.3, 2.7, 3.7, 2.6, 3.3)
    head = c.model(m)

    m = Model("UpperArm", "Hero upper arm with a shoulder pad, hanging from its joint.")
    m.material("Sleeve", tunic).material("Pad", pad)
    m.box("Sleeve", -1.35, 1.35, -5.5, 0.4, -1.35, 1.35)
    m.box("Pad", -1.75, 1.75, -1.6, 0.9, -1.75, 1.75)
    upper_arm = c.model(m)

    m = Model("Forearm", "Hero forearm and gloved hand.")
    m.material("Skin", SKIN).material("Glove", boot)
    m.box("Skin", -1.1, 1.1, -4.2, 0.2, -1.1, 1.1)
    m.box("Glove", -1.35, 1.35, -5.6, -4.0, -1.35, 1.35)
    forearm = c.model(m)

    m = Model("Thigh", "Hero thigh.")
    m.material("Trousers", trousers)
    m.box("Trousers", -1.65, 1.65, -6.6, 0.5, -1.75, 1.75)
    thigh = c.model(m)

    m = Model("Shin", "Hero shin in a boot with a turned-down cuff.")
    m.material("Boot", boot).material("Cuff", (0.55, 0.36, 0.18))
    m.box("Boot", -1.45, 1.45, -5.5, 0.2, -1.45, 1.45)
    m.box("Cuff", -1.65, 1.65, -1.8, -0.5, -1.65, 1.65)
    shin = c.model(m)

    m = Model("Foot", "Hero boot, toe towards +z, sole 2 below the ankle.")
    m.material("Boot", boot)
    m.box("Boot", -1.45, 1.45, -2.0, 0.0, -1.7, 3.4)
    foot = c.model(m)

    c.bone("Hips", pelvis, (0, -12, 0))
    c.bone("Chest", torso, (0, 12.5, 0), "Hips")
    c.bone("Head", head, (0, 8.5, 0), "Chest")
    c.bone("UpperArmL", upper_arm, (6.3, 7.9, 0), "Chest")
    c.bone("ForearmL", forearm, (0, -5.5, 0), "UpperArmL")
    c.bone("UpperArmR", upper_arm, (-6.3, 7.9, 0), "Chest")
    c.bone("ForearmR", forearm, (0, -5.5, 0), "UpperArmR")
    c.bone("ThighL", thigh, (2.3, 11, 0), "Hips")
    c.bone("ShinL", shin, (0, -6.5, 0), "ThighL")
    c.bone("FootL", foot, (0, -5.5, 0), "ShinL")
    c.bone("ThighR", thigh, (-2.3, 11, 0), "Hips")
    c.bone("ShinR", shin, (0, -6.5, 0), "ThighR")
    c.bone("FootR", foot, (0, -5.5, 0), "ShinR")

    P = c.poses
    P["Stand0"] = Pose(UpperArmL=(0, 0, 6), UpperArmR=(0, 0, -6), ForearmL=-10, ForearmR=-10,
                       ThighL=(0, 0, 3), ThighR=(0, 0, -3), FootL=(0, 0, -3), FootR=(0, 0, 3))
    P["Stand1"] = P["Stand0"].but(Chest=3, Head=-3, UpperArmL=(2, 0, 9), UpperArmR=(2, 0, -9),
                                  ForearmL=-14, ForearmR=-14)
    # Running: left foot striking, passing, right foot striking, passing.
    P["Walk1"] = Pose(Chest=(8, -8, 0), Head=(-6, 8, 0), ThighL=-35, ShinL=15, FootL=10,
                      ThighR=25, ShinR=50, UpperArmL=(30, 0, 5), ForearmL=-30,
                      UpperArmR=(-40, 0, -5), ForearmR=-50)
    P["Walk2"] = Pose(Chest=8, Head=-6, ThighL=5, ShinL=10, FootL=-10, ThighR=-40, ShinR=75, FootR=-10,
                      UpperArmL=(5, 0, 5), ForearmL=-35, UpperArmR=(-5, 0, -5), ForearmR=-40)
    P["Walk3"] = P["Walk1"].mirrored()
    P["Walk4"] = P["Walk2"].mirrored()
    P["Jump0"] = Pose(Chest=15, Head=-10, ThighL=-25, ShinL=45, FootL=-15, ThighR=-25, ShinR=45, FootR=-15,
                      UpperArmL=(25, 0, 10), UpperArmR=(25, 0, -10), ForearmL=-20, ForearmR=-20)
    P["Jump1"] = Pose(Chest=-5, Head=-5, ThighL=-70, ShinL=80, FootL=-10, ThighR=-45, ShinR=60, FootR=-10,
                      UpperArmL=(-140, 0, 20), UpperArmR=(-140, 0, -20), ForearmL=-20, ForearmR=-20)
    P["Flight0"] = Pose(Chest=5, ThighL=-45, ShinL=60, FootL=-15, ThighR=-15, ShinR=45, FootR=-15,
                        UpperArmL=(-30, 0, 60), UpperArmR=(-30, 0, -60), ForearmL=-30, ForearmR=-30)
    P["Flight1"] = P["Flight0"].but(ThighL=-30, ShinL=50, ThighR=-25, ShinR=55, UpperArmL=(-40, 0, 70),
                                    UpperArmR=(-40, 0, -70), ForearmL=-20, ForearmR=-20)
    P["Land0"] = Pose(Chest=22, Head=-12, ThighL=(-35, 0, 4), ThighR=(-35, 0, -4), ShinL=60, ShinR=60,
                      FootL=-25, FootR=-25, UpperArmL=(-45, 0, 25), UpperArmR=(-45, 0, -25),
                      ForearmL=-30, ForearmR=-30)
    # Throwing a missile: the right arm winds up over the shoulder, then whips forward.
    windup = dict(UpperArmR=(160, 0, -10), ForearmR=-80)
    release = dict(UpperArmR=(-85, 0, -5), ForearmR=-10)
    P["Attack0"] = Pose(Chest=(5, -25, 0), Head=(0, 25, 0), UpperArmL=(-60, 0, 15), ForearmL=-20,
                        ThighL=-22, ShinL=12, ThighR=14, ShinR=12, **windup)
    P["Attack1"] = P["Attack0"].but(Chest=(14, 25, 0), Head=(-8, -25, 0), UpperArmL=(25, 0, 20),
                                    ForearmL=-30, **release)
    P["RunAttack0"] = P["Walk1"].but(Chest=(8, -25, 0), Head=(-6, 25, 0), **windup)
    P["RunAttack1"] = P["Walk3"].but(Chest=(14, 25, 0), Head=(-6, -25, 0), **release)
    P["FlightAttack0"] = P["Flight0"].but(Chest=(5, -25, 0), Head=(0, 25, 0), **windup)
    P["FlightAttack1"] = P["Flight0"].but(Chest=(12, 25, 0), Head=(-5, -25, 0), **release)
    P["Pain0"] = Pose(Chest=-20, Head=-20, UpperArmL=(-25, 0, 40), UpperArmR=(-25, 0, -40),
                      ForearmL=-40, ForearmR=-40, ThighL=-12, ShinL=18, ThighR=5, ShinR=10)
    P["PainWalk0"] = P["Walk2"].but(Chest=-18, Head=-18, UpperArmL=(-25, 0, 40), UpperArmR=(-25, 0, -40),
                                    ForearmL=-40, ForearmR=-40)
    P["PainFlight0"] = P["Flight0"].but(Chest=-20, Head=-20, UpperArmL=(-10, 0, 80), UpperArmR=(-10, 0, -80))
    # Falling backwards onto the back: the root tips the body over its pivot.
    P["Death0"] = Pose(Hips=-10, Chest=-25, Head=-25, UpperArmL=(-100, 0, 40), UpperArmR=(-100, 0, -40),
                       ForearmL=-20, ForearmR=-20, ThighL=-15, ShinL=25, ThighR=-5, ShinR=15)
    P["Death1"] = Pose(Hips=-55, Chest=-10, Head=-15, ThighL=-45, ShinL=70, ThighR=-30, ShinR=50,
                       UpperArmL=(-140, 0, 50), UpperArmR=(-140, 0, -50), ForearmL=-10, ForearmR=-10)
    P["DeadBack"] = Pose(Hips=-88, Head=(12, 20, 0), UpperArmL=(-20, 0, 75), UpperArmR=(-20, 0, -70),
                         ForearmL=-20, ForearmR=-35, ThighL=(-20, 0, 10), ShinL=30, ThighR=(0, 0, -8), ShinR=5,
                         FootL=-20, FootR=-30)
    # Stumbling forwards onto the face while running.
    P["DeathWalk0"] = P["Walk2"].but(Hips=15, Chest=25, Head=15, UpperArmL=(-70, 0, 20), UpperArmR=(-70, 0, -20))
    P["DeathWalk1"] = Pose(Hips=55, Chest=15, ThighL=-30, ShinL=60, ThighR=10, ShinR=30,
                           UpperArmL=(-120, 0, 30), UpperArmR=(-120, 0, -30))
    P["DeadFront"] = Pose(Hips=88, Head=(0, 60, 0), UpperArmL=(-160, 0, 20), UpperArmR=(-150, 0, -30),
                          ForearmL=-10, ForearmR=-10, ThighL=(0, 0, 8), ShinL=10, ThighR=(0, 0, -6),
                          FootL=60, FootR=60)
    # Struck in the air: flailing, then a heavy landing spread out on the back.
    P["DeathFlight0"] = P["Flight0"].but(Chest=-25, Head=-25, UpperArmL=(-150, 0, 40), UpperArmR=(-150, 0, -40),
                                         ThighL=-30, ShinL=70, ThighR=-50, ShinR=40)
    P["DeathFlight1"] = P["DeathFlight0"].but(UpperArmL=(-130, 0, 70), UpperArmR=(-170, 0, -30),
                                              ThighL=-55, ThighR=-25, ShinR=70)
    P["LandDeath0"] = Pose(Hips=-45, Chest=-15, Head=-20, ThighL=-60, ShinL=90, ThighR=-40, ShinR=70,
                           UpperArmL=(-100, 0, 60), UpperArmR=(-100, 0, -60))
    P["DeadSpread"] = P["DeadBack"].but(UpperArmL=(-10, 0, 85), UpperArmR=(-10, 0, -85),
                                        ThighL=(-5, 0, 18), ThighR=(-5, 0, -18), ShinL=10, ShinR=10)
    # A dance nothing asks for: knee up, arms cranking, then the other side.
    P["Crank1"] = Pose(ThighR=-75, ShinR=85, FootR=-10, ThighL=(0, 0, 4), UpperArmL=(-20, 0, 85), ForearmL=-100,
                       UpperArmR=(-30, 0, -40), ForearmR=-110, Chest=(5, 15, 0), Head=(8, -10, 0))
    P["Crank2"] = Pose(ThighL=-20, ShinL=35, ThighR=-20, ShinR=35, FootL=-15, FootR=-15,
                       UpperArmL=(-90, 0, 10), ForearmL=-90, UpperArmR=(-90, 0, -10), ForearmR=-90,
                       Chest=12, Head=15)
    P["Crank3"] = P["Crank1"].mirrored()

    # Lying loops last until just after the restart that follows a death
    # (150 updates after it): a fire or jump key pressed by the dead player is
    # queued behind them and replaced by the restart's Stand request, so the
    # body does not get up before the level starts again.
    S = StanceSet
    c.sets = [
        S("Stand", [("Stand0", 10), ("Stand1", 10)], REFLEXIVE_RECURSIVE, priority=1),
        S("Attack1", [("Attack0", 6), ("Attack1", 1)], NONE, "Attack2", 3),
        S("Attack2", [("Attack1", 10), ("Stand0", 1)], NONE, "Stand", 3),
        S("AttackFlight1", [("FlightAttack0", 6), ("FlightAttack1", 1)], NONE, "AttackFlight2", 3),
        S("AttackFlight2", [("FlightAttack1", 10), ("Flight0", 1)], NONE, "Flight", 3),
        S("AttackRun1", [("RunAttack0", 5), ("RunAttack1", 1)], NONE, "AttackRun2", 3),
        S("AttackRun2", [("RunAttack1", 8), ("Walk1", 1)], NONE, "Walk", 3),
        S("Death", [("Death0", 10), ("Death1", 14), ("DeadBack", 1)], NONE, "DeadStand", 7),
        S("DeadStand", [("DeadBack", 132), ("DeadBack", 1)], RECURSIVE, priority=2),
        S("DeathWalk", [("DeathWalk0", 10), ("DeathWalk1", 14), ("DeadFront", 1)], NONE, "DeadWalk", 7),
        S("DeadWalk", [("DeadFront", 132), ("DeadFront", 1)], RECURSIVE, priority=2),
        S("DeathFlight", [("DeathFlight0", 8), ("DeathFlight1", 1)], NONE, "DeathFall", 7),
        S("DeathFall", [("DeathFlight1", 10), ("DeathFlight0", 10), ("DeathFlight1", 1)], RECURSIVE, priority=7),
        S("LandDeath", [("LandDeath0", 8), ("DeadSpread", 1)], NONE, "DeadLand", 7),
        S("DeadLand", [("DeadSpread", 90), ("DeadSpread", 1)], RECURSIVE, priority=2),
        S("Jump", [("Jump0", 5), ("Jump1", 10), ("Flight0", 1)], NONE, "Flight", 3),
        S("Flight", [("Flight0", 12), ("Flight1", 12), ("Flight0", 1)], RECURSIVE, priority=1),
        S("Land", [("Land0", 9), ("Stand0", 1)], NONE, "Stand", 1),
        S("Pain", [("Pain0", 14), ("Stand0", 1)], NONE, "Stand", 5),
        S("PainFlight", [("PainFlight0", 12), ("Flight0", 1)], NONE, "Flight", 5),
        S("PainWalk", [("PainWalk0", 12), ("Walk1", 1)], NONE, "Walk", 5),
        S("Walk", [("Walk1", 5), ("Walk2", 5), ("Walk3", 5), ("Walk4", 5), ("Walk1", 1)], RECURSIVE, priority=1),
        S("StandToWalk", [("Stand0", 6), ("Walk1", 1)], NONE, "Walk", 1),
        S("WalkToStand", [("Walk1", 8), ("Stand0", 1)], NONE, "Stand", 1),
        S("StandToFlight", [("Stand0", 8), ("Flight0", 1)], NONE, "Flight", 1),
        S("CrankDat", [("Crank1", 8), ("Crank2", 8), ("Crank3", 8), ("Crank2", 8), ("Crank1", 1)], RECURSIVE,
          priority=1),
    ]
    c.start = "Stand"
    return c


def jackal():
    c = Character("FortressEnemy", "Hips")
    black, gold, linen = (0.1, 0.1, 0.12), (0.95, 0.72, 0.2), (0.92, 0.86, 0.66)
    eye, gem, wood = (1.0, 0.15, 0.1), (0.2, 0.5, 1.0), (0.55, 0.4, 0.18)

    m = Model("Kilt", "Jackal warrior's kilt, flaring over the thighs, with a gold belt.")
    m.material("Linen", linen).material("Gold", gold, (0.8, 0.7, 0.3))
    m.frustum("Linen", (6.5, 5.3, 3.6), (12.2, 4.4, 2.9))
    m.box("Gold", -4.6, 4.6, 11.4, 12.8, -3.1, 3.1)
    kilt = c.model(m)

    m = Model("Torso", "Jackal warrior's torso with a broad gold collar.")
    m.material("Skin", black).material("Collar", gold, (0.8, 0.7, 0.3))
    m.frustum("Skin", (0, 4.2, 2.6), (8.5, 6.2, 3.2))
    m.frustum("Collar", (6.6, 6.3, 3.4), (8.9, 5.4, 3.1))
    torso = c.model(m)

    m = Model("Head", "Jackal head: a long snout towards +z, tall ears, red eyes, gold headdress.")
    m.material("Skin", black).material("Headdress", gold, (0.8, 0.7, 0.3)).material("Eyes", eye)
    m.box("Skin", -1.3, 1.3, -0.5, 0.8, -1.3, 1.3)
    m.box("Skin", -2.5, 2.5, 0.6, 5.0, -2.6, 2.0)
    m.hull("Skin", [(x, y, 2.0) for x in (-1.8, 1.8) for y in (1.0, 3.6)] +
           [(x, y, 6.2) for x in (-0.8, 0.8) for y in (1.0, 2.4)])
    for s in (-1, 1):
        m.hull("Skin", [(s * 1.0, 4.6, -1.3), (s * 2.4, 4.6, -1.3), (s * 1.0, 4.6, 0.5), (s * 2.4, 4.6, 0.5),
                        (s * 1.9, 8.0, -0.6)])
        x0, x1 = sorted((s * 0.7, s * 1.8))
        m.box("Eyes", x0, x1, 3.2, 3.8, 1.9, 2.3)
    m.box("Headdress", -2.8, 2.8, 0.4, 4.4, -2.4, 0.4)
    head = c.model(m)

    m = Model("UpperArm", "Jackal warrior's upper arm with a gold band.")
    m.material("Skin", black).material("Band", gold, (0.8, 0.7, 0.3))
    m.box("Skin", -1.5, 1.5, -5.5, 0.6, -1.5, 1.5)
    m.box("Band", -1.7, 1.7, -2.0, -1.1, -1.7, 1.7)
    upper_arm = c.model(m)

    m = Model("Forearm", "Jackal warrior's forearm, gold bracer and hand.")
    m.material("Skin", black).material("Bracer", gold, (0.8, 0.7, 0.3))
    m.box("Skin", -1.3, 1.3, -4.6, 0.2, -1.3, 1.3)
    m.box("Bracer", -1.55, 1.55, -3.5, -0.8, -1.55, 1.55)
    m.box("Skin", -1.4, 1.4, -6.0, -4.4, -1.4, 1.4)
    forearm = c.model(m)

    m = Model("Staff", "The staff, held at its joint: a shaft with a crossbar and a blue gem on top.")
    m.material("Wood", wood).material("Gold", gold, (0.8, 0.7, 0.3)).material("Gem", gem, (0.8, 0.8, 1.0))
    m.box("Wood", -0.45, 0.45, -9.0, 15.0, -0.45, 0.45)
    m.box("Gold", -2.5, 2.5, 13.0, 13.8, -0.6, 0.6)
    m.hull("Gem", [(0, 15.0, 0), (0, 18.5, 0)] + ring(1.6, 16.6, 4))
    staff = c.model(m)

    m = Model("Thigh", "Jackal warrior's thigh.")
    m.material("Skin", black)
    m.box("Skin", -1.8, 1.8, -6.5, 0.5, -1.8, 1.8)
    thigh = c.model(m)

    m = Model("Shin", "Jackal warrior's shin and gold sandal, sole 7.5 below the knee.")
    m.material("Skin", black).material("Sandal", gold, (0.8, 0.7, 0.3))
    m.box("Skin", -1.5, 1.5, -6.0, 0.2, -1.5, 1.5)
    m.box("Sandal", -1.5, 1.5, -7.5, -6.0, -1.6, 3.6)
    shin = c.model(m)

    c.bone("Hips", kilt, (0, -12, 0))
    c.bone("Chest", torso, (0, 12.5, 0), "Hips")
    c.bone("Head", head, (0, 8.5, 0), "Chest")
    c.bone("UpperArmL", upper_arm, (7.4, 7.6, 0), "Chest")
    c.bone("ForearmL", forearm, (0, -5.5, 0), "UpperArmL")
    c.bone("UpperArmR", upper_arm, (-7.4, 7.6, 0), "Chest")
    c.bone("ForearmR", forearm, (0, -5.5, 0), "UpperArmR")
    c.bone("Staff", staff, (0, -5.2, 0), "ForearmR")
    c.bone("ThighL", thigh, (2.6, 11, 0), "Hips")
    c.bone("ShinL", shin, (0, -6.5, 0), "ThighL")
    c.bone("ThighR", thigh, (-2.6, 11, 0), "Hips")
    c.bone("ShinR", shin, (0, -6.5, 0), "ThighR")

    P = c.poses
    # The staff bone undoes the arm's pitch so that the staff stays upright.
    P["Stand0"] = Pose(UpperArmR=(-15, 0, -8), ForearmR=-55, Staff=70, UpperArmL=(0, 0, 8), ForearmL=-15,
                       Head=5, ThighL=(0, 0, 4), ThighR=(0, 0, -4))
    P["Stand1"] = P["Stand0"].but(Chest=3, Head=(0, 10, 0), UpperArmL=(3, 0, 10))
    P["Walk1"] = Pose(ThighL=-28, ShinL=12, ThighR=22, ShinR=40, UpperArmL=(25, 0, 8), ForearmL=-25,
                      UpperArmR=(-25, 0, -8), ForearmR=-55, Staff=80, Chest=(6, -6, 0), Head=(-4, 6, 0))
    P["Walk2"] = Pose(ThighL=5, ShinL=8, ThighR=-30, ShinR=60, UpperArmL=(5, 0, 8), ForearmL=-20,
                      UpperArmR=(-15, 0, -8), ForearmR=-55, Staff=70, Chest=6, Head=-4)
    # The legs mirror; the staff stays in the right hand.
    P["Walk3"] = P["Walk1"].mirrored().but(UpperArmL=(-25, 0, 8), ForearmL=-25, UpperArmR=(-5, 0, -8),
                                           ForearmR=-55, Staff=60)
    P["Walk4"] = P["Walk2"].mirrored().but(UpperArmL=(-5, 0, 8), ForearmL=-20, UpperArmR=(-15, 0, -8),
                                           ForearmR=-55, Staff=70)
    # The shot: the staff is levelled at the target (turned end over end so
    # that the gem leads) and thrust forward when the missile leaves.
    aim_legs = dict(ThighL=-20, ShinL=10, ThighR=15, ShinR=10)
    P["Aim"] = Pose(Chest=(8, -15, 0), Head=(-5, 15, 0), UpperArmR=(-85, 0, -5), ForearmR=-5, Staff=180,
                    UpperArmL=(-50, 0, 20), ForearmL=-40, **aim_legs)
    P["Thrust"] = P["Aim"].but(Chest=(14, -10, 0), UpperArmR=(-95, 0, -5), ForearmR=0, UpperArmL=(-70, 0, 25),
                               ForearmL=-30)
    P["Recoil"] = P["Aim"].but(Chest=(-5, -10, 0), UpperArmR=(-70, 0, -5), ForearmR=-20)
    P["Pain0"] = Pose(Chest=-20, Head=-20, UpperArmL=(-20, 0, 45), UpperArmR=(-20, 0, -30), ForearmR=-55,
                      Staff=75, ThighL=-10, ShinL=15)
    P["Death0"] = Pose(Hips=-10, Chest=-25, Head=-30, UpperArmL=(-110, 0, 40), UpperArmR=(-110, 0, -40), Staff=60)
    P["Death1"] = Pose(Hips=-55, Chest=-10, ThighL=-40, ShinL=70, ThighR=-25, ShinR=45,
                       UpperArmL=(-140, 0, 60), UpperArmR=(-140, 0, -60), Staff=40)
    P["Dead"] = Pose(Hips=-88, Head=(10, 25, 0), UpperArmL=(-10, 0, 80), UpperArmR=(-30, 0, -75), ForearmR=-30,
                     Staff=40, ThighL=(-10, 0, 12), ShinL=15, ThighR=(0, 0, -10), ShinR=5)

    S = StanceSet
    c.sets = [
        S("Stand", [("Stand0", 15), ("Stand1", 15)], REFLEXIVE_RECURSIVE, priority=1),
        # 20 + 30 updates to the thrust: the missile leaves 50 updates after the attack starts.
        S("Attack1", [("Stand0", 20), ("Aim", 30), ("Thrust", 10), ("Recoil", 1)], NONE, "Attack2", 3),
        S("Attack2", [("Recoil", 20), ("Stand0", 1)], NONE, "Stand", 3),
        S("Death", [("Death0", 12), ("Death1", 14), ("Dead", 1)], NONE, "Dead", 7),
        S("Dead", [("Dead", 30), ("Dead", 1)], RECURSIVE, priority=7),
        S("Pain", [("Pain0", 14), ("Stand0", 1)], NONE, "Stand", 5),
        S("Walk", [("Walk1", 7), ("Walk2", 7), ("Walk3", 7), ("Walk4", 7), ("Walk1", 1)], RECURSIVE, priority=1),
        S("StandToWalk", [("Stand0", 8), ("Walk1", 1)], NONE, "Walk", 1),
        S("WalkToStand", [("Walk1", 8), ("Stand0", 1)], NONE, "Stand", 1),
    ]
    c.start = "Stand"
    return c


def wraithblade():
    c = Character("PrismaticEnemy", "Core")
    violet, lilac, blade, glow = (0.42, 0.18, 0.82), (0.72, 0.52, 1.0), (0.3, 0.9, 1.0), (1.0, 0.3, 0.8)

    m = Model("Core", "Wraithblade's crystal pelvis, 7.5 to 11 above the root joint.")
    m.material("Crystal", violet, (0.7, 0.6, 0.9))
    m.hull("Crystal", [(0, 7.5, 0), (0, 11.2, 0)] + ring(3.2, 9.3, 6, 0.5236))
    core = c.model(m)

    m = Model("Torso", "Wraithblade's body: a six-sided crystal with a glowing gem in front.")
    m.material("Crystal", violet, (0.7, 0.6, 0.9)).material("Gem", glow, (1.0, 0.8, 1.0))
    m.hull("Crystal", [(0, 0, 0), (0, 9.6, 0)] + ring(4.8, 5.0, 6, 0.5236) + ring(3.0, 8.5, 6, 0.5236))
    m.hull("Gem", [(0, 5.5, 5.6), (0, 5.5, 3.4), (1.2, 5.5, 4.3), (-1.2, 5.5, 4.3), (0, 6.7, 4.3), (0, 4.3, 4.3)])
    torso = c.model(m)

    m = Model("Head", "Wraithblade's head: a pointed crystal with a bright eye slit facing +z.")
    m.material("Crystal", lilac, (0.8, 0.7, 1.0)).material("Eye", blade, (1.0, 1.0, 1.0))
    m.hull("Crystal", [(0, 0, 0), (0, 4.4, -0.6)] + ring(2.2, 1.6, 4, 0.7854))
    m.box("Eye", -1.2, 1.2, 1.3, 1.8, 1.3, 1.9)
    head = c.model(m)

    m = Model("Arm", "Wraithblade's arm: a tapering crystal prism.")
    m.material("Crystal", lilac, (0.8, 0.7, 1.0))
    m.hull("Crystal", ring(1.1, 0.5, 4, 0.7854) + ring(0.8, -4.5, 4, 0.7854))
    arm = c.model(m)

    m = Model("Blade", "Wraithblade's blade: a flat cyan crystal 11 long, edge towards +z.")
    m.material("Blade", blade, (1.0, 1.0, 1.0))
    m.hull("Blade", [(x, y, z) for x in (-0.35, 0.35) for y, z in ((0.5, -0.9), (0.5, 1.0), (-3.0, 1.9), (-3.0, -0.6))]
           + [(0, -11.0, 0.6)])
    blade_model = c.model(m)

    m = Model("Thigh", "Wraithblade's thigh.")
    m.material("Crystal", violet, (0.7, 0.6, 0.9))
    m.hull("Crystal", ring(1.5, 0.3, 4, 0.7854) + ring(1.1, -6.0, 4, 0.7854))
    thigh = c.model(m)

    m = Model("Shin", "Wraithblade's leg: a crystal spike ending in a point 7 below the knee.")
    m.material("Crystal", lilac, (0.8, 0.7, 1.0))
    m.hull("Crystal", ring(1.3, 0.0, 4, 0.7854) + ring(1.5, -2.0, 4, 0.7854) + [(0, -7.0, 0.4)])
    shin = c.model(m)

    c.bone("Core", core, (0, -9.5, 0))
    c.bone("Torso", torso, (0, 9.5, 0), "Core")
    c.bone("Head", head, (0, 9.6, 0), "Torso")
    c.bone("ArmL", arm, (4.6, 7.2, 0), "Torso")
    c.bone("BladeL", blade_model, (0, -4.5, 0), "ArmL")
    c.bone("ArmR", arm, (-4.6, 7.2, 0), "Torso")
    c.bone("BladeR", blade_model, (0, -4.5, 0), "ArmR")
    c.bone("ThighL", thigh, (2.4, 8.5, 0), "Core")
    c.bone("ShinL", shin, (0, -6, 0), "ThighL")
    c.bone("ThighR", thigh, (-2.4, 8.5, 0), "Core")
    c.bone("ShinR", shin, (0, -6, 0), "ThighR")

    P = c.poses
    P["Stand0"] = Pose(Torso=10, Head=-8, ArmL=(-45, 0, 25), BladeL=-40, ArmR=(-45, 0, -25), BladeR=-40,
                       ThighL=(-18, 0, 6), ShinL=22, ThighR=(12, 0, -6), ShinR=16)
    P["Stand1"] = Pose(Torso=14, Head=-10, ArmL=(-50, 0, 28), BladeL=-48, ArmR=(-50, 0, -28), BladeR=-48,
                       ThighL=(-22, 0, 6), ShinL=28, ThighR=(10, 0, -6), ShinR=20)
    # Dormant until it sees the player: curled up, blades folded across the body.
    P["Spawn0"] = Pose(Torso=45, Head=30, ArmL=(-70, 0, -35), BladeL=-70, ArmR=(-70, 0, 35), BladeR=-70,
                       ThighL=(-40, 0, 10), ShinL=70, ThighR=(-40, 0, -10), ShinR=70)
    P["Spawn1"] = P["Spawn0"].but(Torso=40, Head=25, ArmL=(-66, 0, -32), ArmR=(-66, 0, 32))
    P["Walk1"] = Pose(Torso=(18, -8, 0), ThighL=-35, ShinL=25, ThighR=25, ShinR=45, ArmL=(-35, 0, 25), BladeL=-40,
                      ArmR=(-55, 0, -25), BladeR=-40)
    P["Walk2"] = Pose(Torso=18, ThighL=0, ShinL=10, ThighR=-40, ShinR=70, ArmL=(-45, 0, 25), BladeL=-40,
                      ArmR=(-45, 0, -25), BladeR=-40)
    P["Walk3"] = P["Walk1"].mirrored()
    P["Walk4"] = P["Walk2"].mirrored()
    # The 50-update wind-up: it sinks down and draws both blades back ...
    P["WindUp1"] = Pose(Torso=28, Head=-22, ArmL=(40, 0, 40), BladeL=20, ArmR=(40, 0, -40), BladeR=20,
                        ThighL=(-35, 0, 8), ShinL=60, ThighR=(-10, 0, -8), ShinR=50)
    P["WindUp2"] = Pose(Torso=35, Head=-28, ArmL=(60, 0, 45), BladeL=30, ArmR=(60, 0, -45), BladeR=30,
                        ThighL=(-45, 0, 8), ShinL=75, ThighR=(-20, 0, -8), ShinR=65)
    # ... then dives along the ground, blades ahead and legs trailing.
    P["Leap0"] = Pose(Core=40, Torso=25, Head=-45, ArmL=(-160, 0, 12), ArmR=(-160, 0, -12), ThighL=30, ShinL=40,
                      ThighR=45, ShinR=30)
    P["Leap1"] = P["Leap0"].but(Core=42, Torso=28, Head=-48, ArmL=(-165, 0, 16), ArmR=(-165, 0, -16),
                                ThighL=40, ShinL=30, ThighR=35, ShinR=40)
    P["Recover"] = Pose(Core=10, Torso=30, Head=-20, ArmL=(-20, 0, 45), BladeL=-20, ArmR=(-20, 0, -45), BladeR=-20,
                        ThighL=-35, ShinL=60, ThighR=-25, ShinR=50)
    P["Pain0"] = Pose(Torso=-20, Head=-25, ArmL=(-10, 0, 60), BladeL=-10, ArmR=(-10, 0, -60), BladeR=-10,
                      ThighL=-15, ShinL=25, ThighR=5, ShinR=15)
    P["Death0"] = Pose(Core=-10, Torso=-25, Head=-35, ArmL=(-120, 0, 50), ArmR=(-120, 0, -50), BladeL=-20,
                       BladeR=-20)
    P["Death1"] = Pose(Core=-50, Torso=-5, ThighL=-45, ShinL=80, ThighR=-30, ShinR=60, ArmL=(-150, 0, 70),
                       ArmR=(-150, 0, -70))
    P["Dead"] = Pose(Core=-85, Head=(15, 30, 0), ArmL=(-10, 0, 85), BladeL=-30, ArmR=(-30, 0, -80), BladeR=-60,
                     ThighL=(-10, 0, 15), ShinL=20, ThighR=(0, 0, -12), ShinR=10)

    S = StanceSet
    c.sets = [
        S("Stand", [("Stand0", 14), ("Stand1", 14)], REFLEXIVE_RECURSIVE, priority=1),
        S("Spawn", [("Spawn0", 20), ("Spawn1", 20)], REFLEXIVE_RECURSIVE, priority=1),
        S("SpawnToStand", [("Spawn0", 25), ("Stand0", 1)], NONE, "Stand", 1),
        S("Attack", [("Stand0", 15), ("WindUp1", 35), ("WindUp2", 1)], NONE, "FlightAttack", 3),
        S("FlightAttack", [("Leap0", 8), ("Leap1", 8), ("Leap0", 1)], RECURSIVE, priority=3),
        S("AttackReturn", [("Leap0", 10), ("Recover", 14), ("Stand0", 1)], NONE, "Stand", 3),
        S("Death", [("Death0", 12), ("Death1", 14), ("Dead", 1)], NONE, "Dead", 7),
        S("Dead", [("Dead", 30), ("Dead", 1)], RECURSIVE, priority=7),
        S("Pain", [("Pain0", 14), ("Stand0", 1)], NONE, "Stand", 5),
        S("Walk", [("Walk1", 4), ("Walk2", 4), ("Walk3", 4), ("Walk4", 4), ("Walk1", 1)], RECURSIVE, priority=1),
        S("StandToWalk", [("Stand0", 6), ("Walk1", 1)], NONE, "Walk", 1),
        S("WalkToStand", [("Walk1", 6), ("Stand0", 1)], NONE, "Stand", 1),
    ]
    c.start = "Spawn"
    return c


def colossus():
    c = Character("FinalBoss", "Hips")
    stone, dark, glow = (0.52, 0.5, 0.46), (0.32, 0.3, 0.29), (1.0, 0.55, 0.1)

    m = Model("Pelvis", "Colossus pelvis, 24 to 36 above the root joint.")
    m.material("Stone", stone)
    m.box("Stone", -14, 14, 24, 36, -9, 9)
    pelvis = c.model(m)

    m = Model("Torso", "Colossus torso: a stone trunk widening to the shoulders over a dark belt.")
    m.material("Stone", stone).material("Dark", dark)
    m.frustum("Stone", (0, 13, 9), (30, 21, 11.5))
    m.box("Dark", -14.5, 14.5, -1, 4, -9.6, 9.6)
    torso = c.model(m)

    m = Model("Core", "The colossus's glowing heart, set into the front of the chest.")
    m.material("Glow", glow, (1.0, 0.8, 0.4))
    m.hull("Glow", [(5, 0, 0), (-5, 0, 0), (0, 5, 0), (0, -5, 0), (0, 0, 5), (0, 0, -4)])
    core = c.model(m)

    m = Model("Head", "Colossus head: heavy brow, glowing eyes and a jutting jaw, facing +z.")
    m.material("Stone", stone).material("Dark", dark).material("Glow", glow, (1.0, 0.8, 0.4))
    m.box("Stone", -8, 8, 1, 13, -7, 6)
    m.box("Dark", -8.5, 8.5, 8, 10.5, 4, 7.5)
    m.box("Stone", -6, 6, 0, 4, -3, 6.5)
    m.box("Glow", -6, -2, 5.5, 7.5, 5.6, 6.6)
    m.box("Glow", 2, 6, 5.5, 7.5, 5.6, 6.6)
    head = c.model(m)

    m = Model("UpperArm", "Colossus upper arm under a dark shoulder boulder.")
    m.material("Stone", stone).material("Dark", dark)
    m.box("Stone", -5.5, 5.5, -19, 0, -5.5, 5.5)
    m.box("Dark", -7.5, 7.5, -6, 6, -7.5, 7.5)
    upper_arm = c.model(m)

    m = Model("Forearm", "Colossus forearm ending in a huge fist, 26 below the elbow.")
    m.material("Stone", stone).material("Dark", dark)
    m.box("Stone", -6, 6, -13, 1, -6, 6)
    m.box("Dark", -7.5, 7.5, -26, -12, -7, 8)
    forearm = c.model(m)

    m = Model("Thigh", "Colossus thigh.")
    m.material("Stone", stone)
    m.box("Stone", -7, 7, -17, 2, -7, 7)
    thigh = c.model(m)

    m = Model("Shin", "Colossus shin and foot, sole 22 below the knee.")
    m.material("Stone", stone).material("Dark", dark)
    m.box("Stone", -6.5, 6.5, -16, 1, -6.5, 6.5)
    m.box("Dark", -8, 8, -22, -15, -8, 12)
    shin = c.model(m)

    c.bone("Hips", pelvis, (0, -33, 0))
    c.bone("Torso", torso, (0, 35, 0), "Hips")
    c.bone("Head", head, (0, 30, 0), "Torso")
    c.bone("Core", core, (0, 17, 10.5), "Torso")
    c.bone("UpperArmL", upper_arm, (25.5, 26, 0), "Torso")
    c.bone("ForearmL", forearm, (0, -19, 0), "UpperArmL")
    c.bone("UpperArmR", upper_arm, (-25.5, 26, 0), "Torso")
    c.bone("ForearmR", forearm, (0, -19, 0), "UpperArmR")
    c.bone("ThighL", thigh, (8.5, 27, 0), "Hips")
    c.bone("ShinL", shin, (0, -17, 0), "ThighL")
    c.bone("ThighR", thigh, (-8.5, 27, 0), "Hips")
    c.bone("ShinR", shin, (0, -17, 0), "ThighR")

    P = c.poses
    P["Stand0"] = Pose(Torso=8, Head=-6, UpperArmL=(0, 0, 12), ForearmL=-20, UpperArmR=(0, 0, -12), ForearmR=-20,
                       ThighL=(-8, 0, 4), ShinL=12, ThighR=(-8, 0, -4), ShinR=12)
    P["Stand1"] = Pose(Torso=11, Head=-8, UpperArmL=(2, 0, 15), ForearmL=-24, UpperArmR=(2, 0, -15), ForearmR=-24,
                       ThighL=(-10, 0, 4), ShinL=15, ThighR=(-10, 0, -4), ShinR=15)
    P["Walk1"] = Pose(Torso=(10, -8, 0), ThighL=-25, ShinL=12, ThighR=18, ShinR=30, UpperArmL=(20, 0, 12),
                      ForearmL=-25, UpperArmR=(-25, 0, -12), ForearmR=-30)
    P["Walk2"] = Pose(Torso=10, ThighL=2, ShinL=8, ThighR=-28, ShinR=50, UpperArmL=(2, 0, 12), ForearmL=-22,
                      UpperArmR=(-5, 0, -12), ForearmR=-25)
    P["Walk3"] = P["Walk1"].mirrored()
    P["Walk4"] = P["Walk2"].mirrored()
    # Swing: twists to the right with the right fist out, then sweeps it
    # across the front; the sweep lands 40 updates after the start.
    swing_legs = dict(ThighL=(-15, 0, 8), ShinL=15, ThighR=(5, 0, -8), ShinR=10)
    P["SwingBack"] = Pose(Torso=(5, -40, 0), Head=(-5, 35, 0), UpperArmR=(10, 0, -85), ForearmR=-20,
                          UpperArmL=(-30, 0, 20), ForearmL=-40, **swing_legs)
    P["SwingThrough"] = Pose(Torso=(12, 45, 0), Head=(-8, -40, 0), UpperArmR=(-85, 0, 15), ForearmR=-10,
                             UpperArmL=(20, 0, 35), ForearmL=-30, **swing_legs)
    # Crush: both fists raised overhead, held, and brought down at 70 updates.
    P["CrushRaise"] = Pose(Torso=-12, Head=-15, UpperArmL=(-165, 0, -8), ForearmL=-25, UpperArmR=(-165, 0, 8),
                           ForearmR=-25, ThighL=(-10, 0, 6), ShinL=14, ThighR=(-10, 0, -6), ShinR=14)
    P["CrushHold"] = P["CrushRaise"].but(Torso=-16, Head=-20, UpperArmL=(-175, 0, -6), ForearmL=-35,
                                         UpperArmR=(-175, 0, 6), ForearmR=-35)
    P["CrushSlam"] = Pose(Torso=35, Head=-25, UpperArmL=(-70, 0, -10), ForearmL=-5, UpperArmR=(-70, 0, 10),
                          ForearmR=-5, ThighL=(-30, 0, 8), ShinL=45, ThighR=(-30, 0, -8), ShinR=45)
    P["StompLift"] = Pose(ThighR=(-70, 0, -6), ShinR=65, Torso=(2, 10, 0), UpperArmL=(-20, 0, 45),
                          UpperArmR=(-20, 0, -45), ForearmL=-20, ForearmR=-20)
    P["StompDown"] = Pose(ThighR=(-15, 0, -6), ShinR=10, Torso=20, UpperArmL=(10, 0, 25), UpperArmR=(10, 0, -25),
                          ForearmL=-40, ForearmR=-40)
    # The laser: leans back with its chest thrust out and roars; a small tremble loops.
    P["Laser0"] = Pose(Torso=-18, Head=-25, UpperArmL=(30, 0, 50), ForearmL=-30, UpperArmR=(30, 0, -50),
                       ForearmR=-30, ThighL=(-15, 0, 10), ShinL=20, ThighR=(5, 0, -10), ShinR=10)
    P["Laser1"] = P["Laser0"].but(Torso=(-20, 3, 0), Head=(-27, -3, 0), UpperArmL=(33, 0, 55),
                                  UpperArmR=(33, 0, -55))
    P["Pain0"] = Pose(Torso=-15, Head=-18, UpperArmL=(-20, 0, 40), UpperArmR=(-20, 0, -40), ForearmL=-50,
                      ForearmR=-50, ThighL=(-8, 0, 4), ShinL=12, ThighR=(-8, 0, -4), ShinR=12)
    P["Death0"] = Pose(Hips=-5, Torso=-20, Head=-25, UpperArmL=(-120, 0, 30), UpperArmR=(-120, 0, -30))
    P["Death1"] = Pose(Hips=-35, Torso=10, Head=10, ThighL=-50, ShinL=80, ThighR=-45, ShinR=75,
                       UpperArmL=(-60, 0, 40), UpperArmR=(-60, 0, -40))
    P["Dead"] = Pose(Hips=-88, Head=(10, 20, 0), UpperArmL=(-20, 0, 70), ForearmL=-20, UpperArmR=(-10, 0, -75),
                     ForearmR=-30, ThighL=(-10, 0, 10), ShinL=15, ThighR=(0, 0, -8), ShinR=5)

    S = StanceSet
    c.sets = [
        S("Stand", [("Stand0", 20), ("Stand1", 20)], REFLEXIVE_RECURSIVE, priority=1),
        S("Attack1", [("Stand0", 30), ("CrushRaise", 30), ("CrushHold", 10), ("CrushSlam", 20), ("Stand0", 1)],
          NONE, "Stand", 3),
        S("Attack2", [("Stand0", 15), ("SwingBack", 25), ("SwingThrough", 20), ("Stand0", 1)], NONE, "Stand", 3),
        S("Attack3", [("Stand0", 20), ("StompLift", 8), ("StompDown", 20), ("Stand0", 1)], NONE, "Stand", 3),
        S("StandToLaser", [("Stand0", 20), ("Laser0", 1)], NONE, "Laser", 3),
        S("Laser", [("Laser0", 6), ("Laser1", 6), ("Laser0", 1)], RECURSIVE, priority=3),
        S("LaserToStand", [("Laser0", 20), ("Stand0", 1)], NONE, "Stand", 3),
        S("Death", [("Death0", 25), ("Death1", 25), ("Dead", 1)], NONE, "Dead", 7),
        S("Dead", [("Dead", 30), ("Dead", 1)], RECURSIVE, priority=7),
        # Pain plays once: an attack asked for while it is current does nothing.
        S("Pain", [("Pain0", 12), ("Stand0", 1)], NONE, "Stand", 5),
        S("Walk", [("Walk1", 9), ("Walk2", 9), ("Walk3", 9), ("Walk4", 9), ("Walk1", 1)], RECURSIVE, priority=1),
        S("StandToWalk", [("Stand0", 12), ("Walk1", 1)], NONE, "Walk", 1),
        S("WalkToStand", [("Walk1", 12), ("Stand0", 1)], NONE, "Stand", 1),
    ]
    c.start = "Stand"
    return c


def all_characters():
    return [hero(), jackal(), wraithblade(), colossus()]
