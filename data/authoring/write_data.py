"""Writes the hand-authored models and characters into data/Data.

    python3 data/authoring/write_data.py [root]

`root` defaults to the data folder above this script; the files go to
root/Data/... The output is committed; running the script again gives the
same files, which a data test checks. Levels and the level list are written
by hand, not by this script.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import characters  # noqa: E402
import models  # noqa: E402


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    models.write_all(root)
    for character in characters.all_characters():
        character.write(root)


if __name__ == "__main__":
    main()
