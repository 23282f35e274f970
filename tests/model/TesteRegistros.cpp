#include "base/Falha.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/CadastroDanificado.h"
#include "support/Registro.h"

#include <QDir>
#include <QFile>
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
        a.sis->dm.CriaBanco(Banco::Backup);
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

    // After a save of the personnel an empty text is '' and only the empty
    // dates are NULL, so that a query for the empty absence code finds everyone
    // present.
    void pessoal_gravado_com_textos_vazios() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetBas[1] = RegistroVazio();
        s.VetBas[1].Num = "7";
        s.VetBas[2] = RegistroVazio();
        s.VetBas[2].Num = "8";
        s.VetBas[2].PR = "R";
        s.VetBas[2].Ini = D(1, 3, 2024);
        s.VetBas[2].Fim = D(9, 3, 2024);
        s.VetBas[3] = RegistroVazio();
        s.VetBas[3].Num = "9";
        GravaVetBas(s, Banco::Principal);
        const QVariant nulo;
        const QString v = QLatin1String("");
        const QList<QVariantList> brutas = a.Brutas("Basico");
        QCOMPARE(brutas.size(), 3);
        for (int i : {0, 2}) {
            const QVariantList esperada{i == 0 ? "7" : "9", v, v, v, nulo, nulo, v, 9999};
            for (int k = 0; k < esperada.size(); ++k) {
                QCOMPARE(brutas[i][k].isNull(), esperada[k].isNull());
                QCOMPARE(brutas[i][k].toString(), esperada[k].toString());
            }
        }
        QCOMPARE(a.Consulta("SELECT Num FROM Basico WHERE PR = '' ORDER BY rowid"),
                 QList<QVariantList>({{"7"}, {"9"}}));
        QCOMPARE(a.Consulta("SELECT Ini, Fim FROM Basico WHERE PR = 'R'"),
                 QList<QVariantList>({{"2024-03-01", "2024-03-09"}}));
    }

    // The file replaced under a running program, as a restore does: once the
    // store has forgotten, every loader reads the new rows and every saver
    // writes into the new file.
    void banco_substituido_durante_a_execucao() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("7", "SETE");
        a.Membro(1, "7", 4, 2);
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "7");
        Sistema& s = *a.sis;
        const auto carrega = [&] {
            CarregaVetSv(s, Banco::Principal);
            CarregaVetBas(s, Banco::Principal);
            CarregaVetHist(s, Banco::Principal);
            CarregaGrades(s, Banco::Principal);
        };
        carrega();
        QCOMPARE(s.VetBas[1].Num, QStringLiteral("7"));

        AmbienteTeste b;
        b.Servico(1, "Guarda");
        b.Militar("12", "DOZE");
        b.Militar("13", "TREZE");
        b.Membro(1, "12", 1, 1);
        b.Membro(1, "13", 2, 2);
        b.Historico(D(2, 3, 2024), 1, "Guarda", "12 13");
        b.sis.reset();
        s.dm.Esquece();
        const QString arquivo = QDir(a.Pasta()).filePath(DMGeral::NomeArquivo);
        QVERIFY(QFile::remove(arquivo));
        QVERIFY(QFile::copy(QDir(b.Pasta()).filePath(DMGeral::NomeArquivo), arquivo));

        carrega();
        QCOMPARE(s.VetSv[1].Descr, QStringLiteral("Guarda"));
        QCOMPARE(s.VetBas[1].Num, QStringLiteral("12"));
        QCOMPARE(s.VetBas[2].Nome, QStringLiteral("TREZE"));
        QCOMPARE(s.VetHist[1].Num, QStringLiteral("12 13"));
        QCOMPARE(s.VetHist[1].Dia, D(2, 3, 2024));
        QCOMPARE(s.Grades.GradeSv[1].Cel(0, 1), QStringLiteral("12"));
        QCOMPARE(s.Grades.GradeSv[1].Cel(1, 2), QStringLiteral("2"));
        s.VetBas[2].Nome = "TREZE B";
        GravaVetBas(s, Banco::Principal);
        QCOMPARE(a.Coluna("Basico", "Nome"), QStringList({"DOZE", "TREZE B"}));
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
        a.sis->dm.CriaBanco(Banco::Backup);
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

    // Each loader tells, naming table, row and value, what its table holds
    // that memory cannot; its saver then refuses (a personnel save, a
    // rotation's, the history's, the duties') and the table stays as stored.
    void valores_danificados_data() { CasosDeValoresDanificados(); }
    void valores_danificados() {
        QFETCH(QString, dano);
        QFETCH(QString, tabela);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroPequeno(a);
        DanificaValores(a, dano);
        Sistema& s = *a.sis;
        const auto antes = a.Brutas(tabela);
        GradeTexto& g = s.Grades.GradeSv[tabela.mid(2).toInt()];
        const auto carrega = [&] {
            if (tabela == QLatin1String("Sv"))
                CarregaVetSv(s, Banco::Principal);
            else if (tabela == QLatin1String("Basico"))
                CarregaVetBas(s, Banco::Principal);
            else if (tabela == QLatin1String("Hist"))
                CarregaVetHist(s, Banco::Principal);
            else {
                LimpaGrade(g);
                CarregaGradeSv(s, g, tabela, Banco::Principal);
            }
        };
        const auto grava = [&] {
            if (tabela == QLatin1String("Sv"))
                GravaVetSv(s, Banco::Principal);
            else if (tabela == QLatin1String("Basico"))
                GravaVetBas(s, Banco::Principal);
            else if (tabela == QLatin1String("Hist"))
                GravaVetHist(s, Banco::Principal);
            else
                GravaGradeSv(s, g, tabela, Banco::Principal);
        };
        a.dialogos.EsperaAviso(mensagem);
        carrega();
        QVERIFY(a.dialogos.ScriptCumprido());
        carrega(); // told once in a run
        try {
            grava();
            QFAIL("a tabela foi regravada");
        } catch (const Recusa& r) {
            QVERIFY2(
                r.Mensagem().startsWith(QStringLiteral("A tabela %1 não foi gravada").arg(tabela)),
                qPrintable(r.Mensagem()));
        }
        QCOMPARE(a.Brutas(tabela), antes);
        QCOMPARE(a.dialogos.Textos.size(), 1);
    }
};
REGISTRA_TESTE(TesteRegistros)
#include "TesteRegistros.moc"
