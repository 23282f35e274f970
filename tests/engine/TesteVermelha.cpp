#include "base/Falha.h"
#include "engine/JanelasSemTela.h"
#include "engine/Previsao.h"
#include "engine/PrevisaoVermelha.h"
#include "reports/QuantidadesDiarias.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// The last roster date is Wednesday 13/03/24; the period runs Thursday to
// Saturday 16/03, which is red, as is Sunday 17/03.
const Data quinta = D(14, 3, 2024);
const Data sabado = D(16, 3, 2024);

// Duty 1 "Of Dia" (both kinds, rest 2, priority 1): person 1 is due on red
// days (Vm 0). Duty 2 "Sgt Dia" (black days only, rest 0, priority 2): person
// 1 tops its rotation too.
void Registro(AmbienteTeste& a) {
    a.sis->pasta.GravaUltimaEscala(quinta - 1);
    a.sis->pasta.GravaLinhas("SemExped.Txt", {sabado.Texto(), (sabado + 1).Texto()});
    a.Servico(1, "Of Dia", 1, 2, "PV", D(1, 1, 2000), D(1, 1, 2050), 1);
    a.Servico(2, "Sgt Dia", 1, 0, "Pt", D(1, 1, 2000), D(1, 1, 2050), 2);
    for (int i = 1; i <= 5; ++i)
        a.Militar(QString::number(i), QStringLiteral("M%1").arg(i), i);
    a.Membro(1, "1", 9, 0);
    a.Membro(1, "2", 5, 5);
    a.Membro(1, "3", 5, 5);
    a.Membro(2, "1", 0, 0);
    a.Membro(2, "4", 1, 0);
    a.Membro(2, "5", 1, 0);
}

// The red phase, then the complete forecast as the verification runs them.
void Verifica(AmbienteTeste& a, JanelasSemTela& janelas) {
    Sistema& s = *a.sis;
    PreparaEscala(a, sabado, true);
    PrevisaoVermelha(s, janelas);
    AtivaTabelaQuantidades(s); // the saved numbers come back for the black days
    QVERIFY(!FechaTabelaQuantidades(s));
    PrevisaoPreta(s, sabado);
}

} // namespace

// The red phase and its reservations.
class TesteVermelha : public QObject {
    Q_OBJECT
private slots:
    void reserva_garante_o_dia_vermelho() {
        AmbienteTeste a;
        Registro(a);
        JanelasSemTela janelas(*a.sis);
        Verifica(a, janelas);
        Sistema& s = *a.sis;
        QCOMPARE(Escalado(s, sabado, 1), QStringLiteral("1 "));
        QCOMPARE(Escalado(s, quinta, 2), QStringLiteral("5 "));
        QCOMPARE(Escalado(s, quinta + 1, 2), QStringLiteral("4 "));
        // Entries of the Saturday reservation: every duty on the two days
        // before, every other duty on the day.
        QCOMPARE(s.VetSgte[1].Num, QStringLiteral("1"));
        QCOMPARE(s.VetSgte[1].Sv[1], 1);
        QCOMPARE(s.VetSgte[1].Sv[30], 30);
        QCOMPARE(s.VetSgte[1].Datas[1], sabado - 1);
        QCOMPARE(s.VetSgte[1].Datas[2], sabado - 2);
        QVERIFY(s.VetSgte[1].Datas[3].Zero());
        QCOMPARE(s.VetSgte[2].Num, QStringLiteral("1"));
        QCOMPARE(s.VetSgte[2].Sv[1], 0);
        QCOMPARE(s.VetSgte[2].Sv[2], 2);
        QCOMPARE(s.VetSgte[2].Datas[1], sabado);
        QVERIFY(s.ListBox5.isEmpty());
    }

    void nao_sem_reservas() {
        AmbienteTeste a;
        Registro(a);
        Sistema& s = *a.sis;
        AbreEscolhaVm(s);
        MarcaEscolhaVm(s.SGEscVm, 2, 1); // both duties at "Não"
        MarcaEscolhaVm(s.SGEscVm, 2, 2);
        JanelasSemTela janelas(s);
        Verifica(a, janelas);
        QVERIFY(s.VetSgte[1].Num.isEmpty());
        // Person 1 serves duty 2 on Thursday and is not rested on Saturday.
        QCOMPARE(Escalado(s, quinta, 2), QStringLiteral("1 "));
        QVERIFY(Escalado(s, sabado, 1) != QStringLiteral("1 "));
    }

    // A red day in the look-ahead after the end day still reserves its person.
    void reserva_alem_do_fim() {
        AmbienteTeste a;
        Registro(a);
        Sistema& s = *a.sis;
        PreparaEscala(a, quinta + 1, true); // Thursday and Friday only
        JanelasSemTela janelas(s);
        PrevisaoVermelha(s, janelas);
        bool reservado = false;
        for (int i = 1; i <= MaxSgte && !s.VetSgte[i].Num.isEmpty(); ++i)
            reservado = reservado || (s.VetSgte[i].Num == "1" && s.VetSgte[i].Datas[1] == sabado);
        QVERIFY(reservado);
        QVERIFY(s.ListBox2.size() == 4); // two day headers, nothing per duty
    }

    // The red phase takes a forced red-day entry (and reserves its person);
    // marked used, the complete forecast of the same verification skips it.
    void forcado_consumido_pela_fase_vermelha() {
        AmbienteTeste a;
        Registro(a);
        Sistema& s = *a.sis;
        s.VetTemQueSer[1] = {"2", 1, sabado, "N"};
        PreparaEscala(a, sabado, true);
        JanelasSemTela janelas(s);
        PrevisaoVermelha(s, janelas);
        QCOMPARE(s.VetTemQueSer[1].Usado, QStringLiteral("S"));
        QCOMPARE(s.VetSgte[1].Num, QStringLiteral("2"));
        QCOMPARE(s.VetSgte[2].Datas[1], sabado);
    }

    // Reservations that would not fit stop the phase and leave only the
    // operator's own instructions in VetSgte.
    void reservas_sem_lugar() {
        AmbienteTeste a;
        Registro(a);
        Sistema& s = *a.sis;
        s.VetFora[1].Num = "4";
        for (int i = 1; i < MaxSgte; ++i)
            s.VetSgte[i].Num = "ocupado";
        PreparaEscala(a, sabado, true);
        JanelasSemTela janelas(s);
        try {
            PrevisaoVermelha(s, janelas);
            QFAIL("reservas aceitas");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("Escala Vm"));
        }
        QCOMPARE(s.VetSgte[1].Num, QStringLiteral("4"));
        QVERIFY(s.VetSgte[2].Num.isEmpty());
        QCOMPARE(s.VetSv[1].Descr, QStringLiteral("Of Dia")); // order undone
    }

    void escolha_reaberta_apos_erro() {
        AmbienteTeste a;
        Registro(a);
        Sistema& s = *a.sis;
        AbreEscolhaVm(s);
        s.SGEscVm.DefineCel(3, 2, "Erro");
        s.ErroNaPreta = true;
        PreparaEscala(a, sabado, true);
        JanelasSemTela janelas(s);
        janelas.aoEscolherVm = [](GradeTexto& g) { MarcaEscolhaVm(g, 2, 2); };
        PrevisaoVermelha(s, janelas);
        QCOMPARE(janelas.escolhasVm, 1);
        QVERIFY(!s.ErroNaPreta);
        QVERIFY(s.EscolhaVmRevista);
        QCOMPARE(s.SGEscVm.Cel(3, 2), QString()); // the click cleared "Erro"
        QCOMPARE(s.SGEscVm.Cel(2, 2), QStringLiteral("X"));
    }
};
REGISTRA_TESTE(TesteVermelha)
#include "TesteVermelha.moc"
