#include "base/Falha.h"
#include "engine/JanelasSemTela.h"
#include "engine/Previsao.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QMap>
#include <QTest>

namespace {

// Today Sunday 10/03/2024, also the last roster date: the period runs from
// Monday 11/03, with no red day unless a test lists one.
const Data segunda = D(11, 3, 2024);

void Prepara(AmbienteTeste& a, Data fim) {
    a.sis->pasta.GravaUltimaEscala(segunda - 1);
    PreparaEscala(a, fim);
}

QStringList Linhas(const Sistema& s, const QString& descr) {
    QStringList linhas;
    for (const QString& l : s.ListBox2)
        if (l.startsWith("     " + descr + ":"))
            linhas << l.mid(5 + descr.size() + 3);
    return linhas;
}

} // namespace

// The complete forecast: order of duties and persons, counters, listing.
class TestePrevisao : public QObject {
    Q_OBJECT
private slots:
    void horizonte_data() {
        QTest::addColumn<int>("dias");
        QTest::addColumn<int>("alem");
        QTest::newRow("3 dias") << 3 << 0;
        QTest::newRow("4 dias") << 4 << 2;
        QTest::newRow("5 dias") << 5 << 1;
        QTest::newRow("6 dias") << 6 << 0;
        QTest::newRow("0 dias") << 0 << 0;
        QTest::newRow("antes") << -2 << 0;
    }
    void horizonte() {
        QFETCH(int, dias);
        QFETCH(int, alem);
        const Data L = D(9, 3, 2024);
        QCOMPARE(Horizonte(L, L + dias), L + dias + alem);
    }

    // The duty with priority 1 chooses first: the person at the top of both
    // rotations serves it and is refused by the rest test for the other.
    void prioridades_e_listagem() {
        AmbienteTeste a;
        a.Servico(1, "Sgt Dia", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 2);
        a.Servico(2, "Of Dia", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 1);
        a.Militar("1", "PRIMEIRO", 1);
        a.Militar("2", "SEGUNDO", 2);
        for (int sv : {1, 2}) {
            a.Membro(sv, "1", 0);
            a.Membro(sv, "2", 1);
        }
        Prepara(a, segunda + 2);
        PrevisaoPreta(*a.sis, segunda + 2);
        const QStringList esperado{"     ", QString(15, ' ') + "11/03/24 (Pt)",
                                   "     Of Dia:  1-PRIMEIRO  ", "     Sgt Dia:  2-SEGUNDO  "};
        QCOMPARE(a.sis->ListBox2.mid(0, 4), esperado);
        QCOMPARE(a.sis->ListBox2.size(), 12);
        QVERIFY(a.sis->ListBox5.isEmpty());
        QVERIFY(!a.sis->ErroNaPreta);
        // The priority order is undone afterwards.
        QCOMPARE(a.sis->VetSv[1].Descr, QStringLiteral("Sgt Dia"));
    }

    // 5, 5, 6: the two fives first, the older last duty first; with equal
    // dates the larger Antig.
    void tres_competidores() {
        AmbienteTeste a;
        a.Servico(1, "Cb Dia", 1, 0);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Militar("3", "TRES", 3);
        a.Membro(1, "1", 5, 0, "20/02/24");
        a.Membro(1, "2", 5, 0, "15/02/24");
        a.Membro(1, "3", 6, 0, "01/01/24");
        Prepara(a, segunda + 2);
        PrevisaoPreta(*a.sis, segunda + 2);
        QCOMPARE(Escalado(*a.sis, segunda, 1), QStringLiteral("2 "));
        QCOMPARE(Escalado(*a.sis, segunda + 1, 1), QStringLiteral("1 "));
        // Now 6, 6, 6: dates 11/03 (2), 12/03 (1), 01/01 (3).
        QCOMPARE(Escalado(*a.sis, segunda + 2, 1), QStringLiteral("3 "));

        AmbienteTeste b;
        b.Servico(1, "Cb Dia", 1, 0);
        b.Militar("1", "UM", 1);
        b.Militar("2", "DOIS", 2);
        b.Membro(1, "1", 5);
        b.Membro(1, "2", 5);
        Prepara(b, segunda);
        PrevisaoPreta(*b.sis, segunda);
        QCOMPARE(Escalado(*b.sis, segunda, 1), QStringLiteral("2 "));
    }

    // Serving duty A raises the person's black counter in duty B too; his
    // last-duty date changes only in A.
    void contador_sobe_nos_outros_servicos() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 1);
        a.Servico(2, "Adj", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 2);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Membro(1, "1", 0);
        a.Membro(2, "1", 0);
        a.Membro(2, "2", 0);
        Prepara(a, segunda + 2);
        PrevisaoPreta(*a.sis, segunda + 2);
        const GradeTexto& b = a.sis->Grades.GradeSv[2];
        const int r = b.LinhaDe("1");
        QCOMPARE(b.Cel(1, r), QStringLiteral("3")); // three days of duty 1
        QCOMPARE(b.Cel(3, r), QStringLiteral("13/05/09"));
        const GradeTexto& g = a.sis->Grades.GradeSv[1];
        QCOMPARE(g.Cel(3, g.LinhaDe("1")), QStringLiteral("13/03/24"));
        for (int d = 0; d < 3; ++d)
            QCOMPARE(Escalado(*a.sis, segunda + d, 2), QStringLiteral("2 "));
    }

    void dia_vermelho_usa_vm() {
        AmbienteTeste a;
        a.sis->pasta.GravaLinhas("SemExped.Txt", {segunda.Texto()});
        a.Servico(1, "Of Dia", 1, 0);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Membro(1, "1", 0, 5);
        a.Membro(1, "2", 9, 1);
        Prepara(a, segunda);
        PrevisaoPreta(*a.sis, segunda);
        QCOMPARE(a.sis->ListBox2[1], QString(15, ' ') + "11/03/24 (Vm)");
        QCOMPARE(Escalado(*a.sis, segunda, 1), QStringLiteral("2 "));
        const GradeTexto& g = a.sis->Grades.GradeSv[1];
        const int r = g.LinhaDe("2");
        QCOMPARE(g.Cel(2, r), QStringLiteral("2"));
        QCOMPARE(g.Cel(4, r), QStringLiteral("11/03/24"));
        QCOMPARE(g.Cel(1, r), QStringLiteral("9"));
    }

    // Days after the end day are forecast but not listed, and leave the
    // last-duty dates alone.
    void dias_alem_do_fim() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 0);
        a.Militar("1", "UM", 1);
        a.Membro(1, "1");
        Prepara(a, segunda + 3); // 4 days: two more to the horizon
        PrevisaoPreta(*a.sis, segunda + 3);
        QCOMPARE(Linhas(*a.sis, "Of Dia").size(), 4);
        QCOMPARE(Escalado(*a.sis, segunda + 5, 1), QStringLiteral("1 "));
        QCOMPARE(Escalado(*a.sis, segunda + 6, 1), QStringLiteral("?"));
        const GradeTexto& g = a.sis->Grades.GradeSv[1];
        QCOMPARE(g.Cel(1, 1), QStringLiteral("6"));
        QCOMPARE(g.Cel(3, 1), (segunda + 3).Texto());
        QCOMPARE(a.sis->DiasPeriodo[1], segunda - 1);
        QCOMPARE(a.sis->DiasPeriodo[5], segunda + 3);
        QVERIFY(a.sis->DiasPeriodo[6].Zero());
    }

    // Two duties on the days past the end day: the second duty of such a day
    // records no last-duty date either, and its gaps name the real day.
    void dois_servicos_alem_do_fim() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 1);
        a.Servico(2, "Adj", 2, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 2);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Membro(1, "1");
        a.Membro(2, "2");
        Prepara(a, segunda); // one day: two more to the horizon
        PrevisaoPreta(*a.sis, segunda);
        QCOMPARE(Escalado(*a.sis, segunda + 2, 2), QStringLiteral("2 "));
        for (int sv : {1, 2}) {
            const GradeTexto& g = a.sis->Grades.GradeSv[sv];
            QCOMPARE(g.Cel(1, 1), QStringLiteral("3"));
            QCOMPARE(g.Cel(3, 1), segunda.Texto());
        }
        const QString erro =
            QStringLiteral("*** Erro*** - número insuficiente de militares. Escala: Adj Dia: ");
        QCOMPARE(a.sis->ListBox5,
                 QStringList({erro + "11/03/24", erro + "12/03/24", erro + "13/03/24"}));
    }

    void forcado_primeiro_e_usado_ignorado() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 2);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Militar("3", "TRES", 3, "Sd", "R", segunda - 5, segunda + 5); // away
        a.Membro(1, "1", 0);
        a.Membro(1, "2", 1);
        a.Membro(1, "3", 2);
        Sistema& s = *a.sis;
        s.VetTemQueSer[1] = {"2", 1, segunda + 1, "S"}; // already used: ignored
        s.VetTemQueSer[2] = {"3", 1, segunda, "N"};     // taken without the tests
        Prepara(a, segunda + 1);
        PrevisaoPreta(s, segunda + 1);
        QCOMPARE(Escalado(s, segunda, 1), QStringLiteral("3 "));
        QCOMPARE(s.VetTemQueSer[2].Usado, QStringLiteral("S"));
        QCOMPARE(Escalado(s, segunda + 1, 1), QStringLiteral("1 "));
    }

    void falta_de_militares() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 2, 2);
        a.Militar("1", "UM", 1);
        a.Membro(1, "1");
        Prepara(a, segunda);
        PrevisaoPreta(*a.sis, segunda);
        // Days computed beyond the end day report their gaps too.
        QCOMPARE(a.sis->ListBox5.size(), 3);
        QCOMPARE(a.sis->ListBox5.first(),
                 QStringLiteral("*** Erro*** - número insuficiente de militares. Escala: Of Dia "
                                "Dia: 11/03/24"));
        QVERIFY(a.sis->ErroNaPreta);
        QCOMPARE(a.sis->SGEscVm.Cel(3, 1), QStringLiteral("Erro"));
        QCOMPARE(Linhas(*a.sis, "Of Dia"), QStringList({"1-UM  "}));
    }

    // The explanation of an unfilled slot names, for each member of the
    // rotation, the first rule that kept him out, as the availability tests
    // decide it; the error line itself is unchanged.
    void explicacao_da_vaga() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 2, 2, "PV", D(1, 1, 2000), D(1, 1, 2050), 2);
        a.Servico(2, "Adj", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 1);
        a.Militar("1", "UM", 1, "Sd", "", Data(), Data(), "10/03/24 ");
        a.Militar("2", "DOIS", 2, "Cb", "R", segunda - 3, segunda + 3);
        a.Militar("3", "TRES", 3);
        a.Militar("4", "QUATRO", 4);
        for (const char* num : {"1", "2", "3", "4", "5"})
            a.Membro(1, num);
        a.Membro(2, "4");
        Sistema& s = *a.sis;
        Prepara(a, segunda);
        s.VetSgte[1].Num = "3";
        s.VetSgte[1].Sv[1] = 1;
        s.VetSgte[1].Datas[1] = segunda;
        PrevisaoPreta(s, segunda);

        const QString erro = QStringLiteral(
            "*** Erro*** - número insuficiente de militares. Escala: Of Dia Dia: 11/03/24");
        QCOMPARE(s.ListBox5.value(0), erro);
        const QStringList linhas = s.ExplicacoesDasVagas.value(erro);
        QCOMPARE(linhas.size(), 5);
        QMap<QString, QString> motivos;
        for (const QString& l : linhas) {
            const qsizetype ponto = l.indexOf(". "), doisPontos = l.indexOf(": ");
            motivos.insert(l.mid(ponto + 2).section(' ', 0, 0).remove(':'), l.mid(doisPontos + 2));
        }
        QCOMPARE(
            motivos.value("1"),
            QStringLiteral("folga: serviço em 10/03/24, e este serviço pede 2 dia(s) de folga"));
        QCOMPARE(motivos.value("2"),
                 QStringLiteral("afastado de 08/03/24 a 14/03/24; deve se apresentar em 15/03/24"));
        QCOMPARE(motivos.value("3"),
                 QStringLiteral("exclusão ou reserva de dia vermelho: fora deste serviço em "
                                "11/03/24"));
        QCOMPARE(motivos.value("4"), QStringLiteral("já está escalado neste dia"));
        QVERIFY(motivos.value("5").startsWith("não cadastrado no pessoal"));
        QVERIFY(linhas.join('\n').contains("2 Cb DOIS: "));
    }

    // A duty needing 0 persons on a day still gets its line; its empty entry
    // never reaches the table.
    void quantidade_zero() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 0);
        a.Militar("1", "UM", 1);
        a.Membro(1, "1");
        Prepara(a, segunda);
        a.sis->Quantidades.SGQuantMilSvDia.DefineCel(1, 2, "0");
        PrevisaoPreta(*a.sis, segunda);
        QCOMPARE(Linhas(*a.sis, "Of Dia"), QStringList({""}));
        QCOMPARE(Escalado(*a.sis, segunda, 1), QString());
        GravaVetHist(*a.sis, Banco::Principal);
        QVERIFY(!a.Coluna("Hist", "Dia").contains("2024-03-11"));
    }

    void listagem_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("linhas");
        QString oito;
        for (int i = 1; i <= 8; ++i)
            oito += QStringLiteral("10%1-NOMEDOZECARES  ").arg(i, 2, 10, QChar('0'));
        QTest::newRow("oito de 20")
            << oito
            << QStringList{"     Of Dia:  " + oito.left(79),
                           "     " + QString(13, ' ') + ":  " + oito.mid(79)};
        const QString semBranco(200, 'x');
        QTest::newRow("sem branco corta em 90")
            << semBranco
            << QStringList{"     Of Dia:  " + semBranco.left(90),
                           "     " + QString(13, ' ') + ":  " + semBranco.mid(90, 90),
                           "     " + QString(13, ' ') + ":  " + semBranco.mid(180)};
        QTest::newRow("curta") << "1-UM  " << QStringList{"     Of Dia:  1-UM  "};
    }
    void listagem() {
        QFETCH(QString, texto);
        QFETCH(QStringList, linhas);
        QCOMPARE(LinhasDaListagem("Of Dia", texto), linhas);
    }

    void prioridade_sorteada() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        for (int k : {1, 2, 3}) {
            s.VetSv[k].CodSv = k;
            s.VetSv[k].Descr = QStringLiteral("S%1").arg(k);
            s.VetSv[k].Prio = k == 3 ? 1 : 31;
        }
        OrdenaPorPrioridade(s); // draws 0, 0, 25 then 6, 8, 20
        QCOMPARE(s.VetSv[1].CodSv, 3);
        QCOMPARE(s.VetSv[2].CodSv, 2);
        QCOMPARE(s.VetSv[2].Prio, 50);
        QCOMPARE(s.VetSv[3].CodSv, 1);
        QCOMPARE(s.VetSv[3].Prio, 55);
    }

    void ja_escalado_no_periodo() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("1", "UM");
        a.Membro(1, "1");
        a.Historico(segunda + 1, 1, "Of Dia", "1");
        Prepara(a, segunda + 2);
        JanelasSemTela janelas(*a.sis);
        a.dialogos.EsperaAviso("O Serviço de Of Dia já foi escalado no dia 12/03/24");
        Prever(*a.sis, janelas);
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(!a.sis->Aba.BPreverVisivel);
        QVERIFY(a.sis->Aba.Button6Visivel);
        QVERIFY(a.sis->ListBox2.isEmpty());
        QCOMPARE(janelas.decisoes, 0);
    }

    // History that would not fit is refused before anything is computed.
    void historico_sem_lugar() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("1", "UM");
        a.Membro(1, "1");
        QList<QVariantList> linhas;
        for (int i = 0; i < MaxHist - 3; ++i)
            linhas << QVariantList{QDate(2023, 1, 1), 1, "Of Dia", "1", "Pt"};
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Hist", linhas);
        Prepara(a, segunda + 3); // six entries needed, three free
        try {
            PrevisaoPreta(*a.sis, segunda + 3);
            QFAIL("previsão aceita");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("item 7"));
        }
        QVERIFY(a.sis->ListBox2.isEmpty());
        Prepara(a, segunda + 2);
        PrevisaoPreta(*a.sis, segunda + 2);
        QCOMPARE(PrimeiraHistLivre(*a.sis), MaxHist + 1);
    }

    void prever_repetido_e_decisao() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 1);
        for (int i = 1; i <= 4; ++i) {
            a.Militar(QString::number(i), "M", i);
            a.Membro(1, QString::number(i), i % 2);
        }
        Prepara(a, segunda + 5);
        JanelasSemTela janelas(*a.sis);
        Prever(*a.sis, janelas);
        const QStringList primeira = a.sis->ListBox2;
        Prever(*a.sis, janelas);
        QCOMPARE(a.sis->ListBox2, primeira);
        QCOMPARE(janelas.decisoes, 2);
        QVERIFY(a.sis->Aba.BDesfazerVisivel);
        QCOMPARE(a.sis->Operacao, QStringLiteral("Prever"));
    }

    void aviso_quando_falta_gente() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 5);
        a.Militar("1", "UM", 1);
        a.Membro(1, "1");
        Prepara(a, segunda + 1);
        Sistema& s = *a.sis;
        s.VetFora[1].Num = "9";
        s.VetSgte[1].Num = "reserva";
        JanelasSemTela janelas(s);
        Prever(s, janelas);
        QCOMPARE(janelas.avisos, 1);
        QCOMPARE(janelas.decisoes, 0);
        QVERIFY(s.MontarVermelhaAntes);
        QVERIFY(s.Aba.QAvisoAuxVisivel);
        QCOMPARE(s.VetSgte[1].Num, QStringLiteral("9")); // rebuilt from VetFora
        QVERIFY(s.VetSgte[2].Num.isEmpty());
    }
};
REGISTRA_TESTE(TestePrevisao)
#include "TestePrevisao.moc"
