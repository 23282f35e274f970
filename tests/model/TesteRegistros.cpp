#include "base/Falha.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QDir>
#include <QTest>

// Duty and personnel records: loaders, savers and their rules.
class TesteRegistros : public QObject {
    Q_OBJECT
private slots:
    void servicos_nas_suas_posicoes() {
        AmbienteTeste a;
        a.Servico(7, "Guarda do Quartel", 3, 1, "Pt");
        a.Servico(2, "Of Dia", 1, 2, "PV");
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        QCOMPARE(s.VetSv[7].Descr, QStringLiteral("Guarda d")); // cut to 8
        QCOMPARE(s.VetSv[7].Quant, 3);
        QCOMPARE(s.VetSv[2].CodSv, 2);
        QVERIFY(!s.VetSv[1].Definido());
        GravaVetSv(s, Banco::Principal);
        QCOMPARE(a.Coluna("Sv", "CodSv"), QStringList({"2", "7"}));
    }

    // From the main database a slot missing from the table keeps what it held;
    // from the backup every slot is reset first.
    void carga_principal_e_backup() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetSv[4].Descr = "Antigo";
        s.VetSv[4].Folga = 9;
        CarregaVetSv(s, Banco::Principal);
        QCOMPARE(s.VetSv[4].Descr, QStringLiteral("Antigo"));
        QDir().mkpath(a.PastaBackup());
        CarregaVetSv(s, Banco::Backup);
        for (int k = 1; k <= 30; ++k) {
            QVERIFY(!s.VetSv[k].Definido());
            QCOMPARE(s.VetSv[k].Folga, 2);
            QCOMPARE(s.VetSv[k].Ini, a.relogio.Hoje());
            QCOMPARE(s.VetSv[k].Fim, a.relogio.Hoje());
        }
    }

    void normaliza_lista() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        QCOMPARE(NormalizaListaSv(s, "12,3,12,7"), QStringLiteral("3,7,12"));
        for (int k = 1; k <= 30; ++k)
            QCOMPARE(s.VetSv[k].Sel == "S", k == 3 || k == 7 || k == 12);
        QCOMPARE(NormalizaListaSv(s, ""), QString());
        for (int k = 1; k <= 30; ++k)
            QVERIFY(s.VetSv[k].Sel.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Falha, NormalizaListaSv(s, "3,31"));
        s.VetSv[5].Sel = "S";
        LimpaSel(s);
        QVERIFY(s.VetSv[5].Sel.isEmpty());
    }

    void ultimos_servicos_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("datas");
        QTest::addColumn<QString>("regravado");
        QTest::newRow("duas datas") << "01/03/24 05/03/24 " << 2 << "01/03/24 05/03/24 ";
        QTest::newRow("dois brancos param") << "01/03/24  05/03/24 " << 1 << "01/03/24 ";
        QTest::newRow("vazio") << "" << 0 << "";
        QTest::newRow("sem branco final") << "01/03/24" << 1 << "01/03/24 ";
    }
    void ultimos_servicos() {
        QFETCH(QString, texto);
        QFETCH(int, datas);
        QFETCH(QString, regravado);
        AmbienteTeste a;
        a.Militar("12", "DOZE", 5, "Cb", "", Data(), Data(), texto);
        Sistema& s = *a.sis;
        CarregaVetBas(s, Banco::Principal);
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(s.VetBas[1].USv[k].Zero(), k > datas);
        GravaVetBas(s, Banco::Principal);
        QCOMPARE(a.Coluna("Basico", "USv"), QStringList({regravado}));
    }

    void pessoal_datas_vazias_e_x() {
        AmbienteTeste a;
        a.Militar("12", "DOZE");
        a.Militar("5", "CINCO", 3, "Sd", "R", D(1, 3, 2024), D(9, 3, 2024));
        a.Militar("7", "SETE");
        Sistema& s = *a.sis;
        CarregaVetBas(s, Banco::Principal);
        QCOMPARE(s.VetBas[1].Ini, Data());
        QCOMPARE(s.VetBas[2].Fim, D(9, 3, 2024));
        QCOMPARE(IndiceMil(s, "7"), 3);
        QCOMPARE(IndiceMil(s, "99"), 0);
        s.VetBas[2].Num = "x";
        GravaVetBas(s, Banco::Principal);
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"12", "7"}));
        auto c = a.sis->dm.AbreTabela(Banco::Principal, "Basico");
        QVERIFY(c.Proximo());
        QVERIFY(c.Valor("Ini").isNull()); // an unset date stays empty
        // A shorter table leaves the later records reset.
        CarregaVetBas(s, Banco::Principal);
        QCOMPARE(s.VetBas[2].Num, QStringLiteral("7"));
        QVERIFY(s.VetBas[3].Num.isEmpty());
        QCOMPARE(s.VetBas[3].Antig, 9999);
    }

    void ordena_usv() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetBas[1].USv = {};
        s.VetBas[1].USv[1] = D(10, 3, 2024);
        s.VetBas[1].USv[3] = D(2, 3, 2024);
        OrdenaUSv(s, 1);
        for (int k = 1; k <= 8; ++k)
            QVERIFY(s.VetBas[1].USv[k].Zero());
        QCOMPARE(s.VetBas[1].USv[9], D(2, 3, 2024));
        QCOMPARE(s.VetBas[1].USv[10], D(10, 3, 2024));
    }

    // The backup receives the table's content, not unsaved memory.
    void pessoal_para_o_backup() {
        AmbienteTeste a;
        a.Militar("12", "DOZE");
        Sistema& s = *a.sis;
        QDir().mkpath(a.PastaBackup());
        CarregaVetBas(s, Banco::Principal);
        s.VetBas[1].Nome = "NAO GRAVADO";
        GravaVetBas(s, Banco::Backup);
        QCOMPARE(a.Coluna("Basico", "Nome", Banco::Backup), QStringList({"DOZE"}));
    }

    // More rows than the array holds: reported, and never written back cut.
    void pessoal_acima_da_capacidade() {
        AmbienteTeste a;
        QList<QVariantList> linhas;
        for (int i = 1; i <= 1001; ++i)
            linhas << QVariantList{QString::number(i), "Sd",       "N", "",
                                   QVariant(),         QVariant(), "",  9999};
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Basico", linhas);
        Sistema& s = *a.sis;
        QVERIFY_THROWS_EXCEPTION(Falha, CarregaVetBas(s, Banco::Principal));
        QVERIFY_THROWS_EXCEPTION(Falha, GravaVetBas(s, Banco::Principal));
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Basico"), 1001);
    }
};
REGISTRA_TESTE(TesteRegistros)
#include "TesteRegistros.moc"
