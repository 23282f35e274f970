#include "base/Falha.h"
#include "engine/Escalacao.h"
#include "engine/Previsao.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QTest>

namespace {

const Data domingo = D(10, 3, 2024);

// On RegistroTresMilitares a forecast to Thursday 14/03 computes six days: 3,
// 2, 1, 3 and, beyond the end day, 2 and 1.

void PreveEEscala(AmbienteTeste& a, Data fim) {
    PreparaEscala(a, fim);
    PrevisaoPreta(*a.sis, fim);
    Escalar(*a.sis);
}

} // namespace

// Commit of a forecast and undo of a committed roster.
class TesteEscalacao : public QObject {
    Q_OBJECT
private slots:
    // A 4-day roster whose forecast computed 6 days: only the 4 days stay,
    // with their counters and dates; the others are given back.
    void escalar_remove_os_dias_alem_do_fim() {
        AmbienteTeste a;
        RegistroTresMilitares(a);
        PreveEEscala(a, domingo + 4);
        QCOMPARE(a.Coluna("Hist", "Dia"),
                 QStringList({"2024-03-11", "2024-03-12", "2024-03-13", "2024-03-14"}));
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"3 ", "2 ", "1 ", "3 "}));
        QCOMPARE(Rodizio(a, 1), QStringList({"1 1 0 13/03/24 13/05/09", "2 1 0 12/03/24 13/05/09",
                                             "3 2 0 14/03/24 13/05/09"}));
        QCOMPARE(a.Coluna("Basico", "USv"),
                 QStringList({"13/03/24 ", "12/03/24 ", "11/03/24 14/03/24 "}));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), domingo + 4);
        QCOMPARE(a.sis->UltimaEscala, domingo + 4);
        QVERIFY(a.sis->Aba.Edit1.isEmpty());
        QVERIFY(a.sis->Aba.Button6Visivel);
        QVERIFY(!a.sis->Aba.BEscalarVisivel);
    }

    // Undo from three days before the last roster date: those days and the
    // last one leave the history; each person loses his duty and his last date
    // of the kind becomes the removed day minus 300.
    void desfazer_tres_dias() {
        AmbienteTeste a;
        RegistroTresMilitares(a);
        PreveEEscala(a, domingo + 4);
        a.dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(QString("12/03/24"), "Desfazer Escalas");
        DesfazerEscalacao(*a.sis);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.Coluna("Hist", "Dia"), QStringList({"2024-03-11"}));
        QCOMPARE(Rodizio(a, 1), QStringList({"1 0 0 18/05/23 13/05/09", "2 0 0 17/05/23 13/05/09",
                                             "3 1 0 19/05/23 13/05/09"}));
        QCOMPARE(a.Coluna("Basico", "USv"), QStringList({"", "", "11/03/24 "}));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(11, 3, 2024));
        QCOMPARE(a.sis->Operacao, QStringLiteral("Desfazer"));
    }

    void desfazer_do_dia_seguinte_ou_depois_data() {
        QTest::addColumn<Data>("dia");
        QTest::addColumn<Data>("ultima");
        QTest::newRow("dia seguinte") << D(15, 3, 2024) << D(14, 3, 2024);
        QTest::newRow("dia posterior") << D(20, 3, 2024) << D(19, 3, 2024);
    }
    void desfazer_do_dia_seguinte_ou_depois() {
        QFETCH(Data, dia);
        QFETCH(Data, ultima);
        AmbienteTeste a;
        RegistroTresMilitares(a);
        PreveEEscala(a, domingo + 4);
        const auto rodizio = Rodizio(a, 1);
        a.dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(dia.Texto(), "Primeiro dia");
        DesfazerEscalacao(*a.sis);
        QCOMPARE(a.Coluna("Hist", "Dia").size(), 4);
        QCOMPARE(Rodizio(a, 1), rodizio);
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), ultima);
    }

    void pergunta_dos_dez_dias_data() {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<bool>("pergunta");
        QTest::addColumn<bool>("sim");
        QTest::addColumn<int>("ficam");
        QTest::newRow("exatamente 10") << "04/03/24" << false << false << 0;
        QTest::newRow("11, não") << "03/03/24" << true << false << 4;
        QTest::newRow("11, sim") << "3/3/2024" << true << true << 0;
    }
    void pergunta_dos_dez_dias() {
        QFETCH(QString, dia);
        QFETCH(bool, pergunta);
        QFETCH(bool, sim);
        QFETCH(int, ficam);
        AmbienteTeste a;
        RegistroTresMilitares(a);
        PreveEEscala(a, domingo + 4);
        a.dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(dia, "Desfazer Escalas");
        if (pergunta)
            a.dialogos.EsperaConfirma(sim, "retroceder a escala mais de 10 dias");
        DesfazerEscalacao(*a.sis);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.Coluna("Hist", "Dia").size(), ficam);
    }

    void resposta_invalida_ou_vazia() {
        AmbienteTeste a;
        RegistroTresMilitares(a);
        PreveEEscala(a, domingo + 4);
        a.dialogos.EsperaAviso("CUIDADO !")
            .EsperaPergunta(QString("32/03/24"), "Desfazer")
            .EsperaAviso("32/03/24 >>> Data inválida");
        DesfazerEscalacao(*a.sis);
        a.dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(std::nullopt, "Desfazer");
        DesfazerEscalacao(*a.sis);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.Coluna("Hist", "Dia").size(), 4);
    }

    // Two blanks in a row end the number list: the numbers after them are
    // not given back.
    void dois_brancos_no_historico() {
        AmbienteTeste a;
        a.sis->pasta.GravaUltimaEscala(domingo);
        a.Servico(1, "Guarda", 2, 0);
        a.Militar("1", "UM");
        a.Militar("2", "DOIS");
        a.Membro(1, "1", 4, 0);
        a.Membro(1, "2", 4, 0);
        a.Historico(domingo, 1, "Guarda", "1  2", "Pt");
        // A fresh run: the duty records are not loaded yet.
        a.sis->Operacao = "Desfazer";
        DesfazerAPartirDe(*a.sis, domingo);
        QCOMPARE(a.Coluna("Sv1", "Pt"), QStringList({"3", "4"}));
        QVERIFY(a.Coluna("Hist", "Dia").isEmpty());
    }

    // A commit that fails halfway leaves the stored roster as it was.
    void escalar_falha_sem_gravar_nada() {
        AmbienteTeste a;
        RegistroTresMilitares(a);
        a.Servico(2, "Adj", 1, 0);
        a.Membro(2, "1");
        PreparaEscala(a, domingo + 3);
        PrevisaoPreta(*a.sis, domingo + 3);
        const auto rodizio = Rodizio(a, 1);
        a.sis->Grades.GradeSv[2].DefineCel(1, 1, "muitos"); // duty 2 cannot be written
        QVERIFY_THROWS_EXCEPTION(Falha, Escalar(*a.sis));
        QCOMPARE(Rodizio(a, 1), rodizio);
        QVERIFY(a.Coluna("Hist", "Dia").isEmpty());
        QCOMPARE(a.Coluna("Basico", "USv"), QStringList({"", "", ""}));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), domingo);
    }
};
REGISTRA_TESTE(TesteEscalacao)
#include "TesteEscalacao.moc"
