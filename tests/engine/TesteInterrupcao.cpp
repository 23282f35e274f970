#include "base/Falha.h"
#include "engine/Escalacao.h"
#include "engine/Previsao.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const Data domingo = D(10, 3, 2024);

// As maintenance item 8 does it.
void Desfaz(AmbienteTeste& a, Data dia) {
    a.sis->Operacao = QStringLiteral("Desfazer");
    DesfazerAPartirDe(*a.sis, dia);
}

void Escala(AmbienteTeste& a, Data fim) {
    PreparaEscala(a, fim);
    PrevisaoPreta(*a.sis, fim);
    Escalar(*a.sis);
}

// What a start finds: the last roster date and the tables the commit writes.
QStringList Estado(AmbienteTeste& a) {
    QStringList e = a.sis->pasta.LeLinhas(QStringLiteral("Escala.Txt"));
    for (const char* tabela : {"Hist", "Basico", "Sv1"})
        for (const QStringList& linha : a.Linhas(QLatin1String(tabela)))
            e << QLatin1String(tabela) + QLatin1Char(':') + linha.join(QLatin1Char('|'));
    return e;
}

// Runs the operation in a child process that dies at the write step named
// (as a power cut would: no destructor runs), then starts the program again.
void InterrompeEm(AmbienteTeste& a, const QString& passo,
                  const std::function<void(AmbienteTeste&)>& operacao) {
    a.sis.reset(); // no connection crosses the fork
    const pid_t filho = fork();
    if (filho == 0) {
        a.Reabre();
        a.sis->dm.AoGravar = [&](const char* p) {
            if (passo == QLatin1String(p))
                _exit(0);
        };
        operacao(a);
        _exit(9); // the step never came
    }
    int estado = 0;
    waitpid(filho, &estado, 0);
    QVERIFY(WIFEXITED(estado));
    QCOMPARE(WEXITSTATUS(estado), 0);
    a.Reabre();
    a.sis->dm.Prepara(Banco::Principal);
}

void Passos() {
    QTest::addColumn<QString>("passo");
    QTest::addColumn<bool>("novo");
    QTest::newRow("arquivo preparado") << "arquivos preparados" << false;
    QTest::newRow("tabelas gravadas") << "tabelas gravadas" << true;
    QTest::newRow("arquivo no lugar") << "arquivos no lugar" << true;
    QTest::newRow("pendencias apagadas") << "pendencias apagadas" << true;
}

} // namespace

// A commit and an undo cut off at each of their write steps: the next start
// finds all of the old register or all of the new one, never a mixture.
class TesteInterrupcao : public QObject {
    Q_OBJECT
private slots:
    void escalar_interrompido_data() { Passos(); }
    void escalar_interrompido() {
        QFETCH(QString, passo);
        QFETCH(bool, novo);
        AmbienteTeste a;
        RegistroTresMilitares(a);
        const QStringList antes = Estado(a);
        AmbienteTeste b;
        RegistroTresMilitares(b);
        Escala(b, domingo + 4);
        const QStringList depois = Estado(b);
        QVERIFY(antes != depois);

        InterrompeEm(a, passo, [](AmbienteTeste& x) { Escala(x, domingo + 4); });
        QCOMPARE(Estado(a), novo ? depois : antes);
        QCOMPARE(a.Linhas("Pendencias").size(), 0);
        // Nothing of the interrupted write is left beside the file.
        QCOMPARE(QDir(a.Pasta()).entryList({"Escala.Txt*"}, QDir::Files | QDir::Hidden),
                 QStringList({"Escala.Txt"}));
    }

    void desfazer_interrompido_data() { Passos(); }
    void desfazer_interrompido() {
        QFETCH(QString, passo);
        QFETCH(bool, novo);
        AmbienteTeste a;
        RegistroTresMilitares(a);
        Escala(a, domingo + 4);
        const QStringList antes = Estado(a);
        AmbienteTeste b;
        RegistroTresMilitares(b);
        Escala(b, domingo + 4);
        Desfaz(b, domingo + 2);
        const QStringList depois = Estado(b);
        QVERIFY(antes != depois);

        InterrompeEm(a, passo, [](AmbienteTeste& x) { Desfaz(x, domingo + 2); });
        QCOMPARE(Estado(a), novo ? depois : antes);
    }

    // A commit refused by the store before the end leaves the file and the
    // tables as they were, and no half-written file behind.
    void escalar_desfeito_nao_toca_o_arquivo() {
        AmbienteTeste a;
        RegistroTresMilitares(a);
        const QStringList antes = Estado(a);
        a.sis->dm.AoGravar = [](const char* p) {
            if (QLatin1String(p) == QLatin1String("arquivos preparados"))
                throw Falha(QStringLiteral("falha simulada"));
        };
        QVERIFY_THROWS_EXCEPTION(Falha, Escala(a, domingo + 4));
        a.Reabre();
        QCOMPARE(Estado(a), antes);
        QCOMPARE(QDir(a.Pasta()).entryList({"Escala.Txt*"}, QDir::Files | QDir::Hidden),
                 QStringList({"Escala.Txt"}));
    }
};

REGISTRA_TESTE(TesteInterrupcao)
#include "TesteInterrupcao.moc"
