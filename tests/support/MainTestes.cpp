#include "Registro.h"

#include <QApplication>
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

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QStringList argumentos = app.arguments();
    QString soClasse;
    const int i = argumentos.indexOf(QStringLiteral("-classe"));
    if (i > 0 && i + 1 < argumentos.size()) {
        soClasse = argumentos[i + 1];
        argumentos.remove(i, 2);
    }
    int falhas = 0;
    for (const Registrado& r : Registrados()) {
        if (!soClasse.isEmpty() && soClasse != QLatin1String(r.nome))
            continue;
        std::unique_ptr<QObject> teste(r.fabrica());
        falhas += QTest::qExec(teste.get(), argumentos);
    }
    return falhas == 0 ? 0 : 1;
}
