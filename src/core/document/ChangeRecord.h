#pragma once
// One user action on the document as it is kept for undo and redo: the whole image and trailer before
// and after it, a short label in the user's words and where the user was. The image is only 4 KB, so a
// record holds both whole values and an undo is a swap of values that can never drift from the edit.

#include <string>

#include "core/image/CloneImage.h"

namespace zt46 {

// Where a change was made: the grid's group, the channel and the column (-1: the column the grid has).
struct ChangePlace {
    int group = 0;
    int index = 0;
    int column = -1;
};

struct ChangeRecord {
    std::string label; // "Receive of MR 12", "System settings"
    CloneImage before{};
    CloneImage after{};
    ImageTrailer trailerBefore{};
    ImageTrailer trailerAfter{};
    ChangePlace where;
};

// Where the document's records go (the desktop's undo history), and the events that start a fresh
// history or move its saved mark.
class ChangeSink {
public:
    virtual ~ChangeSink() = default;
    virtual void Recorded(ChangeRecord record) = 0;
    // The image was replaced by a load (New, Open, an upload taken): the history starts again.
    virtual void HistoryReset() {}
    // The image reached its file: this is the saved state.
    virtual void Saved() {}
};

} // namespace zt46
