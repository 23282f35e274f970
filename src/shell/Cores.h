#pragma once

struct Sistema;

// Reads ArqCores.Txt: line i is the palette number (1..13) of colour slot i.
void CarregaCores(Sistema& s);
