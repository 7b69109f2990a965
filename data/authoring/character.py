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
from posing import stance_angles

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
            pose = self.poses[pose_name]
            unknown = set(pose.bones) - names
            assert not unknown, (self.name, pose_name, unknown)
            lines = []
            for bone in self.bone_names():
                angles = stance_angles(*pose.rotation_of(bone))
                lines += ["Bone: " + bone, "\tOrientation: (" + ", ".join(fmt(a) for a in angles) + ")"]
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
