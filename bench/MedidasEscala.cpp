#include "Medidas.h"
#include "RegistroMaximo.h"
#include "engine/Escalacao.h"
#include "engine/FluxoEscala.h"
#include "engine/JanelasSemTela.h"
#include "engine/PrevisaoVermelha.h"

// The verification of the automatic tab on the maximum register: red phase,
// daily quantities (their default numbers) and the complete forecast.
namespace {

// Red days are reserved for the first duties only ("Sim"), the others are at
// "Não": the 1000 blocking entries cannot hold a reservation for every duty
// and red day of a long period.
void Verifica(RegistroMaximo& r, int dias, int dutiesSim) {
    Sistema& s = *r.sis;
    s.UltimaEscala = s.pasta.LeUltimaEscala();
    ReiniciaEscala(s);
    AbreEscolhaVmEsp(s);
    for (int k = dutiesSim + 1; k <= 30; ++k)
        MarcaEscolhaVm(s.SGEscVmEsp, 2, k);
    s.EscolhaVmEditada = true;
    FechaEscolhaVmEsp(s);
    s.Aba.Edit1 = (s.UltimaEscala + dias).Texto();
    JanelasSemTela janelas(s);
    if (Verificar(s, janelas) != ResultadoVerificacao::Prevista || s.ListBox2.isEmpty())
        qFatal("a verificação não chegou à previsão");
}

// A year of every duty would need more history entries than the 10000 the
// history holds: the history starts empty and four duties end after 100 days.
void PreparaAno(RegistroMaximo& r) {
    r.Restaura();
    Sistema& s = *r.sis;
    s.dm.EsvaziaTabela(QStringLiteral("Hist"));
    CarregaVetSv(s, Banco::Principal);
    for (int k = 27; k <= 30; ++k)
        s.VetSv[k].Fim = r.Hoje() + 100;
    GravaVetSv(s, Banco::Principal);
    s.AfastadosAjustados = true;
}

void Prepara31(RegistroMaximo& r) {
    r.Restaura();
    r.sis->dm.EsvaziaTabela(QStringLiteral("Hist"));
    r.sis->AfastadosAjustados = true;
}

} // namespace

REGISTRA_MEDIDA(Previsao31, QStringLiteral("Verificação de 31 dias (vermelha + completa)"), 150,
                Prepara31, [](RegistroMaximo& r) { Verifica(r, 31, 8); })

REGISTRA_MEDIDA(Previsao366, QStringLiteral("Verificação de 366 dias (vermelha + completa)"), 1500,
                PreparaAno, [](RegistroMaximo& r) { Verifica(r, 366, 0); })

REGISTRA_MEDIDA(
    Escalar31, QStringLiteral("Escalar 31 dias"), 200,
    [](RegistroMaximo& r) {
        Prepara31(r);
        Verifica(r, 31, 8);
    },
    [](RegistroMaximo& r) { Escalar(*r.sis); })

REGISTRA_MEDIDA(
    Desfazer31, QStringLiteral("Desfazer 31 dias"), 200,
    [](RegistroMaximo& r) {
        Prepara31(r);
        Verifica(r, 31, 8);
        Escalar(*r.sis);
        r.sis->Operacao = QStringLiteral("Desfazer");
    },
    [](RegistroMaximo& r) { DesfazerAPartirDe(*r.sis, r.sis->UltimaEscala - 30); })
