#include "Medidas.h"
#include "RegistroMaximo.h"
#include "data/DMGeral.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// Whole runs of the headless roster command on the maximum register, from the
// process start to its exit, beside the floor that every run pays anyway.
namespace {

void Executa(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programa, argumentos);
    const bool terminou = p.waitForFinished(-1);
    const QByteArray saida = p.readAll();
    if (!terminou || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("%s %s: saída %d\n%s", qPrintable(programa), qPrintable(argumentos.join(' ')),
               p.exitCode(), saida.constData());
}

// The duties listed in --vermelha-nao: from primeiro to 30.
QString ServicosNao(int primeiro) {
    QStringList lista;
    for (int k = primeiro; k <= 30; ++k)
        lista << QString::number(k);
    return lista.join(',');
}

void Comando(RegistroMaximo& r, const QStringList& argumentos) {
    Executa(QStringLiteral(TARVOLIM_ESCALA),
            QStringList{QStringLiteral("--pasta-dados"), r.pasta, QStringLiteral("--hoje"),
                        r.Hoje().ParaQDate().toString(QStringLiteral("dd/MM/yyyy"))} +
                argumentos);
}

// verificar or escalar up to dias days after the last roster date. Red days
// are reserved for every duty in a week and for the first eight in a month
// (the blocking entries would not hold every duty's).
void Escala(RegistroMaximo& r, const QString& comando, int dias) {
    QStringList argumentos{comando, QStringLiteral("--ate"), (r.Hoje() - 1 + dias).Texto()};
    if (dias > 7)
        argumentos << QStringLiteral("--vermelha-nao") << ServicosNao(9);
    Comando(r, argumentos);
}

void Restaura(RegistroMaximo& r) {
    r.Restaura();
}

} // namespace

// The floor reads every table through the store and rewrites the rotations and
// Basico whole (DELETE, then INSERT of every row), on a connection of its own:
// the store writes only what changed, and the floor must stay what a full
// rewrite costs.
void ExecutaPiso(const QString& pasta) {
    DMGeral dm(pasta, pasta);
    QHash<QString, QList<QVariantList>> tabelas;
    for (const QString& tabela : DMGeral::NomesTabelas()) {
        auto cursor = dm.AbreTabela(Banco::Principal, tabela);
        const QStringList campos = DMGeral::Campos(tabela);
        QList<QVariantList>& linhas = tabelas[tabela];
        while (cursor.Proximo()) {
            QVariantList linha;
            for (const QString& campo : campos)
                linha << cursor.Valor(campo);
            linhas << linha;
        }
    }
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("piso"));
        db.setDatabaseName(dm.Arquivo(Banco::Principal));
        if (!db.open() || !db.transaction())
            qFatal("piso: %s", qPrintable(db.lastError().text()));
        QStringList regravadas{QStringLiteral("Basico")};
        for (int n = 1; n <= 30; ++n)
            regravadas << QStringLiteral("Sv%1").arg(n);
        constexpr int porInsercao = 16;
        for (const QString& tabela : regravadas) {
            const QStringList campos = DMGeral::Campos(tabela);
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("DELETE FROM %1").arg(tabela)))
                qFatal("piso: %s", qPrintable(q.lastError().text()));
            const QString marcadores =
                '(' + QStringList(campos.size(), QStringLiteral("?")).join(',') + ')';
            const QList<QVariantList>& linhas = tabelas[tabela];
            const auto prepara = [&](QSqlQuery& consulta, qsizetype quantas) {
                consulta.prepare(
                    QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                        .arg(tabela, campos.join(','), QStringList(quantas, marcadores).join(',')));
            };
            QSqlQuery cheia(db);
            prepara(cheia, porInsercao);
            for (qsizetype inicio = 0; inicio < linhas.size(); inicio += porInsercao) {
                const qsizetype fim = qMin(inicio + porInsercao, linhas.size());
                QSqlQuery parcial(db);
                if (fim - inicio < porInsercao)
                    prepara(parcial, fim - inicio);
                QSqlQuery& insere = fim - inicio < porInsercao ? parcial : cheia;
                int posicao = 0;
                for (qsizetype i = inicio; i < fim; ++i)
                    for (const QVariant& v : linhas[i])
                        insere.bindValue(posicao++, v);
                if (!insere.exec())
                    qFatal("piso: %s", qPrintable(insere.lastError().text()));
            }
        }
        if (!db.commit())
            qFatal("piso: %s", qPrintable(db.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("piso"));
}

REGISTRA_MEDIDA(
    Piso, QStringLiteral("Piso: abrir, ler as tabelas, regravar escalas e Basico"), 0, Restaura,
    [](RegistroMaximo& r) {
        Executa(QCoreApplication::applicationFilePath(), {QStringLiteral("--piso"), r.pasta});
    },
    0, true)

REGISTRA_MEDIDA(
    VerificarProcesso7, QStringLiteral("tarvolim-escala verificar 7 dias"), 0, Restaura,
    [](RegistroMaximo& r) { Escala(r, QStringLiteral("verificar"), 7); }, 3)

REGISTRA_MEDIDA(
    VerificarProcesso31, QStringLiteral("tarvolim-escala verificar 31 dias"), 0, Restaura,
    [](RegistroMaximo& r) { Escala(r, QStringLiteral("verificar"), 31); }, 3)

REGISTRA_MEDIDA(
    EscalarProcesso7, QStringLiteral("tarvolim-escala escalar 7 dias"), 0, Restaura,
    [](RegistroMaximo& r) { Escala(r, QStringLiteral("escalar"), 7); }, 3)

REGISTRA_MEDIDA(
    DesfazerProcesso7, QStringLiteral("tarvolim-escala desfazer 7 dias"), 0,
    [](RegistroMaximo& r) {
        r.Restaura();
        Escala(r, QStringLiteral("escalar"), 7);
    },
    [](RegistroMaximo& r) {
        Comando(r, {QStringLiteral("desfazer"), QStringLiteral("--a-partir-de"), r.Hoje().Texto(),
                    QStringLiteral("--sim")});
    },
    3)
