#include "base/Falha.h"
#include "data/ArquivoTexto.h"
#include "data/Instalacao.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QFile>
#include <QTest>

// The text files of the data folder.
class TesteArquivos : public QObject {
    Q_OBJECT
private slots:
    void latin1_e_crlf() {
        AmbienteTeste a;
        a.sis->pasta.GravaLinhas("Teste.Txt", {"Sáb", "Manutenção", ""});
        QCOMPARE(BytesDoArquivo(a.sis->pasta.Caminho("Teste.Txt")),
                 QByteArray("S\xe1"
                            "b\r\nManuten\xe7\xe3o\r\n\r\n"));
        QCOMPARE(a.sis->pasta.LeLinhas("Teste.Txt"), QStringList({"Sáb", "Manutenção", ""}));
        // Lines ended by LF alone are read too.
        GravaBytes(a.sis->pasta.Caminho("Lf.Txt"), "01/03/24\n02/03/24\n");
        QCOMPARE(a.sis->pasta.LeLinhas("Lf.Txt"), QStringList({"01/03/24", "02/03/24"}));
    }

    void arquivo_ausente_e_linha_invalida() {
        AmbienteTeste a;
        QFile::remove(a.sis->pasta.Caminho("Escala.Txt"));
        try {
            a.sis->pasta.LeUltimaEscala();
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("Escala.Txt"));
        }
        a.sis->pasta.GravaLinhas("Escala.Txt", {"32/01/24"});
        try {
            a.sis->pasta.LeUltimaEscala();
            QFAIL("sem falha");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("\"32/01/24\""));
        }
        a.sis->pasta.GravaLinhas("Entradas.Txt", {"três"});
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->pasta.LeEntradas());
    }

    // A rewrite of Niveis.Txt keeps lines 7 and 8 byte for byte.
    void niveis_linhas_7_e_8_intactas() {
        AmbienteTeste a;
        const QByteArray original = "Org\r\nU1\r\nU2\r\nU3\r\nCapa1.bmp\r\n/x/Espelho\r\n0042\r\n"
                                    "  livre \xe9 \t fim  \r\nLema\r\n";
        GravaBytes(a.sis->pasta.Caminho("Niveis.Txt"), original);
        Niveis n = a.sis->pasta.LeNiveis();
        QCOMPARE(n.PastaBackup(), QStringLiteral("/x/Espelho"));
        QCOMPARE(n.Unidade(), QStringLiteral("U1\nU2\nU3"));
        n.Linhas[5] = QStringLiteral("/y/Espelho");
        a.sis->pasta.GravaNiveis(n);
        QByteArray esperado = original;
        esperado.replace("/x/Espelho", "/y/Espelho");
        QCOMPARE(BytesDoArquivo(a.sis->pasta.Caminho("Niveis.Txt")), esperado);

        a.sis->pasta.GravaLinhas("Niveis.Txt", {"só", "três", "linhas"});
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->pasta.LeNiveis());
    }

    void gera_pstgrd_ate_a_primeira_vazia() {
        AmbienteTeste a;
        ModelosPstGrd m;
        m.Cells[0][0] = "Padrão";
        m.Cells[0][1] = "Cel";
        m.Cells[0][2] = "Maj";
        m.Cells[0][3] = "Cap";
        m.Cells[0][5] = "Sd"; // below an empty cell: ignored
        m.Cells[1][1] = "CEL";
        a.sis->pasta.GravaModelosPstGrd(m);
        QCOMPARE(a.sis->pasta.LeLinhas("ModelosPstGrd.Txt").size(), 275);
        QCOMPARE(a.sis->pasta.LeLinhas("ModelosPstGrd.Txt")[26], QStringLiteral("CEL"));
        a.sis->pasta.GeraPstGrd();
        QCOMPARE(a.sis->pasta.LePstGrd(), QStringList({"Cel", "Maj", "Cap"}));
        QCOMPARE(a.sis->pasta.LeModelosPstGrd().Cells[1][1], QStringLiteral("CEL"));
    }

    void copia_dos_modelos_para_no_primeiro_ausente() {
        AmbienteTeste a;
        a.sis->pasta.GravaLinhas("IniEscala.Txt", {"29/02/24"});
        a.sis->pasta.GravaLinhas("IniSemExped.Txt", {"02/03/24"});
        QFile::remove(a.sis->pasta.Caminho("IniManual.Txt"));
        QVERIFY_THROWS_EXCEPTION(Falha, a.sis->pasta.CopiaArquivosIni("Ini", ""));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(29, 2, 2024)); // copied before the failure
        QCOMPARE(a.sis->pasta.LeLinhas("SemExped.Txt"), QStringList({"02/03/24"}));
        QCOMPARE(a.sis->pasta.LeDataIniFim().second, D(9, 3, 2024)); // not reached
    }

    void instalacao_completa() {
        AmbienteTeste a(D(10, 3, 2024));
        for (const char* nome :
             {"Niveis.Txt", "ModelosPstGrd.Txt", "PstGrd.Txt", "Escala.Txt", "DataIniFim.Txt",
              "SemExped.Txt", "Entradas.Txt", "ArqCores.Txt", "Impressao.Txt", "Manual.Txt",
              "UltiEqual.Txt", "Entradas2.Txt", "Entradas.Doc", "Bandeira.bmp", "Capa1.bmp",
              "Capa2.bmp", "Tarvolim.db"})
            QVERIFY2(a.sis->pasta.Existe(nome), nome);
        for (const QString& nome : PastaDados::ArquivosIni())
            QVERIFY2(a.sis->pasta.Existe("Ini" + nome), qPrintable(nome));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(9, 3, 2024));
        QCOMPARE(a.sis->pasta.LeDataIniFim(), std::make_pair(D(9, 3, 2024), D(9, 3, 2024)));
        QCOMPARE(a.sis->pasta.LeEntradas(), 0);
        QCOMPARE(a.sis->pasta.LeLinhas("ArqCores.Txt").size(), 13);
        const Niveis n = a.sis->pasta.LeNiveis();
        QCOMPARE(n.Organizacao(), QStringLiteral("Devedo Vuredod"));
        QCOMPARE(n.Lema(), QStringLiteral("Segurança em Nossas Fronteiras"));
        QCOMPARE(n.PastaBackup(), a.PastaBackup());
        const QStringList postos = a.sis->pasta.LePstGrd();
        QVERIFY(postos.size() >= 16 && postos.size() <= 24);
        QVERIFY(postos.contains(QStringLiteral("1º Sgt")));
        for (const QString& p : postos)
            QVERIFY2(p.size() <= 7, qPrintable(p));
        QVERIFY(a.sis->pasta.LeLinhas("Manual.Txt").first().startsWith("000"));
        QVERIFY(!Instalacao::PastaNova(a.Pasta()));
    }
};
REGISTRA_TESTE(TesteArquivos)
#include "TesteArquivos.moc"
