#pragma once

#include "base/Data.h"

#include <array>
#include <vector>

// A holiday on the same day and month every year.
struct FeriadoFixo {
    int dia;
    int mes;
};

// The fixed national holidays; the law changes them here and nowhere else.
inline constexpr std::array<FeriadoFixo, 9> FeriadosFixos{{
    {1, 1},   // Confraternização Universal
    {21, 4},  // Tiradentes
    {1, 5},   // Dia do Trabalho
    {7, 9},   // Independência
    {12, 10}, // Nossa Senhora Aparecida
    {2, 11},  // Finados
    {15, 11}, // Proclamação da República
    {20, 11}, // Consciência Negra
    {25, 12}, // Natal
}};

// Easter Sunday of a Gregorian year.
Data Pascoa(int ano);

// The national holidays of the year in date order: the fixed ones and Good
// Friday; with facultativos also Carnival Monday and Tuesday and Corpus Christi.
std::vector<Data> FeriadosDoAno(int ano, bool facultativos);

// Carnival Monday and Tuesday and Corpus Christi of the year.
std::vector<Data> FacultativosDoAno(int ano);

// The holidays of FeriadosDoAno from inicio to fim (both included), in order.
std::vector<Data> FeriadosNoPeriodo(Data inicio, Data fim, bool facultativos);
