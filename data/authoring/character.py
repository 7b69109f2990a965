"""Writes one animated character: the skeleton (.ktc) with its bone models,
the stances (.vxc), the stance sets (.vxm) and the choreography (.vxa).

Layout under Data/Character/<Name>/:
    <Name>.ktc                         the skeleton, naming Models\\<Model>.obj
    Models/<Model>.obj, .mtl           one model per bone shape
    Choreography/<Name>Choreography.vxa
    Choreography/<Set>.vxm             one stance set per animation name
    Choreography/Poses/<Pose>.vxc      the key poses the sets share

Paths inside the files use backslashes: the engine splits directories only at
backslashes. The skeleton and choreography files end without a final line end,
since their readers would echo the empty last line.
"""

import os

from geometry import fmt, write_text
from posing import qdot, quaternion, stance_angles

NONE, REFLEXIVE, RECURSIVE, REFLEXIVE_RECURSIVE = "None", "Reflexive", "Recursive", "Reflexive_Recursive"


class StanceSet:
    def __init__(self, name, frames, movement=NONE, next_set=None, priority=1):
        """`frames` is a list of (pose name, updates to the next frame); the
        speed of the last frame is kept in the file but never used."""
        assert len(frames) >= 2, name
        self.name = name
        self.frames = frames
        self.movement = movement
        self.next_set = next_set
        self.priority = priority


class Character:
    def __init__(self, name, anchor):
        self.name = name
        self.anchor = anchor
        self.models = []      # Model objects
        self.bones = []       # (name, model name or "Null", translation, parent)
        self.poses = {}       # name -> posing.Pose
        self.sets = []        # StanceSet, in choreography order; set 0 is the fallback
        self.start = None

    def model(self, m):
        self.models.append(m)
        return m.name

    def bone(self, name, model, translation, parent=None):
        self.bones.append((name, model, translation, parent))

    def bone_names(self):
        return [b[0] for b in self.bones]

    def write(self, root):
        base = os.path.join(root, "Data", "Character", self.name)
        for m in self.models:
            m.write(os.path.join(base, "Models"))

        ktc = []
        for m in self.models:
            ktc += ["Model: " + m.name, "\tFile_Path: Models\\" + m.name + ".obj"]
        for name, model, t, _ in self.bones:
            ktc += ["Bone: " + name, "\tModel_Name: " + model,
                    "\tTranslation: " + " ".join(fmt(c) for c in t)]
        for name, _, _, parent in self.bones:
            if parent is not None:
                ktc += ["Relation:", "\tParent: " + parent, "\tChild: " + name]
        ktc.append("Anchor_Bone: " + self.anchor)
        write_text(os.path.join(base, self.name + ".ktc"), ktc, final_newline=False)

        chore = os.path.join(base, "Choreography")
        used = sorted({pose for s in self.sets for pose, _ in s.frames})
        names = set(self.bone_names())
        for pose_name in used:
            unknown = set(self.poses[pose_name].bones) - names
            assert not unknown, (self.name, pose_name, unknown)
        angles = self.signed_angles(used)
        for pose_name in used:
            lines = []
            for bone in self.bone_names():
                text = ", ".join(fmt(a) for a in angles[pose_name, bone])
                lines += ["Bone: " + bone, "\tOrientation: (" + text + ")"]
            write_text(os.path.join(chore, "Poses", pose_name + ".vxc"), lines)

        set_names = [s.name for s in self.sets]
        vxa = []
        for s in self.sets:
            lines = []
            for pose, speed in s.frames:
                assert speed > 0, (s.name, pose)
                lines += ["Stance:", "\tStance_File_Path: Poses\\" + pose + ".vxc", "\tMovement_Speed: " + fmt(speed)]
            lines.append("Movement_Type: " + s.movement)
            write_text(os.path.join(chore, s.name + ".vxm"), lines)
            vxa += ["Stance_Set: " + s.name, "\tFile_Path: " + s.name + ".vxm"]
            if s.next_set is not None:
                assert s.next_set in set_names, (s.name, s.next_set)
                vxa.append("\tNext_Stance: " + s.next_set)
            else:
                assert s.movement in (RECURSIVE, REFLEXIVE_RECURSIVE), s.name
            vxa.append("\tStance_Priority: %d" % s.priority)
        assert self.start in set_names
        vxa.append("Starting_Stance_Set: " + self.start)
        write_text(os.path.join(chore, self.name + "Choreography.vxa"), vxa, final_newline=False)

    def signed_angles(self, used):
        """The file angles of every pose and bone. The engine blends two
        quaternions without turning one round, so a blend whose quaternions
        point apart (negative dot product) would swing the long way, more
        than half a turn. Adding 360 degrees to the first angle gives the same
        rotation with the opposite quaternion; each bone's poses get the signs
        that make every blend between consecutive frames of a set the short
        one."""
        pairs = {(a, b) for s in self.sets for (a, _), (b, _) in zip(s.frames, s.frames[1:]) if a != b}
        result = {}
        for bone in self.bone_names():
            base = {p: stance_angles(*self.poses[p].rotation_of(bone)) for p in used}
            quats = {p: quaternion(base[p]) for p in used}
            links = {p: [] for p in used}
            for a, b in pairs:
                d = qdot(quats[a], quats[b])
                if abs(d) > 1e-6:
                    links[a].append((b, d > 0))
                    links[b].append((a, d > 0))
            sign = {}
            for start in used:
                if start in sign:
                    continue
                sign[start] = True
                component = [start]
                todo = [start]
                while todo:
                    p = todo.pop()
                    for q, same in links[p]:
                        want = sign[p] if same else not sign[p]
                        if q not in sign:
                            sign[q] = want
                            component.append(q)
                            todo.append(q)
                        else:
                            assert sign[q] == want, (self.name, bone, p, q, "blends that cannot all be short")
                # Keep most poses as they are: flip the smaller part.
                if 2 * sum(1 for p in component if not sign[p]) > len(component):
                    for p in component:
                        sign[p] = not sign[p]
            for p in used:
                a0, a1, a2 = base[p]
                result[p, bone] = (a0, a1, a2) if sign[p] else (a0 + 360.0, a1, a2)
        return result
