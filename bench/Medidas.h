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
};

bool RegistraMedida(Medida medida);

#define REGISTRA_MEDIDA(id, ...)                                                                   \
    namespace {                                                                                    \
    const bool medida##id = RegistraMedida(Medida{__VA_ARGS__});                                   \
    }
