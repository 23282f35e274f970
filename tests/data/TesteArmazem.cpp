#include "base/Falha.h"
#include "support/AmbienteTeste.h"
#include "support/CadastroDanificado.h"
#include "support/DiscoLimitado.h"
#include "support/Registro.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>

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

    // Each value goes in as the table holds it: a text ('' when empty, never
    // NULL), a date as its ISO text (NULL when empty), an integer as a number.
    // The store then serves exactly what a second connection reads.
    void valores_como_a_tabela_os_guarda_data() {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QVariantList>("linha");
        QTest::addColumn<QVariantList>("guardada"); // QVariant() for NULL
        const QVariant nulo;
        const QString v = QLatin1String("");
        QTest::newRow("pessoal em branco")
            << "Basico" << QVariantList{QString(), QString(), QString(), QString(),
                                        nulo,      QDate(),   QString(), 9999}
            << QVariantList{v, v, v, v, nulo, nulo, v, 9999};
        QTest::newRow("pessoal preenchido")
            << "Basico" << QVariantList{"7",          "Cb",        "SETE", "R", QDate(2024, 3, 1),
                                        "2024-03-05", "01/03/24 ", 10}
            << QVariantList{"7", "Cb", "SETE", "R", "2024-03-01", "2024-03-05", "01/03/24 ", 10};
        QTest::newRow("datas vazias em texto")
            << "Basico" << QVariantList{"7", "", "", "", "", QVariant(QString()), "", "12"}
            << QVariantList{"7", v, v, v, nulo, nulo, v, 12};
        QTest::newRow("serviço") << "Sv"
                                 << QVariantList{3,
                                                 QString(),
                                                 QDate(2024, 1, 1),
                                                 QDateTime(QDate(2050, 12, 31), QTime(10, 0)),
                                                 2,
                                                 31,
                                                 1,
                                                 QString()}
                                 << QVariantList{3, v, "2024-01-01", "2050-12-31", 2, 31, 1, v};
        QTest::newRow("histórico")
            << "Hist" << QVariantList{QDate(2024, 3, 2), 1, QString(), QString(), QString()}
            << QVariantList{"2024-03-02", 1, v, v, v};
        QTest::newRow("rodízio") << "Sv30"
                                 << QVariantList{QString(), 0, " 4", QString(), "13/05/09"}
                                 << QVariantList{v, 0, 4, v, "13/05/09"};
    }
    void valores_como_a_tabela_os_guarda() {
        QFETCH(QString, tabela);
        QFETCH(QVariantList, linha);
        QFETCH(QVariantList, guardada);
        AmbienteTeste a;
        a.sis->dm.SubstituiLinhas(Banco::Principal, tabela, {linha});
        const QStringList campos = DMGeral::Campos(tabela);
        const QList<QVariantList> brutas = a.Brutas(tabela);
        QCOMPARE(brutas.size(), 1);
        QCOMPARE(brutas[0].size(), campos.size());
        for (int vez = 1; vez <= 2; ++vez) {
            // As written, then as read again from the file.
            auto c = a.sis->dm.AbreTabela(Banco::Principal, tabela);
            QVERIFY(c.Proximo());
            for (int k = 0; k < campos.size(); ++k) {
                const QVariant& lida = brutas[0][k];
                const QByteArray campo = campos[k].toUtf8();
                QVERIFY2(lida.isNull() == guardada[k].isNull(), campo);
                QVERIFY2(lida.toString() == guardada[k].toString(), campo);
                QVERIFY2((lida.typeId() == QMetaType::LongLong) ==
                             (guardada[k].typeId() == QMetaType::Int),
                         campo);
                const QVariant servida = c.Valor(campos[k]);
                QVERIFY2(servida.isNull() == lida.isNull(), campo);
                QVERIFY2(servida.typeId() == lida.typeId(), campo);
                QVERIFY2(servida == lida, campo);
            }
            QVERIFY(!c.Proximo());
            a.sis->dm.Esquece();
        }
    }

    // A query for the empty absence code finds every person without one.
    void codigo_de_afastamento_vazio() {
        AmbienteTeste a;
        a.sis->dm.SubstituiLinhas(
            Banco::Principal, "Basico",
            {{"7", "Sd", "SETE", QString(), QVariant(), QVariant(), QString(), 1},
             {"8", "Sd", "OITO", "R", QDate(2024, 3, 1), QDate(2024, 3, 9), "", 2},
             {"9", "Sd", "NOVE", QVariant(), QVariant(), QVariant(), QVariant(), 3}});
        QCOMPARE(a.Consulta("SELECT Num FROM Basico WHERE PR = '' ORDER BY rowid"),
                 QList<QVariantList>({{"7"}, {"9"}}));
        QCOMPARE(a.Consulta("SELECT COUNT(*) FROM Basico WHERE PR IS NULL OR USv IS NULL")
                     .first()
                     .first()
                     .toInt(),
                 0);
        auto c = a.sis->dm.ConsultaBasicoPorPR("", true);
        QVERIFY(c.Proximo() && c.Proximo() && !c.Proximo());
    }

    // A value a field cannot hold is refused before anything is written.
    void valor_que_o_campo_nao_guarda_data() {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QVariantList>("linha");
        QTest::addColumn<QString>("campo");
        const QVariant nulo;
        QTest::newRow("dia que não existe")
            << "Basico" << QVariantList{"7", "Sd", "SETE", "", "2024-02-30", nulo, "", 1} << "Ini";
        QTest::newRow("data escrita dd/mm/aa")
            << "Hist" << QVariantList{"01/03/24", 1, "Of Dia", "7", "Pt"} << "Dia";
        QTest::newRow("data como número")
            << "Sv" << QVariantList{1, "Of Dia", 45000, QDate(2050, 1, 1), 1, 31, 2, "PV"} << "Ini";
        QTest::newRow("contador que não é número")
            << "Sv1" << QVariantList{"7", "doze", 0, "", ""} << "Pt";
        QTest::newRow("quantidade vazia")
            << "Sv"
            << QVariantList{1, "Of Dia", QDate(2024, 1, 1), QDate(2050, 1, 1), nulo, 31, 2, "PV"}
            << "Quant";
    }
    void valor_que_o_campo_nao_guarda() {
        QFETCH(QString, tabela);
        QFETCH(QVariantList, linha);
        QFETCH(QString, campo);
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("1", "UM");
        a.Membro(1, "1", 4, 2);
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "1");
        const QList<QStringList> antes = a.Linhas(tabela);
        try {
            a.sis->dm.SubstituiLinhas(Banco::Principal, tabela, {linha});
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QVERIFY2(
                f.Mensagem().contains(QStringLiteral("campo %1 da tabela %2").arg(campo, tabela)),
                qPrintable(f.Mensagem()));
        }
        QCOMPARE(a.Linhas(tabela), antes);
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, tabela), 1);
    }

    // Forgetting closes the files too; not while a write is open.
    // A table known to the store is rewritten by its differences: whatever
    // changed, the file then holds exactly the rows handed over, in order,
    // and so does the store after forgetting what it held.
    void regravacao_pelas_diferencas_data() {
        QTest::addColumn<int>("caso");
        QTest::newRow("nada mudou") << 0;
        QTest::newRow("uma linha no meio") << 1;
        QTest::newRow("data vazia e texto vazio") << 2;
        QTest::newRow("linhas acrescentadas") << 3;
        QTest::newRow("linhas retiradas") << 4;
        QTest::newRow("ordem invertida") << 5;
        QTest::newRow("tabela esvaziada") << 6;
        QTest::newRow("de novo depois de acrescentar e retirar") << 7;
    }
    void regravacao_pelas_diferencas() {
        QFETCH(int, caso);
        AmbienteTeste a;
        QList<QVariantList> linhas;
        for (int i = 0; i < 40; ++i)
            linhas << QVariantList{QDate(2024, 3, 1).addDays(i), 1 + i % 3, "Sv",
                                   QString::number(i), "Pt"};
        DMGeral& dm = a.sis->dm;
        dm.SubstituiLinhas(Banco::Principal, "Hist", linhas);
        // Known to the store as written, or as read from the file.
        if (caso % 2)
            dm.Esquece();
        dm.AbreTabela(Banco::Principal, "Hist");
        QList<QVariantList> novas = linhas;
        switch (caso) {
        case 1:
            novas[17][3] = "17 99";
            break;
        case 2:
            novas[5] = {QDate(), 0, "Sv", "5", QString()};
            break;
        case 3:
            novas << QVariantList{QDate(2024, 5, 1), 2, "Sv", "40", "Vm"} << novas[0];
            break;
        case 4:
            novas = novas.mid(0, 25);
            break;
        case 5:
            std::reverse(novas.begin(), novas.end());
            break;
        case 6:
            novas.clear();
            break;
        case 7:
            // The rows the first write appended are changed by the second.
            novas << novas[3] << novas[4];
            dm.SubstituiLinhas(Banco::Principal, "Hist", novas);
            novas[40][2] = "Outro";
            novas.removeLast();
            break;
        }
        dm.SubstituiLinhas(Banco::Principal, "Hist", novas);

        QList<QStringList> esperadas;
        for (const QVariantList& l : novas)
            esperadas << QStringList{
                l[0].toDate().isValid() ? l[0].toDate().toString(Qt::ISODate) : QString(),
                l[1].toString(), l[2].toString(), l[3].toString(), l[4].toString()};
        QCOMPARE(a.Linhas("Hist"), esperadas);
        if (caso == 2) {
            QVERIFY(a.Brutas("Hist", "Dia")[5][0].isNull());
            QCOMPARE(a.Consulta("SELECT COUNT(*) FROM Hist WHERE PtVm = ''")[0][0].toInt(), 1);
        }
        for (int vez = 1; vez <= 2; ++vez) {
            // As the store serves it, then as it reads the file again.
            auto c = dm.AbreTabela(Banco::Principal, "Hist");
            QList<QStringList> servidas;
            while (c.Proximo())
                servidas << QStringList{
                    c.Vazio("Dia") ? QString()
                                   : c.DataCampo("Dia").ParaQDate().toString(Qt::ISODate),
                    c.Texto("CodSv"), c.Texto("Descr"), c.Texto("Num"), c.Texto("PtVm")};
            QCOMPARE(servidas, esperadas);
            dm.Esquece();
        }
    }

    // Differences written inside a group that is undone leave the file as it
    // was, and the store does not keep them either.
    void diferencas_desfeitas() {
        AmbienteTeste a;
        a.Membro(3, "1", 4, 2);
        a.Membro(3, "2", 5, 1);
        DMGeral& dm = a.sis->dm;
        dm.AbreTabela(Banco::Principal, "Sv3");
        {
            DMGeral::Transacao t(dm, Banco::Principal);
            dm.SubstituiLinhas(Banco::Principal, "Sv3",
                               {{"1", 4, 2, "13/05/09", "13/05/09"},
                                {"2", 6, 1, "01/03/24", "13/05/09"},
                                {"3", 0, 0, "13/05/09", "13/05/09"}});
        }
        QCOMPARE(a.Coluna("Sv3", "Pt"), QStringList({"4", "5"}));
        auto c = dm.AbreTabela(Banco::Principal, "Sv3");
        QVERIFY(c.Proximo() && c.Proximo());
        QCOMPARE(c.Inteiro("Pt"), 5);
        QVERIFY(!c.Proximo());
        dm.SubstituiLinhas(
            Banco::Principal, "Sv3",
            {{"1", 4, 2, "13/05/09", "13/05/09"}, {"2", 7, 1, "13/05/09", "13/05/09"}});
        QCOMPARE(a.Coluna("Sv3", "Pt"), QStringList({"4", "7"}));
    }

    void esquecer_durante_uma_gravacao() {
        AmbienteTeste a;
        a.Militar("7", "SETE");
        {
            DMGeral::Transacao t(a.sis->dm, Banco::Principal);
            a.sis->dm.SubstituiLinhas(Banco::Principal, "Basico", {});
            QVERIFY_THROWS_EXCEPTION(Falha, a.sis->dm.Esquece());
        }
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"7"}));
        a.sis->dm.Esquece();
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Basico"), 1);
    }

    // A folder that holds a register never gets its tables rebuilt: a damaged
    // database stops the opening with a message that says what is wrong and
    // where the backup is, and nothing is written.
    void cadastro_danificado_data() { CasosDeCadastroDanificado(); }
    void cadastro_danificado() {
        QFETCH(QString, dano);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        a.Militar("7", "SETE");
        DanificaCadastro(a, dano);
        const QStringList antes = ConteudoDaPasta(a.Pasta());
        const QString arquivo = QDir(a.Pasta()).filePath(DMGeral::NomeArquivo);
        const QByteArray banco = BytesDoArquivo(arquivo);
        for (int vez = 1; vez <= 2; ++vez) {
            DMGeral dm(a.Pasta(), a.PastaBackup());
            try {
                dm.Prepara(Banco::Principal);
                QFAIL("sem falha");
            } catch (const Falha& f) {
                QVERIFY2(f.Mensagem().contains(mensagem), qPrintable(f.Mensagem()));
                QVERIFY(f.Mensagem().contains(a.Pasta()));
                QVERIFY(f.Mensagem().contains("item 14 da guia /Manutenção/"));
                QVERIFY(f.Mensagem().contains(a.PastaBackup()));
            }
            QVERIFY_THROWS_EXCEPTION(Falha, dm.ContaLinhas(Banco::Principal, "Basico"));
        }
        QCOMPARE(ConteudoDaPasta(a.Pasta()), antes);
        QCOMPARE(BytesDoArquivo(arquivo), banco);
    }

    // Only a new database gets tables; it replaces whatever file was there.
    void banco_novo() {
        AmbienteTeste a;
        QDir().mkpath(a.PastaBackup());
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->dm.ContaLinhas(Banco::Backup, "Hist"));
        QVERIFY(!QFile::exists(QDir(a.PastaBackup()).filePath(DMGeral::NomeArquivo)));
        GravaBytes(QDir(a.PastaBackup()).filePath(DMGeral::NomeArquivo), "lixo");
        a.sis->dm.CriaBanco(Banco::Backup);
        for (const QString& t : DMGeral::NomesTabelas())
            QCOMPARE(a.sis->dm.ContaLinhas(Banco::Backup, t), 0);
        a.sis->dm.SubstituiLinhas(Banco::Backup, "Sv3", {{"7", 1, 2, "", ""}});
        QCOMPARE(a.Coluna("Sv3", "Num", Banco::Backup), QStringList({"7"}));
    }

    // A table and a text file written together on a disk that fills up: the
    // write is refused as a full disk, the old file and the old tables stay,
    // and nothing is left half written beside them.
    void disco_cheio_data() {
        QTest::addColumn<qint64>("livres");
        QTest::addColumn<bool>("grava");
        QTest::newRow("nenhum byte") << qint64(0) << false;
        QTest::newRow("parte da linha") << qint64(4) << false;
        QTest::newRow("falta um byte") << qint64(9) << false;
        QTest::newRow("cabe exato") << qint64(10) << true;
    }
    void disco_cheio() {
        QFETCH(qint64, livres);
        QFETCH(bool, grava);
        AmbienteTeste a;
        a.Membro(1, "7", 4, 2);
        a.sis->pasta.GravaUltimaEscala(D(10, 3, 2024));
        const QByteArray escala = a.Bytes("Escala.Txt");
        DiscoLimitado disco(livres);
        disco.Instala(*a.sis);
        try {
            DMGeral::Transacao t(a.sis->dm, Banco::Principal);
            a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv1",
                                      {{"7", 5, 2, "11/03/24", "13/05/09"}});
            t.GravaArquivo("Escala.Txt", {"11/03/24"}); // 10 bytes
            t.Confirma();
            QVERIFY(grava);
        } catch (const Falha& f) {
            QVERIFY(!grava);
            QVERIFY2(f.Mensagem().contains("Escala.Txt: disco cheio"), qPrintable(f.Mensagem()));
            QVERIFY(f.Mensagem().contains("O arquivo ficou como estava"));
        }
        QCOMPARE(disco.falhas, grava ? 0 : 1);
        QCOMPARE(a.Bytes("Escala.Txt"), grava ? QByteArray("11/03/24\r\n") : escala);
        QCOMPARE(a.Linhas("Sv1"),
                 QList<QStringList>(
                     {{"7", grava ? "5" : "4", "2", grava ? "11/03/24" : "13/05/09", "13/05/09"}}));
        QCOMPARE(a.Linhas("Pendencias").size(), 0);
        QCOMPARE(QDir(a.Pasta()).entryList({"Escala.Txt*"}, QDir::Files | QDir::Hidden),
                 QStringList({"Escala.Txt"}));
        // The store serves the file as it is.
        QCOMPARE(a.sis->dm.AbreTabela(Banco::Principal, "Sv1").Colunas().size(), 5);
        auto c = a.sis->dm.AbreTabela(Banco::Principal, "Sv1");
        QVERIFY(c.Proximo());
        QCOMPARE(c.Inteiro("Pt"), grava ? 5 : 4);
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
