"""Writes the hand-authored models and characters into data/Data.

    python3 data/authoring/write_data.py

The output is committed; running the script again gives the same files.
Levels and the level list are written by hand, not by this script.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import characters  # noqa: E402
import models  # noqa: E402


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    models.write_all(root)
    for character in characters.all_characters():
        character.write(root)


if __name__ == "__main__":
    main()
