#include "RegistroMaximo.h"

#include "data/Instalacao.h"

#include <QRandomGenerator>
#include <tuple>

RegistroMaximo::RegistroMaximo(const QString& destino)
    : pasta(destino.isEmpty() ? temporaria.path() : destino),
      relogio(Data::DeQDate(QDate(2025, 1, 6))) {
    const Data hoje = relogio.Hoje();
    Instalacao::InstalaPastaDados(pasta, hoje);
    sis = std::make_unique<Sistema>(pasta, Instalacao::PastaBackupPadrao(pasta), relogio, dialogos,
                                    impressora);
    QRandomGenerator aleatorio(2025);
    const QStringList tipos{"PV", "PV", "Pt", "Vm"};
    for (int k = 1; k <= 30; ++k)
        sv << QVariantList{k,
                           QStringLiteral("Serv%1").arg(k),
                           QDate(2000, 1, 1),
                           QDate(2050, 1, 1),
                           1 + k % 3,
                           31,
                           1 + k % 3,
                           tipos[k % 4]};
    // Absences: in effect today, ended a few days ago but still marked, starting
    // inside the next weeks ("R"), and planned ones ahead ("P").
    const auto afastamento = [&](int i) -> std::tuple<QString, QVariant, QVariant> {
        const auto dia = [&](int d) { return QVariant(hoje.ParaQDate().addDays(d)); };
        if (i % 25 == 0)
            return {QStringLiteral("R"), dia(-1 - i % 7), dia(1 + i % 23)};
        if (i % 61 == 0)
            return i % 2 == 0 ? std::tuple{QStringLiteral("R"), dia(-20), dia(-1 - i % 3)}
                              : std::tuple{QStringLiteral("R"), dia(1 + i % 5), dia(15)};
        if (i % 43 == 0)
            return {QStringLiteral("P"), dia(2 + i % 9), dia(12 + i % 9)};
        return {QStringLiteral(""), QVariant(), QVariant()};
    };
    for (int i = 1; i <= 1000; ++i) {
        const auto [pr, ini, fim] = afastamento(i);
        basico << QVariantList{QString::number(i),
                               QStringLiteral("Sd"),
                               QStringLiteral("MILITAR %1").arg(i),
                               pr,
                               ini,
                               fim,
                               (hoje - 40 - i % 30).Texto() + ' ' + (hoje - 20 - i % 17).Texto() +
                                   ' ',
                               i};
    }
    rodizios.resize(31);
    for (int k = 1; k <= 30; ++k) {
        // 500 of the 1000 persons, a different half for neighbouring duties.
        for (int j = 0; j < 500; ++j) {
            const int pessoa = 1 + (j * 2 + k % 2 + (k / 2) * 7) % 1000;
            rodizios[k] << QVariantList{
                QString::number(pessoa), 3 + static_cast<int>(aleatorio.bounded(4)),
                3 + static_cast<int>(aleatorio.bounded(4)),
                (hoje - 1 - static_cast<int>(aleatorio.bounded(60))).Texto(),
                (hoje - 1 - static_cast<int>(aleatorio.bounded(60))).Texto()};
        }
    }
    // 9000 history rows, the 300 days before, 30 duties a day: room is left for
    // a month's roster only.
    for (int i = 0; i < LinhasHistorico; ++i) {
        const int k = 1 + i % 30;
        hist << QVariantList{(hoje - 1 - i / 30).ParaQDate(), k, QStringLiteral("Serv%1").arg(k),
                             QString::number(1 + i % 1000) + ' ', QStringLiteral("Pt")};
    }
    Grava();
    QStringList vermelhos;
    for (int d = -60; d <= 400; ++d) {
        const Data dia = hoje + d;
        if (dia.DiaDaSemana() == 1 || dia.DiaDaSemana() == 7)
            vermelhos << dia.Texto();
    }
    sis->pasta.GravaLinhas(QStringLiteral("SemExped.Txt"), vermelhos.mid(0, 366));
    sis->pasta.GravaDataIniFim(hoje - 1, hoje + 400);
}

void RegistroMaximo::Grava() {
    DMGeral::Transacao t(sis->dm, Banco::Principal);
    sis->dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Sv"), sv);
    sis->dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Basico"), basico);
    sis->dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Hist"), hist);
    for (int k = 1; k <= 30; ++k)
        sis->dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Sv%1").arg(k), rodizios[k]);
    t.Confirma();
    sis->pasta.GravaUltimaEscala(relogio.Hoje() - 1);
}

void RegistroMaximo::Restaura() {
    // A run of the command changed the file behind this process's store.
    sis->dm.Esquece();
    Grava();
}
