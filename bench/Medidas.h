#pragma once

#include <QString>
#include <functional>

class RegistroMaximo;

// A measured operation: preparar (not timed) runs before each timed run of
// medir, both on the same maximum register.
struct Medida {
    QString nome;
    double metaMs; // the aim; 0 when there is none
    std::function<void(RegistroMaximo&)> preparar;
    std::function<void(RegistroMaximo&)> medir;
    // The aim as a multiple of the floor's median (0 when there is none); the
    // floor is the measure marked piso, taken first.
    double metaPiso = 0;
    bool piso = false;
};

bool RegistraMedida(Medida medida);

#define REGISTRA_MEDIDA(id, ...)                                                                   \
    namespace {                                                                                    \
    const bool medida##id = RegistraMedida(Medida{__VA_ARGS__});                                   \
    }

// The floor of a whole run, as a process of its own (tarvolim-bench --piso
// DIR): the database of DIR opened, every table read, the rotations and Basico
// rewritten in one transaction.
void ExecutaPiso(const QString& pasta);
