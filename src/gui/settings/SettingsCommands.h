#pragma once
// The Common menu's three commands: each first writes the models back into the image, then runs its
// dialog over the document; OK is one change of the document ("System settings", "Common settings",
// "VFO settings"), Cancel none. The System dialog changes what the grid shows and which commands are
// enabled: its caller refreshes both afterwards.

#include <memory>

class QWidget;

namespace zt46 {

class PromptBarSheet;
class Document;

// The "Common" sheet with "Display & Sound", "TX/RX" and "Key Set/Misc", and the "VFO" sheet with
// "VFO A" and "VFO B", ready to run; the first page takes the focus.
std::unique_ptr<PromptBarSheet> MakeCommonSheet(Document& document, QWidget* parent);
std::unique_ptr<PromptBarSheet> MakeVfoSheet(Document& document, QWidget* parent);

// Each returns whether the dialog closed with OK.
bool RunSystemParams(Document& document, bool privileged, QWidget* parent);
bool RunCommonSheet(Document& document, QWidget* parent);
bool RunVfoSheet(Document& document, QWidget* parent);

} // namespace zt46
