#include "base/Falha.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QDir>
#include <QTest>

// History records, the blocked-assignment arrays and the text routines.
class TesteHistorico : public QObject {
    Q_OBJECT
private slots:
    void carga_menor_limpa_ate_a_antiga() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        for (int i = 1; i <= 5; ++i)
            s.VetHist[i] = {D(i, 3, 2024), 1, "Of Dia", "12", "Pt"};
        for (int i = 1; i <= 3; ++i)
            a.Historico(D(i, 2, 2024), 2, "Sgt Dia Longo", "7 12");
        CarregaVetHist(s, Banco::Principal);
        QCOMPARE(s.VetHist[3].Dia, D(3, 2, 2024));
        QCOMPARE(s.VetHist[3].Descr, QStringLiteral("Sgt Dia ")); // cut to 8
        QVERIFY(s.VetHist[4].Descr.isEmpty());
        QVERIFY(s.VetHist[5].Descr.isEmpty());
        QCOMPARE(PrimeiraHistLivre(s), 4);
    }

    void gravacao_principal_e_backup() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetHist[1] = {D(1, 3, 2024), 1, "Of Dia", "12", "Pt"};
        s.VetHist[2] = {D(2, 3, 2024), 1, "Of Dia", "", "Pt"};
        s.VetHist[3] = {D(3, 3, 2024), 1, "Of Dia", "7", "Vm"};
        GravaVetHist(s, Banco::Principal);
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"12", "7"}));
        // The backup gets the table, reloaded, not what memory held.
        s.VetHist[1].Num = "99";
        QDir().mkpath(a.PastaBackup());
        a.sis->dm.CriaBanco(Banco::Backup);
        GravaVetHist(s, Banco::Backup);
        QCOMPARE(a.Coluna("Hist", "Num", Banco::Backup), QStringList({"12", "7"}));
    }

    void historico_cheio_nao_e_regravado() {
        AmbienteTeste a;
        QList<QVariantList> linhas;
        for (int i = 0; i < 10001; ++i)
            linhas << QVariantList{QDate(2024, 1, 1).addDays(i / 30), 1, "Of Dia", "1", "Pt"};
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Hist", linhas);
        Sistema& s = *a.sis;
        try {
            CarregaVetHist(s, Banco::Principal);
            QFAIL("sem aviso");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("item 7"));
        }
        QVERIFY_THROWS_EXCEPTION(Falha, GravaVetHist(s, Banco::Principal));
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Hist"), 10001);
    }

    void junta_vetsgte() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        for (int i = 1; i <= 4; ++i)
            s.VetSgte[i].Num = QStringLiteral("S%1").arg(i);
        s.VetFora[1].Num = "F1";
        s.VetFora[2].Num = "F2";
        s.VetObriga[1].Num = "O1";
        JuntaVetSgte(s);
        QCOMPARE(s.VetSgte[5].Num, QStringLiteral("F1"));
        QCOMPARE(s.VetSgte[6].Num, QStringLiteral("F2"));
        QCOMPARE(s.VetSgte[7].Num, QStringLiteral("O1"));
        QVERIFY(s.VetSgte[8].Num.isEmpty());
        QCOMPARE(s.VetFora[1].Num, QStringLiteral("F1")); // sources unchanged
        // A full VetSgte takes no more.
        for (int i = 1; i <= MaxSgte; ++i)
            s.VetSgte[i].Num = "Z";
        JuntaVetSgte(s);
        QCOMPARE(s.VetSgte[MaxSgte].Num, QStringLiteral("Z"));
        LimpaVetSgte(s);
        QVERIFY(s.VetSgte[1].Num.isEmpty());
    }

    // A forced rest window for duty 4 (rest 2) ending the day before D.
    void procura_forcado() {
        AmbienteTeste a;
        a.Servico(4, "Guarda", 1, 2);
        a.Membro(4, "7");
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        const Data dia = D(16, 3, 2024);
        TipoVetSgte r;
        r.Num = "8"; // not a member of duty 4
        r.Sv[4] = 4;
        r.Datas[3] = dia - 1;
        r.Datas[4] = dia - 2;
        s.VetSgte[1] = r;
        r.Num = "7";
        s.VetSgte[2] = r;
        QCOMPARE(ProcuraForcado(s, 4, dia), QStringLiteral("7"));
        QCOMPARE(ProcuraForcado(s, 4, dia + 1), QString());
        QCOMPARE(ProcuraForcado(s, 3, dia), QString());
    }

    void quantidades_guardadas() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.MatQuant[0][1] = "3";
        GuardaMatQuant(s);
        ZeraMatQuant(s);
        QCOMPARE(s.MatQuant[0][1], QStringLiteral("x"));
        QCOMPARE(s.MatQuant[365][30], QStringLiteral("x"));
        RestauraMatQuant(s);
        QCOMPARE(s.MatQuant[0][1], QStringLiteral("3"));
    }

    void palavras_data() {
        QTest::addColumn<int>("p");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("espaco");
        QTest::addColumn<QString>("virgula");
        QTest::newRow("primeira") << 1 << "12 7,3"
                                  << "12"
                                  << "12 7";
        QTest::newRow("meio") << 4 << "12 7,3"
                              << "7,3"
                              << "7";
        QTest::newRow("começa com branco") << 1 << " 12"
                                           << ""
                                           << " 12";
        QTest::newRow("além do fim") << 9 << "12"
                                     << ""
                                     << "";
        QTest::newRow("na vírgula") << 3 << "1,,2"
                                    << ",2"
                                    << "";
    }
    void palavras() {
        QFETCH(int, p);
        QFETCH(QString, texto);
        QFETCH(QString, espaco);
        QFETCH(QString, virgula);
        QCOMPARE(PalavraAteEspaco(p, texto), espaco);
        QCOMPARE(PalavraAteVirgula(p, texto), virgula);
    }

    void direita() {
        QCOMPARE(Direita("abcd", 3), QStringLiteral("bcd"));
        QCOMPARE(Direita("0007", 3), QStringLiteral("007"));
        QCOMPARE(Direita("7", 3), QStringLiteral("7"));
    }
};
REGISTRA_TESTE(TesteHistorico)
#include "TesteHistorico.moc"
