#pragma once
// The selected address of the list tree shown in the edit box, with the buttons that apply to
// it enabled: after a click in the tree, in the import preview, or a refused save.
class ListeChargee;
struct ControlesListes;

void MontrerSelection(ControlesListes& c, const ListeChargee& liste);
