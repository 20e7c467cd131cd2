#pragma once
// The program's pictures, drawn in code, and the three image lists built from them.
#include <QObject>

class ListeImages;

namespace Pictogrammes {
// 16 x 16: play, tick, warning, power, calendar, plus, minus, question, cylinder, tools,
// gears, envelope with an arrow, at sign, plus, minus.
ListeImages* CreerImageList1(QObject* parent);
// 24 x 24: calendar, plus, minus, grey star, gold star.
ListeImages* CreerImageList24x24(QObject* parent);
// 16 x 16: a person, a person with a pencil.
ListeImages* CreerImageListTreeview(QObject* parent);
} // namespace Pictogrammes
