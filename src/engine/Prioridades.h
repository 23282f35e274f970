#pragma once

struct Sistema;

// Rebuilds the board SGQuadroEscalas from VetBas and the rotation tables:
// column j (1..30) is duty slot j, its row 0 the duty's Descr when it is
// defined; row r from 1 is the r-th person of VetBas, Num in column 0 and "S"
// in column j when the person stands in duty j's table. Each rotation table is
// read once into its working grid GradeSvN.
void MontaQuadroEscalas(Sistema& s);

// Numbers the duties by pressure: for each defined duty, its competitors not
// away today divided by Quant (1000 when either is 0); the smallest ratio gets
// Prio 1. Duties whose Quant is 0 keep their slot number. Reloads VetBas and
// VetSv, rebuilds the board and writes VetSv to the main database.
void CalculaPrioridades(Sistema& s);
