#ifndef ENGINE_RENDER_VXINDEXTABLE_H
#define ENGINE_RENDER_VXINDEXTABLE_H

// Maps a vertex buffer's attribute numbers (0-5) to the shader attribute
// locations that receive them; -1 means none.
struct VXIndexTable {
    int entries[6];

    VXIndexTable();

    void reset();
    // Numbers outside 0-5 are ignored by `set` and read as -1 by `get`.
    void set(int i, int value);
    int get(int i) const;
};

#endif
