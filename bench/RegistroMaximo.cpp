#include "RegistroMaximo.h"

#include "data/Instalacao.h"

#include <QRandomGenerator>

RegistroMaximo::RegistroMaximo() : relogio(Data::DeQDate(QDate(2025, 1, 6))) {
    const Data hoje = relogio.Hoje();
    Instalacao::InstalaPastaDados(dir.path(), hoje);
    sis = std::make_unique<Sistema>(dir.path(), Instalacao::PastaBackupPadrao(dir.path()), relogio,
                                    dialogos, impressora);
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
    for (int i = 1; i <= 1000; ++i) {
        const bool ausente = i % 97 == 0;
        basico << QVariantList{QString::number(i),
                               QStringLiteral("Sd"),
                               QStringLiteral("MILITAR %1").arg(i),
                               ausente ? QStringLiteral("R") : QString(),
                               ausente ? QVariant(hoje.ParaQDate().addDays(-5)) : QVariant(),
                               ausente ? QVariant(hoje.ParaQDate().addDays(20)) : QVariant(),
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
    // 10000 history rows: the year before, about 27 duty-days a day.
    for (int i = 0; i < 10000; ++i) {
        const int k = 1 + i % 30;
        hist << QVariantList{(hoje - 1 - i / 30).ParaQDate(), k, QStringLiteral("Serv%1").arg(k),
                             QString::number(1 + i % 1000), QStringLiteral("Pt")};
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
    Grava();
}
