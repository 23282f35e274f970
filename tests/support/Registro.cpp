#include "support/Registro.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>
#include <memory>
#include <vector>

namespace {
struct Registrado {
    const char* nome;
    std::function<QObject*()> fabrica;
};
std::vector<Registrado>& Registrados() {
    static std::vector<Registrado> lista;
    return lista;
}
} // namespace

bool RegistraTeste(const char* nome, std::function<QObject*()> fabrica) {
    Registrados().push_back({nome, std::move(fabrica)});
    return true;
}

int ExecutaTestes() {
    QStandardPaths::setTestModeEnabled(true);
    QStringList argumentos = QCoreApplication::arguments();
    QString soClasse;
    const int i = argumentos.indexOf(QStringLiteral("-classe"));
    if (i > 0 && i + 1 < argumentos.size()) {
        soClasse = argumentos[i + 1];
        argumentos.remove(i, 2);
    }
    int falhas = 0;
    bool achou = soClasse.isEmpty();
    for (const Registrado& r : Registrados()) {
        if (!soClasse.isEmpty() && soClasse != QLatin1String(r.nome))
            continue;
        achou = true;
        std::unique_ptr<QObject> teste(r.fabrica());
        falhas += QTest::qExec(teste.get(), argumentos);
    }
    if (!achou) {
        qWarning("Classe de teste desconhecida: %s", qPrintable(soClasse));
        return 1;
    }
    return falhas == 0 ? 0 : 1;
}
