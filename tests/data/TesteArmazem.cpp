#include "base/Falha.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

// The table store: tables, stored order, atomic replace, statements.
class TesteArmazem : public QObject {
    Q_OBJECT
private slots:
    void tabelas_criadas_com_seus_campos() {
        AmbienteTeste a;
        QCOMPARE(DMGeral::NomesTabelas().size(), 33);
        for (const QString& t : DMGeral::NomesTabelas())
            QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, t), 0);
        QCOMPARE(DMGeral::Campos(QStringLiteral("Sv")),
                 QStringList({"CodSv", "Descr", "Ini", "Fim", "Quant", "Prio", "Folga", "TipoSv"}));
        QCOMPARE(DMGeral::Campos(QStringLiteral("Basico")),
                 QStringList({"Num", "PstGrd", "Nome", "PR", "Ini", "Fim", "USv", "Antig"}));
        QCOMPARE(DMGeral::Campos(QStringLiteral("Hist")),
                 QStringList({"Dia", "CodSv", "Descr", "Num", "PtVm"}));
        QCOMPARE(DMGeral::Campos(QStringLiteral("Sv30.DB")),
                 QStringList({"Num", "Pt", "Vm", "USvPt", "USvVm"}));
    }

    void nomes_sem_diferenca_de_caixa() {
        QCOMPARE(DMGeral::NomeTabela(QStringLiteral("Basico.DB")), QStringLiteral("Basico"));
        QCOMPARE(DMGeral::NomeTabela(QStringLiteral("basico.db")), QStringLiteral("Basico"));
        QCOMPARE(DMGeral::NomeTabela(QStringLiteral("SV12.Db")), QStringLiteral("Sv12"));
        QVERIFY_THROWS_EXCEPTION(Falha, DMGeral::NomeTabela(QStringLiteral("Sv31.DB")));
        QVERIFY_THROWS_EXCEPTION(Falha, DMGeral::NomeTabela(QStringLiteral("Sv; drop table Hist")));
    }

    void ordem_gravada_e_data_vazia() {
        AmbienteTeste a;
        a.Militar("7", "SETE", 10, "Cb", "R", D(1, 3, 2024), D(5, 3, 2024), "01/02/24 ");
        a.Militar("12", "DOZE");
        auto c = a.sis->dm.AbreTabela(Banco::Principal, QStringLiteral("basico.DB"));
        QVERIFY(c.Proximo());
        QCOMPARE(c.Texto("Num"), QStringLiteral("7"));
        QCOMPARE(c.DataCampo("Fim"), D(5, 3, 2024));
        QCOMPARE(c.Inteiro("Antig"), 10);
        QVERIFY(c.Proximo());
        QCOMPARE(c.Texto("Num"), QStringLiteral("12"));
        QVERIFY(c.Vazio("Ini"));
        QVERIFY(c.Valor("Ini").isNull()); // an empty date is NULL
        QCOMPARE(c.DataCampo("Ini"), Data());
        QVERIFY(!c.Proximo());
    }

    // A replace that fails halfway leaves every old row in place.
    void substituicao_atomica() {
        AmbienteTeste a;
        a.Membro(3, "1", 4, 2);
        a.Membro(3, "2", 5, 1);
        QList<QVariantList> novas;
        for (int i = 0; i < 450; ++i)
            novas << QVariantList{QString::number(100 + i), 0, 0, "13/05/09", "13/05/09"};
        novas[300] = QVariantList{"ruim", 0}; // wrong number of fields
        QVERIFY_THROWS_EXCEPTION(Falha,
                                 a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv3.DB", novas));
        QCOMPARE(a.Coluna("Sv3", "Num"), QStringList({"1", "2"}));

        // Inside a larger group the failure undoes the earlier writes too.
        {
            DMGeral::Transacao t(a.sis->dm, Banco::Principal);
            a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv4.DB",
                                      {{"9", 1, 1, "13/05/09", "13/05/09"}});
            QVERIFY_THROWS_EXCEPTION(Falha,
                                     a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv3.DB", novas));
        }
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Sv4"), 0);
        QCOMPARE(a.Coluna("Sv3", "Num"), QStringList({"1", "2"}));
    }

    void numero_no_historico_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<bool>("acha12");
        QTest::newRow("sozinho") << "12" << true;
        QTest::newRow("primeiro") << "12 345" << true;
        QTest::newRow("no meio") << "7 12 9" << true;
        QTest::newRow("último") << "345 12" << true;
        QTest::newRow("prefixo") << "123" << false;
        QTest::newRow("sufixo") << "412" << false;
        QTest::newRow("dentro") << "7 4125 9" << false;
    }
    void numero_no_historico() {
        QFETCH(QString, lista);
        QFETCH(bool, acha12);
        AmbienteTeste a;
        a.Historico(D(1, 3, 2024), 1, "Of Dia", lista);
        QCOMPARE(a.sis->dm.NumeroNoHistorico("12"), acha12);
        FiltroHist f;
        f.Num = QStringLiteral("12");
        QCOMPARE(a.sis->dm.ConsultaHist(f).size(), acha12 ? 1 : 0);
    }

    // What the operator types goes in as a value, never as statement text.
    void caracteres_perigosos_no_numero() {
        AmbienteTeste a;
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "12 7");
        for (const char* typed : {"%", "\"", "' OR '1'='1", "_2", "1%"})
            QVERIFY(!a.sis->dm.NumeroNoHistorico(QString::fromUtf8(typed)));
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Hist"), 1);
    }

    void comandos_do_historico() {
        AmbienteTeste a;
        for (int dia = 1; dia <= 5; ++dia)
            a.Historico(D(dia, 3, 2024), 1, "Of Dia", "12");
        a.sis->dm.ApagaHistDepoisDe(D(4, 3, 2024));
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Hist"), 4);
        a.sis->dm.ApagaHistAntesDe(D(2, 3, 2024));
        QCOMPARE(a.Coluna("Hist", "Dia"), QStringList({"2024-03-02", "2024-03-03", "2024-03-04"}));
        a.sis->dm.ApagaHistAPartirDe(D(4, 3, 2024));
        QCOMPARE(a.Coluna("Hist", "Dia"), QStringList({"2024-03-02", "2024-03-03"}));
        FiltroHist f;
        f.Desde = D(3, 3, 2024);
        QCOMPARE(a.sis->dm.ConsultaHist(f).size(), 1);
    }

    void comandos_dos_rodizios() {
        AmbienteTeste a;
        a.Membro(2, "7", 5, 9, "01/03/24", "02/03/24");
        a.Militar("7", "SETE", 1, "Cb", "P", D(1, 3, 2024), D(2, 3, 2024), "01/03/24 02/03/24 ");
        a.sis->dm.IgualaRodizio(2);
        QCOMPARE(a.Linhas("Sv2").first(), QStringList({"7", "3", "3", "01/03/24", "02/03/24"}));
        a.sis->dm.ZeraRodizio(2);
        QCOMPARE(a.Linhas("Sv2").first(), QStringList({"7", "0", "0", "13/05/09", "13/05/09"}));
        a.sis->dm.ReiniciaRodizio(2);
        QCOMPARE(a.Linhas("Sv2").first(), QStringList({"7", "3", "3", "13/05/09", "13/05/09"}));
        a.sis->dm.ReiniciaBasico();
        QCOMPARE(a.Coluna("Basico", "PR"), QStringList({""}));
        QCOMPARE(a.Coluna("Basico", "USv"), QStringList({"13/05/09"}));
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->dm.IgualaRodizio(31));
    }

    void rodizio_com_dados_do_pessoal() {
        AmbienteTeste a;
        a.Militar("7", "SETE", 10, "Cb", "R", D(1, 3, 2024), D(5, 3, 2024), "01/02/24 ");
        a.Membro(5, "7", 4, 2);
        a.Membro(5, "99", 1, 1);
        auto c = a.sis->dm.ConsultaSvNBasico(5);
        QCOMPARE(c.Colunas(), DMGeral::ColunasSvNBasico());
        QVERIFY(c.Proximo());
        QCOMPARE(c.Texto("Nome do Militar"), QStringLiteral("SETE"));
        QCOMPARE(c.Texto("PrevReal"), QStringLiteral("R"));
        QCOMPARE(c.Texto("Ultimos Servicos"), QStringLiteral("01/02/24 "));
        QCOMPARE(c.Inteiro("Pt"), 4);
        QVERIFY(c.Proximo());
        QCOMPARE(c.Texto("Num"), QStringLiteral("99"));
        QVERIFY(c.Vazio("Nome do Militar")); // no such person: empty lookups
        QVERIFY(!c.Proximo());
    }
};
REGISTRA_TESTE(TesteArmazem)
#include "TesteArmazem.moc"
