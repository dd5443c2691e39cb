#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <span>

class RcMapTable;

// The custom remotes a viewer taught the appliance: slots 0, 1 and 2, each
// seven buttons learned in a fixed order. A slot lives in two places that are
// kept in step: its key table (the file the capture maps codes with) and the
// user settings (from which the Preferences page tells a learned slot).
namespace LearnedRemotes {

struct Step_s {
    const char* label; // translatable in the context "CustomRemoteDialog"
    std::uint32_t keyCode; // what the learned button types
};

// The buttons in the order they are learned.
inline constexpr std::array<Step_s, 7> Steps {{
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn up button"), 103}, // KEY_UP
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn down button"), 108}, // KEY_DOWN
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn left button"), 105}, // KEY_LEFT
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn right button"), 106}, // KEY_RIGHT
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn select button"), 28}, // KEY_ENTER
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn back button"), 1}, // KEY_ESC
    {QT_TRANSLATE_NOOP("CustomRemoteDialog", "Learn menu button"), 365}, // KEY_EPG
}};
inline constexpr int StepCount = int(Steps.size());
inline constexpr int SlotCount = 3;

// A slot number as the dialog takes it: anything but 1 and 2 is slot 0.
int normalSlot(int slot);
// The key table of a slot: g_rcMapTable1, 2 or 3.
RcMapTable& table(int slot);

// Stores a learned remote: the slot's settings group is removed, then each
// step's code is mapped to its key in the table (which writes its file each
// time) and kept under "RemoteKeySet%1/key%2"; the settings are flushed last.
void save(int slot, std::span<const std::uint64_t, StepCount> codes);
// Forgets a slot: its table is emptied and written back (the file stays,
// empty) and its settings group is removed.
void reset(int slot);
// Whether the user settings hold a learned remote for the slot.
bool isLearned(int slot);

} // namespace LearnedRemotes
