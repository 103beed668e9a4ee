#pragma once

#include <QMetaType>

// Hunspell objects travel from the loader thread to the coordinator through a
// queued signal, so the pointer type must be known to the meta-type system.
// The type stays incomplete here: only src/spell/*.cpp include Hunspell.
class Hunspell;
Q_DECLARE_OPAQUE_POINTER(Hunspell *)
Q_DECLARE_METATYPE(Hunspell *)
