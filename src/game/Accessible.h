// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader hears of the game's own controls: each die its face
// and hold, the cup its rolls left, each card row its category, its cells
// and what it would score now. The toolkit's own widgets, the status bar's
// labels among them, speak for themselves.

class QAccessibleInterface;
class QObject;
class QString;

namespace accessible {

// Registers the game's interfaces with the toolkit; once is enough.
void install();
// The interface for one of the game's controls, or null for any other object.
QAccessibleInterface *factory(const QString &className, QObject *object);

} // namespace accessible
