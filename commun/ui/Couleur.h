#pragma once
// The colours of the status line.
enum class Couleur { Noir, Rouge, Vert, Orange };
