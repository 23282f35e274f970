#pragma once

#include <QObject>
#include <functional>

// Each test class registers itself; the folder's executable runs them all
// (or those named with -classe Nome).
bool RegistraTeste(const char* nome, std::function<QObject*()> fabrica);
// Runs the registered classes (or the one named with -classe); 0 when all pass.
int ExecutaTestes();

#define REGISTRA_TESTE(Classe)                                                                     \
    namespace {                                                                                    \
    const bool registro##Classe = RegistraTeste(#Classe, [] { return new Classe; });               \
    }
