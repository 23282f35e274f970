#pragma once

class QString;
struct Sistema;

// Reads ArqCores.Txt: line i is the palette number (1..13) of colour slot i.
void CarregaCores(Sistema& s);
// Rewrites ArqCores.Txt with the palette numbers of the 13 slots, slot 1 first.
void GravaCores(const Sistema& s);

// Exchanges the palette numbers of slots a and b, typed as whole numbers from
// 1 to 13. Refused (Recusa, slots unchanged) for a text that is not such a
// number and for two slots of the same panel: 1..6 are the basic colours,
// 7..13 the substitutes.
void TrocaCores(Sistema& s, const QString& a, const QString& b);
// Slot i shows palette colour i again.
void CoresOriginais(Sistema& s);
