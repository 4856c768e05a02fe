#pragma once
// One colour for each kind of event, wherever events are marked: the seek
// bar, the waveform, the map and the events list.

#include "events/Event.h"

#include <QColor>
#include <QString>
#include <QStringList>

QColor EventColour(EventKind kind);
// The kind as the events list names it: "Impact", "Hard braking", ...
QString EventKindTitle(EventKind kind);
QStringList EventKindTitles();
