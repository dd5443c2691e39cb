#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The modes of the appliance's built-in IR receiver. Its driver lists them in
// a proc file, one "N:name" line each, and takes the mode to use as decimal
// text in another; the viewer's choice is also kept in the user settings,
// because the driver forgets it when the appliance restarts.
namespace IrReceiverMode {

struct Mode_s {
    int number = 0;
    QString name; // everything after the first ":", trimmed
};

// The "N:name" lines of a support listing, in order. Blank lines and lines
// without a ":" after a decimal number are not modes.
QList<Mode_s> parse(const QByteArray& listing);
// The receiver's modes; nothing when the support file does not open.
std::optional<QList<Mode_s>> modes();
// The name of the mode the receiver is in now: the first line of the current
// file as a number, looked up in the support file. Nothing when either file
// is missing or the number is not an offered mode.
std::optional<QString> currentName();
// Switches the receiver to a mode (when its current file exists and opens
// for writing) and keeps the choice as "Preference/InternalIR".
void choose(int number);
// Puts the kept choice back into the receiver, when there is one (not 0) and
// the current file exists and opens for writing.
void restoreStored();

} // namespace IrReceiverMode
